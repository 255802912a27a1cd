// vigilon-oss-cli fleet on four ports at once, four simulated radios each on a
// pseudo-terminal of its own: the loops run side by side, a failing radio on one
// port holds up no other, the output stays whole, and one Ctrl+C stops them all.
#include "tests/support/board_fixture.h"
#include "tests/support/cli_bench.h"
#include "tests/support/message_texts.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace text;

namespace {

constexpr int PORTS = 4;

struct FourRadios {
    explicit FourRadios(const std::vector<std::string>& secondPortFaults = {})
    {
        for (int i = 0; i < PORTS; ++i) {
            logs.push_back(folder.Path("frames" + std::to_string(i) + ".log"));
            std::vector<std::string> args = { "--fleet", "3", "--swap-ms", "1200", "--log", logs.back() };
            if (i == 1)
                args.insert(args.end(), secondPortFaults.begin(), secondPortFaults.end());
            sims.push_back(std::make_unique<BackgroundProgram>(VIGILON_RADIO_SIM, args));
            devices.push_back(sims.back()->firstLine);
        }
        ::mkdir(folder.Path("config").c_str(), 0755);
        std::vector<uint8_t> bytes = { 0x01, 0x00 };
        for (uint8_t byte : WithChecksum(DefaultImage()))
            bytes.push_back(byte);
        settings = folder.Path("fleet.vgd");
        WriteBytes(settings, bytes);
    }

    ProgramResult Fleet(std::vector<std::string> args, const std::function<bool()>& interruptWhen = nullptr)
    {
        for (const std::string& device : devices) {
            args.push_back("--device");
            args.push_back(device);
        }
        return RunCli(args, std::string(),
                          { { "XDG_CONFIG_HOME", folder.Path("config") }, { "XDG_DATA_HOME", folder.Path("data") } },
                          interruptWhen);
    }

    // The requests a radio logged, one line each.
    std::vector<std::string> Requests(int port) const
    {
        std::vector<std::string> lines;
        std::istringstream in(Text(logs[static_cast<size_t>(port)]));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    static std::string Text(const std::string& path)
    {
        const std::vector<uint8_t> bytes = ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    }

    TempFolder folder;
    std::vector<std::unique_ptr<BackgroundProgram>> sims;
    std::vector<std::string> devices;
    std::vector<std::string> logs;
    std::string settings;
};

// Each port's lines without their port in front; lines of no port go to `rest`.
std::map<std::string, std::vector<std::string>> LinesByPort(const std::vector<std::string>& lines,
                                                            const std::vector<std::string>& devices, std::string& rest)
{
    std::map<std::string, std::vector<std::string>> byPort;
    for (const std::string& line : lines) {
        bool found = false;
        for (const std::string& device : devices) {
            if (line.rfind(device + ": ", 0) == 0) {
                byPort[device].push_back(line.substr(device.size() + 2));
                found = true;
            }
        }
        if (!found)
            rest += line + "\n";
    }
    return byPort;
}

} // namespace

TEST(CliFleetPorts, FourPortsRunAtOnceAndOnePortsFailingRadioHoldsUpNoOther)
{
    FourRadios radios({ "--fault", "write-refused/2" });
    const std::string report = radios.folder.Path("report.csv");
    const auto started = std::chrono::steady_clock::now();
    const ProgramResult result = radios.Fleet({ "--yes", "fleet", radios.settings, "--count", "3", "--report", report });
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(result.err, "");
    // One port alone takes about 9 s for its three radios; four in turn would take 36.
    EXPECT_LT(seconds, 14.0);

    std::string rest;
    const auto byPort = LinesByPort(Lines(result.out, "\n"), radios.devices, rest);
    EXPECT_EQ(rest, "11 radios programmed, 1 failed, on 4 ports.\n") << result.out;
    for (int port = 0; port < PORTS; ++port) {
        const std::string& device = radios.devices[static_cast<size_t>(port)];
        const std::vector<std::string> lines = byPort.count(device) ? byPort.at(device) : std::vector<std::string>();
        ASSERT_EQ(lines.size(), 12u) << result.out;
        EXPECT_EQ(lines[0], "Radio 1: waiting for a radio on " + device + "...");
        const std::string second = port == 1 ? "Failed: " + WRITE_FAILED : std::string("OK");
        EXPECT_EQ(lines[6].rfind("Radio 2: SR-9 R02.10 #2: " + second + " (", 0), 0u) << lines[6];
        EXPECT_EQ(lines[10].rfind("Radio 3: SR-9 R02.10 #3: OK (", 0), 0u) << lines[10];
        EXPECT_EQ(lines[11], port == 1 ? "2 radios programmed, 1 failed." : "3 radios programmed, 0 failed.");
    }

    // Rows whole, three per port, each with its own port.
    const std::vector<std::string> rows = Lines(FourRadios::Text(report), "\r\n");
    ASSERT_EQ(rows.size(), 13u) << FourRadios::Text(report);
    std::map<std::string, int> rowsPerPort;
    for (size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> fields = Lines(rows[i], ",");
        ASSERT_EQ(fields.size(), 10u) << rows[i];
        EXPECT_EQ(fields[0].size(), 20u) << rows[i];
        ++rowsPerPort[fields[1]];
        EXPECT_EQ(fields[7], fields[1] == radios.devices[1] && fields[2] == "SR-9 R02.10 #2" ? "Failed" : "OK") << rows[i];
    }
    for (const std::string& device : radios.devices)
        EXPECT_EQ(rowsPerPort[device], 3) << device;
}

TEST(CliFleetPorts, OneInterruptStopsEveryPortAndResetsEveryRadio)
{
    FourRadios radios;
    const std::string report = radios.folder.Path("report.csv");
    // Stopped once every port's first radio is being identified.
    const ProgramResult result = radios.Fleet({ "--yes", "fleet", radios.settings, "--report", report }, [&] {
        for (int port = 0; port < PORTS; ++port) {
            if (radios.Requests(port).size() < 3)
                return false;
        }
        return true;
    });
    EXPECT_EQ(result.status, 1);
    std::string rest;
    const auto byPort = LinesByPort(Lines(result.out, "\n"), radios.devices, rest);
    EXPECT_NE(rest.find(", on 4 ports.\n"), std::string::npos) << result.out;
    for (int port = 0; port < PORTS; ++port) {
        const std::string& device = radios.devices[static_cast<size_t>(port)];
        ASSERT_TRUE(byPort.count(device)) << result.out;
        EXPECT_NE(byPort.at(device).back().find(" failed."), std::string::npos) << result.out;
        const std::vector<std::string> requests = radios.Requests(port);
        ASSERT_FALSE(requests.empty());
        EXPECT_NE(requests.back().find("reset"), std::string::npos) << device << ": " << requests.back();
    }
    // The report holds every port's radio, each row whole.
    const std::vector<std::string> rows = Lines(FourRadios::Text(report), "\r\n");
    ASSERT_EQ(rows.size(), 1u + PORTS) << FourRadios::Text(report);
    std::set<std::string> ports;
    for (size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> fields = Lines(rows[i], ",");
        ASSERT_EQ(fields.size(), 10u) << rows[i];
        ports.insert(fields[1]);
    }
    EXPECT_EQ(ports, std::set<std::string>(radios.devices.begin(), radios.devices.end()));
}

TEST(CliFleetPorts, APortThatNeverOpenedFailsTheRunAndIsReportedOnce)
{
    FourRadios radios;
    radios.devices.resize(1);
    radios.devices.push_back(radios.folder.Path("no-such-cable"));
    const ProgramResult result = radios.Fleet({ "--yes", "fleet", radios.settings }, [&] {
        const std::vector<std::string> requests = radios.Requests(0);
        return !requests.empty() && requests.back().find("reset") != std::string::npos;
    });
    EXPECT_EQ(result.status, 1) << result.out;
    const std::string missing = "Error: " + radios.devices[1] + ": The serial port " + radios.devices[1];
    EXPECT_EQ(result.err.find(missing), 0u) << result.err;
    EXPECT_EQ(result.err.find(missing, 1), std::string::npos) << "one report per outage: " << result.err;
    EXPECT_NE(result.out.find(radios.devices[0] + ": 1 radio programmed, 0 failed.\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find(radios.devices[1] + ": 0 radios programmed, 0 failed.\n"), std::string::npos) << result.out;
}

TEST(CliFleetPorts, TwoNamesOfOneDeviceAreRefusedBeforeAnyRadioIsTouched)
{
    // A cable's stable link and the tty it points to, as ports set in the settings and as devices.
    CliBench bench;
    const std::string link = bench.folder.Path("usb-cable-if00");
    ASSERT_EQ(::symlink(bench.device.c_str(), link.c_str()), 0);
    bench.WriteSettings("[Ports]\nCOM1=" + link + "\nCOM2=" + bench.device + "\n");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        { { "--port", "COM1", "--port", "COM2" }, "COM1 and COM2" },
        { { "--device", link, "--device", bench.device }, link + " and " + bench.device },
    };
    for (const auto& [ports, names] : cases) {
        std::vector<std::string> args = { "--yes", "fleet", bench.folder.Path("fleet.vgd"), "--count", "1" };
        args.insert(args.end(), ports.begin(), ports.end());
        const ProgramResult result = bench.Run(args);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_EQ(result.err.rfind("vigilon-oss-cli: " + names + " are the same device (" + bench.device
                                       + "): give only one of them\n",
                                   0),
                  0u)
            << result.err;
    }
    EXPECT_TRUE(bench.Requests().empty());
}
