// The files a command will write, checked before it does anything: each must be
// writable, none may be a backup, the command's own input or another output.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct OutputTarget {
    std::string path;
    size_t expectedSize = 0; // about what it will hold, for the space check
    bool trace = false;      // a problem with the trace is a usage error
};

struct TargetCheck {
    int status = 0;      // 0 all well, 1 refused, 2 a usage error
    std::string message; // what is wrong, when something is
    int messageId = 0;   // its id in the string table
};

TargetCheck CheckTargets(const std::vector<OutputTarget>& outputs, const std::vector<std::string>& inputs);
