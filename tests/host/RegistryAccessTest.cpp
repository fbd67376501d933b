// The registry rules over the in-memory store: results, stored forms and raised errors.

#include "LibraryError.h"
#include "MemoryRegistryStore.h"
#include "RegistryAccess.h"

#include <gtest/gtest.h>

#include <functional>

namespace qv {
namespace {

const std::wstring kKey = L"Software\\Quorvane11\\Groupdate\\Tl\\S";

class RegistryAccessTest : public ::testing::Test {
  protected:
    // The bytes and type stored for a value, read straight from the store.
    std::optional<Bytes> stored(const std::wstring& key, const std::string& name) {
        std::unique_ptr<RegistryKey> opened;
        if (store_.openKey(kCurrentUser, codePage_.fromText(key), kKeyRead, opened) != kSuccess) {
            return std::nullopt;
        }
        Bytes data;
        if (opened->queryValue(name, 1 << 20, data) != kSuccess) return std::nullopt;
        return data;
    }

    void storeRaw(const std::string& name, std::uint32_t type, const Bytes& data) {
        std::unique_ptr<RegistryKey> key;
        bool existed = false;
        store_.createKey(kCurrentUser, codePage_.fromText(kKey), kKeyWrite, key, existed);
        key->setValue(name, type, data);
    }

    MemoryRegistryStore store_;
    Windows1252CodePage codePage_;
    RegistryAccess access_{store_, codePage_};
};

void expectLibraryError(std::int32_t number, const std::wstring& description,
                        const std::function<void()>& call) {
    try {
        call();
        ADD_FAILURE() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_EQ(error.number(), number);
        EXPECT_EQ(error.description(), description);
    }
}

TEST_F(RegistryAccessTest, CreateKeyMakesEveryLevelThenReportsTheKeyExisted) {
    EXPECT_FALSE(access_.createKey(kCurrentUser, kKey));
    EXPECT_TRUE(access_.checkKey(kCurrentUser, L"Software\\Quorvane11"));
    EXPECT_TRUE(access_.createKey(kCurrentUser, kKey));
}

TEST_F(RegistryAccessTest, CreateKeyThatCannotBeMadeRaises1001) {
    store_.refuseKeyCreation(kAccessDenied);
    expectLibraryError(1001, L"No fue posible crear la clave del registro",
                       [&] { access_.createKey(kCurrentUser, kKey); });
    expectLibraryError(1001, L"No fue posible crear la clave del registro",
                       [&] { access_.createKey(0x12345, L"Software"); });
}

TEST_F(RegistryAccessTest, ValuesReadBackWithTheLayoutOfTheirTypeCode) {
    access_.createKey(kCurrentUser, kKey);
    struct Case {
        const char* comment;
        std::int16_t type;
        PortableValue written;
        RegistryValue read;
    };
    const Case cases[] = {
        {"text, last character included", 1, L"Hola mundo!", std::wstring(L"Hola mundo!")},
        {"empty text", 1, L"", std::wstring()},
        {"code page letters", 1, L"\u00e9\u20ac", std::wstring(L"\u00e9\u20ac")},
        {"a number written as text", 1, std::int32_t{42}, std::wstring(L"42")},
        {"text as binary: UTF-16LE", 3, L"01", Bytes{0x30, 0x00, 0x31, 0x00}},
        {"a byte array as it is", 3, Bytes{0, 1, 255}, Bytes{0, 1, 255}},
        {"number", 4, std::int32_t{100}, std::int32_t{100}},
        {"negative number", 4, std::int32_t{-2}, std::int32_t{-2}},
        {"text converted to a number", 4, L" 7 ", std::int32_t{7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comment);
        access_.setValue(kCurrentUser, kKey, L"value", c.type, c.written);
        EXPECT_EQ(access_.getValue(kCurrentUser, kKey, L"value", c.type), c.read);
    }
}

TEST_F(RegistryAccessTest, StoredFormsOfTextBinaryAndNumber) {
    access_.createKey(kCurrentUser, kKey);
    access_.setValue(kCurrentUser, kKey, L"text", 1, PortableValue(L"1"));
    access_.setValue(kCurrentUser, kKey, L"empty", 1, PortableValue(L""));
    access_.setValue(kCurrentUser, kKey, L"binary", 3, PortableValue(L"01"));
    access_.setValue(kCurrentUser, kKey, L"number", 4, PortableValue(std::int32_t{0x01020304}));
    EXPECT_EQ(stored(kKey, "text"), (Bytes{'1', 0}));
    EXPECT_EQ(stored(kKey, "empty"), Bytes{});
    EXPECT_EQ(stored(kKey, "binary"), (Bytes{0x30, 0x00, 0x31, 0x00}));
    EXPECT_EQ(stored(kKey, "number"), (Bytes{4, 3, 2, 1}));
}

TEST_F(RegistryAccessTest, TheDefaultStandsWhenNothingCanBeRead) {
    access_.createKey(kCurrentUser, kKey);
    storeRaw("dword", kRegDword, Bytes{1, 0, 0, 0});
    storeRaw("big", kRegBinary, Bytes(4097, 1));
    struct Case {
        const char* comment;
        std::wstring key;
        std::wstring value;
        std::int16_t type;
    };
    const Case cases[] = {
        {"missing value", kKey, L"missing", 1},
        {"missing key", L"Software\\Missing", L"value", 1},
        {"missing key, unsupported type code", L"Software\\Missing", L"value", 2},
        {"binary larger than its buffer", kKey, L"big", 3},
        {"number larger than four bytes", kKey, L"big", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comment);
        EXPECT_EQ(access_.getValue(kCurrentUser, c.key, c.value, c.type), std::nullopt);
    }
    // A number read as text is unreadable text, never an error.
    EXPECT_TRUE(access_.getValue(kCurrentUser, kKey, L"dword", 1).has_value());
}

TEST_F(RegistryAccessTest, TextReadsBackUpTo1023Characters) {
    access_.createKey(kCurrentUser, kKey);
    const std::wstring longest(1023, L'x');
    access_.setValue(kCurrentUser, kKey, L"longest", 1, PortableValue(longest));
    access_.setValue(kCurrentUser, kKey, L"tooLong", 1, PortableValue(longest + L"y"));
    EXPECT_EQ(access_.getValue(kCurrentUser, kKey, L"longest", 1), RegistryValue(longest));
    EXPECT_EQ(access_.getValue(kCurrentUser, kKey, L"tooLong", 1), std::nullopt);
}

TEST_F(RegistryAccessTest, CharactersOutsideTheCodePageBecomeItsReplacement) {
    access_.createKey(kCurrentUser, kKey);
    access_.setValue(kCurrentUser, kKey, L"value", 1, PortableValue(L"\u03a9x\u4e2d"));
    EXPECT_EQ(access_.getValue(kCurrentUser, kKey, L"value", 1),
              RegistryValue(std::wstring(L"?x?")));
}

TEST_F(RegistryAccessTest, AnUnsupportedTypeCodeOnAnExistingKeyRaises1001) {
    access_.createKey(kCurrentUser, kKey);
    for (std::int16_t type : {0, 2, 5, 7, -1}) {
        SCOPED_TRACE(type);
        expectLibraryError(1001, L"Tipo de valor no compatible",
                           [&] { access_.getValue(kCurrentUser, kKey, L"value", type); });
    }
}

TEST_F(RegistryAccessTest, WritesNeverCreateKeysAndIgnoreUnknownTypeCodes) {
    access_.setValue(kCurrentUser, kKey, L"value", 1, PortableValue(L"x"));
    access_.setValue(kCurrentUser, kKey, L"value", 3, PortableValue(L""));  // no error either
    EXPECT_FALSE(access_.checkKey(kCurrentUser, kKey));
    access_.createKey(kCurrentUser, kKey);
    access_.setValue(kCurrentUser, kKey, L"value", 2, PortableValue(L"x"));
    EXPECT_EQ(stored(kKey, "value"), std::nullopt);
}

TEST_F(RegistryAccessTest, WriteErrorsComeFromTheConversions) {
    access_.createKey(kCurrentUser, kKey);
    struct Case {
        const char* comment;
        std::int16_t type;
        PortableValue value;
        std::int32_t error;
    };
    const Case cases[] = {
        {"empty binary value", 3, L"", 9},
        {"empty byte array", 3, Bytes{}, 9},
        {"a number is no byte array", 3, std::int32_t{5}, 13},
        {"text that is no number", 4, L"abc", 13},
        {"number out of range", 4, L"3000000000", 6},
        {"Null as text", 1, PortableValue::Null{}, 94},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comment);
        expectLibraryError(c.error, runtimeErrorDescription(c.error), [&] {
            access_.setValue(kCurrentUser, kKey, L"value", c.type, c.value);
        });
        EXPECT_EQ(stored(kKey, "value"), std::nullopt);
    }
}

TEST_F(RegistryAccessTest, DeletesReportNothing) {
    access_.createKey(kCurrentUser, kKey);
    access_.setValue(kCurrentUser, kKey, L"value", 1, PortableValue(L"x"));
    access_.deleteValue(kCurrentUser, kKey, L"value");
    access_.deleteValue(kCurrentUser, kKey, L"value");
    access_.deleteValue(kCurrentUser, L"Software\\Missing", L"value");
    EXPECT_EQ(stored(kKey, "value"), std::nullopt);

    access_.deleteKey(kCurrentUser, L"Software\\Quorvane11");  // has subkeys: stays
    EXPECT_TRUE(access_.checkKey(kCurrentUser, kKey));
    access_.deleteKey(kCurrentUser, kKey);
    access_.deleteKey(kCurrentUser, kKey);
    EXPECT_FALSE(access_.checkKey(kCurrentUser, kKey));
}

TEST_F(RegistryAccessTest, EnumKeysListsEverySubkeyInTheRegistrysOrder) {
    const std::wstring parent = L"Software\\Printers";
    for (int i = 0; i < 150; ++i) {
        access_.createKey(kCurrentUser, parent + L"\\P" + std::to_wstring(1000 + i));
    }
    const auto names = access_.enumKeys(kCurrentUser, parent);
    ASSERT_TRUE(names.has_value());
    ASSERT_EQ(names->size(), 150u);
    EXPECT_EQ(names->front(), L"P1000");
    EXPECT_EQ(names->back(), L"P1149");

    EXPECT_EQ(access_.enumKeys(kCurrentUser, L"Software\\Missing"), std::nullopt);
    EXPECT_EQ(access_.enumKeys(kCurrentUser, parent + L"\\P1000"), std::vector<std::wstring>{});
    EXPECT_EQ(access_.enumKeys(kCurrentUser, L""), std::vector<std::wstring>{L"Software"});
}

TEST(StripTerminatorTest, CutsAtTheFirstZeroCharacter) {
    const std::wstring zero(1, L'\0');
    struct Case {
        std::wstring text;
        std::wstring stripped;
    };
    const Case cases[] = {
        {L"plain", L"plain"},
        {L"ab" + zero + L"cd", L"ab"},
        {zero + L"ab", L""},
        {L"", L""},
        {std::wstring(32766, L'a') + zero, std::wstring(32766, L'a')},  // zero at 32767
        {std::wstring(40000, L'a'), std::wstring(40000, L'a')},         // no zero at all
    };
    for (const auto& c : cases) EXPECT_EQ(stripTerminator(c.text), c.stripped);
    expectLibraryError(6, L"Overflow", [&] { stripTerminator(std::wstring(32767, L'a') + zero); });
}

TEST(SettingsPathTest, EndsWithTheSeparator) {
    EXPECT_EQ(std::wstring(kSettingsPath), L"Software\\Quorvane11\\Groupdate\\");
}

}  // namespace
}  // namespace qv
