// The real panel on a pseudo-terminal: a simulated scroll-bar click to the command's last byte
// at the other end, "Send All" against its 250 ms of pauses, a connect against its 4000 ms.
// Usage: bench_panel_link [clicks] [send-alls] [connects]; prints name=value lines.

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <thread>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "panel/qt/child_view.h"
#include "tests/panel/child_view_peer.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/thread_sleeper.h"
#include "core/port_settings_record.h"
#include "tests/fakes/fake_settings_store.h"
#include "tests/fakes/recorders.h"
#include "tests/posix/pty_pair.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

QPoint UpArrow(QScrollBar* bar) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    return bar->style()
        ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, bar)
        .center();
}

void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

int Arg(int argc, char** argv, int i, int fallback) {
    return argc > i ? std::max(1, std::atoi(argv[i])) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const int clicks = Arg(argc, argv, 1, 2000);
    const int send_alls = Arg(argc, argv, 2, 5);
    const int connects = Arg(argc, argv, 3, 3);
    QApplication app(argc, argv);

    kavel::test::PtyPair board;
    kavel::test::FakeSettingsStore settings;
    settings.Put(std::string(kavel::record::kKeyPath), "Port", board.slave_path());
    kavel::posix::PosixSerialDevice serial;
    kavel::test::MessageRecorder messages;
    kavel::ThreadSleeper sleeper;
    kavel::test::UrlRecorder urls;
    kavel::test::ScriptedFileChooser files;
    kavel::CChildView panel({serial, settings, messages, sleeper, urls, files});
    panel.resize(panel.sizeHint());
    panel.show();
    if (!QTest::qWaitForWindowExposed(&panel)) return 1;
    const QPoint usb = QPoint(75, 445) + panel.contentsRect().topLeft();

    // Connects, each against the 4000 ms of pauses.
    std::vector<double> connect_ms;
    for (int i = 0; i < connects; ++i) {
        const auto start = Clock::now();
        QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, usb);
        connect_ms.push_back(Ms(Clock::now() - start));
        if (Peer(panel).m_connected != 1) {
            std::fprintf(stderr, "connect failed\n");
            return 1;
        }
        if (i + 1 < connects) QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, usb);
    }

    // A press on the LeftTime up arrow until the command's last byte is read by the board,
    // which reads on a thread of its own and notes when each 4-byte command is complete
    // (the press's command and the release's repeat).
    QScrollBar* left = Peer(panel).m_left_scroll;
    const QPoint arrow = UpArrow(left);
    const std::size_t commands = 2 * static_cast<std::size_t>(clicks);
    std::vector<Clock::time_point> arrived(commands);
    std::atomic<std::size_t> complete{0};
    std::atomic<bool> lost{false};
    std::thread reader([&] {
        while (complete < commands) {
            if (board.ReadExactly(4).size() != 4) {
                lost = true;
                return;
            }
            arrived[complete] = Clock::now();
            ++complete;
        }
    });
    std::vector<double> click_us;
    for (int i = 0; i < clicks; ++i) {
        const auto start = Clock::now();
        Mouse(left, QEvent::MouseButtonPress, arrow, Qt::LeftButton);
        Mouse(left, QEvent::MouseButtonRelease, arrow, Qt::NoButton);
        const std::size_t press = 2 * static_cast<std::size_t>(i);
        while (complete < press + 2 && !lost) std::this_thread::yield();
        if (lost) break;
        click_us.push_back(Ms(arrived[press] - start) * 1000.0);
    }
    reader.join();
    if (lost) {
        std::fprintf(stderr, "lost bytes\n");
        return 1;
    }

    // "Send All" with its five 50 ms pauses.
    std::vector<double> send_all_ms;
    for (int i = 0; i < send_alls; ++i) {
        const auto start = Clock::now();
        QTest::mouseClick(Peer(panel).m_send_all_button, Qt::LeftButton);
        send_all_ms.push_back(Ms(Clock::now() - start));
        board.ReadAvailable();
    }

    std::printf("click_to_board_median_us=%.1f\n", Percentile(click_us, 0.5));
    std::printf("click_to_board_p99_us=%.1f\n", Percentile(click_us, 0.99));
    std::printf("wire_4_bytes_115200_us=%.0f\n", 4 * 10 / 115200.0 * 1e6);
    std::printf("send_all_median_ms=%.1f\n", Percentile(send_all_ms, 0.5));
    std::printf("connect_median_ms=%.1f\n", Percentile(connect_ms, 0.5));
    return 0;
}
