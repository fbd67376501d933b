#include "RegistryContract.h"

#include <algorithm>

namespace qv::testing {
namespace {

// Removes a key with everything below it, leaves first.
void deleteTree(RegistryStore& store, const std::string& path) {
    std::unique_ptr<RegistryKey> key;
    if (store.openKey(kCurrentUser, path, kKeyRead, key) != kSuccess) return;
    std::string child;
    while (key->enumSubkey(0, 260, child) == kSuccess) {
        const std::string childPath = path + "\\" + child;
        deleteTree(store, childPath);
        if (store.deleteKey(kCurrentUser, childPath) != kSuccess) return;
    }
    key.reset();
    store.deleteKey(kCurrentUser, path);
}

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

const Bytes kSentinel{0xAA, 0xBB};

}  // namespace

void RegistryContract::SetUp() {
    store_ = GetParam().make();
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    scratch_ = std::string("Software\\QuorvaneContract\\") + test->name();
    std::replace(scratch_.begin(), scratch_.end(), '/', '_');
    deleteTree(*store_, scratch_);
    create("");
}

void RegistryContract::TearDown() { deleteTree(*store_, scratch_); }

std::string RegistryContract::path(const std::string& below) const {
    return below.empty() ? scratch_ : scratch_ + "\\" + below;
}

std::unique_ptr<RegistryKey> RegistryContract::create(const std::string& below) {
    std::unique_ptr<RegistryKey> key;
    bool existed = false;
    EXPECT_EQ(store_->createKey(kCurrentUser, path(below), kKeyRead | kKeyWrite, key, existed),
              kSuccess);
    return key;
}

TEST_P(RegistryContract, CreateMakesEveryLevelAndTellsWhetherTheKeyExisted) {
    std::unique_ptr<RegistryKey> key;
    bool existed = true;
    ASSERT_EQ(store_->createKey(kCurrentUser, path("One\\Two\\Three"), 0, key, existed), kSuccess);
    EXPECT_FALSE(existed);
    EXPECT_EQ(store_->openKey(kCurrentUser, path("One\\Two"), kKeyRead, key), kSuccess);
    ASSERT_EQ(store_->createKey(kCurrentUser, path("One\\Two\\Three"), 0, key, existed), kSuccess);
    EXPECT_TRUE(existed);
}

TEST_P(RegistryContract, KeyAndValueNamesMatchWhateverTheirLetterCase) {
    create("MixedCase\\Sub")->setValue("ValueName", kRegDword, Bytes{1, 0, 0, 0});
    std::unique_ptr<RegistryKey> key;
    ASSERT_EQ(store_->openKey(kCurrentUser, path("MIXEDCASE\\sub"), kKeyRead, key), kSuccess);
    Bytes data;
    EXPECT_EQ(key->queryValue("VALUENAME", 4, data), kSuccess);
    EXPECT_EQ(data, (Bytes{1, 0, 0, 0}));
}

TEST_P(RegistryContract, OpeningAMissingKeyFailsAndAnEmptyPathOpensTheRootAgain) {
    std::unique_ptr<RegistryKey> key;
    EXPECT_EQ(store_->openKey(kCurrentUser, path("Missing"), kKeyRead, key), kFileNotFound);
    EXPECT_FALSE(key);
    EXPECT_EQ(store_->openKey(kCurrentUser, "", kKeyRead, key), kSuccess);
    EXPECT_TRUE(key);
}

TEST_P(RegistryContract, AKeyWithSubkeysIsNotDeletedButALeafIs) {
    create("Parent\\Child");
    EXPECT_NE(store_->deleteKey(kCurrentUser, path("Parent")), kSuccess);
    std::unique_ptr<RegistryKey> key;
    EXPECT_EQ(store_->openKey(kCurrentUser, path("Parent\\Child"), kKeyRead, key), kSuccess);
    key.reset();
    EXPECT_EQ(store_->deleteKey(kCurrentUser, path("Parent\\Child")), kSuccess);
    EXPECT_EQ(store_->deleteKey(kCurrentUser, path("Parent")), kSuccess);
    EXPECT_EQ(store_->openKey(kCurrentUser, path("Parent"), kKeyRead, key), kFileNotFound);
    EXPECT_EQ(store_->deleteKey(kCurrentUser, path("Parent")), kFileNotFound);
}

TEST_P(RegistryContract, StoredFormsOfTheThreeValueTypes) {
    struct Case {
        const char* comment;
        std::uint32_t type;
        Bytes written;
        Bytes stored;
    };
    const Case cases[] = {
        {"text without terminator gets one", kRegSz, bytesOf("abc"),
         bytesOf(std::string("abc\0", 4))},
        {"text with its terminator keeps it", kRegSz, bytesOf(std::string("ab\0", 3)),
         bytesOf(std::string("ab\0", 3))},
        {"empty text is stored with no bytes", kRegSz, Bytes{}, Bytes{}},
        {"code page bytes stay as they are", kRegSz, Bytes{0xE9, 0x80}, Bytes{0xE9, 0x80, 0}},
        {"binary bytes exactly", kRegBinary, Bytes{0x30, 0x00, 0x31, 0x00},
         Bytes{0x30, 0x00, 0x31, 0x00}},
        {"binary with zeros at the end", kRegBinary, Bytes{1, 0, 0}, Bytes{1, 0, 0}},
        {"number little-endian", kRegDword, Bytes{100, 0, 0, 0}, Bytes{100, 0, 0, 0}},
    };
    auto key = create("Forms");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.comment);
        ASSERT_EQ(key->setValue("value", c.type, c.written), kSuccess);
        Bytes data = kSentinel;
        ASSERT_EQ(key->queryValue("value", 4096, data), kSuccess);
        EXPECT_EQ(data, c.stored);
    }
}

TEST_P(RegistryContract, ABufferTooSmallGivesMoreDataAndLeavesTheOutputAlone) {
    auto key = create("Buffers");
    key->setValue("four", kRegBinary, Bytes{1, 2, 3, 4});
    key->setValue("text", kRegSz, bytesOf("abcd"));
    Bytes data = kSentinel;
    EXPECT_EQ(key->queryValue("four", 3, data), kMoreData);
    EXPECT_EQ(data, kSentinel);
    EXPECT_EQ(key->queryValue("text", 4, data), kMoreData);  // four letters and a zero
    EXPECT_EQ(data, kSentinel);
    EXPECT_EQ(key->queryValue("four", 4, data), kSuccess);
    EXPECT_EQ(data, (Bytes{1, 2, 3, 4}));
    EXPECT_EQ(key->queryValue("missing", 4, data), kFileNotFound);
    EXPECT_EQ(data, (Bytes{1, 2, 3, 4}));
}

TEST_P(RegistryContract, DeletedValuesAreGone) {
    auto key = create("Values");
    key->setValue("value", kRegDword, Bytes{1, 0, 0, 0});
    EXPECT_EQ(key->deleteValue("VALUE"), kSuccess);
    Bytes data;
    EXPECT_EQ(key->queryValue("value", 4, data), kFileNotFound);
    EXPECT_EQ(key->deleteValue("value"), kFileNotFound);
}

TEST_P(RegistryContract, SubkeysAreListedInNameOrderWithTheirOwnLetterCase) {
    for (const char* name : {"beta", "Alpha", "gamma", "Delta"})
        create(std::string("List\\") + name);
    std::unique_ptr<RegistryKey> key;
    ASSERT_EQ(store_->openKey(kCurrentUser, path("List"), kKeyRead, key), kSuccess);
    std::vector<std::string> names;
    std::string name;
    std::uint32_t index = 0;
    while (key->enumSubkey(index, 260, name) == kSuccess) {
        names.push_back(name);
        ++index;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Delta", "gamma"}));
    name = "untouched";
    EXPECT_EQ(key->enumSubkey(index, 260, name), kNoMoreItems);
    EXPECT_EQ(name, "untouched");
}

TEST_P(RegistryContract, AnOpenHandleToADeletedKeyStopsWorking) {
    auto key = create("Doomed");
    ASSERT_EQ(store_->deleteKey(kCurrentUser, path("Doomed")), kSuccess);
    EXPECT_NE(key->setValue("value", kRegDword, Bytes{1, 0, 0, 0}), kSuccess);
    Bytes data;
    EXPECT_NE(key->queryValue("value", 4, data), kSuccess);
}

}  // namespace qv::testing
