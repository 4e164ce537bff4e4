// The real settings store (INI files through QSettings) in a temporary configuration folder.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "core/serial_link.h"
#include "dialogs/qt/com_settings_dlg.h"
#include "platform/qt/qsettings_store.h"
#include "res/resource_ids.h"
#include "tests/dialogs/settings_test_support.h"
#include "tests/fakes/fake_services.h"

namespace kavel::test {
namespace {

std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Stands in for a full disk: no file of this process may grow, so neither the lock file nor
// the replacement file can be written (the signal that would end the process is ignored and
// the write fails instead, as it does with ENOSPC).
class FullDisk {
public:
    FullDisk() {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit none = m_saved;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
        m_handler = signal(SIGXFSZ, SIG_IGN);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        signal(SIGXFSZ, m_handler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_saved{};
    sighandler_t m_handler{};
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { UseFolder(m_dir.path()); }
    void TearDown() override { chmod(QFile::encodeName(m_dir.path()).constData(), 0700); }
    static void UseFolder(const QString& folder) {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }
    static QString File() { return QString::fromStdString(qt::SettingsFileFor(kKey)); }
    void Write(const std::string& name, const std::string& value) {
        auto key = store.CreateKey(kKey);
        ASSERT_NE(key, nullptr);
        EXPECT_TRUE(key->SetString(name, value));
    }
    // A value read through a fresh key, as every reader of the program does.
    std::optional<std::string> Read(const std::string& name, std::size_t bytes = 1000) {
        auto key = store.OpenKey(kKey);
        return key ? key->QueryString(name, bytes) : std::nullopt;
    }

    QTemporaryDir m_dir;
    qt::QSettingsStore store;
};

TEST_F(QSettingsStoreTest, AKeyExistsExactlyWhenItsFileDoes) {
    EXPECT_EQ(File(), m_dir.filePath("Kavel.conf"));
    EXPECT_EQ(store.OpenKey(kKey), nullptr);
    ASSERT_NE(store.CreateKey(kKey), nullptr);
    EXPECT_TRUE(QFile::exists(File()));  // before any value is written
    EXPECT_NE(store.OpenKey(kKey), nullptr);
    EXPECT_EQ(Read("Port"), std::nullopt);
    QFile::remove(File());
    EXPECT_EQ(store.OpenKey(kKey), nullptr);
}

TEST_F(QSettingsStoreTest, TextsComeBackUnchangedWhenTheyFitTheBuffer) {
    const std::string e_acute = "\xC3\xA9", pair = "\xF0\x9F\x98\x80";  // 1 and 2 UTF-16 units
    const std::pair<std::string, bool> fits_50_bytes[] = {
        {"", true}, {std::string(24, 'x'), true}, {std::string(25, 'x'), false},
        {Repeat(e_acute, 24), true}, {Repeat(e_acute, 25), false},
        {Repeat(pair, 12), true}, {Repeat(pair, 12) + "x", false},
        {"C:\\my dir\\a=b;c#d.txt", true}, {" \"quoted\" ", true}, {"two\nlines", true},
        {"[General]", true}, {std::string(499, 'p'), false},
    };
    for (const auto& [text, fits] : fits_50_bytes) {
        SCOPED_TRACE(text);
        Write("Speed", text);
        EXPECT_EQ(Read("Speed", 50), fits ? std::optional(text) : std::nullopt);
        EXPECT_EQ(Read("Speed", 1000), text);
    }
}

TEST_F(QSettingsStoreTest, AGarbledFileKeepsWhatParsesAndTheNextWriteRepairsIt) {
    const std::pair<QByteArray, std::optional<std::string>> files[] = {
        {QByteArray("\x00\xff garbage\x01\n[General]\nPort=Com5\nnot a pair\nSpeed=9600\n", 54), "Com5"},
        {"Port=Com5\n[unterminated\nSpeed=9600\n===\n", "Com5"},
        {"Port=Com5\n" + QByteArray(100000, '\x07'), "Com5"},
        {QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16), std::nullopt},
    };
    for (const auto& [bytes, port] : files) {
        SCOPED_TRACE(bytes.left(12).toHex().toStdString());
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        EXPECT_EQ(Read("Port"), port);
        const auto speed = Read("Speed");
        Write("Parity", "EVEN");
        EXPECT_EQ(QSettings(File(), QSettings::IniFormat).status(), QSettings::NoError);
        EXPECT_EQ(Read("Parity"), "EVEN");
        EXPECT_EQ(Read("Port"), port);
        EXPECT_EQ(Read("Speed"), speed);
    }
}

TEST_F(QSettingsStoreTest, AFolderNobodyCanWriteGivesNoKey) {
    UseFolder("/proc/kavel-settings-test");  // not even root can create anything there
    EXPECT_EQ(store.CreateKey(kKey), nullptr);
    EXPECT_EQ(store.OpenKey(kKey), nullptr);
}

// OK in Com Settings on a full disk stores nothing, and this run's next connect opens the port
// that is stored, as the next run will.
TEST_F(QSettingsStoreTest, SettingsThatCouldNotBeSavedAreNotUsed) {
    Write("Port", "Com5");
    const QByteArray stored = Contents(File());
    FakeServices fakes;
    ListedPorts ports;
    {
        const FullDisk full;
        CComSettingsDlg com(store, fakes.messages, ports);
        com.OnInitDialog();
        PickWithKeys(com.m_control_port, "Com9");
        PickWithKeys(com.m_control_speed, "9600");
        QTest::mouseClick(com.GetDlgItem(ids::IDOK), Qt::LeftButton);
    }
    EXPECT_EQ(Contents(File()), stored);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Kavel.conf"});
    EXPECT_EQ(Read("Speed"), std::nullopt);

    SerialLink link(fakes.serial, store, fakes.messages, fakes.sleeper);
    EXPECT_TRUE(link.OpenPort());
    EXPECT_EQ(fakes.serial.opened_paths, std::vector<std::string>{"//./Com5"});
    EXPECT_EQ(fakes.serial.applied.at(0).BaudRate, 115200u);
}

}  // namespace
}  // namespace kavel::test
