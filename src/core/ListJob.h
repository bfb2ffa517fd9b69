#pragma once
// A list's names turned into rows on worker threads: the rows stand in list order, a count says
// how many are done, and a stop request is read by the workers between names.
#include "core/DirectorySearch.h"
#include "core/FileLists.h"
#include "core/ViewOptions.h"

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace porutena {

// Workers for searches that mostly wait (a shared drive answers in milliseconds): enough to keep
// several searches in flight, whatever the number of cores.
inline constexpr int SearchWorkers = 8;

class TListJob {
public:
    using TRowFunction = std::function<std::string(const std::string&)>;

    // Starts at once on up to `workers` threads. `finished` runs once, on the last worker (here
    // for an empty list), after the last row is done or the job stopped; Finished() is true by
    // then. `row` runs on several threads at once.
    TListJob(TStringList names, TRowFunction row, int workers, std::function<void()> finished);
    // Stops the job and waits for the searches in flight.
    ~TListJob();
    TListJob(const TListJob&) = delete;
    TListJob& operator=(const TListJob&) = delete;

    // No further names are started; a name in hand is finished.
    void Stop() { FStop.store(true); }
    bool Stopped() const { return FStop.load(); }
    std::size_t Total() const { return FNames.size(); }
    std::size_t Done() const { return FDone.load(std::memory_order_relaxed); }
    bool Finished() const { return FFinished.load(std::memory_order_acquire); }
    // The rows of a finished job, one per name; rethrows what a worker threw.
    TStringList TakeRows();

private:
    void Work() noexcept;

    const TStringList FNames;
    const TRowFunction FRow;
    const std::function<void()> FOnFinished;
    TStringList FRows;
    std::atomic<std::size_t> FNext{0};
    std::atomic<std::size_t> FDone{0};
    std::atomic<int> FRunning{0};
    std::atomic<bool> FStop{false};
    std::atomic<bool> FFailed{false};
    std::atomic<bool> FFinished{false};
    std::exception_ptr FError;
    std::vector<std::thread> FWorkers;
};

// `List` rendered as RenderList renders it, by a job of SearchWorkers workers.
std::unique_ptr<TListJob> StartRenderList(TStringList List, const TViewOptions& Options,
                                          const IDirectorySearch& search,
                                          std::function<void()> finished);

} // namespace porutena
