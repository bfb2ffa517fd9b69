#pragma once
// Every message box and message beep of the program goes through IMessageBoxes, so tests
// replace them by a recorder and nothing blocks.
#include <windows.h>

#include <string>
#include <string_view>

namespace porutena {

class TApplication;

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // A modal box owned by `owner` (MB_* flags); returns the button chosen (IDOK, ...).
    virtual int Show(HWND owner, const std::string& text, const std::string& caption,
                     UINT flags) = 0;
    virtual void Beep(UINT type) = 0;
};

// The system's boxes (MessageBoxA in the system message font), centred on the screen.
class TSystemMessageBoxes : public IMessageBoxes {
public:
    int Show(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    void Beep(UINT type) override;
};

// The text an error box shows: "." appended when the last character sorts above ".".
std::string ErrorBoxText(std::string_view message);

// The program's error box: stop beep, caption "エラー", stop icon, one OK button (Enter and Esc).
void ShowErrorMessage(TApplication& app, std::string_view text);

} // namespace porutena
