#pragma once
// kavel-board running as a child process on its own pseudo-terminal: the board the end-to-end
// tests talk to. It prints one JSON object per command it understood.

#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <vector>

namespace kavel::test {

class BoardProcess {
public:
    BoardProcess();
    ~BoardProcess();

    bool Start();
    // The pseudo-terminal path to give Kavel as its port.
    const QString& port() const { return m_port; }
    // Waits (processing events) until at least count commands arrived, or a deadline passed;
    // returns every command's state line received so far.
    const std::vector<QJsonObject>& WaitForCommands(std::size_t count);
    // The "last" field of every command received so far, e.g. "l162".
    std::vector<std::string> Commands() const;
    // Ends the board abruptly, as an unplugged cable would.
    void Kill();

private:
    void ReadLines();

    QProcess m_process;
    QString m_port;
    QByteArray m_pending;
    std::vector<QJsonObject> m_states;
};

}  // namespace kavel::test
