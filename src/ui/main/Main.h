#pragma once
// frmMain, the program's one window: the current and old name lists, the edit box with the
// selected name, the view options, the toolbar and status bar, and the settings they keep.
#include "core/FileLists.h"
#include "core/ListJob.h"
#include "core/ViewOptions.h"
#include "settings/UPorutenaRegistry.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/InputDialog.h"
#include "ui/frame/Frame.h"
#include "ui/main/MainContext.h"

#include <shellapi.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace porutena {

// Posted by a rendering's last worker when its rows are ready.
inline constexpr UINT WM_ROWSREADY = WM_APP + 1;
// Ticks while a rendering is under way, for its progress.
inline constexpr UINT_PTR ProgressTimer = 1;

// The designed sizes of the window and its parts, in pixels at 96 DPI.
namespace MainLayout {
inline constexpr int FormWidth = 569;
inline constexpr int FormHeight = 293;
inline constexpr int ToolBarHeight = 30;
inline constexpr int ToolBarIndent = 4;
inline constexpr int ToolBarBorderWidth = 1;
inline constexpr int OldListHeight = 85;
inline constexpr int SplitterHeight = 3;
inline constexpr int SplitterMinSize = 1;
inline constexpr int BottomPanelHeight = 28;
inline constexpr int EditTop = 4;
inline constexpr int EditHeight = 20;
inline constexpr int StatusBarHeight = 19;
inline constexpr int ColumnWidth = 100;
// A column fitted to the window is this much narrower than the window's client area.
inline constexpr int ColumnFitMargin = 4;
} // namespace MainLayout

class TfrmMain : public TForm {
public:
    // Creates the window (not yet shown); the context's parts must outlive it.
    TfrmMain(TApplication& app, TMainContext context);
    // Destroys a window still open, so its settings are stored as at a close.
    ~TfrmMain() override;

    // The names as they arrived, and the options the lists are rendered with.
    const TStringList& FileList() const { return FFileList; }
    const TStringList& OldList() const { return FOldList; }
    TViewOptions ViewOptions() const;
    // The settings object, present from creation to destruction.
    TPorutenaRegistry* Registry() const { return FRegistry.get(); }

    // The window's side of the name lists. Rows are rendered on worker threads: what follows a
    // rendering (selections, focus, Copy all) waits for it, and a newer rendering of a list
    // replaces one under way.
    void AddFile(std::string Name);
    void ShowList(const TStringList& List, TListView& View);
    void MoveToOldList();
    void RefreshLists();
    void SelectFirstFile();
    void SetFileNameText(std::string_view Text);
    // True while names are being converted or rows rendered.
    bool Rendering() const;

    void ApplySettings();
    void StoreSettings();

    // Event handlers, named after the control and the event.
    void ApplicationHint();
    void mnuToolBarClick();
    void mnuStatusBarClick();
    void mnuHelpViewClick();
    void mnuExitClick();
    void mnuAboutClick();
    void actGetExecute();
    void actCopyExecute();
    void actCopyAllExecute();
    void actOldListNumExecute();
    void WMDropFiles(HDROP drop);
    void lsvFileListSelectItem(int row, bool selected);
    void lsvOldFileSelectItem(int row, bool selected);
    void lsvFileListEnter();
    void lsvOldFileEnter();
    void edtFileNameChange();
    // Before ppmMain opens over a list at `pos` (screen; (-1, -1) from the keyboard, which
    // is moved to the selected row): true suppresses the menu.
    bool lsvFileListContextPopup(POINT& pos);
    bool lsvOldFileContextPopup(POINT& pos);

private:
    TMainContext FContext;
    std::unique_ptr<TPorutenaRegistry> FRegistry;
    TStringList FFileList;
    TStringList FOldList;
    bool FFirstActivate = false;
    bool FSettingsWritten = false; // at the end of the session, before the window's end
    int FOldListHeight = 0;        // pixels at the window's DPI, set with the controls
    std::unique_ptr<TShell> FShell;
    std::unique_ptr<TClipboard> FClipboard;

    // What waits for the renderings under way, in the order it was asked for.
    enum class TStep : std::uint8_t {
        ShowFileList,
        ShowOldList,
        SelectOldFirst,
        SelectFirstFile,
        FocusFileList
    };
    // A batch of names that came while the command-line names were still being converted.
    struct TBatch {
        std::vector<std::string> Names;
        bool Focus;
    };
    std::unique_ptr<TListJob> FStartJob; // the command-line names to their long form
    std::unique_ptr<TListJob> FFileJob;  // rows of lsvFileList
    std::unique_ptr<TListJob> FOldJob;   // rows of lsvOldFile
    // Replaced jobs, finishing their searches in flight.
    std::vector<std::unique_ptr<TListJob>> FRetired;
    std::vector<TStep> FSteps;
    std::vector<TBatch> FWaitingBatches;
    bool FCopyAllWaiting = false;
    std::uint64_t FRenderingSince = 0;
    bool FProgressShown = false;

public:
    // The open-file dialog component, made with the window.
    std::unique_ptr<TOpenDialog> dlgOpen;
    // The dialog components, designed in the constructor.
    TAboutDialog dlgAbout{App()};
    TIntegerDialog dlgOldListNum{App()};

    TActionList actMain{*this};
    TAction& actGet = actMain.Add(
        {.hint = "ﾌｧｲﾙの選択|ﾀﾞｲｱﾛｸﾞからﾌｧｲﾙを選択します。", .shortCut = ShortCut('O', scCtrl)},
        [this] { actGetExecute(); });
    TAction& actCopy = actMain.Add({.caption = "コピー(&C)",
                                    .hint = "ｺﾋﾟｰ|ｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。",
                                    .shortCut = ShortCut('C', scCtrl),
                                    .enabled = false},
                                   [this] { actCopyExecute(); });
    TAction& actCopyAll =
        actMain.Add({.hint = "すべてｺﾋﾟｰ|すべてのﾌｧｲﾙをｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存します。",
                     .shortCut = ShortCut('A', scCtrl),
                     .enabled = false},
                    [this] { actCopyAllExecute(); });
    TAction& actOldListNum =
        actMain.Add({.caption = "旧ﾘｽﾄに残す数(&O)...",
                     .hint = "旧リストに残す数|旧リストに残すファイルの数を指定します。"},
                    [this] { actOldListNumExecute(); });
    TAction& actViewFullPath = actMain.Add({.caption = "ﾃﾞｨﾚｸﾄﾘ付き(&D)",
                                            .hint = "ﾃﾞｨﾚｸﾄﾘ付き|ﾌｧｲﾙ名をﾌﾙﾊﾟｽで表示します。",
                                            .imageIndex = 3,
                                            .category = "表示"},
                                           [this] { ChooseView(mnuFullPath, tlbFullPath); });
    TAction& actViewFileOnly = actMain.Add({.caption = "ﾌｧｲﾙ名のみ(&F)",
                                            .hint = "ﾌｧｲﾙ名のみ|ﾌｧｲﾙ名のみを表示します。",
                                            .imageIndex = 4,
                                            .category = "表示"},
                                           [this] { ChooseView(mnuFileOnly, tlbFileOnly); });
    TAction& actLongName = actMain.Add({.caption = "長いﾌｧｲﾙ名(&L)",
                                        .hint = "長いﾌｧｲﾙ名|長いﾌｧｲﾙ名を表示します。",
                                        .imageIndex = 5,
                                        .category = "表示"},
                                       [this] { ChooseView(mnuLongFileName, tlbLongFileName); });
    TAction& actShortName = actMain.Add({.caption = "短いﾌｧｲﾙ名(&H)",
                                         .hint = "短いﾌｧｲﾙ名|短いﾌｧｲﾙ名を表示します。",
                                         .imageIndex = 6,
                                         .category = "表示"},
                                        [this] { ChooseView(mnuShortFileName, tlbShortFileName); });
    TAction& actSepYen = actMain.Add({.caption = "\\",
                                      .hint = "\\|\\で区切ります。",
                                      .imageIndex = 7,
                                      .groupIndex = 1,
                                      .category = "表示"},
                                     [this] { ChooseSeparator(actSepYen); });
    TAction& actSepSlash = actMain.Add({.caption = "/",
                                        .hint = "/|/で区切ります。",
                                        .imageIndex = 9,
                                        .groupIndex = 1,
                                        .category = "表示"},
                                       [this] { ChooseSeparator(actSepSlash); });
    TAction& actSepDoubleYen = actMain.Add({.caption = "\\\\",
                                            .hint = "\\\\|\\\\で区切ります。",
                                            .imageIndex = 8,
                                            .groupIndex = 1,
                                            .category = "表示"},
                                           [this] { ChooseSeparator(actSepDoubleYen); });

    TMainMenu mnuMain{*this};
    TMenuItem& mnuFile = mnuMain.Add({.caption = "ﾌｧｲﾙ(&F)"});
    TMenuItem& mnuGet = mnuFile.Add({.caption = "名前取得(&O)...", .action = &actGet});
    TMenuItem& N1 = mnuFile.AddSeparator();
    TMenuItem& mnuExit = mnuFile.Add({.caption = "終了(&X)",
                                      .hint = "終了|このｿﾌﾄを終了します。",
                                      .onClick = [this] { mnuExitClick(); }});
    TMenuItem& mnuEdit = mnuMain.Add({.caption = "編集(&E)"});
    TMenuItem& mnuCopy = mnuEdit.Add({.caption = "ｺﾋﾟｰ(&C)", .action = &actCopy});
    TMenuItem& mnuCopyAll = mnuEdit.Add({.caption = "すべてｺﾋﾟｰ(&A)", .action = &actCopyAll});
    TMenuItem& mnuView = mnuMain.Add({.caption = "表示(&V)"});
    TMenuItem& mnuToolBar = mnuView.Add({.caption = "ﾂｰﾙﾊﾞｰ(&T)",
                                         .hint = "ﾂｰﾙﾊﾞｰの表示／非表示を切り替えます。",
                                         .checked = true,
                                         .onClick = [this] { mnuToolBarClick(); }});
    TMenuItem& mnuStatusBar = mnuView.Add({.caption = "ｽﾃｰﾀｽﾊﾞｰ(&S)",
                                           .hint = "ｽﾃｰﾀｽﾊﾞｰの表示／非表示を切り替えます。",
                                           .checked = true,
                                           .onClick = [this] { mnuStatusBarClick(); }});
    TMenuItem& N2 = mnuView.AddSeparator();
    TMenuItem& mnuFullPath =
        mnuView.Add({.radioItem = true, .groupIndex = 1, .action = &actViewFullPath});
    TMenuItem& mnuFileOnly =
        mnuView.Add({.radioItem = true, .groupIndex = 1, .action = &actViewFileOnly});
    TMenuItem& N4 = mnuView.AddSeparator();
    TMenuItem& mnuLongFileName =
        mnuView.Add({.radioItem = true, .groupIndex = 2, .action = &actLongName});
    TMenuItem& mnuShortFileName =
        mnuView.Add({.radioItem = true, .groupIndex = 2, .action = &actShortName});
    TMenuItem& N5 = mnuView.AddSeparator();
    TMenuItem& mnuSeparator =
        mnuView.Add({.caption = "区切り文字(&P)", .hint = "パスの区切り文字を設定します。"});
    TMenuItem& mnuSepYen =
        mnuSeparator.Add({.radioItem = true, .groupIndex = 1, .action = &actSepYen});
    TMenuItem& N6 = mnuSeparator.Add({.groupIndex = 1, .action = &actSepDoubleYen});
    TMenuItem& mnuSepSlash =
        mnuSeparator.Add({.radioItem = true, .groupIndex = 1, .action = &actSepSlash});
    TMenuItem& N3 = mnuView.AddSeparator();
    TMenuItem& mnuOldListNum = mnuView.Add({.action = &actOldListNum});
    TMenuItem& mnuHelp = mnuMain.Add({.caption = "ﾍﾙﾌﾟ(&H)"});
    TMenuItem& mnuHelpView = mnuHelp.Add({.caption = "ﾍﾙﾌﾟ(&H)",
                                          .hint = "ﾍﾙﾌﾟ(Htmlﾌｧｲﾙ)を開きます。",
                                          .shortCut = ShortCut(VK_F1),
                                          .onClick = [this] { mnuHelpViewClick(); }});
    TMenuItem& mnuAbout = mnuHelp.Add({.caption = "ﾊﾞｰｼﾞｮﾝ情報(&A)...",
                                       .hint = "このソフトのﾊﾞｰｼﾞｮﾝ情報を表示します。",
                                       .onClick = [this] { mnuAboutClick(); }});

    TPopupMenu ppmMain{*this};
    TMenuItem& ppmCopy = ppmMain.Add({.action = &actCopy});

    // The image lists outlive the toolbar that draws from them.
    TImageList imlToolBar;
    TImageList imlToolBar2;
    TToolBar tbrTool{*this};
    TToolButton* tlbGet = nullptr;
    TToolButton* tlbCopy = nullptr;
    TToolButton* tlbCopyAll = nullptr;
    TToolButton* tlbFullPath = nullptr;
    TToolButton* tlbFileOnly = nullptr;
    TToolButton* tlbLongFileName = nullptr;
    TToolButton* tlbShortFileName = nullptr;
    TToolButton* tlbSepYen = nullptr;
    TToolButton* tlbSepDoubleYen = nullptr;
    TToolButton* tlbSepSlash = nullptr;

    TListView lsvOldFile;
    TSplitter Splitter1;
    TListView lsvFileList;
    TEdit edtFileName;
    TStatusBar stbStatus;

    // The two panels the lists and the edit box lie on, where they are now (client area).
    TBounds Panel1() const;
    TBounds Panel2() const;

protected:
    void CreateControls() override;
    void FormCreate() override;
    void FormActivate() override;
    bool FormCloseQuery() override;
    void FormDestroy() override;
    void FormEndSession() override;
    void FormResize() override;
    SIZE FormMinClientSize() const override;
    void FormDpiChanged(int oldDpi) override;
    bool ContextPopup(HWND control, POINT& pos) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Shown by its own state, whatever its parent's.
    static bool ShownByItself(HWND control);
    void DesignDialogs();
    void CreateToolBar();
    void CreateLists();
    // A glyph strip drawn for the window's DPI.
    TImageList Glyphs(TGlyphLook look) const;
    void ChooseView(TMenuItem& item, TToolButton* button);
    void ChooseSeparator(TAction& action);
    // Shows or hides a bar along an edge, changing the client height so the lists keep theirs.
    void ToggleBar(TMenuItem& item, HWND bar, int height);
    void ApplyColumnWidth(TListView& view, std::int32_t stored, bool& rangeError);
    // The column's width at 96 DPI, or its automatic-width code.
    std::int32_t StoredColumnWidth(const TListView& view) const;
    void ResizeOldList(int height);
    bool ListContextPopup(TListView& list, POINT& pos);

    // A batch from a drop (`focus`) or the open dialog: the current list moves to the old list.
    void TakeBatch(std::vector<std::string> names, bool focus);
    void StartConvertArguments(std::vector<std::string> arguments);
    // Runs what follows when a job's rows are ready; called for each job's end.
    void RowsReady();
    void TakeConvertedArguments();
    void ApplyRows();
    void Step(TStep step);
    std::function<void()> PostWhenFinished() const;
    void Retire(std::unique_ptr<TListJob>& job);
    void StopRendering();
    void BeginWork();
    void EndWork();
    void ShowProgress();
    // Asks the control under the mouse for its cursor again.
    void RefreshCursor() const;
};

} // namespace porutena
