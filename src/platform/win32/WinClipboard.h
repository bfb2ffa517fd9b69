#pragma once
// The clipboard through the Win32 API, owned by a borrowed window.
#include "platform/Clipboard.h"

#include <windows.h>

namespace porutena {

class TWinClipboard final : public TClipboard {
public:
    // `owner` (may be null) becomes the clipboard's owner when text is set; it must outlive
    // this object.
    explicit TWinClipboard(HWND owner) noexcept : FOwner(owner) {}

    // The text goes there as code page 932 text marked with the Japanese locale, from whose
    // code page the system makes the UTF-16 form for programs that ask for it, whatever the
    // system's own code page.
    // Another program may hold the clipboard for a moment (clipboard viewers read it after
    // every change), so opening is tried a few times over about 40 ms before it fails.
    void SetText(std::string_view text) override;
    std::string GetText() override;

private:
    HWND FOwner;
};

} // namespace porutena
