// The settings store on the real registry calls (Wine's registry), checked against Wine's own
// reg.exe, and the port settings record's reading of a name too long for its buffer.

#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <sstream>

#include "core/port_settings_rules.h"
#include "platform/win32/registry_store.h"
#include "platform/win32/wide_text.h"
#include "core/port_settings_record.h"
#include "tests/win32/wine_test_support.h"

namespace kavel {
namespace {

const std::string kKey(record::kKeyPath);
constexpr std::size_t kBuffer = record::kValueBufferBytes;

struct RegValue {
    std::string type;
    std::string data;
    bool operator==(const RegValue&) const = default;
};

// "reg query HKCU\Software\Kavel" as name -> (type, data); empty when the key is missing.
std::map<std::string, RegValue> RegQuery() {
    std::map<std::string, RegValue> values;
    std::istringstream lines(test::RunCommand("reg query \"HKCU\\Software\\Kavel\""));
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // "    Port    REG_SZ    Com3": four blanks between the columns.
        const auto type_at = line.find("    REG_");
        if (line.rfind("    ", 0) != 0 || type_at == std::string::npos) continue;
        const auto data_at = line.find("    ", type_at + 4);
        const std::string name = line.substr(4, type_at - 4);
        const std::string type = line.substr(type_at + 4, data_at - type_at - 4);
        const std::string data = data_at == std::string::npos ? "" : line.substr(data_at + 4);
        values[name] = {type, data};
    }
    return values;
}

void RegAdd(const std::string& name, const std::string& type, const std::string& data) {
    test::RunCommand("reg add \"HKCU\\Software\\Kavel\" /v " + name + " /t " + type + " /d \"" +
                     data + "\" /f");
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
    EXPECT_TRUE(RegQuery().empty());
    ASSERT_NE(store.CreateKey(kKey), nullptr);
    EXPECT_NE(store.OpenKey(kKey), nullptr);
    EXPECT_NE(store.CreateKey(kKey), nullptr) << "create opens an existing key";
    const std::string listed = test::RunCommand("reg query \"HKCU\\Software\"");
    EXPECT_NE(listed.find("HKEY_CURRENT_USER\\Software\\Kavel"), std::string::npos) << listed;
}

TEST_F(RegistryStoreTest, WrittenTextsAreRegSzThatRegReadsBack) {
    {
        auto key = Create();
        EXPECT_TRUE(key->SetString("Port", "Com3"));
        EXPECT_TRUE(key->SetString("Speed", "115200"));
        EXPECT_TRUE(key->SetString("CustomFile", "C:\\data\\räder.txt"));
    }  // closed here
    auto listed = RegQuery();
    ASSERT_EQ(listed.count("CustomFile"), 1u);
    EXPECT_EQ(listed["CustomFile"].type, "REG_SZ");
    listed.erase("CustomFile");  // the console's code page decides how "ä" prints
    EXPECT_EQ(listed, (std::map<std::string, RegValue>{{"Port", {"REG_SZ", "Com3"}},
                                                       {"Speed", {"REG_SZ", "115200"}}}));

    // The stored size counts the terminating NUL: 2 x (characters + 1).
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kavel", 0, KEY_READ, &raw),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(raw, L"Speed", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2u * (6 + 1));
    EXPECT_EQ(RegQueryValueExW(raw, L"CustomFile", nullptr, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 2u * (17 + 1)) << "UTF-16 units, not UTF-8 bytes";
    RegCloseKey(raw);

    auto key = store.OpenKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->QueryString("CustomFile", 100), "C:\\data\\räder.txt");
}

// What reg.exe stored is read as it stands, whatever its type; numbers are REG_DWORD.
TEST_F(RegistryStoreTest, TextsAreReadWhateverTheirTypeAndNumbersAreRegDword) {
    EXPECT_TRUE(Create()->SetInt("ApplicationLook", 214));
    EXPECT_EQ((RegQuery()["ApplicationLook"]), (RegValue{"REG_DWORD", "0xd6"}));
    RegAdd("Speed", "REG_SZ", "9600 baud");
    RegAdd("DataBits", "REG_DWORD", "55");  // bytes 37 00 00 00: the text "7"
    RegAdd("Parity", "REG_EXPAND_SZ", "even");
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
        key->SetString("Port", "Com5" + std::string(21, '0'));  // 25 characters
    }
    auto key = store.OpenKey(kKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->QueryString("Fits", kBuffer), fits);
    EXPECT_EQ(key->QueryString("TooLong", kBuffer), std::nullopt);
    EXPECT_EQ(key->QueryString("TooLong", kBuffer + 2), too_long);
    EXPECT_EQ(key->QueryString("Euros", kBuffer), euros);
    EXPECT_EQ(key->QueryString("Euros", kBuffer - 2), std::nullopt);
    EXPECT_EQ(rules::PortPath(rules::ReadValue(*key, record::kPort)), "//./Com3")
        << "a port name of 25 characters counts as missing";
}

}  // namespace
}  // namespace kavel
