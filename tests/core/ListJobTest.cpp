// Lists rendered on worker threads: the same rows as one thread renders, and the moments of a
// rendering under way held at a gate.
#include "core/ListJob.h"

#include "FakeFileSystem.h"
#include "core/Rendering.h"
#include "support/GatedSearch.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

using namespace porutena;
using test::TGatedSearch;

namespace {

using enum TFileViewStyle;
using enum TFileViewLength;
using enum TPathSep;

// Counts the calls of a job's end, which come from a worker.
class TFinishSignal {
public:
    std::function<void()> Callback() {
        return [this] {
            const std::lock_guard lock(FMutex);
            ++FCalls;
            FChanged.notify_all();
        };
    }
    void Wait() {
        std::unique_lock lock(FMutex);
        FChanged.wait(lock, [this] { return FCalls > 0; });
    }
    int Calls() {
        const std::lock_guard lock(FMutex);
        return FCalls;
    }

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
    int FCalls = 0;
};

class ListJobTest : public ::testing::Test {
protected:
    ListJobTest() {
        fs.Add("C:\\Program Files|PROGRA~1\\Read Me.txt|README~1.TXT");
        fs.Add("C:\\dir\\file.txt");
        for (int i = 0; i < 40; ++i)
            fs.Add("C:\\item" + std::to_string(i));
    }
    // `count` names of one component each: one search a name.
    static TStringList Items(int count) {
        TStringList names;
        for (int i = 0; i < count; ++i)
            names.push_back("C:\\ITEM" + std::to_string(i));
        return names;
    }
    static void WaitForDone(const TListJob& job, std::size_t count) {
        while (job.Done() < count)
            std::this_thread::yield();
    }
    TFakeFileSystem fs;
    TGatedSearch gate{fs};
    TFinishSignal finish;
};

TEST_F(ListJobTest, RowsAreThoseOfOneThreadInListOrder) {
    gate.Open();
    TStringList many;
    for (int i = 0; i < 25; ++i) {
        many.push_back("c:\\program files\\read me.txt");
        many.push_back("C:\\dir\\gone" + std::to_string(i) + ".txt");
        many.push_back("c:\\DIR\\FILE.TXT");
    }
    struct Case {
        const char* name;
        TStringList list;
        TViewOptions options;
    };
    const Case cases[] = {
        {"empty", {}, {}},
        {"one", {"c:\\dir\\file.txt"}, {fvsFullPath, fvlShortName, psSlash}},
        {"unresolved and duplicates",
         {"", "C:\\dir\\gone.txt", "c:\\DIR\\FILE.TXT", "c:\\DIR\\FILE.TXT"},
         {}},
        {"more names than workers", many, {fvsFullPath, fvlShortName, psDoubleYen}},
        {"file only", many, {fvsFileOnly, fvlLongName, psYen}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFinishSignal done;
        const std::unique_ptr<TListJob> job =
            StartRenderList(c.list, c.options, gate, done.Callback());
        done.Wait();
        EXPECT_TRUE(job->Finished());
        EXPECT_EQ(job->Done(), c.list.size());
        EXPECT_EQ(job->TakeRows(), RenderList(c.list, c.options, fs));
        EXPECT_EQ(done.Calls(), 1);
    }
}

TEST_F(ListJobTest, SearchesOverlapAndTheCountFollowsThem) {
    const std::unique_ptr<TListJob> job = StartRenderList(Items(20), {}, gate, finish.Callback());
    // Every worker is in a search at once.
    gate.WaitForArrivals(SearchWorkers);
    EXPECT_EQ(job->Total(), 20U);
    EXPECT_EQ(job->Done(), 0U);
    gate.Release(5);
    WaitForDone(*job, 5);
    gate.WaitForArrivals(5 + SearchWorkers);
    EXPECT_EQ(job->Done(), 5U);
    EXPECT_FALSE(job->Finished());
    gate.Open();
    finish.Wait();
    EXPECT_EQ(job->Done(), 20U);
    EXPECT_EQ(gate.Passed(), 20U);
    EXPECT_EQ(job->TakeRows()[19], "C:\\item19");
}

// A job stops when destroyed: the searches in flight finish, no further name starts.
TEST_F(ListJobTest, ADestroyedJobStopsAndWaitsForItsSearchesInFlight) {
    auto job = StartRenderList(Items(30), {}, gate, finish.Callback());
    gate.WaitForArrivals(SearchWorkers);
    // Opened only once the destructor has asked the workers to stop, which it does before it
    // waits for them; the members stay until the waiting ends.
    std::thread opener([this, raw = job.get()] {
        while (!raw->Stopped())
            std::this_thread::yield();
        gate.Open();
    });
    job.reset();
    opener.join();
    EXPECT_EQ(gate.Arrived(), static_cast<std::size_t>(SearchWorkers));
    EXPECT_EQ(gate.Passed(), static_cast<std::size_t>(SearchWorkers));
    EXPECT_EQ(finish.Calls(), 1);
}

TEST_F(ListJobTest, AWorkersExceptionReachesTheReaderAndStopsTheJob) {
    TStringList names = Items(30);
    names[3] = "C:\\Fail";
    gate.FailOn("Fail");
    gate.Open();
    const std::unique_ptr<TListJob> job = StartRenderList(names, {}, gate, finish.Callback());
    finish.Wait();
    EXPECT_LT(job->Done(), names.size());
    EXPECT_THROW(job->TakeRows(), std::runtime_error);
    EXPECT_EQ(finish.Calls(), 1);
}

} // namespace
