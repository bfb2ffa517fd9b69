#include "platform/win32/CurrentUserKeyStore.h"
#include "platform/win32/Handles.h"
#include "platform/win32/WideText.h"
#include "settings/StoredSettings.h"

#include <gtest/gtest.h>

using namespace porutena;
using namespace std::string_literals;

namespace {

struct RawValue {
    DWORD Type = REG_NONE;
    std::string Data;
};

// A value read straight from the registry, past the code under test.
std::optional<RawValue> QueryRaw(const std::string& keyPath, const char* name) {
    const TOwnedRegKey key = OpenRegKey(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ);
    if (!key)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &value.Type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.Data.resize(size);
    if (RegQueryValueExA(key.Get(), name, nullptr, &value.Type,
                         reinterpret_cast<BYTE*>(value.Data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.Data.resize(size);
    return value;
}

void PutRaw(const std::string& keyPath, const char* name, DWORD type, const std::string& data) {
    const TOwnedRegKey key = CreateRegKey(HKEY_CURRENT_USER, keyPath.c_str(), KEY_WRITE);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExA(key.Get(), name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

bool KeyExists(const std::string& keyPath) {
    return static_cast<bool>(OpenRegKey(HKEY_CURRENT_USER, keyPath.c_str(), KEY_READ));
}

void ExpectStoredStrings(const std::string& key, const std::vector<TStoredText>& expected) {
    for (const auto& s : expected) {
        SCOPED_TRACE(s.Ident);
        const auto value = QueryRaw(key + "\\" + s.Section, s.Ident.c_str());
        ASSERT_TRUE(value);
        EXPECT_EQ(value->Type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(value->Data, s.Text + '\0'); // the NUL is counted in the data
    }
}

// HKEY_CURRENT_USER stands for a scratch key of the real one during each test, so every test
// starts without settings and this user's own are never touched.
class CurrentUserKeyStoreTest : public testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, Scratch.c_str());
        ScratchKey = CreateRegKey(HKEY_CURRENT_USER, Scratch.c_str(), KEY_ALL_ACCESS);
        ASSERT_TRUE(ScratchKey);
        ASSERT_EQ(RegOverridePredefKey(HKEY_CURRENT_USER, ScratchKey.Get()), ERROR_SUCCESS);
    }

    void TearDown() override {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        ScratchKey = {};
        RegDeleteTreeA(HKEY_CURRENT_USER, Scratch.c_str());
    }

    std::unique_ptr<TPorutenaRegistry> Load() {
        return TPorutenaRegistry::Create(Store, "Zon", Product);
    }

    const std::string Scratch = "Software\\PorutenaTest-" + std::to_string(GetCurrentProcessId());
    TOwnedRegKey ScratchKey;
    TCurrentUserKeyStore Store;
    const std::string Product = "PorutenaTest";
    const std::string Key = "Software\\Zon\\PorutenaTest";
};

TEST_F(CurrentUserKeyStoreTest, FirstRunCreatesTheKeyAndWritesTenStrings) {
    auto registry = Load();
    EXPECT_TRUE(KeyExists(Key));
    EXPECT_FALSE(KeyExists(Key + "\\View"));
    EXPECT_EQ(LoadError(*registry), "");
    EXPECT_EQ(registry->GetOldListNum(), 5);
    EXPECT_EQ(registry->PathSep, 1);

    registry->Save();
    ExpectStoredStrings(Key, FirstRunTexts);
}

TEST_F(CurrentUserKeyStoreTest, ValuesRoundTrip) {
    {
        auto registry = Load();
        registry->ShowStatusBar = false;
        registry->Height = 480;
        registry->Width = 640;
        registry->HeaderFName = -2;
        registry->HeaderOlist = 333;
        registry->SetOldListNum(12);
        registry->FileViewStyle = TFileViewStyle::fvsFileOnly;
        registry->FileViewLength = TFileViewLength::fvlShortName;
        registry->PathSep = 0;
        registry->Save();
    }
    ExpectStoredStrings(
        Key,
        {{"View", "ShowStatusBar", "0"}, {"Form", "HeaderFName", "-2"}, {"View", "PathSep", "0"}});

    auto registry = Load();
    EXPECT_EQ(LoadError(*registry), "");
    EXPECT_FALSE(registry->ShowStatusBar);
    EXPECT_TRUE(registry->ShowToolBar);
    EXPECT_EQ(registry->Height, 480);
    EXPECT_EQ(registry->Width, 640);
    EXPECT_EQ(registry->HeaderFName, -2);
    EXPECT_EQ(registry->HeaderOlist, 333);
    EXPECT_EQ(registry->GetOldListNum(), 12);
    EXPECT_EQ(registry->FileViewStyle, TFileViewStyle::fvsFileOnly);
    EXPECT_EQ(registry->FileViewLength, TFileViewLength::fvlShortName);
    EXPECT_EQ(registry->PathSep, 0);
}

TEST_F(CurrentUserKeyStoreTest, DwordValueIsTypeErrorAndIsHealedBySave) {
    PutRaw(Key + "\\View", "OldListNum", REG_DWORD, "\x07\0\0\0"s);
    PutRaw(Key + "\\View", "ShowToolBar", REG_SZ, "0\0"s);
    PutRaw(Key + "\\Form", "Width", REG_SZ, "700\0"s);
    auto registry = Load();
    EXPECT_EQ(LoadError(*registry), "'OldListNum' のデータ型が不正です");
    EXPECT_EQ(registry->GetOldListNum(), 5);
    EXPECT_FALSE(registry->ShowToolBar);
    EXPECT_EQ(registry->Width, 700);

    registry->Save();
    ExpectStoredStrings(Key, {{"View", "OldListNum", "5"}, {"Form", "Width", "700"}});
}

TEST_F(CurrentUserKeyStoreTest, StringsAreReadUnexpandedUpToTheirFirstNul) {
    ASSERT_TRUE(SetEnvironmentVariableA("PORUTENA_TEST_SEVEN", "7"));
    PutRaw(Key + "\\View", "OldListNum", REG_EXPAND_SZ, "%PORUTENA_TEST_SEVEN%\0"s);
    PutRaw(Key + "\\Form", "Height", REG_EXPAND_SZ, "480\0"s);
    PutRaw(Key + "\\Form", "Width", REG_SZ, "640"s); // no terminating NUL
    PutRaw(Key + "\\Form", "HeaderFName", REG_SZ,
           "12\0"
           "34\0"s);
    auto registry = Load();
    EXPECT_EQ(LoadError(*registry), "");
    EXPECT_EQ(registry->GetOldListNum(), 5);
    EXPECT_EQ(registry->Height, 480);
    EXPECT_EQ(registry->Width, 640);
    EXPECT_EQ(registry->HeaderFName, 12);
}

TEST_F(CurrentUserKeyStoreTest, KeyInterfaceGivesRawTypeAndBytes) {
    PutRaw(Key + "\\View", "Expand", REG_EXPAND_SZ, "%PATH%\0"s);
    PutRaw(Key + "\\View", "Number", REG_DWORD, "\x2A\0\0\0"s);
    const std::string big(5000, 'x'); // beyond any first guess at the size
    PutRaw(Key + "\\View", "Big", REG_SZ, big + '\0');

    auto key = Store.OpenKey(Key);
    ASSERT_TRUE(key);
    EXPECT_FALSE(key->OpenSubKey("Missing", false));
    EXPECT_FALSE(KeyExists(Key + "\\Missing"));
    auto view = key->OpenSubKey("view", false); // names ignore case
    ASSERT_TRUE(view);
    EXPECT_FALSE(view->QueryValue("Missing"));
    const auto expand = view->QueryValue("Expand");
    ASSERT_TRUE(expand);
    EXPECT_EQ(expand->Type, TRegType::ExpandString);
    EXPECT_EQ(expand->Data, "%PATH%\0"s);
    const auto number = view->QueryValue("Number");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->Type, TRegType::Dword);
    EXPECT_EQ(number->Data, "\x2A\0\0\0"s);
    EXPECT_EQ(view->QueryValue("Big")->Data, big + '\0');

    auto created = key->OpenSubKey("New", true);
    ASSERT_TRUE(created);
    EXPECT_TRUE(created->SetString("Text", "abc"));
    const auto raw = QueryRaw(Key + "\\New", "Text");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->Type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(raw->Data, "abc\0"s);
    // Japanese names and text go in as UTF-16, legible whatever the reader's code page.
    EXPECT_TRUE(created->SetString("表示", "ソ表"));
    wchar_t stored[8] = {};
    DWORD storedSize = sizeof stored;
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, Widen(Key + "\\New").c_str(), L"表示", RRF_RT_REG_SZ,
                           nullptr, stored, &storedSize),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(stored), L"ソ表");
    EXPECT_EQ(created->QueryValue("表示")->Data, "ソ表\0"s);
}

TEST_F(CurrentUserKeyStoreTest, KeyThatCannotBeCreatedGivesDefaultsAndSavesNothing) {
    // A key name longer than the registry allows cannot be created.
    const std::string product(300, 'p');
    ASSERT_FALSE(Store.OpenKey("Software\\Zon\\" + product));
    auto registry = TPorutenaRegistry::Create(Store, "Zon", product);
    EXPECT_EQ(LoadError(*registry), "");
    EXPECT_EQ(registry->GetOldListNum(), 5);
    EXPECT_TRUE(registry->ShowToolBar);
    registry->Save();
    EXPECT_FALSE(KeyExists("Software\\Zon\\" + product));
}

TEST_F(CurrentUserKeyStoreTest, ProgramKeyIsSoftwareZonPorutena) {
    {
        TCurrentUserKeyStore store;
        auto registry = TPorutenaRegistry::Create(store);
        EXPECT_EQ(registry->KeyName(), "Software\\Zon\\Porutena");
        registry->Save();
    }
    ExpectStoredStrings("Software\\Zon\\Porutena", FirstRunTexts);
    EXPECT_TRUE(OpenRegKey(ScratchKey.Get(), "Software\\Zon\\Porutena", KEY_READ));
}

} // namespace
