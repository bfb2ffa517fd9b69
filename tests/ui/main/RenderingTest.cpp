// Renderings under way, held at the search gate: the window answers meanwhile, shows how far it
// is, lets a newer request replace it, makes Copy all wait for the whole list, and closes at once.
#include "MainTestSupport.h"

#include "core/Rendering.h"
#include "core/Text.h"
#include "support/DropBuilder.h"

namespace porutena::test {
namespace {

class RenderingTest : public MainWindowTest {
protected:
    RenderingTest() {
        for (int i = 0; i < 20; ++i)
            names.push_back(File("name" + std::to_string(i) + ".txt"));
        others = {File("x.txt"), File("y.txt"), File("z.txt")};
    }
    std::string File(const std::string& name) {
        temp.MakeFile(name);
        return temp.Path() + "\\" + name;
    }
    void Drop(const std::vector<std::string>& dropped) {
        SendMessageA(form->Handle(), WM_DROPFILES,
                     reinterpret_cast<WPARAM>(MakeHDrop(dropped).Release()), 0);
    }
    // The searches one name of the folder takes.
    std::size_t SearchesPerName() {
        const std::size_t before = gate.Passed();
        RenderName(names[0], {}, gate);
        return gate.Passed() - before;
    }
    TStringList Rendered(const std::vector<std::string>& list, TPathSep sep) {
        return RenderList(list, {TFileViewStyle::fvsFullPath, TFileViewLength::fvlLongName, sep},
                          search);
    }
    TTempFolder temp{"porutena-render"};
    std::vector<std::string> names, others;
};

TEST_F(RenderingTest, WhatHappensWhileADropIsRenderedWaitsForItOrReplacesIt) {
    struct Case {
        const char* name;
        std::function<void(TfrmMain&)> meanwhile;
        std::function<std::vector<std::string>()> rows; // the current list's names at the end
        TPathSep sep;
        // Searches in all, in names: the dropped ones in hand when replaced, then the rest.
        std::function<std::size_t()> searchedNames;
        bool oldFirstSelected;
    };
    const Case cases[] = {
        {"nothing", [](TfrmMain&) {}, [&] { return names; }, TPathSep::psYen,
         [&] { return names.size(); }, true},
        // The old list keeps the five most recent of the first batch.
        {"another drop", [&](TfrmMain&) { Drop(others); }, [&] { return others; }, TPathSep::psYen,
         [&] { return SearchWorkers + 5 + others.size(); }, true},
        // Last: the window stores the separator chosen.
        {"a view change", [](TfrmMain& w) { SendCommand(w.Handle(), w.mnuSepSlash.Command()); },
         [&] { return names; }, TPathSep::psSlash, [&] { return SearchWorkers + names.size(); },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmMain& w = Open();
        const std::size_t perName = SearchesPerName();
        const std::size_t before = gate.Passed();
        SetClipboardText("前の中身");
        gate.Close();
        Drop(names);
        // Every worker holds a search; the window has answered and still does.
        gate.WaitForArrivals(before + SearchWorkers);
        EXPECT_TRUE(w.Rendering());
        EXPECT_EQ(w.lsvFileList.Count(), 0);
        c.meanwhile(w);
        SendCommand(w.Handle(), w.mnuCopyAll.Command());
        app.ProcessMessages();
        EXPECT_EQ(ClipboardText(), "前の中身"); // never a part of the rows

        gate.Open();
        Settle();
        const TStringList rows = Rendered(c.rows(), c.sep);
        EXPECT_EQ(w.lsvFileList.Items(), rows);
        EXPECT_EQ(w.lsvFileList.SelectedIndex(), 0);
        EXPECT_EQ(w.edtFileName.Text(), rows[0]);
        EXPECT_EQ(GetFocus(), w.lsvFileList.Handle());
        EXPECT_EQ(w.lsvOldFile.SelectedIndex(),
                  c.oldFirstSelected && w.lsvOldFile.Count() ? 0 : -1);
        EXPECT_EQ(ClipboardText(), CopyAllText(rows));
        EXPECT_EQ(gate.Passed() - before, c.searchedNames() * perName);
        CloseAndForget();
    }
}

TEST_F(RenderingTest, ProgressShowsInTheStatusBarAndTheCursorUntilTheRowsAreReady) {
    TfrmMain& w = Open();
    gate.Close();
    Drop(names);
    const std::string progress = "ファイル名を取得中… 0 / 20 件";
    // A limit in place of a hang, should the progress never show.
    const std::uint64_t giveUp = GetTickCount64() + 10000;
    while (w.stbStatus.SimpleText() != progress && GetTickCount64() < giveUp &&
           app.HandleMessage()) {
    }
    EXPECT_EQ(w.stbStatus.SimpleText(), progress);
    const HCURSOR working = LoadCursor(nullptr, IDC_APPSTARTING);
    for (HWND control : {w.lsvFileList.Handle(), w.edtFileName.Handle(), w.Handle()}) {
        SetCursor(nullptr);
        SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), working);
    }
    gate.Open();
    Settle();
    EXPECT_EQ(w.stbStatus.SimpleText(), app.Hint());
    SendMessageW(w.lsvFileList.Handle(), WM_SETCURSOR,
                 reinterpret_cast<WPARAM>(w.lsvFileList.Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), working);
}

TEST_F(RenderingTest, ClosingDuringARenderingClosesAtOnceAndStoresTheSettings) {
    TfrmMain& w = Open();
    const std::size_t perName = SearchesPerName();
    SendCommand(w.Handle(), w.mnuSepSlash.Command());
    Settle();
    gate.Close();
    Drop(names);
    gate.WaitForArrivals(gate.Passed() + SearchWorkers);
    const HWND window = w.Handle();
    CloseWindow();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Stored(ViewKey, "PathSep"), "2");
    // The searches in flight end, no others start, and the workers are gone with the window.
    gate.Open();
    const std::size_t passed = gate.Passed();
    CloseAndForget();
    EXPECT_LE(gate.Passed() - passed, SearchWorkers * perName);
}

TEST_F(RenderingTest, ASearchThatThrowsIsReportedAndTheWindowGoesOn) {
    TfrmMain& w = Open();
    gate.FailOn("Fail");
    Drop({names[0], File("Fail.txt"), names[1]});
    Settle();
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_NE(recorder.boxes[0].text.find("search failed"), std::string::npos);
    EXPECT_FALSE(w.Rendering());
    gate.FailOn("");
    Drop(others);
    Settle();
    EXPECT_EQ(w.lsvFileList.Items(), Rendered(others, TPathSep::psYen));
}

TEST_F(RenderingTest, CommandLineNamesAreConvertedOnceAndRenderedOnce) {
    start.commandLine = "porutena.exe " + names[0] + " " + names[1];
    Store(ViewKey, "PathSep", "2");
    TfrmMain& w = Open();
    const std::size_t searched = gate.Passed();
    EXPECT_EQ(w.lsvFileList.Items(), Rendered({names[0], names[1]}, TPathSep::psSlash));
    EXPECT_EQ(searched, 2 * 2 * SearchesPerName());
}

} // namespace
} // namespace porutena::test
