#pragma once
// The system clipboard's plain-text format.
#include <string>
#include <string_view>

namespace porutena {

class TClipboard {
public:
    TClipboard() = default;
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;
    virtual ~TClipboard() = default;

    // Empties the clipboard and puts `text` (up to its first NUL) there as text only: plain
    // text with, where the system has them, the text's locale and the UTF-16 form made by it.
    // Throws EError "クリップボードを開くことができません" when the clipboard cannot be opened, and
    // EError when it cannot be written.
    virtual void SetText(std::string_view text) = 0;

    // The clipboard's plain text, empty when it holds none. Throws EError like SetText.
    virtual std::string GetText() = 0;
};

} // namespace porutena
