#include "core/Errors.h"
#include "settings/StoredSettings.h"
#include "support/MemoryKeyStore.h"

#include <gtest/gtest.h>

#include <climits>

using namespace porutena;
using namespace std::string_literals;

namespace {

const std::string Key = "Software\\Zon\\Porutena";

TRegValue Sz(const std::string& text) {
    return {TRegType::String, text + '\0'};
}

class PorutenaRegistryTest : public testing::Test {
protected:
    void Put(const std::string& section, const std::string& ident, TRegValue value) {
        Store.Put(Key + "\\" + section, ident, std::move(value));
    }
    void Put(const std::string& section, const std::string& ident, const std::string& text) {
        Put(section, ident, Sz(text));
    }

    std::unique_ptr<TPorutenaRegistry> Load() { return TPorutenaRegistry::Create(Store); }

    static std::string SaveError(TPorutenaRegistry& registry) {
        try {
            registry.Save();
        } catch (const EError& e) {
            return e.what();
        }
        return "";
    }

    void ExpectWrites(const std::vector<TStoredText>& expected) {
        ASSERT_EQ(Store.Writes().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(expected[i].Ident);
            const auto& write = Store.Writes()[i];
            EXPECT_EQ(write.Key, Key + "\\" + expected[i].Section);
            EXPECT_EQ(write.Name, expected[i].Ident);
            EXPECT_EQ(write.Value.Type, TRegType::String);
            EXPECT_EQ(write.Value.Data, expected[i].Text + '\0');
        }
    }

    TMemoryKeyStore Store;
};

void ExpectDefaults(const TPorutenaRegistry& r) {
    EXPECT_TRUE(r.ShowStatusBar);
    EXPECT_TRUE(r.ShowToolBar);
    EXPECT_EQ(r.Height, 0);
    EXPECT_EQ(r.Width, 0);
    EXPECT_EQ(r.HeaderFName, 0);
    EXPECT_EQ(r.HeaderOlist, 0);
    EXPECT_EQ(r.GetOldListNum(), 5);
    EXPECT_EQ(r.FileViewStyle, TFileViewStyle::fvsFullPath);
    EXPECT_EQ(r.FileViewLength, TFileViewLength::fvlLongName);
    EXPECT_EQ(r.PathSep, 1);
}

TEST_F(PorutenaRegistryTest, FirstRunHasDefaultsAndWritesAllTenStrings) {
    auto registry = Load();
    EXPECT_EQ(registry->KeyName(), Key);
    ExpectDefaults(*registry);
    EXPECT_EQ(LoadError(*registry), "");
    EXPECT_TRUE(Store.HasKey(Key));
    EXPECT_FALSE(Store.HasKey(Key + "\\View")); // reading creates no subkey
    EXPECT_EQ(Store.OpenKeyCount(), 0);
    EXPECT_TRUE(Store.Writes().empty());

    registry->Save();
    ExpectWrites(FirstRunTexts);
    EXPECT_EQ(Store.OpenKeyCount(), 0);
}

TEST_F(PorutenaRegistryTest, FieldsAreWrittenAsDecimalTextAndReadBack) {
    {
        auto registry = Load();
        registry->ShowStatusBar = false;
        registry->ShowToolBar = true;
        registry->Height = 480;
        registry->Width = 2147483647;
        registry->HeaderFName = -2;
        registry->HeaderOlist = -1;
        registry->SetOldListNum(100);
        registry->FileViewStyle = TFileViewStyle::fvsFileOnly;
        registry->FileViewLength = TFileViewLength::fvlLongName;
        registry->PathSep = 0;
        registry->Flush();
    }
    ExpectWrites({
        {"View", "ShowStatusBar", "0"},
        {"View", "ShowToolBar", "1"},
        {"Form", "Height", "480"},
        {"Form", "Width", "2147483647"},
        {"Form", "HeaderFName", "-2"},
        {"Form", "HeaderOlist", "-1"},
        {"View", "OldListNum", "100"},
        {"View", "FileViewStyle", "1"},
        {"View", "FileViewLength", "0"},
        {"View", "PathSep", "0"},
    });

    auto registry = Load();
    EXPECT_EQ(LoadError(*registry), "");
    EXPECT_FALSE(registry->ShowStatusBar);
    EXPECT_TRUE(registry->ShowToolBar);
    EXPECT_EQ(registry->Height, 480);
    EXPECT_EQ(registry->Width, 2147483647);
    EXPECT_EQ(registry->HeaderFName, -2);
    EXPECT_EQ(registry->HeaderOlist, -1);
    EXPECT_EQ(registry->GetOldListNum(), 100);
    EXPECT_EQ(registry->FileViewStyle, TFileViewStyle::fvsFileOnly);
    EXPECT_EQ(registry->FileViewLength, TFileViewLength::fvlLongName);
    EXPECT_EQ(registry->PathSep, 0);
}

struct IntCase {
    std::string text;
    std::int32_t expected;
};

TEST_F(PorutenaRegistryTest, OldListNumIsReadAsIntegerTextAndClamped) {
    const IntCase cases[] = {
        {"0", 1},
        {"500", 100},
        {"abc", 5},
        {" 7", 7},
        {"$10", 16},
        {"", 5},
        {"-3", 1},
        {"1", 1},
        {"100", 100},
        {"7 ", 5},
        {"\t7", 5},
        {"+8", 8},
        {"0x1F", 31},
        {"$FFFFFFFF", 1},
        {"99999999999", 5},
        {"12\0"
         "34"s,
         12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("OldListNum=" + c.text);
        Put("View", "OldListNum", c.text);
        auto registry = Load();
        EXPECT_EQ(registry->GetOldListNum(), c.expected);
        EXPECT_EQ(LoadError(*registry), "");
    }
}

TEST_F(PorutenaRegistryTest, BooleansAreNonZeroIntegers) {
    struct Case {
        std::string text;
        bool expected;
    };
    const Case cases[] = {{"0", false}, {"yes", true}, {"-1", true},  {"1", true},
                          {"2", true},  {"", true},    {" 0", false}, {"$0", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE("ShowToolBar=" + c.text);
        Put("View", "ShowToolBar", c.text);
        auto registry = Load();
        EXPECT_EQ(registry->ShowToolBar, c.expected);
        EXPECT_TRUE(registry->ShowStatusBar);
    }
    Put("View", "ShowStatusBar", "0");
    EXPECT_FALSE(Load()->ShowStatusBar);
}

TEST_F(PorutenaRegistryTest, FormValuesAreTakenAsStored) {
    Put("Form", "Height", "480");
    Put("Form", "Width", "$280");
    Put("Form", "HeaderFName", "-2");
    Put("Form", "HeaderOlist", "-2147483648");
    auto registry = Load();
    EXPECT_EQ(registry->Height, 480);
    EXPECT_EQ(registry->Width, 640);
    EXPECT_EQ(registry->HeaderFName, -2);
    EXPECT_EQ(registry->HeaderOlist, INT_MIN);
}

TEST_F(PorutenaRegistryTest, ValuesInTheWrongSubkeyAreNotRead) {
    Put("Form", "OldListNum", "9");
    Put("View", "Height", "300");
    auto registry = Load();
    EXPECT_EQ(registry->GetOldListNum(), 5);
    EXPECT_EQ(registry->Height, 0);
}

TEST_F(PorutenaRegistryTest, ViewOptionsCountTheirLowByte) {
    struct Case {
        std::string ident, text;
        int expected;
    };
    const Case cases[] = {
        {"FileViewStyle", "1", 1},    {"FileViewStyle", "256", 0}, {"FileViewStyle", "257", 1},
        {"FileViewStyle", "-255", 1}, {"FileViewLength", "1", 1},  {"FileViewLength", "$100", 0},
        {"PathSep", "0", 0},          {"PathSep", "2", 2},         {"PathSep", "3", 3},
        {"PathSep", "259", 3},        {"PathSep", "abc", 1},       {"FileViewStyle", "x", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ident + "=" + c.text);
        TMemoryKeyStore store;
        store.Put(Key + "\\View", c.ident, Sz(c.text));
        auto registry = TPorutenaRegistry::Create(store);
        EXPECT_EQ(LoadError(*registry), "");
        const int loaded = c.ident == "PathSep" ? registry->PathSep
                           : c.ident == "FileViewStyle"
                               ? static_cast<int>(registry->FileViewStyle)
                               : static_cast<int>(registry->FileViewLength);
        EXPECT_EQ(loaded, c.expected);
    }
}

TEST_F(PorutenaRegistryTest, OutOfRangeViewOptionIsRangeErrorAndTheRestIsStillRead) {
    struct Case {
        std::string ident, text;
    };
    const Case cases[] = {{"FileViewStyle", "2"},  {"FileViewStyle", "-1"},
                          {"FileViewLength", "2"}, {"FileViewLength", "255"},
                          {"PathSep", "4"},        {"PathSep", "511"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ident + "=" + c.text);
        TMemoryKeyStore store;
        const std::vector<TStoredText> stored = {
            {"View", "ShowStatusBar", "0"},  {"View", "ShowToolBar", "0"},
            {"Form", "Height", "300"},       {"Form", "Width", "400"},
            {"Form", "HeaderFName", "50"},   {"Form", "HeaderOlist", "60"},
            {"View", "OldListNum", "9"},     {"View", "FileViewStyle", "1"},
            {"View", "FileViewLength", "1"}, {"View", "PathSep", "2"},
        };
        for (const auto& s : stored)
            store.Put(Key + "\\" + s.Section, s.Ident, Sz(s.Ident == c.ident ? c.text : s.Text));

        auto registry = TPorutenaRegistry::Create(store);
        EXPECT_FALSE(registry->ShowStatusBar);
        EXPECT_FALSE(registry->ShowToolBar);
        EXPECT_EQ(registry->Height, 300);
        EXPECT_EQ(registry->Width, 400);
        EXPECT_EQ(registry->HeaderFName, 50);
        EXPECT_EQ(registry->HeaderOlist, 60);
        EXPECT_EQ(registry->GetOldListNum(), 9);
        EXPECT_EQ(registry->FileViewStyle, c.ident == "FileViewStyle"
                                               ? TFileViewStyle::fvsFullPath
                                               : TFileViewStyle::fvsFileOnly);
        EXPECT_EQ(registry->FileViewLength, c.ident == "FileViewLength"
                                                ? TFileViewLength::fvlLongName
                                                : TFileViewLength::fvlShortName);
        EXPECT_EQ(registry->PathSep, c.ident == "PathSep" ? 1 : 2);

        try {
            registry->RaiseLoadError();
            ADD_FAILURE() << "no range error";
        } catch (const ERangeError& e) {
            EXPECT_STREQ(e.what(), "範囲チェックエラー");
        }
        EXPECT_EQ(LoadError(*registry), ""); // reported once
        EXPECT_EQ(store.OpenKeyCount(), 0);
    }
}

TEST_F(PorutenaRegistryTest, NonStringValueIsTypeErrorNamingTheValue) {
    const TRegValue bad[] = {
        {TRegType::Dword, "\x07\0\0\0"s},
        {TRegType::Binary, "7"s},
        {TRegType::MultiString, "7\0\0"s},
        {TRegType::None, ""s},
        {static_cast<TRegType>(11), "\x07\0\0\0\0\0\0\0"s},
    };
    for (const auto& value : bad) {
        SCOPED_TRACE(static_cast<int>(value.Type));
        TMemoryKeyStore store;
        store.Put(Key + "\\View", "ShowToolBar", value);
        store.Put(Key + "\\View", "ShowStatusBar", Sz("0"));
        store.Put(Key + "\\View", "OldListNum", Sz("9"));
        auto registry = TPorutenaRegistry::Create(store);
        EXPECT_TRUE(registry->ShowToolBar);
        EXPECT_FALSE(registry->ShowStatusBar);
        EXPECT_EQ(registry->GetOldListNum(), 9);
        EXPECT_EQ(LoadError(*registry), "'ShowToolBar' のデータ型が不正です");
        EXPECT_EQ(LoadError(*registry), "");
    }
}

TEST_F(PorutenaRegistryTest, ExpandableStringIsReadUnexpanded) {
    Put("Form", "Height", TRegValue{TRegType::ExpandString, "480\0"s});
    Put("View", "OldListNum", TRegValue{TRegType::ExpandString, "%OLDLIST%\0"s});
    Put("Form", "Width", TRegValue{TRegType::String, "640"s}); // stored without its NUL
    auto registry = Load();
    EXPECT_EQ(registry->Height, 480);
    EXPECT_EQ(registry->GetOldListNum(), 5);
    EXPECT_EQ(registry->Width, 640);
    EXPECT_EQ(LoadError(*registry), "");
}

TEST_F(PorutenaRegistryTest, FirstOfSeveralLoadErrorsIsReported) {
    Put("View", "PathSep", "9");
    Put("Form", "Width", TRegValue{TRegType::Dword, "\x01\0\0\0"s});
    Put("View", "FileViewStyle", "5");
    auto registry = Load();
    EXPECT_EQ(registry->PathSep, 1);
    EXPECT_EQ(registry->FileViewStyle, TFileViewStyle::fvsFullPath);
    EXPECT_EQ(LoadError(*registry), "'Width' のデータ型が不正です");
    EXPECT_EQ(LoadError(*registry), "");
}

TEST_F(PorutenaRegistryTest, SaveAfterFailedLoadHealsTheStore) {
    Put("View", "FileViewStyle", "2");
    Put("View", "ShowToolBar", TRegValue{TRegType::Dword, "\0\0\0\0"s});
    Put("View", "PathSep", "3");
    auto registry = Load();
    EXPECT_EQ(LoadError(*registry), "'ShowToolBar' のデータ型が不正です");
    registry->Save();
    EXPECT_EQ(Store.Writes().size(), 10u);
    EXPECT_EQ(Store.Get(Key + "\\View", "FileViewStyle")->Data, "0\0"s);
    EXPECT_EQ(Store.Get(Key + "\\View", "ShowToolBar")->Type, TRegType::String);
    EXPECT_EQ(Store.Get(Key + "\\View", "PathSep")->Data, "3\0"s);

    auto healed = Load();
    EXPECT_EQ(LoadError(*healed), "");
    EXPECT_EQ(healed->PathSep, 3);
}

TEST_F(PorutenaRegistryTest, SaveStopsAtTheFirstFailure) {
    struct Case {
        std::string subKeyFault, valueFault, message;
        std::size_t written;
    };
    const Case cases[] = {
        {"Form", "", "キー Form の作成に失敗しました", 2},
        {"View", "", "キー View の作成に失敗しました", 0},
        {"", "OldListNum", "'OldListNum' の設定に失敗しました", 6},
        {"", "ShowStatusBar", "'ShowStatusBar' の設定に失敗しました", 0},
        {"", "PathSep", "'PathSep' の設定に失敗しました", 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        TMemoryKeyStore store;
        auto registry = TPorutenaRegistry::Create(store);
        store.Faults.CreateSubKey = c.subKeyFault;
        store.Faults.SetValue = c.valueFault;
        EXPECT_EQ(SaveError(*registry), c.message);
        ASSERT_EQ(store.Writes().size(), c.written);
        for (std::size_t i = 0; i < c.written; ++i)
            EXPECT_EQ(store.Writes()[i].Name, FirstRunTexts[i].Ident);
        EXPECT_EQ(store.OpenKeyCount(), 0);
    }
}

TEST_F(PorutenaRegistryTest, UnopenableKeyGivesDefaultsSilentlyAndSavesNothing) {
    Put("View", "OldListNum", "42");
    Store.Faults.OpenKey = true;
    auto registry = Load();
    ExpectDefaults(*registry);
    EXPECT_EQ(LoadError(*registry), "");

    // Even once the key is back, the defaults must not replace what is stored.
    Store.Faults.OpenKey = false;
    registry->SetOldListNum(3);
    EXPECT_EQ(SaveError(*registry), "");
    EXPECT_TRUE(Store.Writes().empty());
    EXPECT_EQ(Store.Get(Key + "\\View", "OldListNum")->Data, "42\0"s);
}

TEST_F(PorutenaRegistryTest, KeyLostBeforeSaveIsReported) {
    auto registry = Load();
    Store.Faults.OpenKey = true;
    EXPECT_EQ(SaveError(*registry), "キー Software\\Zon\\Porutena の作成に失敗しました");
    EXPECT_TRUE(Store.Writes().empty());
}

TEST_F(PorutenaRegistryTest, CompanyAndProductNameTheKey) {
    auto registry = TPorutenaRegistry::Create(Store, "Acme", "Tool");
    EXPECT_EQ(registry->KeyName(), "Software\\Acme\\Tool");
    registry->Save();
    EXPECT_EQ(Store.Get("Software\\Acme\\Tool\\View", "OldListNum")->Data, "5\0"s);
    EXPECT_FALSE(Store.HasKey(Key));
}

TEST(PorutenaRegistryOldListNum, SetterClampsToOneThroughHundred) {
    TMemoryKeyStore store;
    auto registry = TPorutenaRegistry::Create(store);
    const std::pair<std::int32_t, std::int32_t> values[] = {
        {0, 1}, {-5, 1}, {INT_MIN, 1}, {1, 1}, {42, 42}, {100, 100}, {101, 100}, {INT_MAX, 100}};
    for (const auto& [value, expected] : values) {
        registry->SetOldListNum(value);
        EXPECT_EQ(registry->GetOldListNum(), expected) << value;
    }
}

} // namespace
