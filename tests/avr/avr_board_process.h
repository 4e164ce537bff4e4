#pragma once
// kavel-avr-board as a child process: the real sketch on a simulated ATmega328P, on its own
// pseudo-terminal, reporting every change of the drive's outputs with its simulated time.

#include <QProcess>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace kavel::test {

struct PinLine {
    double t_us = 0;  // simulated time
    bool left = false;
    bool right = false;
    int pwm = 0;
};

class AvrBoardProcess {
public:
    AvrBoardProcess();
    ~AvrBoardProcess();

    bool Start();
    // The pseudo-terminal path to give Kavel as its port.
    const QString& port() const { return m_port; }
    // Waits (processing events) until done() says so for the output changes so far, or a
    // deadline passed; returns them.
    const std::vector<PinLine>& WaitFor(const std::function<bool(const std::vector<PinLine>&)>& done);
    const std::vector<PinLine>& pins() const { return m_pins; }

private:
    void ReadLines();

    QProcess m_process;
    QString m_port;
    QByteArray m_pending;
    std::vector<PinLine> m_pins;
};

}  // namespace kavel::test
