#include "operations/info_operation.h"

#include "link/radio_link.h"
#include "operations/operation_course.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint16_t TYPE_ADDRESS = 0x0000;
constexpr int TYPE_SIZE = 48;
constexpr uint16_t HARDWARE_ADDRESS = 0x0030;
constexpr uint16_t SOFTWARE_ADDRESS = 0x0040;
constexpr uint16_t CODEPLUG_ADDRESS = 0x0050;
constexpr int VERSION_SIZE = 16;
constexpr uint16_t REMARKS_ADDRESS = 0x0100;
constexpr int REMARKS_SIZE = 256;
constexpr int REMARKS_BLOCK = 48;

// After a failed field read the radio is reset; only if it acknowledged does the
// dialog go on (with that field empty).
bool ResetAfterFieldFailure(CRadioLink& link)
{
    link.ResetRadio();
    const int status = link.m_nStatus;
    link.m_nStatus = LINK_OK;
    return status == LINK_OK;
}

// Reads one text field into the start of the buffer and ends it at its last
// position, so a field without an end of its own loses its last character.
// `whole` is cleared when the answer was shorter than asked.
bool ReadField(CRadioLink& link, uint16_t address, int size, uint8_t* buffer, size_t bufferSize, std::string& text, bool& whole)
{
    int length = 0;
    if (!link.ReadBoard(address, size, buffer, bufferSize, &length)) {
        whole = false;
        return false;
    }
    whole = whole && length >= size;
    buffer[size - 1] = 0;
    text = reinterpret_cast<const char*>(buffer);
    return true;
}

} // namespace

bool ReadBoardRevisions(CRadioLink& link, BoardInfo& info)
{
    uint8_t buffer[VERSION_SIZE + 1] = {};
    bool whole = true;
    return ReadField(link, HARDWARE_ADDRESS, VERSION_SIZE, buffer, sizeof(buffer), info.hardware, whole)
        && ReadField(link, SOFTWARE_ADDRESS, VERSION_SIZE, buffer, sizeof(buffer), info.software, whole);
}

InfoOutcome RunInfoOperation(CRadioLink& link, const std::string& portName)
{
    InfoOutcome info;
    OperationCourse course(link, portName, "information", info.record);
    if (!course.Begin())
        return info;
    if (!course.IdentifyRadioAndBoard()) {
        course.Fail();
        return info;
    }

    // One text buffer for every field: the 256 remarks bytes and a zero behind them.
    uint8_t buffer[REMARKS_SIZE + 1] = {};
    struct Field {
        uint16_t address;
        int size;
        std::string* text;
    };
    const Field fields[] = {
        { TYPE_ADDRESS, TYPE_SIZE, &info.type },
        { HARDWARE_ADDRESS, VERSION_SIZE, &info.hardware },
        { SOFTWARE_ADDRESS, VERSION_SIZE, &info.software },
        { CODEPLUG_ADDRESS, VERSION_SIZE, &info.codeplug },
    };
    bool whole = true;
    for (const Field& field : fields) {
        if (course.StopBeforeNextRequest())
            return info;
        if (!ReadField(link, field.address, field.size, buffer, sizeof(buffer), *field.text, whole)
            && !ResetAfterFieldFailure(link))
            return info;
    }

    bool remarksRead = true;
    for (int offset = 0; offset < REMARKS_SIZE; offset += REMARKS_BLOCK) {
        if (course.StopBeforeNextRequest())
            return info;
        const int size = std::min(REMARKS_BLOCK, REMARKS_SIZE - offset);
        int length = 0;
        if (!link.ReadBoard(static_cast<uint16_t>(REMARKS_ADDRESS + offset), size, buffer + offset,
                                    sizeof(buffer) - static_cast<size_t>(offset), &length)) {
            if (!ResetAfterFieldFailure(link))
                return info;
            remarksRead = false;
            break;
        }
        whole = whole && length >= size;
    }
    if (remarksRead) {
        buffer[REMARKS_SIZE - 1] = 0;
        info.remarks = reinterpret_cast<const char*>(buffer);
    }

    if (!course.ReleaseRadio()) {
        const int status = link.m_nStatus;
        link.m_nStatus = LINK_OK;
        if (status != LINK_OK)
            return info;
    }
    info.show = true;
    info.complete = whole && remarksRead;
    info.record.boardType = info.type;
    info.record.boardHardware = info.hardware;
    info.record.boardSoftware = info.software;
    info.record.boardCodeplug = info.codeplug;
    course.NoteResult(info.complete ? "succeeded" : "shown with fields missing");
    return info;
}
