// A zip file written whole: its members kept in memory, then compressed into
// the file in one go by libzip, which writes a temporary file beside the target
// and renames it over, so a failed write leaves no half-written zip.
#pragma once

#include <string>
#include <vector>

struct ZipMember {
    std::string name;  // its path inside the zip, with / between folders
    std::string bytes;
};

// Writes the members to `path`, replacing what was there. False with `error`
// saying why (in libzip's words) when the file could not be written.
bool WriteZipFile(const std::string& path, const std::vector<ZipMember>& members, std::string& error);

// libzip's version, for the support bundle's list of versions.
std::string ZipLibraryVersion();
