#pragma once
// A flat toolbar of glyph-only buttons bound to actions, with check buttons, exclusive
// groups and tooltips from the short part of each button's hint.
#include "ui/frame/Action.h"
#include "ui/frame/Controls.h"
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

class TToolButton final : public TActionClient {
public:
    TToolButton(TToolBar& toolBar, TToolButtonProps props, int command);

    int ImageIndex() const { return FImageIndex; }
    int Command() const { return FCommand; }

    bool Down() const { return Checked(); }
    // Pressing a grouped button raises the others of its group.
    void SetDown(bool value);

    // A user's click: a check button changes state first (a pressed grouped one stays
    // pressed), then the action runs (only when enabled) or onClick.
    void Click();

private:
    friend class TToolBar;
    void SetChecked(bool value) override { SetDown(value); }
    void ShowState() override;

    TToolBar& FToolBar;
    TToolButtonStyle FStyle;
    int FGroup;
    int FImageIndex;
    int FCommand;
    std::string FShortHint; // kept for the tooltip's text pointer
};

// Its tooltip window leads to it too, so the form hands it the tooltip's text requests.
class TToolBar : public TWinControl {
public:
    explicit TToolBar(TForm& form) : FForm(form) {}
    ~TToolBar() override;

    // Creates the window along the top of the form, `height` high (0: as high as its
    // buttons), the first button indented by `indent`, all of them inside a border of
    // `borderWidth` on every side. The image lists stay the caller's and must outlive the
    // toolbar. Sizes here are at 96 DPI, shown at the form's.
    void Create(HIMAGELIST images, HIMAGELIST disabledImages, int height = 0, int indent = 4,
                int borderWidth = 0);
    // Glyphs made for the form's DPI after it changed (the caller's, as at Create); the bar's
    // sizes follow the DPI.
    void SetImages(HIMAGELIST images, HIMAGELIST disabledImages);
    // On binding the button keeps its own hint, glyph, disabled and pressed state, and takes
    // the action's where it has none (enabled only where enabled, pressed where raised).
    TToolButton& AddButton(TToolButtonProps props);
    void AddSeparator(int width = 8);

    std::size_t Count() const { return FButtons.size(); }
    TToolButton& operator[](std::size_t index) { return *FButtons[index]; }
    TToolButton* FindCommand(int command);
    // The button under a screen point, or null.
    TToolButton* ButtonAt(POINT screen);

    // Follows the form's width; the form calls it when it is resized.
    void AutoSize();
    int Height() const;
    // The width at which every button shows, border included.
    int ButtonsWidth() const;

protected:
    // A button's click.
    bool HandleCommand(int id, int code) override;
    // Tooltip text requests (TTN_GETDISPINFO) for its buttons.
    bool HandleNotify(NMHDR& header, LRESULT& result) override;
    void ParentResized() override { AutoSize(); }
    void WindowGone(HWND window) override;
    // The hint of the button under the point.
    std::string HintAt(POINT screen) override;

private:
    friend class TToolButton;
    void Sync(const TToolButton& button);
    // Indent, button size and separator widths at the form's DPI.
    void ApplyScale();
    // Keeps a border of `borderWidth` around the client area, where the buttons lie.
    static LRESULT CALLBACK BorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR borderWidth);

    TForm& FForm;
    HWND FTips = nullptr;
    int FHeight = 0;
    int FIndent = 0;
    int FBorderWidth = 0;
    std::vector<std::unique_ptr<TToolButton>> FButtons;
    std::wstring FWideTip;
};

} // namespace porutena
