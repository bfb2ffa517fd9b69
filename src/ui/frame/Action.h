#pragma once
// Commands as objects: an action carries caption, hint, shortcut, glyph and state, and the
// menu items and toolbar buttons bound to it follow its enabled and checked state.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace porutena {

class TForm;

// Key code plus modifier bits; 0 for none.
using TShortCut = std::uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(WORD key, TShortCut modifiers = 0) {
    return static_cast<TShortCut>((key & 0xFF) | modifiers);
}
// The shortcut code of a key press, with the current Shift, Ctrl and Alt state; 0 for a
// modifier key alone.
TShortCut ShortCutOfKey(WPARAM virtualKey);
// "Ctrl+C", "Shift+Ctrl+F1", "Del"; empty for 0.
std::string ShortCutToText(TShortCut shortCut);

// A hint is "short|long"; without "|" both parts are the whole text.
std::string ShortHint(std::string_view hint);
std::string LongHint(std::string_view hint);

class TAction;

// What menu items and toolbar buttons share: a hint, an enabled and a checked state (a
// button's pressed one) and a click handler, designed, and an action they may be bound to.
// On binding the client keeps its own hint, disabled and checked state and takes the action's
// where it has none (enabled only where its own is enabled, checked where unchecked);
// afterwards it follows the action's enabled and checked changes where its state equalled the
// action's.
class TActionClient {
public:
    TActionClient(const TActionClient&) = delete;
    TActionClient& operator=(const TActionClient&) = delete;

    TAction* Action() const { return FAction; }
    const std::string& Hint() const { return FHint; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);

protected:
    TActionClient(TAction* action, std::string hint, bool enabled, bool checked,
                  std::function<void()> onClick);
    ~TActionClient();

    bool Checked() const { return FChecked; }
    // Checks or unchecks as the client does when the program asks, its group included.
    virtual void SetChecked(bool value) = 0;
    // Stores the state and shows it.
    void ChangeChecked(bool value);
    // Shows the current enabled and checked state on the client's control.
    virtual void ShowState() = 0;
    // A click: the action if bound (only when it is enabled), else the click handler.
    void Run();

private:
    friend class TAction;
    void ActionEnabledChanged(bool previous, bool now);
    void ActionCheckedChanged(bool previous, bool now);

    TAction* FAction = nullptr;
    std::string FHint;
    bool FEnabled;
    bool FChecked;
    std::function<void()> FOnClick;
};

// Designed values of an action; fields in this order for designated initializers.
struct TActionProps {
    std::string caption{};
    std::string hint{};
    TShortCut shortCut = 0;
    int imageIndex = -1;
    bool enabled = true;
    bool checked = false;
    int groupIndex = 0;
    std::string category{};
};

class TActionList;

class TAction {
public:
    TAction(TActionList& list, TActionProps props, std::function<void()> onExecute);
    ~TAction();
    TAction(const TAction&) = delete;
    TAction& operator=(const TAction&) = delete;

    const std::string& Caption() const { return FProps.caption; }
    const std::string& Hint() const { return FProps.hint; }
    TShortCut ShortCut() const { return FProps.shortCut; }
    int ImageIndex() const { return FProps.imageIndex; }
    int GroupIndex() const { return FProps.groupIndex; }
    const std::string& Category() const { return FProps.category; }

    bool Enabled() const { return FProps.enabled; }
    void SetEnabled(bool value);
    bool Checked() const { return FProps.checked; }
    // Checking an action of a group unchecks the others of its list with that group index.
    void SetChecked(bool value);

    // Runs the handler if enabled; true when it ran.
    bool Execute();

    std::function<void()> OnExecute;

private:
    friend class TActionClient;
    TActionList& FList;
    TActionProps FProps;
    std::vector<TActionClient*> FClients;
};

// The actions of one form, in their designed order; the form offers them shortcuts.
class TActionList {
public:
    explicit TActionList(TForm& form);
    ~TActionList();
    TActionList(const TActionList&) = delete;
    TActionList& operator=(const TActionList&) = delete;

    TAction& Add(TActionProps props, std::function<void()> onExecute = {});
    std::size_t Count() const { return FActions.size(); }
    TAction& operator[](std::size_t index) { return *FActions[index]; }
    // The first action with this shortcut, or null.
    TAction* FindShortCut(TShortCut shortCut) const;

private:
    friend class TAction;
    TForm& FForm;
    std::vector<std::unique_ptr<TAction>> FActions;
};

} // namespace porutena
