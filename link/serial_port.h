// One open serial port to the radio's programming cable: 9600 baud, 8N1, no
// handshake, DTR and RTS held off, used exclusively, byte-wise reads that give up
// after about one second of silence. Knows nothing of frames.
#pragma once

#ifdef _WIN32
#include <windows.h>
#include <deque>
#include <memory>
#endif

class CSerialPort {
public:
    CSerialPort();
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the port by its name (COM1..COM4, resolved to a device by the port
    // resolver, or a device path). True when the port is open and configured.
    bool Open(const char* portName);
    void Close();
    bool IsOpen() const;

    // Bytes read into buffer; 0 when none arrived within the read time-outs.
    int Read(unsigned char* buffer, int count);
    // Bytes taken for transmission; 0 on failure. Does not wait for the line.
    int Write(const unsigned char* buffer, int count);
    // The byte as 0..255, or -1 when none arrived within about 1000 ms.
    int ReadByte();
    // The byte's value when it was taken for transmission, -1 otherwise.
    int WriteByte(int byte);

    // Discards what is waiting in the input queue (and aborts a pending read).
    void PurgeReceive();
    // Discards both queues, in and out.
    void PurgeAll();

private:
#ifdef _WIN32
    struct PendingWrite;
    void ReapWrites(bool waitForAll);

    HANDLE m_hComm;
    OVERLAPPED m_ovRead;
    OVERLAPPED m_ovWrite; // template for each write's own control block
    std::deque<std::unique_ptr<PendingWrite>> m_pendingWrites;
#else
    int m_hComm;
#endif
};

// Read time-outs of the port: the whole read, and the gap between two bytes of one read.
constexpr int SERIAL_READ_TOTAL_MS = 1000;
constexpr int SERIAL_READ_INTERVAL_MS = 250;
// Driver queue sizes, in and out.
constexpr int SERIAL_QUEUE_SIZE = 4096;
