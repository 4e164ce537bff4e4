#pragma once
// A board program (kavel-board, kavel-avr-board) as a child process on its own
// pseudo-terminal: its first line names the port, every later line reports what the board did.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "platform/settings_store.h"

namespace kavel::test {

class BoardProcess {
public:
    using Lines = std::vector<QByteArray>;

    BoardProcess(const QString& program, const QStringList& arguments);
    ~BoardProcess();

    // Starts the program and returns its first line, empty if none came.
    QByteArray Start();
    // Waits (processing events) until done() holds for the lines after the first, or a
    // deadline passed; returns them.
    const Lines& WaitFor(const std::function<bool(const Lines&)>& done);
    // Ends the board abruptly, as an unplugged cable would.
    void Kill();

private:
    void ReadLines();

    QProcess m_process;
    QByteArray m_pending;
    Lines m_lines;
};

// Kavel's settings pointed at the board's port, 115200 baud, 8 data bits, no parity, 1 stop
// bit; false if the settings key could not be made.
bool WritePortRecord(ISettingsStore& settings, const std::string& port);

}  // namespace kavel::test
