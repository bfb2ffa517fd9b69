#pragma once
// The application frame: include this one header.
//
// Program: one TApplication for the whole run (title, icon, hint, message boxes, error
// handler); the first form created is the main form, and Run() shows it and returns when it
// closes.
//     TApplication app(instance);
//     app.SetTitle("ぽるてな");
//     app.SetIcon(IDI_PORUTENA);
//     TfrmMain frmMain(app);      // its constructor calls Create(caption, width, height)
//     app.Run();
//
// A form derives from TForm. Actions, menus and toolbars are members declared in designed
// order (each registers with the form); the window comes last, from the constructor body:
//     class TfrmMain : public TForm {
//     public:
//         explicit TfrmMain(TApplication& app) : TForm(app, TFormKind::Main) {
//             Create("ぽるてな", 569, 293);
//         }
//         TActionList actMain{*this};
//         TAction& actCopy = actMain.Add({.caption = "コピー(&C)", .hint = "短|長",
//                                         .shortCut = ShortCut('C', scCtrl), .enabled = false},
//                                        [this] { actCopyExecute(); });
//         TMainMenu mnuMain{*this};
//         TMenuItem& mnuEdit = mnuMain.Add({.caption = "編集(&E)"});
//         TMenuItem& mnuCopy = mnuEdit.Add({.caption = "ｺﾋﾟｰ(&C)", .action = &actCopy});
//         TPopupMenu ppmMain{*this};
//         TImageList imlToolBar = LoadImageList(App().Instance(), IDB_TOOLBAR, 16);
//         TToolBar tbrTool{*this};  // after its image lists, which must outlive it
//         TListView lsvFileList;  TEdit edtFileName;  TStatusBar stbStatus;
//     protected:
//         void CreateControls() override {  // controls in tab order
//             tbrTool.Create(imlToolBar.Get(), imlToolBar2.Get(), 30);
//             tbrTool.AddButton({.style = TToolButtonStyle::Check, .group = 1,
//                                .action = &actViewFullPath});
//             lsvFileList.Create(*this, {0, 30, 100, 100});
//             lsvFileList.AddColumn("ファイル名", 100);
//             SetPopupMenu(lsvFileList.Handle(), &ppmMain);
//             stbStatus.Create(*this, 19);
//         }
//         void FormCreate() override;  FormDestroy, FormCloseQuery, FormActivate
//         void FormResize() override;  // tbrTool.AutoSize(); stbStatus.AutoSize(); lay out
//     };
// Bound menu items and toolbar buttons keep their own designed caption, hint, shortcut,
// glyph, disabled and checked state and take the rest from the action; afterwards they
// follow its enabled and checked changes where their state equalled the action's. Control
// events are std::function members (TEdit::OnChange, TListView::OnSelectItem, OnEnter);
// other messages reach OnMessage, OnCommand and OnNotify. A handler's exception ends it and
// is shown by the application (EAbort silently); none escapes a window procedure.
//
// Keys: a key press goes to the focused control's context menus (and its parents'), then
// the main menu, then the action lists, each through its shortcuts; otherwise to the
// control. Hints ("short|long") of controls come from SetHint; app.Hint() holds the long
// part of what is under the mouse or highlighted in a menu, and app.OnHint runs on change.
//
// A modal dialog is a TForm of kind Dialog, created for one showing (centred, owned by the
// innermost modal form or the main form), with buttons that carry a modal result:
//     class TIntegerDlg : public TForm {
//     public:
//         explicit TIntegerDlg(TApplication& app) : TForm(app, TFormKind::Dialog) {
//             Create("", 186, 79);  // client size
//         }
//         TEdit InputValue;  TButton bbnOK;  TButton bbnCancel;
//     protected:
//         void CreateControls() override {
//             InputValue.Create(*this, {8, 24, 169, 20});
//             bbnOK.Create(*this, {8, 48, 81, 25}, {.caption = "&OK", .modalResult = mrOk,
//                                  .isDefault = true, .onClick = [this] { bbnOKClick(); }});
//             bbnCancel.Create(*this, {96, 48, 81, 25},
//                              {.caption = "ｷｬﾝｾﾙ(&C)", .modalResult = mrCancel, .cancel = true});
//         }
//     };
//     TIntegerDlg dlg(app);  int result = dlg.ShowModal();  // mrOk 1, mrCancel 2
// Enter presses the default button, Esc the cancel one, the close button gives mrCancel; a
// click handler may SetModalResult(mrNone) to keep the dialog open. Message boxes and beeps
// go through app.MessageBoxes() (ShowErrorMessage for the program's error box), which a
// test replaces with app.SetMessageBoxes(&recorder). Any other dialog of the system (the open
// dialog) runs inside a TSystemDialogScope, so that keys typed right after it reach its owner.
//
// Display scale: the sizes given to Create, to the toolbar, status bar and splitter and to
// bevels are at 96 DPI, shown at the form's Dpi(); controls' bounds are pixels, so a form lays
// out with Scale(value) and Scale(bounds). Glyphs are drawn at 16, 24 and 32 pixels and taken
// with GlyphIdForDpi and GlyphSizeForDpi. When the form moves to a display of another DPI, its
// controls get the font made for it, FormDpiChanged makes new glyphs and rescales what the
// form keeps in pixels, and FormResize lays it out again.
#include "ui/frame/Action.h"
#include "ui/frame/Application.h"
#include "ui/frame/Controls.h"
#include "ui/frame/Dpi.h"
#include "ui/frame/Form.h"
#include "ui/frame/Images.h"
#include "ui/frame/ListView.h"
#include "ui/frame/Splitter.h"
#include "ui/frame/Menu.h"
#include "ui/frame/MessageBoxes.h"
#include "ui/frame/SystemDialogs.h"
#include "ui/frame/ToolBar.h"
