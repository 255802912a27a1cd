// The serial port against a real pseudo-terminal: opening, exclusive use, the read
// time-out, byte values and the purges.
#include "link/port_resolver.h"
#include "link/serial_port.h"
#include "tests/support/cpu_time.h"
#include "tests/support/map_resolver.h"
#include "tests/support/pty_peer.h"
#include "tests/support/sim_link.h"

#include <gtest/gtest.h>

#include <ctime>
#include <map>
#include <termios.h>

TEST(SerialPort, MissingDeviceFailsToOpenAndStaysClosed)
{
    MapResolver resolver({});
    CSerialPort port(TestContext());
    EXPECT_FALSE(port.Open("COM3"));
    EXPECT_FALSE(port.IsOpen());
    port.Close();
    port.Close(); // closing a closed port twice is harmless
    EXPECT_FALSE(port.IsOpen());
}

TEST(SerialPort, DeviceThatIsNoSerialLineFailsToOpen)
{
    CSerialPort port(TestContext());
    EXPECT_FALSE(port.Open("/dev/null"));
}

TEST(SerialPort, PortNamesAreResolvedThroughTheResolver)
{
    PtyPeer peer;
    MapResolver resolver({ { "COM2", peer.DevicePath() } });
    CSerialPort port(TestContext());
    EXPECT_FALSE(port.Open("COM1"));
    ASSERT_TRUE(port.Open("COM2"));
    EXPECT_EQ(port.WriteByte(0x5A), 0x5A);
    EXPECT_EQ(peer.WaitForBytes(1, 1000), ByteString({ 0x5A }));
}

TEST(SerialPort, SecondOpenOfAHeldDeviceFailsUntilTheFirstCloses)
{
    PtyPeer peer;
    CSerialPort first(TestContext());
    CSerialPort second(TestContext());
    ASSERT_TRUE(first.Open(peer.DevicePath().c_str()));
    EXPECT_FALSE(second.Open(peer.DevicePath().c_str()));
    EXPECT_FALSE(second.IsOpen());
    first.Close();
    EXPECT_TRUE(second.Open(peer.DevicePath().c_str()));
}

TEST(SerialPort, AFailedOpenSaysWhyAndWhichDevice)
{
    PtyPeer peer;
    MapResolver resolver({ { "COM2", peer.DevicePath() } });
    CSerialPort missing(TestContext());
    EXPECT_FALSE(missing.Open("COM3"));
    EXPECT_EQ(missing.LastOpenFailure(), PortOpenFailure::NoSuchDevice);
    EXPECT_EQ(missing.Device(), "/nonexistent/COM3");

    CSerialPort first(TestContext());
    CSerialPort second(TestContext());
    ASSERT_TRUE(first.Open("COM2"));
    EXPECT_EQ(first.LastOpenFailure(), PortOpenFailure::None);
    EXPECT_FALSE(second.Open("COM2"));
    EXPECT_EQ(second.LastOpenFailure(), PortOpenFailure::Busy);
    EXPECT_EQ(second.Device(), peer.DevicePath());
}

TEST(SerialPort, SilentLineReadGivesUpAfterAboutOneSecondWithoutBurningTheProcessor)
{
    PtyPeer peer;
    CSerialPort port(TestContext());
    ASSERT_TRUE(port.Open(peer.DevicePath().c_str()));
    const double cpuBefore = ThreadCpuMs();
    int result = 0;
    const double elapsed = ElapsedMs([&] { result = port.ReadByte(); });
    const double cpu = ThreadCpuMs() - cpuBefore;
    EXPECT_EQ(result, -1);
    EXPECT_GE(elapsed, 990);
    EXPECT_LE(elapsed, 1200);
    EXPECT_LT(cpu, 20) << "a silent read must sleep, not spin";
}

TEST(SerialPort, BytesZeroAndFFAreReadAsValuesNotAsSilence)
{
    PtyPeer peer;
    CSerialPort port(TestContext());
    ASSERT_TRUE(port.Open(peer.DevicePath().c_str()));
    peer.Send({ 0x00, 0xFF, 0x7F });
    EXPECT_EQ(port.ReadByte(), 0);
    EXPECT_EQ(port.ReadByte(), 255);
    EXPECT_EQ(port.ReadByte(), 127);
}

TEST(SerialPort, ReadReturnsAsSoonAsTheByteArrives)
{
    PtyPeer peer;
    CSerialPort port(TestContext());
    ASSERT_TRUE(port.Open(peer.DevicePath().c_str()));
    peer.Send({ 0x42 });
    int result = -1;
    const double elapsed = ElapsedMs([&] { result = port.ReadByte(); });
    EXPECT_EQ(result, 0x42);
    EXPECT_LT(elapsed, 100);
}

TEST(SerialPort, OpeningSetsTheLineTo9600Baud8N1WithoutFlowControl)
{
    PtyPeer peer;
    // Everything the port must set is set otherwise first.
    struct termios before = peer.LineSettings();
    ::cfsetispeed(&before, B19200);
    ::cfsetospeed(&before, B19200);
    before.c_cflag = (before.c_cflag & ~static_cast<tcflag_t>(CSIZE | CLOCAL)) | CS7 | PARENB | CSTOPB | CRTSCTS;
    before.c_iflag |= IXON | IXOFF;
    before.c_lflag |= ICANON | ECHO;
    peer.SetLineSettings(before);

    CSerialPort port(TestContext());
    ASSERT_TRUE(port.Open(peer.DevicePath().c_str()));
    const struct termios after = peer.LineSettings();
    EXPECT_EQ(::cfgetospeed(&after), static_cast<speed_t>(B9600));
    EXPECT_EQ(::cfgetispeed(&after), static_cast<speed_t>(B9600));
    // A pseudo-terminal keeps 8 data bits without parity whatever it is told;
    // the stop bits, flow control and raw mode are the port's own doing.
    EXPECT_EQ(after.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(after.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u) << "no parity, one stop bit, no RTS/CTS";
    EXPECT_EQ(after.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(after.c_iflag & (IXON | IXOFF | IXANY), 0u) << "no XON/XOFF";
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO), 0u) << "raw bytes, nothing echoed by the PC";
}

TEST(SerialPort, BytesWaitingBeforeOpenAndBeforeAPurgeAreDiscarded)
{
    PtyPeer peer;
    peer.Send({ 0x11, 0x22 }); // left over from before the port was opened
    ASSERT_TRUE(peer.WaitUntilQueued(2, 1000));
    CSerialPort port(TestContext());
    ASSERT_TRUE(port.Open(peer.DevicePath().c_str()));
    peer.Send({ 0x33 });
    EXPECT_EQ(port.ReadByte(), 0x33);

    peer.Send({ 0x44, 0x55 });
    ASSERT_TRUE(peer.WaitUntilQueued(2, 1000));
    port.PurgeReceive();
    EXPECT_EQ(peer.QueuedForProduct(), 0u);
    peer.Send({ 0x66 });
    EXPECT_EQ(port.ReadByte(), 0x66);

    // Also what the port has already taken from the device beyond the byte asked for.
    peer.Send({ 0x77, 0x88, 0x99 });
    ASSERT_TRUE(peer.WaitUntilQueued(3, 1000));
    EXPECT_EQ(port.ReadByte(), 0x77);
    port.PurgeReceive();
    peer.Send({ 0xAA });
    EXPECT_EQ(port.ReadByte(), 0xAA);
}

TEST(SerialPort, WritesKeepTheirOrder)
{
    PtyPeer peer;
    CSerialPort port(TestContext());
    ASSERT_TRUE(port.Open(peer.DevicePath().c_str()));
    const unsigned char block[] = { 1, 2, 3, 4, 5 };
    EXPECT_EQ(port.Write(block, 5), 5);
    EXPECT_EQ(port.WriteByte(0x106), 0x106); // the low 8 bits go out; the argument comes back
    EXPECT_EQ(peer.WaitForBytes(6, 1000), ByteString({ 1, 2, 3, 4, 5, 6 }));
}

