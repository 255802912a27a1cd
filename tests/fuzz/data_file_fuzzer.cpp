// Loading arbitrary files as option board data files: a file is either taken
// whole (version at most 1, a valid image) or refused with its message and the
// record untouched.
#include "board/option_board_data.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Setup();
    static const std::string path = "/tmp/vigilon-fuzz-" + std::to_string(::getpid()) + ".vgd";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    COptionBoardData& record = theOptionBoardData;
    record.ResetAll();
    uint8_t before[SETTINGS_IMAGE_SIZE];
    record.ToImage(before);
    const bool loaded = record.LoadFromFile(path);
    uint8_t after[SETTINGS_IMAGE_SIZE];
    record.ToImage(after);

    uint8_t bytes[DATA_FILE_SIZE] = {};
    for (size_t i = 0; i < size && i < DATA_FILE_SIZE; ++i)
        bytes[i] = data[i];
    const unsigned sum = [&] {
        unsigned s = 0;
        for (size_t i = 4; i < DATA_FILE_SIZE; ++i)
            s += bytes[i];
        return s;
    }();
    const bool valid = bytes[0] <= 1 && sum != 0 && (static_cast<unsigned>(bytes[2]) << 8 | bytes[3]) == sum;
    if (loaded != valid)
        std::abort();
    if (!loaded && std::memcmp(before, after, sizeof(before)) != 0)
        std::abort();
    return 0;
}
