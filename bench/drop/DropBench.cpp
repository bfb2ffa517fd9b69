// A drop of 10,000 existing files on the real window: the time until the current list shows
// them, against rendering the same names alone on one thread, the longest the window's thread
// went without taking a message meanwhile, and the time of Copy all over them.
// Prints `drop_vs_render=` (the median of the rounds' ratios) with `drop_vs_render_spread=`
// (their highest less their lowest), `drop_ms=`, `window_stall_ms=` (the highest over the
// rounds) and `copy_all_ms=`; details go to stderr.
#include "Stopwatch.h"
#include "core/Rendering.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "support/DropBuilder.h"
#include "support/MemoryKeyStore.h"
#include "ui/frame/Frame.h"
#include "ui/main/Main.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>
#include <string>
#include <vector>

using namespace porutena;

namespace {

constexpr int FileCount = 10000;
constexpr int Folders = 10;
// Each round times a rendering and then a drop, so that a burst of load from elsewhere falls on
// one round's pair and the median of the rounds' ratios leaves it out.
constexpr int Rounds = 5;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// C:\porutena-bench-<pid>\Set\Group<k>\Part\File <i>.txt: six components each.
class TBenchFiles {
public:
    TBenchFiles() : FRoot("C:\\porutena-bench-" + std::to_string(GetCurrentProcessId())) {
        Make(FRoot);
        Make(FRoot + "\\Set");
        for (int k = 0; k < Folders; ++k) {
            const std::string group = FRoot + "\\Set\\Group" + std::to_string(k);
            Make(group);
            Make(group + "\\Part");
        }
        for (int i = 0; i < FileCount; ++i) {
            std::string name = FRoot + "\\Set\\Group";
            name += std::to_string(i % Folders);
            name += "\\Part\\File ";
            name += std::to_string(i);
            name += ".txt";
            const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE)
                CloseHandle(file);
            FNames.push_back(name);
        }
    }
    ~TBenchFiles() {
        for (const std::string& name : FNames)
            DeleteFileA(name.c_str());
        for (int k = 0; k < Folders; ++k) {
            const std::string group = FRoot + "\\Set\\Group" + std::to_string(k);
            RemoveDirectoryA((group + "\\Part").c_str());
            RemoveDirectoryA(group.c_str());
        }
        RemoveDirectoryA((FRoot + "\\Set").c_str());
        RemoveDirectoryA(FRoot.c_str());
    }
    TBenchFiles(const TBenchFiles&) = delete;
    TBenchFiles& operator=(const TBenchFiles&) = delete;
    const std::vector<std::string>& Names() const { return FNames; }

private:
    static void Make(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }
    std::string FRoot;
    std::vector<std::string> FNames;
};

// From another thread, asks the window every 20 ms for an empty message and keeps the longest
// wait for its answer: how long the window's thread went without taking its messages.
class TStallProbe {
public:
    explicit TStallProbe(HWND window)
        : FThread([this, window] {
              while (!FStop.load()) {
                  const TStopwatch wait;
                  DWORD_PTR result = 0;
                  SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result);
                  FLongest = std::max(FLongest.load(), wait.ElapsedMs());
                  Sleep(20);
              }
          }) {}
    ~TStallProbe() {
        FStop.store(true);
        FThread.join();
    }
    TStallProbe(const TStallProbe&) = delete;
    TStallProbe& operator=(const TStallProbe&) = delete;
    double LongestMs() const { return FLongest.load(); }

private:
    std::atomic<bool> FStop{false};
    std::atomic<double> FLongest{0};
    std::thread FThread;
};

class TNoStart final : public TProgramStart {
public:
    std::string ProgramPath() const override { return "C:\\porutena.exe"; }
    std::vector<std::string> Arguments() const override { return {}; }
};

} // namespace

int main() {
    const TBenchFiles files;
    TApplication app(GetModuleHandleA(nullptr));
    app.SetTitle("ぽるてな");
    TMemoryKeyStore keys;
    const TNoStart start;
    const TWin32DirectorySearch search;
    TfrmMain form(app, SystemContext(keys, start, search));
    form.Show();
    app.ProcessMessages();

    // Once through, so both sides meet the same warm file-system caches.
    RenderList(files.Names(), form.ViewOptions(), search);

    std::vector<double> render, drop, ratio, copyAll, stall;
    for (int round = 0; round < Rounds; ++round) {
        const TStopwatch renderTime;
        const TStringList rows = RenderList(files.Names(), form.ViewOptions(), search);
        render.push_back(renderTime.ElapsedMs());

        HGLOBAL data = MakeHDrop(files.Names()).Release();
        {
            const TStallProbe probe(form.Handle());
            const TStopwatch dropTime;
            SendMessageA(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(data), 0);
            while (form.Rendering() && app.HandleMessage()) {
            }
            UpdateWindow(form.lsvFileList.Handle());
            drop.push_back(dropTime.ElapsedMs());
            stall.push_back(probe.LongestMs());
        }
        ratio.push_back(drop.back() / render.back());
        if (form.lsvFileList.Items() != rows) {
            std::fprintf(stderr, "bench_drop: the list does not show the dropped names\n");
            return 1;
        }
        app.ProcessMessages();

        const TStopwatch copyTime;
        form.actCopyAll.Execute();
        copyAll.push_back(copyTime.ElapsedMs());
    }
    std::fprintf(stderr, "bench_drop: %d files; render %.1f ms, drop %.1f ms, copy all %.1f ms\n",
                 FileCount, Median(render), Median(drop), Median(copyAll));
    std::printf("drop_vs_render=%.2f\n", Median(ratio));
    const auto [low, high] = std::minmax_element(ratio.begin(), ratio.end());
    std::printf("drop_vs_render_spread=%.2f\n", *high - *low);
    std::printf("drop_ms=%.0f\n", Median(drop));
    std::printf("window_stall_ms=%.0f\n", *std::max_element(stall.begin(), stall.end()));
    std::printf("copy_all_ms=%.1f\n", Median(copyAll));
    form.Destroy();
    return 0;
}
