#include "tests/avr/avr_board_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <cstdio>

namespace kavel::test {
namespace {

constexpr int kDeadlineMs = 30000;  // only a broken program (or a very slow host) takes this long

}  // namespace

AvrBoardProcess::AvrBoardProcess() = default;

AvrBoardProcess::~AvrBoardProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(kDeadlineMs)) m_process.kill();
        m_process.waitForFinished(kDeadlineMs);
    }
}

bool AvrBoardProcess::Start() {
    m_process.setProgram(QStringLiteral(KAVEL_AVR_BOARD_PATH));
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(kDeadlineMs)) return false;
    QDeadlineTimer deadline(kDeadlineMs);
    while (!m_process.canReadLine() && !deadline.hasExpired()) m_process.waitForReadyRead(100);
    m_port = QString::fromUtf8(m_process.readLine()).trimmed();
    return m_port.startsWith(QLatin1Char('/'));
}

void AvrBoardProcess::ReadLines() {
    m_pending += m_process.readAllStandardOutput();
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        double t = 0;
        int left = 0;
        int right = 0;
        int pwm = 0;
        if (std::sscanf(line.constData(), "pins t=%lf left=%d right=%d pwm=%d", &t, &left, &right,
                        &pwm) == 4) {
            m_pins.push_back({t * 1e6, left != 0, right != 0, pwm});
        }
    }
}

const std::vector<PinLine>& AvrBoardProcess::WaitFor(
    const std::function<bool(const std::vector<PinLine>&)>& done) {
    QDeadlineTimer deadline(kDeadlineMs);
    ReadLines();
    while (!done(m_pins) && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        m_process.waitForReadyRead(50);
        ReadLines();
    }
    return m_pins;
}

}  // namespace kavel::test
