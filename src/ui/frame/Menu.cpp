#include "ui/frame/Menu.h"

#include "ui/frame/Form.h"

namespace porutena {

TMenuItem::TMenuItem(TMenu& menu, TMenuItem* parent, TMenuItemProps props, bool separator)
    : FMenu(menu), FParent(parent), FProps(std::move(props)), FSeparator(separator) {
    if (!parent)
        return;
    FCommand = menu.Form().NewCommandId();
    if (TAction* action = FProps.action) {
        if (FProps.caption.empty())
            FProps.caption = action->Caption();
        if (FProps.hint.empty())
            FProps.hint = action->Hint();
        if (FProps.shortCut == 0)
            FProps.shortCut = action->ShortCut();
        if (FProps.enabled)
            FProps.enabled = action->Enabled();
        if (!FProps.checked)
            FProps.checked = action->Checked();
        Bind(action);
    }
}

TMenuItem::~TMenuItem() {
    Unbind();
}

TMenuItem& TMenuItem::Add(TMenuItemProps props) {
    auto& item =
        *FItems.emplace_back(std::make_unique<TMenuItem>(FMenu, this, std::move(props), false));
    if (!FSubMenu) {
        FSubMenu = CreatePopupMenu();
        Update();
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID;
    info.wID = static_cast<UINT>(item.FCommand);
    InsertMenuItemA(FSubMenu, static_cast<UINT>(FItems.size() - 1), TRUE, &info);
    item.Update();
    if (item.Checked() && item.FProps.radioItem) {
        item.FProps.checked = false;
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

void TMenuItem::SetEnabled(bool value) {
    FProps.enabled = value;
    Update();
}

void TMenuItem::SetChecked(bool value) {
    if (value == FProps.checked)
        return;
    FProps.checked = value;
    Update();
    if (value && FProps.radioItem && FParent)
        for (auto& sibling : FParent->FItems)
            if (sibling.get() != this && sibling->FProps.radioItem &&
                sibling->FProps.groupIndex == FProps.groupIndex)
                sibling->SetChecked(false);
}

void TMenuItem::Click() {
    if (!FProps.enabled)
        return;
    if (TAction* action = BoundAction())
        action->Execute();
    else if (FProps.onClick)
        FProps.onClick();
}

void TMenuItem::ActionEnabledChanged(bool previous, bool now) {
    if (FProps.enabled == previous)
        SetEnabled(now);
}

void TMenuItem::ActionCheckedChanged(bool previous, bool now) {
    if (FProps.checked == previous)
        SetChecked(now);
}

void TMenuItem::Update() {
    if (!FParent)
        return;
    std::string text = FProps.caption;
    if (FProps.shortCut) {
        text += '\t';
        text += ShortCutToText(FProps.shortCut);
    }
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
    info.fType = FSeparator ? MFT_SEPARATOR : (FProps.radioItem ? MFT_RADIOCHECK : 0u);
    info.fState = (FProps.enabled ? 0u : MFS_DISABLED) | (FProps.checked ? MFS_CHECKED : 0u);
    info.dwTypeData = text.data();
    info.hSubMenu = FSubMenu;
    UINT position = 0;
    while (FParent->FItems[position].get() != this)
        ++position;
    SetMenuItemInfoA(FParent->FSubMenu, position, TRUE, &info);
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
    if (FParent && !FSeparator && FProps.shortCut == shortCut)
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

TMainMenu::TMainMenu(TForm& form) : TMenu(form, CreateMenu(), true) {}

TPopupMenu::TPopupMenu(TForm& form) : TMenu(form, CreatePopupMenu(), false) {}

void TPopupMenu::Popup(POINT screen) {
    TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0,
                   Form().Handle(), nullptr);
}

} // namespace porutena
