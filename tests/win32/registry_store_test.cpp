// The settings store on the real registry calls (Wine's registry): keys, texts and their
// stored sizes, values of any type another program stored, and a text too long for its
// buffer (what the link makes of a port name that long is tests/core/serial_link_test.cpp's).
// What reg.exe shows of the program's own writes (the record as REG_SZ texts, ApplicationLook
// as a REG_DWORD) is the GUI test's, tests/win32/kavel_gui_test.py.

#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/registry_store.h"
#include "platform/win32/wide_text.h"
#include "core/port_settings_record.h"

namespace kavel {
namespace {

const std::string kKey(record::kKeyPath);
constexpr std::size_t kBuffer = record::kValueBufferBytes;

// A value as another program stores it, of the type it chose.
void StoreRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Kavel", name, type, data, bytes);
}

class RegistryStoreTest : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, win32::Widen(kKey).c_str()); }
    void TearDown() override { SetUp(); }

    std::unique_ptr<ISettingsKey> Create() {
        auto key = store.CreateKey(kKey);
        EXPECT_NE(key, nullptr);
        return key;
    }

    win32::RegistryStore store;
};

TEST_F(RegistryStoreTest, OpenFindsOnlyAnExistingKeyCreateMakesIt) {
    EXPECT_EQ(store.OpenKey(kKey), nullptr) << "no key on a first run";
    ASSERT_NE(store.CreateKey(kKey), nullptr);
    EXPECT_NE(store.OpenKey(kKey), nullptr);
    EXPECT_NE(store.CreateKey(kKey), nullptr) << "create opens an existing key";
}

// REG_SZ, its stored size counting the terminating NUL in UTF-16 units: 2 x (characters + 1).
TEST_F(RegistryStoreTest, WrittenTextsAreRegSzInUtf16WithTheirNul) {
    {
        auto key = Create();
        EXPECT_TRUE(key->SetString("Speed", "115200"));
        EXPECT_TRUE(key->SetString("CustomFile", "C:\\data\\räder.txt"));
    }  // closed here
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kavel", 0, KEY_READ, &raw),
              ERROR_SUCCESS);
    for (const auto& [name, characters] : {std::pair{L"Speed", 6u}, {L"CustomFile", 17u}}) {
        DWORD type = 0, size = 0;
        EXPECT_EQ(RegQueryValueExW(raw, name, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(std::pair(type, size), (std::pair<DWORD, DWORD>(REG_SZ, 2 * (characters + 1))));
    }
    RegCloseKey(raw);
    EXPECT_EQ(store.OpenKey(kKey)->QueryString("CustomFile", 100), "C:\\data\\räder.txt");
}

// What another program stored is read as it stands, whatever its type; numbers read back.
TEST_F(RegistryStoreTest, TextsAreReadWhateverTheirTypeAndNumbersReadBack) {
    EXPECT_TRUE(Create()->SetInt("ApplicationLook", 214));
    const DWORD data_bits = 55;  // bytes 37 00 00 00: the text "7"
    StoreRaw(L"Speed", REG_SZ, L"9600 baud", sizeof L"9600 baud");
    StoreRaw(L"DataBits", REG_DWORD, &data_bits, sizeof data_bits);
    StoreRaw(L"Parity", REG_EXPAND_SZ, L"even", sizeof L"even");
    auto key = store.OpenKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->QueryString("Speed", kBuffer), "9600 baud");
    EXPECT_EQ(key->QueryString("DataBits", kBuffer), "7");
    EXPECT_EQ(key->QueryString("Parity", kBuffer), "even");
    EXPECT_EQ(key->QueryString("Absent", kBuffer), std::nullopt);
    EXPECT_EQ(key->QueryInt("ApplicationLook"), 214);
    EXPECT_EQ(key->QueryInt("Speed"), std::nullopt);
    EXPECT_EQ(key->QueryInt("Missing"), std::nullopt);
}

TEST_F(RegistryStoreTest, AValueTooLongForTheBufferFailsInsteadOfBeingCut) {
    const std::string fits(24, 'x');      // 50 bytes with its NUL
    const std::string too_long(25, 'x');  // 52 bytes: ERROR_MORE_DATA
    const std::string euros = "€€€€€€€€€€€€€€€€€€€€€€€€";  // 24 UTF-16 units, 72 UTF-8 bytes
    {
        auto key = Create();
        key->SetString("Fits", fits);
        key->SetString("TooLong", too_long);
        key->SetString("Euros", euros);
    }
    auto key = store.OpenKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->QueryString("Fits", kBuffer), fits);
    EXPECT_EQ(key->QueryString("TooLong", kBuffer), std::nullopt);
    EXPECT_EQ(key->QueryString("TooLong", kBuffer + 2), too_long);
    EXPECT_EQ(key->QueryString("Euros", kBuffer), euros);
    EXPECT_EQ(key->QueryString("Euros", kBuffer - 2), std::nullopt);
}

}  // namespace
}  // namespace kavel
