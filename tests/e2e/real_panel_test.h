#pragma once
// The real panel, the real serial device and settings files (in a fresh folder), pointed at a
// board's port: what the end-to-end tests drive, against kavel-board or kavel-avr-board.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "panel/qt/child_view.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/qt/qsettings_store.h"
#include "tests/board/board_process.h"
#include "tests/fakes/recorders.h"
#include "tests/panel/child_view_peer.h"
#include "tests/panel/panel_test_support.h"

namespace kavel::test {

class RealPanelTest : public testing::Test {
protected:
    // The settings in the fresh folder, their record naming this port at 115200 8N1.
    void UsePort(const std::string& port) {
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        ASSERT_TRUE(WritePortRecord(settings, port));
    }

    void ShowPanel() {
        panel = std::make_unique<CChildView>(
            Services{serial, settings, messages, no_pauses, urls, files});
        panel->resize(panel->sizeHint());
        panel->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    }

    void ClickUsb() {
        QTest::mouseClick(panel.get(), Qt::LeftButton, {},
                          kUsbCentre + panel->contentsRect().topLeft());
    }

    void ConnectWithoutPauses() {
        ShowPanel();
        ClickUsb();
        ASSERT_EQ(Peer(*panel).m_connected, 1) << (messages.shown.empty() ? "" : messages.shown[0].text);
        no_pauses.pauses.clear();
    }

    // A value typed into a box and Enter.
    static void Type(QLineEdit* edit, const char* text) {
        edit->setFocus();
        edit->setText(QString::fromLatin1(text));
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QTemporaryDir config;
    posix::PosixSerialDevice serial;
    qt::QSettingsStore settings;
    MessageRecorder messages;
    SleepRecorder no_pauses;
    UrlRecorder urls;
    ScriptedFileChooser files;
    std::unique_ptr<CChildView> panel;
};

}  // namespace kavel::test
