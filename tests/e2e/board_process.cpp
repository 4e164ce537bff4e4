#include "tests/e2e/board_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "core/port_settings_record.h"

namespace kavel::test {
namespace {

constexpr int kDeadlineMs = 30000;  // only a broken program (or a very slow host) takes this long

}  // namespace

BoardProcess::BoardProcess(const QString& program, const QStringList& arguments) {
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

BoardProcess::~BoardProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(kDeadlineMs)) m_process.kill();
        m_process.waitForFinished(kDeadlineMs);
    }
}

QByteArray BoardProcess::Start() {
    m_process.start();
    if (!m_process.waitForStarted(kDeadlineMs)) return {};
    QDeadlineTimer deadline(kDeadlineMs);
    while (!m_process.canReadLine() && !deadline.hasExpired()) m_process.waitForReadyRead(100);
    return m_process.readLine().trimmed();
}

void BoardProcess::ReadLines() {
    m_pending += m_process.readAllStandardOutput();
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        m_lines.push_back(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
}

const BoardProcess::Lines& BoardProcess::WaitFor(const std::function<bool(const Lines&)>& done) {
    QDeadlineTimer deadline(kDeadlineMs);
    ReadLines();
    while (!done(m_lines) && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        m_process.waitForReadyRead(50);
        ReadLines();
    }
    return m_lines;
}

void BoardProcess::Kill() {
    m_process.kill();
    m_process.waitForFinished(kDeadlineMs);
}

bool WritePortRecord(ISettingsStore& settings, const std::string& port) {
    auto key = settings.CreateKey(std::string(record::kKeyPath));
    if (!key) return false;
    key->SetString(std::string(record::kPort), port);
    key->SetString(std::string(record::kSpeed), "115200");
    key->SetString(std::string(record::kParity), "NONE");
    key->SetString(std::string(record::kStopBits), "1");
    key->SetString(std::string(record::kDataBits), "8");
    return true;
}

}  // namespace kavel::test
