// What every fuzz target shares: the scripted radio input, a clock that never
// sleeps, and a presenter that accepts only the texts this program may show.
#pragma once

#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "resources/string_ids.h"
#include "seams/clock.h"
#include "seams/message_presenter.h"
#include "seams/operation_context.h"
#include "seams/string_table.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// The fuzz programs' own link and record, through the context below.
extern CRadioLink theRadioLink;
extern COptionBoardData theOptionBoardData;

namespace fuzz {

// The context the fuzz programs' link and record work through.
OperationContext& Context();

extern const uint8_t* g_input;
extern size_t g_inputSize;
extern size_t g_position;
extern size_t g_written;

inline void SetInput(const uint8_t* data, size_t size)
{
    g_input = data;
    g_inputSize = size;
    g_position = 0;
    g_written = 0;
}

class VirtualClock : public IClock {
public:
    int64_t NowMs() override { return m_now; }
    void WaitUntil(int64_t deadline) override
    {
        if (deadline > m_now)
            m_now = deadline;
    }
    int64_t m_now = 0;
};

// Every box must carry one of the program's texts; anything else is a fault.
class CheckingPresenter : public IMessagePresenter {
public:
    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        static const int documented[] = {
            IDS_NO_SERIAL_PORT, IDS_RX_CHECKSUM_ERROR, IDS_RX_TOO_LONG, IDS_RX_INCOMPLETE, IDS_NO_RESPONSE_RADIO,
            IDS_NAK_RECEIVED, IDS_UNEXPECTED_RADIO, IDS_NOT_SUPPORTED, IDS_NO_RESPONSE_BOARD, IDS_UNKNOWN_BOARD,
            IDS_UNEXPECTED_BOARD, IDS_FILE_OPEN_FAILED, IDS_FILE_INVALID, IDS_FILE_WRITE_FAILED,
        };
        for (int id : documented) {
            if (request.text == LoadString(id))
                return request.defaultButton;
        }
        if (request.text.rfind("Codeplug version not supported by this OSS.\n", 0) == 0)
            return request.defaultButton;
        std::fprintf(stderr, "undocumented message: %s\n", request.text.c_str());
        std::abort();
    }
};

// Puts the clock and the presenter into the context once for the whole run.
inline void Setup()
{
    static VirtualClock clock;
    static CheckingPresenter presenter;
    Context().clock = &clock;
    Context().presenter = &presenter;
    theOptionBoardData.context = &Context();
}

} // namespace fuzz
