#pragma once
// A directory search that holds every search at a gate until the test opens it, so the moments
// while a rendering is under way can be looked at one by one. Searches go on to another search,
// or throw for paths that contain a text the test names.
#include "core/DirectorySearch.h"

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>

namespace porutena::test {

class TGatedSearch final : public IDirectorySearch {
public:
    explicit TGatedSearch(const IDirectorySearch& inner) : FInner(inner) {}

    std::optional<TFoundEntry> Find(const std::string& path) const override;

    // Lets `count` more searches through the gate; Open() lets all through from now on.
    void Release(std::size_t count);
    void Open();
    void Close();
    // Searches of paths containing `marker` throw from now on; an empty one ends that.
    void FailOn(std::string marker);
    // Blocks until `count` searches in all have reached the gate.
    void WaitForArrivals(std::size_t count) const;
    std::size_t Arrived() const;
    std::size_t Passed() const;

private:
    const IDirectorySearch& FInner;
    mutable std::mutex FInnerMutex;
    mutable std::mutex FMutex;
    mutable std::condition_variable FChanged;
    mutable std::size_t FArrived = 0;
    mutable std::size_t FPassed = 0;
    std::size_t FAllowed = 0;
    bool FOpen = false;
    std::string FFailMarker;
};

} // namespace porutena::test
