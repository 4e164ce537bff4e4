#include "tests/e2e/board_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QThread>

namespace kavel::test {
namespace {

constexpr int kDeadlineMs = 10000;  // only a broken program takes this long

}  // namespace

BoardProcess::BoardProcess() = default;

BoardProcess::~BoardProcess() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(kDeadlineMs)) m_process.kill();
        m_process.waitForFinished(kDeadlineMs);
    }
}

bool BoardProcess::Start() {
    m_process.setProgram(QStringLiteral(KAVEL_BOARD_PATH));
    m_process.setArguments({QStringLiteral("--json")});
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start();
    if (!m_process.waitForStarted(kDeadlineMs)) return false;
    // The first line names the port.
    QDeadlineTimer deadline(kDeadlineMs);
    while (!m_process.canReadLine() && !deadline.hasExpired()) {
        m_process.waitForReadyRead(100);
    }
    const QJsonObject hello = QJsonDocument::fromJson(m_process.readLine()).object();
    m_port = hello.value(QStringLiteral("port")).toString();
    return !m_port.isEmpty();
}

void BoardProcess::ReadLines() {
    m_pending += m_process.readAllStandardOutput();
    for (qsizetype end = m_pending.indexOf('\n'); end >= 0; end = m_pending.indexOf('\n')) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        if (doc.isObject()) m_states.push_back(doc.object());
    }
}

const std::vector<QJsonObject>& BoardProcess::WaitForCommands(std::size_t count) {
    QDeadlineTimer deadline(kDeadlineMs);
    ReadLines();
    while (m_states.size() < count && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        m_process.waitForReadyRead(50);
        ReadLines();
    }
    return m_states;
}

std::vector<std::string> BoardProcess::Commands() const {
    std::vector<std::string> commands;
    for (const QJsonObject& state : m_states) {
        commands.push_back(state.value(QStringLiteral("last")).toString().toStdString());
    }
    return commands;
}

void BoardProcess::Kill() {
    m_process.kill();
    m_process.waitForFinished(kDeadlineMs);
}

}  // namespace kavel::test
