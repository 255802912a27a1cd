// Accelerometer calibration: the board calibrates itself while the technician
// turns the radio; nothing but start and check travels over the link.
#pragma once

#include "link/radio_link.h"
#include "operations/operation_record.h"

#include <string>

struct CalibrationOutcome {
    // The board reported a successful calibration and the radio was released.
    bool calibrated = false;
    OperationRecord record; // empty of radio facts when the user declined
};

// Asks for confirmation, then runs the calibration over the named port.
CalibrationOutcome RunCalibrationOperation(CRadioLink& link, const std::string& portName);
