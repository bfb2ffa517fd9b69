// The lists rendered off the window's thread: the jobs, what waits for them, and their progress
// in the status bar and the cursor.
#include "ui/main/Main.h"

#include "core/StandardLibrary.h"
#include "core/Text.h"

#include <algorithm>

namespace porutena {

namespace {

constexpr UINT ProgressTick = 100;
// A rendering shorter than this shows no progress, so quick ones do not flicker.
constexpr std::uint64_t ProgressDelay = 300;

} // namespace

bool TfrmMain::Rendering() const {
    return FStartJob || FFileJob || FOldJob || !FWaitingBatches.empty();
}

void TfrmMain::ShowList(const TStringList& List, TListView& View) {
    const bool old = &View == &lsvOldFile;
    std::unique_ptr<TListJob>& job = old ? FOldJob : FFileJob;
    Retire(job);
    BeginWork();
    // The job takes copies: the window's lists and options may change meanwhile.
    job = StartRenderList(List, ViewOptions(), FContext.Search, PostWhenFinished());
    FSteps.push_back(old ? TStep::ShowOldList : TStep::ShowFileList);
}

void TfrmMain::MoveToOldList() {
    porutena::MoveToOldList(FFileList, FOldList, [this] { return FRegistry->GetOldListNum(); });
    ShowList(FOldList, lsvOldFile);
    Step(TStep::SelectOldFirst);
    // Cleared at once, and a rendering of the old rows under way is replaced by this one.
    lsvFileList.Clear();
    ShowList(FFileList, lsvFileList);
}

void TfrmMain::RefreshLists() {
    ShowList(FFileList, lsvFileList);
    ShowList(FOldList, lsvOldFile);
    SelectFirstFile();
}

void TfrmMain::SelectFirstFile() {
    Step(TStep::SelectFirstFile);
}

void TfrmMain::TakeBatch(std::vector<std::string> names, bool focus) {
    // The command-line names come first, as they would have without the wait.
    if (FStartJob || !FWaitingBatches.empty()) {
        FWaitingBatches.push_back({std::move(names), focus});
        return;
    }
    MoveToOldList();
    for (std::string& name : names)
        AddFile(std::move(name));
    ShowList(FFileList, lsvFileList);
    SelectFirstFile();
    if (focus)
        Step(TStep::FocusFileList);
}

void TfrmMain::StartConvertArguments(std::vector<std::string> arguments) {
    BeginWork();
    const IDirectorySearch& search = FContext.Search;
    FStartJob = std::make_unique<TListJob>(
        std::move(arguments),
        [&search](const std::string& name) { return ConvertFileName(name, false, search); },
        SearchWorkers, PostWhenFinished());
}

void TfrmMain::Step(TStep step) {
    FSteps.push_back(step);
    if (!Rendering())
        ApplyRows();
}

std::function<void()> TfrmMain::PostWhenFinished() const {
    const HWND window = Handle();
    return [window] { PostMessageW(window, WM_ROWSREADY, 0, 0); };
}

void TfrmMain::Retire(std::unique_ptr<TListJob>& job) {
    // Its searches in flight end on their own; waiting for them here would hold the window.
    if (!job)
        return;
    job->Stop();
    FRetired.push_back(std::move(job));
}

void TfrmMain::RowsReady() {
    std::erase_if(FRetired, [](const std::unique_ptr<TListJob>& job) { return job->Finished(); });
    try {
        if (FStartJob && FStartJob->Finished())
            TakeConvertedArguments();
        const auto finished = [](const std::unique_ptr<TListJob>& job) {
            return !job || job->Finished();
        };
        if (FStartJob || !finished(FFileJob) || !finished(FOldJob))
            return;
        ApplyRows();
    } catch (...) {
        // A worker's failure ends the renderings as a failing handler ends its work.
        StopRendering();
        FSteps.clear();
        FWaitingBatches.clear();
        FCopyAllWaiting = false;
        EndWork();
        throw;
    }
}

void TfrmMain::TakeConvertedArguments() {
    const std::unique_ptr<TListJob> job = std::move(FStartJob);
    for (std::string& name : job->TakeRows())
        AddFile(std::move(name));
    ShowList(FFileList, lsvFileList);
    SelectFirstFile();
    for (TBatch& batch : std::exchange(FWaitingBatches, {}))
        TakeBatch(std::move(batch.Names), batch.Focus);
}

void TfrmMain::ApplyRows() {
    TStringList fileRows = FFileJob ? FFileJob->TakeRows() : TStringList();
    TStringList oldRows = FOldJob ? FOldJob->TakeRows() : TStringList();
    // The old list may have been cut to a lower limit meanwhile, always at its end.
    if (oldRows.size() > FOldList.size())
        oldRows.resize(FOldList.size());
    FFileJob.reset();
    FOldJob.reset();
    // In the order asked for, so the edit box ends with the text it would have had at once.
    for (const TStep step : std::exchange(FSteps, {})) {
        switch (step) {
        case TStep::ShowFileList:
            lsvFileList.SetItems(fileRows);
            break;
        case TStep::ShowOldList:
            lsvOldFile.SetItems(oldRows);
            break;
        case TStep::SelectOldFirst:
            if (lsvOldFile.Count() > 0)
                lsvOldFile.Select(0);
            break;
        case TStep::SelectFirstFile:
            if (lsvFileList.Count() > 0)
                lsvFileList.Select(0);
            break;
        case TStep::FocusFileList:
            // Not from under a modal dialog opened meanwhile.
            if (IsWindowEnabled(Handle()))
                lsvFileList.SetFocus();
            break;
        }
    }
    EndWork();
    if (std::exchange(FCopyAllWaiting, false))
        actCopyAllExecute();
}

void TfrmMain::StopRendering() {
    for (std::unique_ptr<TListJob>* job : {&FStartJob, &FFileJob, &FOldJob})
        Retire(*job);
    for (const std::unique_ptr<TListJob>& job : FRetired)
        job->Stop();
}

void TfrmMain::BeginWork() {
    if (Rendering())
        return;
    FRenderingSince = GetTickCount64();
    SetTimer(Handle(), ProgressTimer, ProgressTick, nullptr);
}

void TfrmMain::EndWork() {
    KillTimer(Handle(), ProgressTimer);
    if (!FProgressShown)
        return;
    FProgressShown = false;
    stbStatus.SetSimpleText(App().Hint());
    RefreshCursor();
}

void TfrmMain::ShowProgress() {
    if (!Rendering() || GetTickCount64() - FRenderingSince < ProgressDelay)
        return;
    std::size_t done = 0;
    std::size_t total = 0;
    for (const std::unique_ptr<TListJob>* job : {&FStartJob, &FFileJob, &FOldJob}) {
        if (*job) {
            done += (*job)->Done();
            total += (*job)->Total();
        }
    }
    stbStatus.SetSimpleText("ファイル名を取得中… " + GroupDigits(done) + " / " +
                            GroupDigits(total) + " 件");
    if (!FProgressShown) {
        FProgressShown = true;
        RefreshCursor();
    }
}

void TfrmMain::RefreshCursor() const {
    POINT pos{};
    GetCursorPos(&pos);
    const HWND under = WindowFromPoint(pos);
    if (under != Handle() && !IsChild(Handle(), under))
        return;
    const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(pos.x, pos.y));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(hit, WM_MOUSEMOVE));
}

} // namespace porutena
