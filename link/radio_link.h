// The radio link: frames to and from the radio over the attached serial port, and
// the radio and option board commands built on them. Every failure is shown where
// it is found (a message box through the presenter) and kept in m_nStatus.
#pragma once

#include "seams/operation_context.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

class CSerialPort;
struct LinkExchange;

// Link status of the last send, receive or command.
enum : int {
    LINK_OK = 0,
    LINK_NO_RESPONSE = 1,
    LINK_INCOMPLETE = 2,
    LINK_TOO_LONG = 3,
    LINK_CHECKSUM_ERROR = 4,
    LINK_NAK = 5,
    LINK_NOT_SUPPORTED = 6,
    LINK_NO_PORT = 9,
    LINK_UNEXPECTED = 10,
};

// Protocol constants.
constexpr int LINK_ATTEMPTS = 1;
constexpr uint8_t RADIO_ACK = 0x05;
constexpr uint8_t RADIO_NAK = 0x06;
constexpr uint8_t RADIO_NOT_SUPPORTED = 0x86;
constexpr int REPLY_TIMEOUT_MS = 1000;
constexpr int COMMAND_SETTLE_MS = 100;
constexpr int RESET_SETTLE_MS = 1000;
constexpr uint8_t OP_RESET_RADIO = 0x10;
constexpr uint8_t OP_READ_RADIO_INFO = 0x23;
constexpr uint8_t OP_BOARD_MESSAGE = 0x2F;
constexpr uint8_t OP_RADIO_INFO_REPLY = 0x8B;
constexpr uint8_t OP_BOARD_REPLY = 0x8F;

// Board message letters.
constexpr uint8_t BOARD_READ = 0x45;   // 'E'
constexpr uint8_t BOARD_WRITE = 0x44;  // 'D'
constexpr uint8_t BOARD_ANSWER = 0x43; // 'C'

// Limits of frames and buffers.
constexpr size_t RX_FRAME_MAX = 261;      // longest frame received, header to checksum
constexpr size_t RX_DATA_SIZE = 257;      // room for the data field of any complete frame
constexpr int RADIO_INFO_TEXT_SIZE = 40;  // ReadRadioInfo's text buffer, zero included
constexpr int WRITE_BOARD_MAX = 261;      // most bytes WriteBoard accepts
constexpr size_t BOARD_TYPE_BUFFER = 256; // IdentifyBoard's answer buffer

// Board addresses of the functions selected by a read of count 0.
constexpr uint16_t BOARD_FN_IDENTIFY = 0;
constexpr uint16_t BOARD_FN_START_CALIBRATION = 1;
constexpr uint16_t BOARD_FN_CHECK_CALIBRATION = 2;

// The board type text every board operation expects.
extern const char* const BOARD_TYPE_TEXT;

class CRadioLink {
public:
    // The link shows its messages, waits, traces and hears a stop request through
    // its context; without one, through a context of its own.
    CRadioLink();
    explicit CRadioLink(OperationContext& context);
    CRadioLink(const CRadioLink&) = delete;
    CRadioLink& operator=(const CRadioLink&) = delete;

    // Framing.
    // `echoTimeoutMs`: how long to wait for the echo; 0 for the link's own allowance.
    void SendFrame(uint8_t opcode, const uint8_t* data, int count, int echoTimeoutMs = 0);
    void SendExtendedFrame(uint8_t opcode, const uint8_t* data, int count, int echoTimeoutMs = 0);
    // Receives one frame. When `data` is given, up to `capacity` data bytes are
    // copied there and their number stored in `*length` (if given).
    int ReceiveFrame(uint8_t& opcode, uint8_t* data, size_t capacity, int* length, int timeoutMs,
                     int noResponseMessageId);
    static uint8_t FrameChecksum(const uint8_t* bytes, size_t count);

    // Radio commands.
    bool ResetRadio();
    // `timeoutMs` > 0 bounds every receive of the request (echo, acknowledgement,
    // answer) for a caller that polls the line and must not wait the link's full
    // time-outs; a request nobody replied to then ends without the closing pause.
    bool ReadRadioInfo(char* text, uint8_t item, int& textLength, bool quiet, int timeoutMs = 0);

    // Board messages. ReadBoard never writes more than `bufferSize` bytes into
    // `buffer`: the answer's data (cut to bufferSize - 1) followed by a zero byte.
    bool ReadBoard(uint16_t address, int count, uint8_t* buffer, size_t bufferSize, int* dataLength);
    // ReadBoard for data that must come whole: an answer with fewer than `count`
    // bytes is a failed attempt, like a missing one. `received` is the
    // data count of the last answer, or -1 when none came; false with `received`
    // below `count` when the last answer was still short (nothing shown then).
    bool ReadBoardWhole(uint16_t address, int count, uint8_t* buffer, size_t bufferSize, int& received);
    bool WriteBoard(uint16_t address, int count, const uint8_t* data);
    bool IdentifyBoard(const char* expectedType);
    bool StartCalibration();
    bool CheckCalibration();
    static uint8_t BoardChecksum(const uint8_t* bytes, size_t count);

    OperationContext& Context() const { return *m_context; }
    // From now on the link works through `context` (a front end's own).
    void UseContext(OperationContext& context) { m_context = &context; }

    int m_nStatus;
    CSerialPort* m_pPort;
    uint8_t m_nRxOpcode;
    uint32_t m_nRxCount;
    uint8_t m_rxBuffer[RX_FRAME_MAX];
    uint8_t m_rxData[RX_DATA_SIZE];
    int m_nRxDataLength; // data bytes of the last frame received into m_rxData
    // How far the last request got: its echo came back; a frame came in the
    // acknowledgement's place (even a NAK: the radio is on); it was an acknowledgement.
    bool m_bEchoed = false;
    bool m_bReplied = false;
    bool m_bAcknowledged = false;

private:
    OperationContext m_ownContext;
    OperationContext* m_context = &m_ownContext;

    enum class Outcome { Answer, Failed, NoEcho, NotSupported };
    // The command's attempts at the exchange, until `takeAnswer` accepts the answer
    // in m_rxData, then the closing pause. False at once, without the pause, when
    // the request was not echoed.
    bool RunCommand(const LinkExchange& exchange, const uint8_t* request, int count,
                    const std::function<bool()>& takeAnswer);
    Outcome RunExchange(const LinkExchange& exchange, const uint8_t* request, int count);
    void TransmitFrame(uint8_t opcode, const uint8_t* frame, size_t frameSize, int dataCount, int echoTimeoutMs);
    bool ReadBoardFunction(uint16_t function, std::vector<uint8_t>& answer);
    // The data of a read's answer into `buffer` as ReadBoard describes; their count.
    int TakeBoardData(uint8_t* buffer, size_t bufferSize);
    static void BoardReadRequest(uint16_t address, int count, uint8_t* request);
    int ReceiveReply(uint8_t& opcode, int noResponseMessageId, int timeoutMs);
    void ReportRefusal(uint8_t opcode, bool setStatus);
    void FailWith(int status, int messageId);
};
