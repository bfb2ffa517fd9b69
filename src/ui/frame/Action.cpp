#include "ui/frame/Action.h"

#include "ui/frame/Form.h"

#include <algorithm>

namespace porutena {

TShortCut ShortCutOfKey(WPARAM virtualKey) {
    if (virtualKey == VK_SHIFT || virtualKey == VK_CONTROL || virtualKey == VK_MENU ||
        virtualKey > 0xFF)
        return 0;
    TShortCut modifiers = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        modifiers |= scShift;
    if (GetKeyState(VK_CONTROL) < 0)
        modifiers |= scCtrl;
    if (GetKeyState(VK_MENU) < 0)
        modifiers |= scAlt;
    return ShortCut(static_cast<WORD>(virtualKey), modifiers);
}

namespace {

std::string KeyName(WORD key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24) {
        std::string name(1, 'F');
        name += std::to_string(key - VK_F1 + 1);
        return name;
    }
    struct Named {
        WORD key;
        const char* name;
    };
    static constexpr Named names[] = {{VK_BACK, "BkSp"},  {VK_TAB, "Tab"},     {VK_RETURN, "Enter"},
                                      {VK_ESCAPE, "Esc"}, {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"},
                                      {VK_NEXT, "PgDn"},  {VK_END, "End"},     {VK_HOME, "Home"},
                                      {VK_LEFT, "Left"},  {VK_UP, "Up"},       {VK_RIGHT, "Right"},
                                      {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},  {VK_DELETE, "Del"}};
    for (const Named& n : names)
        if (n.key == key)
            return n.name;
    // Punctuation and the like as the keyboard layout types them.
    UINT ch = MapVirtualKeyA(key, MAPVK_VK_TO_CHAR) & 0x7FFF;
    return ch ? std::string(1, static_cast<char>(ch)) : std::string();
}

} // namespace

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyName(shortCut & 0xFF);
    if (key.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + key;
}

std::string ShortHint(std::string_view hint) {
    return std::string(hint.substr(0, hint.find('|')));
}

std::string LongHint(std::string_view hint) {
    std::size_t bar = hint.find('|');
    return std::string(bar == std::string_view::npos ? hint : hint.substr(bar + 1));
}

TActionClient::TActionClient(TAction* action, std::string hint, bool enabled, bool checked,
                             std::function<void()> onClick)
    : FAction(action), FHint(std::move(hint)), FEnabled(enabled), FChecked(checked),
      FOnClick(std::move(onClick)) {
    if (!action)
        return;
    if (FHint.empty())
        FHint = action->Hint();
    if (FEnabled)
        FEnabled = action->Enabled();
    if (!FChecked)
        FChecked = action->Checked();
    action->FClients.push_back(this);
}

TActionClient::~TActionClient() {
    if (FAction)
        std::erase(FAction->FClients, this);
}

void TActionClient::SetEnabled(bool value) {
    FEnabled = value;
    ShowState();
}

void TActionClient::ChangeChecked(bool value) {
    FChecked = value;
    ShowState();
}

void TActionClient::Run() {
    if (FAction)
        FAction->Execute();
    else if (FOnClick)
        FOnClick();
}

void TActionClient::ActionEnabledChanged(bool previous, bool now) {
    if (FEnabled == previous)
        SetEnabled(now);
}

void TActionClient::ActionCheckedChanged(bool previous, bool now) {
    if (FChecked == previous)
        SetChecked(now);
}

TAction::TAction(TActionList& list, TActionProps props, std::function<void()> onExecute)
    : OnExecute(std::move(onExecute)), FList(list), FProps(std::move(props)) {}

TAction::~TAction() {
    for (TActionClient* client : FClients)
        client->FAction = nullptr;
}

void TAction::SetEnabled(bool value) {
    if (value == FProps.enabled)
        return;
    // Clients compare their own state with the previous one, so they run before the change.
    for (TActionClient* client : std::vector(FClients))
        client->ActionEnabledChanged(FProps.enabled, value);
    FProps.enabled = value;
}

void TAction::SetChecked(bool value) {
    if (value == FProps.checked)
        return;
    for (TActionClient* client : std::vector(FClients))
        client->ActionCheckedChanged(FProps.checked, value);
    FProps.checked = value;
    if (value && FProps.groupIndex > 0)
        for (auto& other : FList.FActions)
            if (other.get() != this && other->FProps.groupIndex == FProps.groupIndex)
                other->SetChecked(false);
}

bool TAction::Execute() {
    if (!FProps.enabled)
        return false;
    if (OnExecute)
        OnExecute();
    return true;
}

TActionList::TActionList(TForm& form) : FForm(form) {
    FForm.Register(this);
}

TActionList::~TActionList() {
    FForm.Unregister(this);
}

TAction& TActionList::Add(TActionProps props, std::function<void()> onExecute) {
    FActions.push_back(std::make_unique<TAction>(*this, std::move(props), std::move(onExecute)));
    return *FActions.back();
}

TAction* TActionList::FindShortCut(TShortCut shortCut) const {
    for (const auto& action : FActions)
        if (shortCut != 0 && action->ShortCut() == shortCut)
            return action.get();
    return nullptr;
}

} // namespace porutena
