#include "core/ListJob.h"

#include "core/Rendering.h"

#include <algorithm>

namespace porutena {

TListJob::TListJob(TStringList names, TRowFunction row, int workers, std::function<void()> finished)
    : FNames(std::move(names)), FRow(std::move(row)), FOnFinished(std::move(finished)),
      FRows(FNames.size()) {
    const int count = static_cast<int>(
        std::min<std::size_t>(FNames.size(), static_cast<std::size_t>(std::max(workers, 1))));
    if (count == 0) {
        FFinished.store(true, std::memory_order_release);
        FOnFinished();
        return;
    }
    // Counted before any starts, so no worker can take itself for the last while others are
    // still being made.
    FRunning.store(count);
    FWorkers.reserve(static_cast<std::size_t>(count));
    try {
        for (int i = 0; i < count; ++i)
            FWorkers.emplace_back([this] { Work(); });
    } catch (...) {
        // No thread to be had: those started end, and the job is not made.
        Stop();
        for (std::thread& worker : FWorkers)
            worker.join();
        throw;
    }
}

TListJob::~TListJob() {
    Stop();
    for (std::thread& worker : FWorkers)
        worker.join();
}

void TListJob::Work() noexcept {
    while (!FStop.load()) {
        const std::size_t index = FNext.fetch_add(1);
        if (index >= FNames.size())
            break;
        try {
            // Each slot has one writer; the reader waits for Finished().
            FRows[index] = FRow(FNames[index]);
        } catch (...) {
            if (!FFailed.exchange(true))
                FError = std::current_exception();
            Stop();
            break;
        }
        FDone.fetch_add(1, std::memory_order_relaxed);
    }
    // The last one out publishes every worker's rows.
    if (FRunning.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        FFinished.store(true, std::memory_order_release);
        FOnFinished();
    }
}

TStringList TListJob::TakeRows() {
    if (FFailed.load())
        std::rethrow_exception(FError);
    return std::move(FRows);
}

std::unique_ptr<TListJob> StartRenderList(TStringList List, const TViewOptions& Options,
                                          const IDirectorySearch& search,
                                          std::function<void()> finished) {
    return std::make_unique<TListJob>(
        std::move(List),
        [Options, &search](const std::string& name) { return RenderName(name, Options, search); },
        SearchWorkers, std::move(finished));
}

} // namespace porutena
