#include "ui/main/CodePageWarning.h"

#include "core/Text.h"

namespace porutena {

bool CodePageWarningNeeded(UINT codePage) {
    return codePage != ProgramCodePage;
}

std::wstring CodePageWarningText(UINT codePage) {
    // Digits widen one for one; std::to_wstring would bring the wide printf into the program.
    const std::string digits = std::to_string(codePage);
    const std::wstring number(digits.begin(), digits.end());
    std::wstring text = L"ぽるてなはコード ページ 932 (日本語) の文字で動作します。";
    text += L"このシステムのコード ページは " + number + L" のため、";
    text += L"文字やファイル名が正しく表示されません。";
    text += L"日本語版 Windows または Windows 11 でお使いください。\n\n";
    text += L"Porutena works in code page 932 (Japanese). ";
    text += L"This system uses code page " + number + L", ";
    text += L"so texts and file names will not show correctly here. ";
    text += L"Use Japanese Windows or Windows 11.";
    return text;
}

void WarnOfCodePage(UINT codePage) {
    if (CodePageWarningNeeded(codePage))
        MessageBoxW(nullptr, CodePageWarningText(codePage).c_str(), L"ぽるてな",
                    MB_OK | MB_ICONWARNING | MB_SETFOREGROUND);
}

} // namespace porutena
