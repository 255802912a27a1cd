// One open serial port to the radio's programming cable: 9600 baud, 8N1, no
// handshake, DTR and RTS held off, used exclusively, byte-wise reads that give up
// after about one second of silence. Knows nothing of frames.
#pragma once

#include "seams/operation_context.h"

#include <memory>
#include <string>

// Why an Open failed, for messages that tell the user what to do about it.
// NotSerialDevice: a file, folder, named pipe or device that is no serial line.
enum class PortOpenFailure { None, NoSuchDevice, PermissionDenied, Busy, NotSerialDevice, Other };

// Read time-outs of the port: the whole read, and the gap between two bytes of one read.
constexpr int SERIAL_READ_TOTAL_MS = 1000;
constexpr int SERIAL_READ_INTERVAL_MS = 250;

class CSerialPort {
public:
    // Waits, traces and notes a vanished device through `context`; without one,
    // through a quiet context of the port's own.
    CSerialPort();
    explicit CSerialPort(OperationContext& context);
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens the port by its name (COM1..COM4, resolved to a device by the port
    // resolver, or a device path). True when the port is open and configured.
    bool Open(const char* portName);
    void Close();
    bool IsOpen() const;

    // The device went away while the port was open (its USB cable pulled): from
    // then on reads and writes fail at once instead of waiting out their time-outs.
    bool Vanished() const { return m_vanished; }

    // Why the last Open failed; None after one that succeeded.
    PortOpenFailure LastOpenFailure() const { return m_lastOpenFailure; }
    // The device the last Open resolved the port name to.
    const std::string& Device() const { return m_device; }

    // Bytes read into buffer; 0 when none arrived within the read time-outs.
    // `totalMs` shortens the whole read's time-out for a caller that must not
    // wait a full second (it never lengthens it).
    int Read(unsigned char* buffer, int count, int totalMs = SERIAL_READ_TOTAL_MS);
    // Bytes taken for transmission; 0 on failure. Does not wait for the line.
    int Write(const unsigned char* buffer, int count);
    // The byte as 0..255, or -1 when none arrived within about 1000 ms (or `totalMs`).
    int ReadByte(int totalMs = SERIAL_READ_TOTAL_MS);
    // The byte's value when it was taken for transmission, -1 otherwise.
    int WriteByte(int byte);
    // The caller is about to read `count` bytes the radio is sending. While none is
    // waiting, sleeps as long as the line needs for all but the last of them (at
    // most one idle slice), so a frame costs a few wake-ups instead of one a byte;
    // the last byte is still read the moment it arrives.
    void AwaitBytes(int count);

    // Discards what is waiting in the input queue (and aborts a pending read).
    void PurgeReceive();
    // Discards both queues, in and out.
    void PurgeAll();

private:
    // The platform's handle and control blocks, defined by each platform's body
    // so that this header needs no system header.
    struct Impl;
    // Whether a byte waits in the input queue (true when that cannot be told).
    bool InputWaiting();
    // Notes that the device has gone, here and in the context for the front ends.
    void NoteVanished();

    OperationContext& Context() { return *m_context; }

    std::unique_ptr<Impl> m_impl;
    OperationContext m_ownContext;
    OperationContext* m_context = &m_ownContext;
    std::string m_device;
    PortOpenFailure m_lastOpenFailure = PortOpenFailure::None;
    bool m_vanished = false;
};

// Driver queue sizes, in and out.
constexpr int SERIAL_QUEUE_SIZE = 4096;
// Time one byte takes on the line: 10 bits (8N1) at 9600 baud.
constexpr int SERIAL_BYTE_TIME_US = 10 * 1000000 / 9600;
