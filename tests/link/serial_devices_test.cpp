// The serial device listing read from a tree built like Linux's sysfs and
// /dev/serial/by-id: a USB adapter with its ids, texts and stable link, a
// modem-class cable, an adapter of an unknown make, on-board UARTs fitted and not.
#include "link/cable_finder.h"
#include "link/serial_devices.h"
#include "link/windows_device_ids.h"
#include "seams/clock.h"
#include "tests/support/operation_bench.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& file, const std::string& text)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text << "\n";
}

void Link(const fs::path& link, const fs::path& target)
{
    fs::create_directories(link.parent_path());
    fs::create_symlink(target, link);
}

// A USB device with one interface and its tty, as the kernel lays them out.
void UsbTty(const fs::path& root, const std::string& usb, const std::string& tty, const std::string& ids,
            const std::string& product, const std::string& driver, bool ttyBelowInterface)
{
    const fs::path device = root / "sys/devices/pci0000:00/usb1" / usb;
    Write(device / "idVendor", ids.substr(0, 4));
    Write(device / "idProduct", ids.substr(5, 4));
    Write(device / "product", product);
    const fs::path interface = device / (usb + ":1.0");
    const fs::path ttyDevice = ttyBelowInterface ? interface / tty : interface;
    fs::create_directories(ttyDevice);
    fs::create_directories(root / "sys/bus/usb/drivers" / driver);
    Link(ttyDevice / "driver", root / "sys/bus/usb/drivers" / driver);
    Link(root / "sys/class/tty" / tty / "device", ttyDevice);
}

} // namespace

TEST(SerialDevices, ListsCablesFirstWithTheirIdsTextsAndStablePaths)
{
    TempFolder folder;
    const fs::path root = folder.Path("root");
    UsbTty(root, "1-2", "ttyUSB0", "0403:6001", "FT232R USB UART", "ftdi_sio", true);
    Write(root / "sys/devices/pci0000:00/usb1/1-2/manufacturer", "FTDI");
    Write(root / "sys/devices/pci0000:00/usb1/1-2/serial", "A1B2C3D4");
    Link(root / "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0", "../../ttyUSB0");
    UsbTty(root, "1-3", "ttyACM0", "1fc9:0083", "Radio programmer", "cdc_acm", false);
    UsbTty(root, "1-4", "ttyUSB1", "1234:5678", "Modem", "option", true);
    for (const char* uart : { "ttyS0", "ttyS1" }) {
        fs::create_directories(root / "sys/devices/platform/serial8250");
        Link(root / "sys/class/tty" / uart / "device", root / "sys/devices/platform/serial8250");
    }
    Write(root / "sys/class/tty/ttyS0/type", "4");
    Write(root / "sys/class/tty/ttyS1/type", "0"); // no UART fitted
    fs::create_directories(root / "sys/class/tty/tty0");  // a console: no device

    std::vector<SerialDevice> devices = ListSerialDevicesUnder(root.string());
    std::vector<std::string> names;
    for (const SerialDevice& device : devices)
        names.push_back(device.name);
    ASSERT_EQ(names, (std::vector<std::string>{ "ttyACM0", "ttyUSB0", "ttyUSB1", "ttyS0" }));
    const SerialDevice& ftdi = devices[1];
    EXPECT_EQ(ftdi.path, "/dev/ttyUSB0");
    EXPECT_EQ(ftdi.stablePath, "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0");
    EXPECT_EQ(ftdi.PathToKeep(), ftdi.stablePath);
    EXPECT_TRUE(ftdi.knownCable);
    EXPECT_EQ(ftdi.driver, "ftdi_sio");
    EXPECT_EQ(DeviceDescription(ftdi), "FTDI FT232R USB UART (0403:6001, serial A1B2C3D4)");
    EXPECT_TRUE(devices[0].knownCable) << "a modem-class cable of any make";
    EXPECT_FALSE(devices[2].knownCable);
    EXPECT_TRUE(devices[2].usb);
    EXPECT_FALSE(devices[3].usb);
    EXPECT_EQ(devices[3].PathToKeep(), "/dev/ttyS0");
    EXPECT_EQ(DeviceDescription(devices[3]), "serial port");

    // Ids from the settings make an adapter of another make a cable.
    std::vector<CableId> extra;
    ASSERT_TRUE(ParseCableIds(" 1234:5678, 1a2b", extra));
    devices = ListSerialDevicesUnder(root.string(), extra);
    EXPECT_EQ(devices[2].name, "ttyUSB1");
    EXPECT_TRUE(devices[2].knownCable);
    EXPECT_FALSE(ParseCableIds("1234:zz", extra));
    EXPECT_EQ(extra.size(), 2u) << "a bad list takes nothing";
}

// Windows names a cable by its instance id: the USB ids and serial number are in
// it, in the form of the USB bus or of a vendor's own; a serial Windows made up
// is none. A cable whose driver failed says what to do.
TEST(SerialDevices, WindowsInstanceIdsAndProblemsReadAsACableIs)
{
    uint16_t vendor = 0;
    uint16_t product = 0;
    std::string serial;
    ASSERT_TRUE(ParseUsbInstanceId("USB\\VID_067B&PID_2303\\5&2E8A1C3&0&2", vendor, product, serial));
    EXPECT_EQ(vendor, 0x067b);
    EXPECT_EQ(product, 0x2303);
    EXPECT_EQ(serial, "");
    ASSERT_TRUE(ParseUsbInstanceId("FTDIBUS\\VID_0403+PID_6001+A1B2C3D4A\\0000", vendor, product, serial));
    EXPECT_EQ(vendor, 0x0403);
    EXPECT_EQ(serial, "A1B2C3D4");
    ASSERT_TRUE(ParseUsbInstanceId("USB\\vid_10c4&pid_ea60\\0001", vendor, product, serial));
    EXPECT_EQ(product, 0xea60);
    EXPECT_EQ(serial, "0001");
    EXPECT_FALSE(ParseUsbInstanceId("ACPI\\PNP0501\\1", vendor, product, serial));
    EXPECT_FALSE(ParseUsbInstanceId("USB\\VID_12G4&PID_0001\\1", vendor, product, serial));

    SerialDevice copied;
    copied.name = "COM7";
    copied.usb = true;
    copied.vendorId = 0x067b;
    copied.productId = 0x2303;
    copied.product = "USB-to-Serial Comm Port";
    copied.problem = DEVICE_PROBLEM_FAILED_START;
    const std::string description = DeviceDescription(copied);
    EXPECT_EQ(description.rfind("USB-to-Serial Comm Port (067b:2303) - ", 0), 0u) << description;
    EXPECT_NE(description.find("(code 10)"), std::string::npos) << description;
    EXPECT_NE(DeviceProblemText(43).find("(code 43)"), std::string::npos);
}

TEST(CableFinder, TheDeviceThatWentAndCameIsTheCable)
{
    auto device = [](const char* name, const char* stable) {
        SerialDevice made;
        made.name = name;
        made.path = std::string("/dev/") + name;
        made.stablePath = stable;
        return made;
    };
    const SerialDevice uart = device("ttyS0", "");
    const SerialDevice cable = device("ttyUSB0", "/dev/serial/by-id/usb-FTDI_A1-if00-port0");
    const SerialDevice modem = device("ttyUSB1", "/dev/serial/by-id/usb-Modem_B2-if00-port0");

    CableFinder finder({ uart, modem, cable });
    EXPECT_EQ(finder.Feed({ uart, modem, cable }), CableFinder::Stage::WaitingForUnplug);
    EXPECT_EQ(finder.Feed({ uart, modem }), CableFinder::Stage::WaitingForPlug);
    EXPECT_EQ(finder.Unplugged().path, "/dev/ttyUSB0");
    // Back under another name, with a hub's second adapter at the same moment:
    // the one with the stable path that went is the cable.
    SerialDevice back = cable;
    back.name = "ttyUSB3";
    back.path = "/dev/ttyUSB3";
    EXPECT_EQ(finder.Feed({ uart, modem, device("ttyUSB2", ""), back }), CableFinder::Stage::Found);
    EXPECT_EQ(finder.Cable().path, "/dev/ttyUSB3");
    EXPECT_EQ(finder.Cable().PathToKeep(), cable.stablePath);

    // A cable that was not plugged in at the start is found when it comes.
    CableFinder fresh({ uart });
    EXPECT_EQ(fresh.Feed({ uart, cable }), CableFinder::Stage::Found);
    EXPECT_EQ(fresh.Cable().path, "/dev/ttyUSB0");

    // A USB adapter shows before udev has made its stable link: the finder waits
    // for the link, and takes the adapter without one only after the wait.
    FastForwardClock clock;
    OperationContext& context = TestContext();
    SerialDevice early = cable;
    early.usb = true;
    early.stablePath.clear();
    SerialDevice linked = early;
    linked.stablePath = cable.stablePath;
    CableFinder waiting({ uart }, context.clock);
    EXPECT_EQ(waiting.Feed({ uart, early }), CableFinder::Stage::WaitingForUnplug);
    context.WaitUntil(context.NowMs() + 130);
    EXPECT_EQ(waiting.Feed({ uart, linked }), CableFinder::Stage::Found);
    EXPECT_EQ(waiting.Cable().PathToKeep(), cable.stablePath);
    CableFinder unlinked({ uart }, context.clock);
    EXPECT_EQ(unlinked.Feed({ uart, early }), CableFinder::Stage::WaitingForUnplug);
    context.WaitUntil(context.NowMs() + CABLE_STABLE_NAME_WAIT_MS);
    EXPECT_EQ(unlinked.Feed({ uart, early }), CableFinder::Stage::Found);
    EXPECT_EQ(unlinked.Cable().PathToKeep(), "/dev/ttyUSB0");
}
