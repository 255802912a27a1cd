// The data file's layout: the codeplug version, then the settings image as the
// board holds it. Backups of settings are data files too.
#pragma once

#include <cstddef>

constexpr size_t SETTINGS_IMAGE_SIZE = 24;  // the settings area of board memory
constexpr size_t DATA_FILE_HEADER_SIZE = 2; // codeplug version major, minor
constexpr size_t DATA_FILE_SIZE = DATA_FILE_HEADER_SIZE + SETTINGS_IMAGE_SIZE;
