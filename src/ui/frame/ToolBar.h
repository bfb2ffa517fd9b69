#pragma once
// A flat toolbar of glyph-only buttons bound to actions, with check buttons, exclusive
// groups and tooltips from the short part of each button's hint.
#include "ui/frame/Action.h"
#include "ui/frame/Images.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace porutena {

enum class TToolButtonStyle { Button, Check };

// Designed values of a toolbar button; fields in this order for designated initializers.
// `group` > 0 makes check buttons with the same number one exclusive group.
struct TToolButtonProps {
    TToolButtonStyle style = TToolButtonStyle::Button;
    int group = 0;
    std::string hint{};
    int imageIndex = -1;
    bool enabled = true;
    bool down = false;
    TAction* action = nullptr;
    std::function<void()> onClick{};
};

class TToolBar;

class TToolButton : private TActionClient {
public:
    TToolButton(TToolBar& toolBar, TToolButtonProps props, int command);
    ~TToolButton();
    TToolButton(const TToolButton&) = delete;
    TToolButton& operator=(const TToolButton&) = delete;

    const std::string& Hint() const { return FProps.hint; }
    int ImageIndex() const { return FProps.imageIndex; }
    int Command() const { return FCommand; }
    TAction* Action() const { return BoundAction(); }

    bool Enabled() const { return FProps.enabled; }
    void SetEnabled(bool value);
    bool Down() const { return FProps.down; }
    // Pressing a grouped button raises the others of its group.
    void SetDown(bool value);

    // A user's click: a check button changes state first (a pressed grouped one stays
    // pressed), then the action runs (only when enabled) or onClick.
    void Click();

private:
    friend class TToolBar;
    void ActionEnabledChanged(bool previous, bool now) override;
    void ActionCheckedChanged(bool previous, bool now) override;

    TToolBar& FToolBar;
    TToolButtonProps FProps;
    int FCommand;
    std::string FShortHint; // kept for the tooltip's text pointer
};

class TToolBar {
public:
    explicit TToolBar(TForm& form);
    ~TToolBar();
    TToolBar(const TToolBar&) = delete;
    TToolBar& operator=(const TToolBar&) = delete;

    // Creates the window along the top of the form, `height` high (0: as high as its
    // buttons), the first button indented by `indent`, all of them inside a border of
    // `borderWidth` on every side. The image lists stay the caller's and must outlive the
    // toolbar.
    void Create(HIMAGELIST images, HIMAGELIST disabledImages, int height = 0, int indent = 4,
                int borderWidth = 0);
    // On binding the button keeps its own hint, glyph, disabled and pressed state, and takes
    // the action's where it has none (enabled only where enabled, pressed where raised).
    TToolButton& AddButton(TToolButtonProps props);
    void AddSeparator(int width = 8);

    HWND Handle() const { return FHandle; }
    std::size_t Count() const { return FButtons.size(); }
    TToolButton& operator[](std::size_t index) { return *FButtons[index]; }
    TToolButton* FindCommand(int command);
    // The button under a screen point, or null.
    TToolButton* ButtonAt(POINT screen);

    // Follows the form's width; the form calls it when it is resized.
    void AutoSize();
    int Height() const;
    bool Visible() const;
    void SetVisible(bool value);

    // Tooltip text requests (TTN_GETDISPINFO) for its buttons; true when answered.
    bool HandleNotify(NMHDR& header);

private:
    friend class TToolButton;
    void Sync(const TToolButton& button);
    // Keeps a border of `borderWidth` around the client area, where the buttons lie.
    static LRESULT CALLBACK BorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR borderWidth);

    TForm& FForm;
    HWND FHandle = nullptr;
    int FHeight = 0;
    std::vector<std::unique_ptr<TToolButton>> FButtons;
    std::wstring FWideTip;
};

} // namespace porutena
