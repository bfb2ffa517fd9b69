// 1,000 names of six components on a volume that answers every search 2 ms late, as a shared
// drive does: rendered by one thread against the pool of workers. Prints `slow_volume_speedup=`
// (the serial time over the pool's) and the rows compared equal; details go to stderr.
#include "Stopwatch.h"
#include "core/ListJob.h"
#include "core/Rendering.h"

#include <windows.h>

#include <cstdio>
#include <string>

using namespace porutena;

namespace {

constexpr int Names = 1000;
constexpr DWORD Latency = 2;

// Every entry exists and is stored as asked for; only the wait is real.
class TSlowSearch final : public IDirectorySearch {
public:
    std::optional<TFoundEntry> Find(const std::string& path) const override {
        Sleep(Latency);
        return TFoundEntry{path.substr(path.find_last_of('\\') + 1), ""};
    }
};

} // namespace

int main() {
    TStringList names;
    for (int i = 0; i < Names; ++i)
        names.push_back("C:\\Share\\Dept " + std::to_string(i % 7) + "\\Year\\Month\\Day\\File " +
                        std::to_string(i) + ".txt");
    const TSlowSearch search;
    const TViewOptions options;

    const TStopwatch serialTime;
    const TStringList serial = RenderList(names, options, search);
    const double serialMs = serialTime.ElapsedMs();

    const HANDLE finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const TStopwatch poolTime;
    const std::unique_ptr<TListJob> job =
        StartRenderList(names, options, search, [finished] { SetEvent(finished); });
    WaitForSingleObject(finished, INFINITE);
    const double poolMs = poolTime.ElapsedMs();
    CloseHandle(finished);

    if (job->TakeRows() != serial) {
        std::fprintf(stderr, "bench_slow_volume: the pool's rows differ from the serial ones\n");
        return 1;
    }
    std::fprintf(stderr, "bench_slow_volume: %d names, serial %.0f ms, %d workers %.0f ms\n", Names,
                 serialMs, SearchWorkers, poolMs);
    std::printf("slow_volume_speedup=%.2f\n", serialMs / poolMs);
    return 0;
}
