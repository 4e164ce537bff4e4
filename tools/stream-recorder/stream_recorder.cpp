// kavel-record-streams: records the bytes the real Kavel panel writes to its serial port, for
// the simulated board's tests (tests/avr/data/kavel-session.txt). The panel runs offscreen
// with the real serial device and its real pauses on a pseudo-terminal; a thread reads the
// other end every millisecond and notes when each read came. It drives the panel as the tests
// do, so it uses their fakes and helpers. Usage: kavel-record-streams OUTPUT-FILE

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "panel/qt/child_view.h"
#include "tests/panel/child_view_peer.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "platform/qt/qsettings_store.h"
#include "tests/board/board_process.h"
#include "tests/fakes/recorders.h"
#include "tests/panel/panel_test_support.h"
#include "tests/posix/pty_pair.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kSettle = std::chrono::milliseconds(300);  // after an action, for its last bytes

struct Read {
    std::string section;
    Clock::time_point at;
    std::string bytes;
};

class Recorder {
public:
    explicit Recorder(kavel::test::PtyPair& pty) : pty_(pty), thread_([this] { Loop(); }) {}
    ~Recorder() {
        stop_ = true;
        thread_.join();
    }
    void Section(const std::string& name) {
        std::lock_guard lock(mutex_);
        section_ = name;
        starts_.push_back({name, Clock::now(), ""});
    }
    std::vector<Read> Sections() {
        std::lock_guard lock(mutex_);
        return starts_;
    }
    std::vector<Read> Reads() {
        std::lock_guard lock(mutex_);
        return reads_;
    }

private:
    void Loop() {
        while (!stop_) {
            std::string bytes = pty_.ReadAvailable();
            if (!bytes.empty()) {
                std::lock_guard lock(mutex_);
                reads_.push_back({section_, Clock::now(), std::move(bytes)});
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    kavel::test::PtyPair& pty_;
    std::mutex mutex_;
    std::string section_;
    std::vector<Read> starts_;
    std::vector<Read> reads_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void Type(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->setText(QString::fromLatin1(text));
    QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kavel-record-streams OUTPUT-FILE\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());

    using namespace kavel;
    test::PtyPair pty;
    if (!pty.ok()) return 1;
    qt::QSettingsStore settings;
    if (!test::WritePortRecord(settings, pty.slave_path())) return 1;

    posix::PosixSerialDevice serial;
    ThreadSleeper pauses;
    test::MessageRecorder messages;
    test::UrlRecorder urls;
    test::ScriptedFileChooser files;
    auto panel = std::make_unique<CChildView>(Services{serial, settings, messages, pauses, urls, files});
    panel->resize(panel->sizeHint());
    panel->show();
    if (!QTest::qWaitForWindowExposed(panel.get())) return 1;

    Recorder recorder(pty);
    auto settle = [] { std::this_thread::sleep_for(kSettle); };

    recorder.Section("connect");
    QTest::mouseClick(panel.get(), Qt::LeftButton, Qt::NoModifier,
                      test::kUsbCentre + panel->contentsRect().topLeft());
    if (Peer(*panel).m_connected != 1) {
        std::fprintf(stderr, "kavel-record-streams: the panel did not connect\n");
        return 1;
    }
    settle();

    recorder.Section("scroll");  // the left time's up arrow, then the duty cycle's trough below
    QTest::mouseClick(Peer(*panel).m_left_scroll, Qt::LeftButton, Qt::NoModifier,
                      test::ScrollBarPart(Peer(*panel).m_left_scroll, QStyle::SC_ScrollBarSubLine).center());
    QTest::mouseClick(Peer(*panel).m_duty_scroll, Qt::LeftButton, Qt::NoModifier,
                      test::ScrollBarPart(Peer(*panel).m_duty_scroll, QStyle::SC_ScrollBarAddPage).center());
    settle();

    recorder.Section("typed");
    Type(Peer(*panel).m_left_edit, "12");
    Type(Peer(*panel).m_right_edit, "8");
    Type(Peer(*panel).m_duty_edit, "60");
    Type(Peer(*panel).m_smooth_edit, "3");
    Type(Peer(*panel).m_offtime_edit, "250");
    settle();

    recorder.Section("send all");
    QTest::mouseClick(Peer(*panel).m_send_all_button, Qt::LeftButton);
    settle();

    recorder.Section("start");
    QTest::mouseClick(Peer(*panel).m_start_button, Qt::LeftButton);
    settle();

    recorder.Section("stop");
    QTest::mouseClick(Peer(*panel).m_stop_button, Qt::LeftButton);
    settle();

    std::ofstream out(argv[1], std::ios::binary);
    out << "# Bytes the real Kavel panel wrote to its serial port, recorded by kavel-record-streams\n"
           "# (tools/stream-recorder/stream_recorder.cpp): the panel offscreen with the real serial\n"
           "# device and its real pauses, a pseudo-terminal as the port, read every millisecond.\n"
           "# \"@ name\" starts a section (one user action); each other line is one read: the\n"
           "# milliseconds since the section began, a blank, the bytes.\n";
    const std::vector<Read> reads = recorder.Reads();
    for (const Read& section : recorder.Sections()) {
        out << "@ " << section.section << "\n";
        for (const Read& read : reads) {
            if (read.section != section.section) continue;
            const auto ms =
                std::chrono::duration_cast<std::chrono::milliseconds>(read.at - section.at).count();
            out << ms << " " << read.bytes << "\n";
        }
    }
    return out.good() ? 0 : 1;
}
