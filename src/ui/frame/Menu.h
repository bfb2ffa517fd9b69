#pragma once
// Menus over HMENU: a main menu (the form's menu bar) and context menus, whose items are
// bound to actions or carry their own click handler and hint. Menus show no glyphs.
#include "ui/frame/Action.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace porutena {

class TMenu;

// Designed values of a menu item; fields in this order for designated initializers.
struct TMenuItemProps {
    std::string caption{};
    std::string hint{};
    TShortCut shortCut = 0;
    bool enabled = true;
    bool checked = false;
    bool radioItem = false;
    int groupIndex = 0;
    TAction* action = nullptr;
    std::function<void()> onClick{};
};

class TMenuItem final : public TActionClient {
public:
    TMenuItem(TMenu& menu, TMenuItem* parent, TMenuItemProps props, bool separator);

    // A child item; the first one turns this item into a submenu. On binding the item keeps
    // its own caption and shortcut as well, and takes the action's where it has none.
    TMenuItem& Add(TMenuItemProps props);
    TMenuItem& AddSeparator();

    const std::string& Caption() const { return FCaption; }
    TShortCut ShortCut() const { return FShortCut; }
    int Command() const { return FCommand; }
    std::size_t Count() const { return FItems.size(); }
    TMenuItem& operator[](std::size_t index) { return *FItems[index]; }

    using TActionClient::Checked;
    // Checking a radio item unchecks its radio siblings with the same group index.
    void SetChecked(bool value) override;

    // What choosing the item does: the action if bound (only when enabled), else onClick.
    void Click();

private:
    friend class TMenu;
    void ShowState() override { Update(); }
    void Update();
    TMenuItem* FindCommand(int command);
    TMenuItem* FindPosition(HMENU menu, UINT position);
    TMenuItem* FindShortCut(TShortCut shortCut);

    TMenu& FMenu;
    TMenuItem* FParent;
    std::string FCaption;
    TShortCut FShortCut;
    bool FRadioItem;
    int FGroupIndex;
    bool FSeparator;
    int FCommand = 0;
    HMENU FSubMenu = nullptr; // owned by the root menu's handle
    std::vector<std::unique_ptr<TMenuItem>> FItems;
};

// Common part of the main menu and the context menus; owns the HMENU tree.
class TMenu {
public:
    ~TMenu();
    TMenu(const TMenu&) = delete;
    TMenu& operator=(const TMenu&) = delete;

    HMENU Handle() const { return FHandle; }
    TForm& Form() const { return FForm; }
    TMenuItem& Add(TMenuItemProps props) { return FRoot.Add(std::move(props)); }
    TMenuItem& AddSeparator() { return FRoot.AddSeparator(); }
    TMenuItem& Items() { return FRoot; }

    TMenuItem* FindCommand(int command) { return FRoot.FindCommand(command); }
    TMenuItem* FindPosition(HMENU menu, UINT position) {
        return FRoot.FindPosition(menu, position);
    }
    // The item with this shortcut, searching submenus too, or null.
    TMenuItem* FindShortCut(TShortCut shortCut) { return FRoot.FindShortCut(shortCut); }

protected:
    TMenu(TForm& form, HMENU handle, bool mainMenu);

private:
    friend class TMenuItem;
    TForm& FForm;
    HMENU FHandle;
    TMenuItem FRoot;
};

// The form's menu bar; give it to the form before the form's window is created.
class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TForm& form);
};

// A context menu; attach it to controls with TForm::SetPopupMenu.
class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TForm& form);
    // Shows the menu at a screen position; the chosen item runs through the form.
    void Popup(POINT screen);
};

} // namespace porutena
