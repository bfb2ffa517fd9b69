#include "platform/win32/WinClipboard.h"

#include "TestSupport.h"
#include "core/Errors.h"
#include "platform/win32/ClipboardHolder.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

using namespace porutena;
using porutena::test::TClipboardHolder;

namespace {

const std::string CannotOpen = "クリップボードを開くことができません";

// True when another thread can open the clipboard now, that is, nobody left it open.
bool OpenableElsewhere() {
    bool opened = false;
    std::thread([&] {
        opened = OpenClipboard(nullptr) != FALSE;
        if (opened)
            CloseClipboard();
    }).join();
    return opened;
}

// The clipboard's UTF-16 text, which the system makes from ours for other programs.
std::wstring UnicodeText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"<not opened>";
    if (const HANDLE handle = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* data = static_cast<const wchar_t*>(GlobalLock(handle))) {
            text = data;
            GlobalUnlock(handle);
        }
    }
    CloseClipboard();
    return text;
}

// The locale the clipboard's text is marked with, 0 when it has none.
LCID Locale() {
    LCID locale = 0;
    if (!OpenClipboard(nullptr))
        return locale;
    if (const HANDLE handle = GetClipboardData(CF_LOCALE)) {
        if (const auto* data = static_cast<const LCID*>(GlobalLock(handle))) {
            locale = *data;
            GlobalUnlock(handle);
        }
    }
    CloseClipboard();
    return locale;
}

std::set<UINT> Formats() {
    std::set<UINT> formats;
    if (!OpenClipboard(nullptr))
        return formats;
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format))
        formats.insert(format);
    CloseClipboard();
    return formats;
}

// Puts a private format and other UTF-16 text there, as another program might.
void PutForeignData(HWND owner, UINT privateFormat) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const wchar_t stale[] = L"stale";
    const HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, sizeof stale);
    memcpy(GlobalLock(text), stale, sizeof stale);
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    const HGLOBAL other = GlobalAlloc(GMEM_MOVEABLE, 4);
    SetClipboardData(privateFormat, other);
    CloseClipboard();
}

struct TextCase {
    const char* name;
    std::string text;
};

class ClipboardRoundTrip : public testing::TestWithParam<TextCase> {};

TEST_P(ClipboardRoundTrip, TextComesBackAsPut) {
    test::TTestWindow window;
    TWinClipboard clipboard(window.Handle());
    const std::string& text = GetParam().text;

    clipboard.SetText(text);

    EXPECT_EQ(clipboard.GetText(), text);
    EXPECT_EQ(TWinClipboard(nullptr).GetText(), text);
    // Converted from code page 932, the locale's, whatever the process's code page (the run
    // under another locale tells the two apart).
    EXPECT_EQ(UnicodeText(), test::ToWide(text));
    EXPECT_EQ(Locale(), 0x0411u);
    const std::set<UINT> formats = Formats();
    EXPECT_TRUE(formats.count(CF_TEXT) && formats.count(CF_UNICODETEXT));
    EXPECT_TRUE(OpenableElsewhere());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClipboardRoundTrip,
    testing::Values(TextCase{"Japanese", "ぽるてな C:\\ソ表\\ﾌｧｲﾙ 名前.txt"},
                    TextCase{"LinesEndedByCrLf", "C:\\a.txt\r\nC:\\ソ\\b.txt\r\n"},
                    TextCase{"Empty", ""}, TextCase{"Large", std::string(300000, 'x') + "ソ"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(Clipboard, TextEndsAtItsFirstNul) {
    test::TTestWindow window;
    TWinClipboard clipboard(window.Handle());
    clipboard.SetText(std::string("ab\0cd", 5));
    EXPECT_EQ(clipboard.GetText(), "ab");
}

TEST(Clipboard, OnlyTextIsLeftThere) {
    test::TTestWindow window;
    const UINT privateFormat = RegisterClipboardFormatA("PorutenaTestFormat");
    PutForeignData(window.Handle(), privateFormat);
    ASSERT_TRUE(Formats().count(privateFormat));

    TWinClipboard(window.Handle()).SetText("ソ.txt");

    // Our text and its locale, and the UTF-16 and OEM text the system makes; nothing else.
    const std::set<UINT> text = {CF_TEXT, CF_OEMTEXT, CF_UNICODETEXT, CF_LOCALE};
    const std::set<UINT> formats = Formats();
    EXPECT_TRUE(formats.count(CF_TEXT));
    for (const UINT format : formats)
        EXPECT_TRUE(text.count(format)) << "format " << format;
    EXPECT_EQ(UnicodeText(), test::ToWide("ソ.txt"));
}

TEST(Clipboard, NoTextReadsAsEmpty) {
    test::TTestWindow window;
    PutForeignData(window.Handle(), RegisterClipboardFormatA("PorutenaTestFormat"));
    ASSERT_TRUE(OpenClipboard(window.Handle()));
    EmptyClipboard();
    CloseClipboard();

    EXPECT_EQ(TWinClipboard(window.Handle()).GetText(), "");
    EXPECT_TRUE(OpenableElsewhere());
}

TEST(Clipboard, HeldByAnotherThreadFailsWithTheMessageUntilReleased) {
    test::TTestWindow window;
    TWinClipboard clipboard(window.Handle());
    clipboard.SetText("before");
    {
        TClipboardHolder holder;
        ASSERT_TRUE(holder.Held());
        for (const bool setting : {true, false}) {
            try {
                if (setting)
                    clipboard.SetText("after");
                else
                    clipboard.GetText();
                ADD_FAILURE() << "no error while the clipboard is held";
            } catch (const EError& error) {
                EXPECT_EQ(error.what(), CannotOpen);
            }
        }
        holder.Release();
        clipboard.SetText("after");
    }
    EXPECT_EQ(clipboard.GetText(), "after");
    EXPECT_TRUE(OpenableElsewhere());
}

TEST(Clipboard, FailedOpeningLeavesTheContents) {
    test::TTestWindow window;
    TWinClipboard clipboard(window.Handle());
    clipboard.SetText("kept");
    {
        TClipboardHolder holder;
        EXPECT_THROW(clipboard.SetText("lost"), EError);
    }
    EXPECT_EQ(clipboard.GetText(), "kept");
}

} // namespace
