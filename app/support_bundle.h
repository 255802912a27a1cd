// The support bundle: one zip a technician sends to support, holding what helps
// tell why the tool misbehaves on this computer: versions, the system, the
// serial devices, what stands in the way of each port, the settings (without
// secrets), the recent service history, and what only the front end knows (the
// session's serial trace, the open document). Gathered here for both front
// ends; nothing goes over the network.
#pragma once

#include "app/zip_writer.h"
#include "seams/port_resolver.h"

#include <string>
#include <vector>

class QDateTime;

// What the front end adds.
struct SupportBundleParts {
    std::string program;         // "vigilon-oss", "vigilon-oss-cli"
    std::string serialTrace;     // the session's trace; empty: none
    std::string documentPath;    // the open document's file; empty when it has none
    std::string documentBytes;   // the open document as a data file; empty: none open
    std::vector<std::string> ports; // ports or devices to look at besides COM1..COM4
    IPortResolver* resolver = nullptr; // the devices the port names stand for; none: the built-in mapping
    PortHintReader hintReader = PortHintReader::Window; // who reads the hints beside a port that does not open
};

// How many service history entries the bundle keeps, the newest.
constexpr int SUPPORT_BUNDLE_HISTORY_ENTRIES = 50;

// The bundle's members, in the order they are written.
std::vector<ZipMember> GatherSupportBundle(const SupportBundleParts& parts);

// Gathers the bundle and writes it to `path`; false with `error` saying why.
bool WriteSupportBundle(const std::string& path, const SupportBundleParts& parts, std::string& error);

// "vigilon-support-20261209-1432.zip" for a bundle made at that local time.
std::string SupportBundleFileName(const QDateTime& time);
