#pragma once
// The serial ports the system reports, as Qt's serial port module lists them.

#include "dialogs/port_lister.h"

namespace kavel {

const IPortLister& SystemPortLister();

}  // namespace kavel
