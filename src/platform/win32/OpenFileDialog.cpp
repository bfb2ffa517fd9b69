#include "platform/win32/OpenFileDialog.h"

#include "core/Errors.h"
#include "core/OpenFileNames.h"
#include "platform/win32/WideText.h"

#include <cderr.h>

#include <utility>

namespace porutena {

namespace {

constexpr const char* Filter = "すべてのﾌｧｲﾙ(*.*)|*.*";

[[noreturn]] void ThrowDialogError(DWORD error) {
    if (error == FNERR_BUFFERTOOSMALL)
        throw EError("選択したﾌｧｲﾙが多すぎます。一度に選択するﾌｧｲﾙの数を減らしてください。");
    std::string code;
    do {
        code.insert(code.begin(), "0123456789ABCDEF"[error % 16]);
        error /= 16;
    } while (error != 0);
    throw EError("ﾌｧｲﾙを選択するﾀﾞｲｱﾛｸﾞでｴﾗｰが発生しました。(ｴﾗｰｺｰﾄﾞ $" + code + ")");
}

} // namespace

TOpenFileDialog::TOpenFileDialog(HWND owner, TShowDialog show, TExtendedError extendedError)
    : FOwner(owner), FShow(std::move(show)), FExtendedError(std::move(extendedError)) {}

bool TOpenFileDialog::Execute() {
    FFiles.clear();
    const std::wstring filter = Widen(DialogFilter(Filter));
    std::wstring buffer(BufferSize, L'\0');
    Widen(FFileName).copy(buffer.data(), buffer.size() - 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = FOwner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = BufferSize;
    ofn.Flags = OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_ENABLESIZING |
                OFN_EXPLORER;

    if (!FShow(&ofn)) {
        const DWORD error = FExtendedError();
        if (error != 0)
            ThrowDialogError(error);
        return false;
    }
    for (const std::wstring& file : ParseOpenFileResult(std::wstring_view(buffer), ofn.nFileOffset))
        FFiles.push_back(NarrowName(file));
    if (FFiles.empty())
        return false;
    FFileName = FFiles.front();
    return true;
}

} // namespace porutena
