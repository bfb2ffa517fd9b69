#include "support/GatedSearch.h"

#include <stdexcept>

namespace porutena::test {

std::optional<TFoundEntry> TGatedSearch::Find(const std::string& path) const {
    {
        std::unique_lock lock(FMutex);
        ++FArrived;
        FChanged.notify_all();
        FChanged.wait(lock, [this] { return FOpen || FPassed < FAllowed; });
        ++FPassed;
        if (!FFailMarker.empty() && path.find(FFailMarker) != std::string::npos)
            throw std::runtime_error("search failed");
    }
    // The inner search is the test's own and not made for several threads.
    const std::lock_guard lock(FInnerMutex);
    return FInner.Find(path);
}

void TGatedSearch::Release(std::size_t count) {
    const std::lock_guard lock(FMutex);
    FAllowed = FPassed + count;
    FChanged.notify_all();
}

void TGatedSearch::Open() {
    const std::lock_guard lock(FMutex);
    FOpen = true;
    FChanged.notify_all();
}

void TGatedSearch::Close() {
    const std::lock_guard lock(FMutex);
    FOpen = false;
    FAllowed = FPassed;
}

void TGatedSearch::FailOn(std::string marker) {
    const std::lock_guard lock(FMutex);
    FFailMarker = std::move(marker);
}

void TGatedSearch::WaitForArrivals(std::size_t count) const {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [&] { return FArrived >= count; });
}

std::size_t TGatedSearch::Arrived() const {
    const std::lock_guard lock(FMutex);
    return FArrived;
}

std::size_t TGatedSearch::Passed() const {
    const std::lock_guard lock(FMutex);
    return FPassed;
}

} // namespace porutena::test
