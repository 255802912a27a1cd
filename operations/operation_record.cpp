#include "operations/operation_record.h"

#include <algorithm>

DataFileBytes DataFileForm(int32_t major, int32_t minor, const uint8_t* image)
{
    DataFileBytes bytes{};
    bytes[0] = static_cast<uint8_t>(major);
    bytes[1] = static_cast<uint8_t>(minor);
    std::copy(image, image + SETTINGS_IMAGE_SIZE, bytes.begin() + DATA_FILE_HEADER_SIZE);
    return bytes;
}
