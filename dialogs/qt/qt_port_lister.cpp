#include "dialogs/qt/qt_port_lister.h"

#include <QSerialPortInfo>

namespace kavel {
namespace {

class QtPortLister final : public IPortLister {
public:
    std::vector<SystemPort> AvailablePorts() const override {
        std::vector<SystemPort> ports;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
            ports.push_back({info.portName().toStdString(), info.description().toStdString(),
                             info.manufacturer().toStdString()});
        }
        return ports;
    }
};

}  // namespace

const IPortLister& SystemPortLister() {
    static const QtPortLister lister;
    return lister;
}

}  // namespace kavel
