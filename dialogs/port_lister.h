#pragma once
// The serial ports the system reports, for the Com Settings port list. Behind an interface so
// that tests can hand the dialog any list of ports.

#include <string>
#include <vector>

namespace kavel {

struct SystemPort {
    std::string name;  // device name, e.g. "ttyACM0" (opened as /dev/ttyACM0)
    std::string description;
    std::string manufacturer;
    bool operator==(const SystemPort&) const = default;
};

class IPortLister {
public:
    virtual ~IPortLister() = default;
    virtual std::vector<SystemPort> AvailablePorts() const = 0;
};

// The ports to list after "Com1" .. "Com18": each name once, in the order reported, without
// empty names, without the devices that "Com1" .. "Com18" already name, and without names too
// long for the port settings record's readers (more than 24 characters).
std::vector<SystemPort> ExtraPortEntries(const std::vector<SystemPort>& reported);

// The text shown when the pointer rests on a listed port: description and manufacturer.
std::string PortToolTip(const SystemPort& port);

}  // namespace kavel
