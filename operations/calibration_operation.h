// Accelerometer calibration: the board calibrates itself while the technician
// turns the radio; nothing but start and check travels over the link.
#pragma once

#include "link/radio_link.h"

#include <string>

// Asks for confirmation, then runs the calibration over the named port. True
// when the board reported a successful calibration and the radio was released.
bool RunCalibrationOperation(CRadioLink& link, const std::string& portName);
