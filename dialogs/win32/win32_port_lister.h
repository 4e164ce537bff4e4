#pragma once
// The serial ports Windows reports: the values of HKLM\HARDWARE\DEVICEMAP\SERIALCOMM, each a
// port's name ("COM23") under its device's name ("\Device\Serial2").

#include "dialogs/port_lister.h"

namespace kavel::win32 {

const IPortLister& SystemPortLister();

}  // namespace kavel::win32
