#include "ui/frame/Menu.h"

#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"
#include "ui/frame/Form.h"

#include <cassert>

namespace porutena {

TMenuItem::TMenuItem(TMenu& menu, TMenuItem* parent, TMenuItemProps props, bool separator)
    : TActionClient(props.action, std::move(props.hint), props.enabled, props.checked,
                    std::move(props.onClick)),
      FMenu(menu), FParent(parent), FCaption(std::move(props.caption)), FShortCut(props.shortCut),
      FRadioItem(props.radioItem), FGroupIndex(props.groupIndex), FSeparator(separator) {
    if (!parent)
        return;
    FCommand = menu.Form().NewCommandId();
    if (TAction* action = Action()) {
        if (FCaption.empty())
            FCaption = action->Caption();
        if (FShortCut == 0)
            FShortCut = action->ShortCut();
    }
}

TMenuItem& TMenuItem::Add(TMenuItemProps props) {
    assert(!FSeparator);
    if (!FSubMenu) {
        FSubMenu = CheckedHandle(CreatePopupMenu(), "CreatePopupMenu");
        Update();
    }
    auto& item =
        *FItems.emplace_back(std::make_unique<TMenuItem>(FMenu, this, std::move(props), false));
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    info.wID = static_cast<UINT>(item.FCommand);
    InsertMenuItemW(FSubMenu, static_cast<UINT>(FItems.size() - 1), TRUE, &info);
    item.Update();
    if (item.Checked() && item.FRadioItem) {
        item.ChangeChecked(false);
        item.SetChecked(true);
    }
    return item;
}

TMenuItem& TMenuItem::AddSeparator() {
    auto& item = Add({});
    item.FSeparator = true;
    item.Update();
    return item;
}

void TMenuItem::SetChecked(bool value) {
    if (value == Checked())
        return;
    ChangeChecked(value);
    if (value && FRadioItem && FParent)
        for (auto& sibling : FParent->FItems)
            if (sibling.get() != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
                sibling->SetChecked(false);
}

void TMenuItem::Click() {
    if (Enabled())
        Run();
}

void TMenuItem::Update() {
    if (!FParent)
        return;
    std::string text = FCaption;
    if (FShortCut) {
        text += '\t';
        text += ShortCutToText(FShortCut);
    }
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.fType = FSeparator ? MFT_SEPARATOR : (FRadioItem ? MFT_RADIOCHECK : 0u);
    info.fState = (Enabled() ? 0u : MFS_DISABLED) | (Checked() ? MFS_CHECKED : 0u);
    std::wstring wide = Widen(text);
    info.dwTypeData = wide.data();
    info.hSubMenu = FSubMenu;
    UINT position = 0;
    while (FParent->FItems[position].get() != this)
        ++position;
    SetMenuItemInfoW(FParent->FSubMenu, position, TRUE, &info);
    if (!FParent->FParent && FMenu.Form().Handle() &&
        GetMenu(FMenu.Form().Handle()) == FMenu.Handle())
        DrawMenuBar(FMenu.Form().Handle());
}

TMenuItem* TMenuItem::FindCommand(int command) {
    if (FParent && FCommand == command)
        return this;
    for (auto& item : FItems)
        if (TMenuItem* found = item->FindCommand(command))
            return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindPosition(HMENU menu, UINT position) {
    if (FSubMenu == menu)
        return position < FItems.size() ? FItems[position].get() : nullptr;
    for (auto& item : FItems)
        if (TMenuItem* found = item->FindPosition(menu, position))
            return found;
    return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
    if (FParent && !FSeparator && FShortCut == shortCut)
        return this;
    for (auto& item : FItems)
        if (TMenuItem* found = item->FindShortCut(shortCut))
            return found;
    return nullptr;
}

TMenu::TMenu(TForm& form, HMENU handle, bool mainMenu)
    : FForm(form), FHandle(handle), FRoot(*this, nullptr, {}, false) {
    FRoot.FSubMenu = handle;
    FForm.Register(this, mainMenu);
}

TMenu::~TMenu() {
    FForm.Unregister(this);
    // A menu bar still on its window goes with the window: taking it off now would resize a
    // form that is itself being torn down.
    HWND window = FForm.Handle();
    if (!(window && GetMenu(window) == FHandle))
        DestroyMenu(FHandle);
}

TMainMenu::TMainMenu(TForm& form) : TMenu(form, CheckedHandle(CreateMenu(), "CreateMenu"), true) {}

TPopupMenu::TPopupMenu(TForm& form)
    : TMenu(form, CheckedHandle(CreatePopupMenu(), "CreatePopupMenu"), false) {}

void TPopupMenu::Popup(POINT screen) {
    assert(Form().Handle());
    TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                   Form().Handle(), nullptr);
}

} // namespace porutena
