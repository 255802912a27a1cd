// vigilon-radio-sim: a radio with its option board on a pseudo-terminal, for
// trying the service tool without hardware and for testing it.
#include "sim/faults.h"
#include "sim/simulated_radio.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <getopt.h>
#include <string>
#include <unistd.h>

namespace {

sim::SimulatedRadio* g_radio = nullptr;

void OnSignal(int)
{
    if (g_radio)
        g_radio->Stop();
}

void Usage(std::FILE* out)
{
    std::fprintf(out,
        "usage: vigilon-radio-sim [OPTIONS]\n"
        "Serves a simulated radio with its option board on a pseudo-terminal and prints\n"
        "the device path. Point the service tool's port at it. Stops on Ctrl+C.\n"
        "\n"
        "  --link PATH            also make PATH a symbolic link to the device\n"
        "  --state FILE           keep the board memory in FILE across runs (created when absent)\n"
        "  --log FILE             append one line per frame received to FILE\n"
        "  --line-timing          every byte takes its time on a 9600-baud line (default: at once)\n"
        "  --answer-delay MS      the radio waits MS milliseconds before acknowledging\n"
        "  --board-type TEXT      board type text (default \"Vigilon\")\n"
        "  --hardware TEXT        hardware revision text\n"
        "  --software TEXT        software version text\n"
        "  --codeplug TEXT        codeplug version text (default \"01.00\")\n"
        "  --remarks TEXT         vendor remarks text\n"
        "  --radio-info TEXT      text of the radio information answer\n"
        "  --bad-image-checksum   the settings image's checksum does not match it\n"
        "  --pull-after N         the cable is pulled after N board requests: silence from then on\n"
        "  --fault KIND[=N][@TARGET][/RADIO]   inject a fault; may be given more than once\n"
        "  --fleet N              N radios one after the other: after the reset that ends a\n"
        "                         board write the radio is unplugged, then the next answers,\n"
        "                         with its number in its radio information and a fresh board\n"
        "  --swap-ms MS           how long a fleet's radio stays unplugged (default 3000)\n"
        "  --unplug-after MS      how long a fleet's radio stays plugged in after that reset\n"
        "                         before it is unplugged (default 0)\n"
        "  shortcuts: --silent-radio --silent-board --nak --not-supported --unexpected\n"
        "             --bad-frame-checksum --incomplete --too-long --cal-start-refused\n"
        "             --cal-check-fails (each the fault of that name for every request)\n"
        "  --help                 this text\n"
        "\n%s",
        sim::FaultHelp().c_str());
}

bool AddFault(sim::SimConfig& config, const std::string& text)
{
    std::string error;
    const std::optional<sim::FaultRule> rule = sim::ParseFault(text, error);
    if (!rule) {
        std::fprintf(stderr, "vigilon-radio-sim: %s\n", error.c_str());
        return false;
    }
    config.radio.faults.push_back(*rule);
    return true;
}

enum Option {
    OPT_LINK = 256, OPT_STATE, OPT_LOG, OPT_TIMING, OPT_DELAY, OPT_TYPE, OPT_HARDWARE, OPT_SOFTWARE,
    OPT_CODEPLUG, OPT_REMARKS, OPT_RADIO_INFO, OPT_BAD_IMAGE, OPT_PULL, OPT_FAULT, OPT_SHORTCUT, OPT_HELP,
    OPT_FLEET, OPT_SWAP, OPT_UNPLUG_AFTER,
};

} // namespace

int main(int argc, char** argv)
{
    sim::SimConfig config;
    std::string linkPath;
    bool identityGiven[5] = {};
    static const struct option options[] = {
        { "link", required_argument, nullptr, OPT_LINK },
        { "state", required_argument, nullptr, OPT_STATE },
        { "log", required_argument, nullptr, OPT_LOG },
        { "line-timing", no_argument, nullptr, OPT_TIMING },
        { "answer-delay", required_argument, nullptr, OPT_DELAY },
        { "board-type", required_argument, nullptr, OPT_TYPE },
        { "hardware", required_argument, nullptr, OPT_HARDWARE },
        { "software", required_argument, nullptr, OPT_SOFTWARE },
        { "codeplug", required_argument, nullptr, OPT_CODEPLUG },
        { "remarks", required_argument, nullptr, OPT_REMARKS },
        { "radio-info", required_argument, nullptr, OPT_RADIO_INFO },
        { "bad-image-checksum", no_argument, nullptr, OPT_BAD_IMAGE },
        { "pull-after", required_argument, nullptr, OPT_PULL },
        { "fault", required_argument, nullptr, OPT_FAULT },
        { "fleet", required_argument, nullptr, OPT_FLEET },
        { "swap-ms", required_argument, nullptr, OPT_SWAP },
        { "unplug-after", required_argument, nullptr, OPT_UNPLUG_AFTER },
        { "silent-radio", no_argument, nullptr, OPT_SHORTCUT },
        { "silent-board", no_argument, nullptr, OPT_SHORTCUT },
        { "nak", no_argument, nullptr, OPT_SHORTCUT },
        { "not-supported", no_argument, nullptr, OPT_SHORTCUT },
        { "unexpected", no_argument, nullptr, OPT_SHORTCUT },
        { "bad-frame-checksum", no_argument, nullptr, OPT_SHORTCUT },
        { "incomplete", no_argument, nullptr, OPT_SHORTCUT },
        { "too-long", no_argument, nullptr, OPT_SHORTCUT },
        { "cal-start-refused", no_argument, nullptr, OPT_SHORTCUT },
        { "cal-check-fails", no_argument, nullptr, OPT_SHORTCUT },
        { "help", no_argument, nullptr, OPT_HELP },
        { nullptr, 0, nullptr, 0 },
    };
    int index = 0;
    int option;
    while ((option = getopt_long(argc, argv, "", options, &index)) != -1) {
        switch (option) {
        case OPT_LINK: linkPath = optarg; break;
        case OPT_STATE: config.server.statePath = optarg; break;
        case OPT_LOG: config.server.logPath = optarg; break;
        case OPT_TIMING: config.server.lineTiming = true; break;
        case OPT_DELAY: config.server.answerDelayMs = std::atoi(optarg); break;
        case OPT_TYPE: config.identity.type = optarg; identityGiven[0] = true; break;
        case OPT_HARDWARE: config.identity.hardware = optarg; identityGiven[1] = true; break;
        case OPT_SOFTWARE: config.identity.software = optarg; identityGiven[2] = true; break;
        case OPT_CODEPLUG: config.identity.codeplug = optarg; identityGiven[3] = true; break;
        case OPT_REMARKS: config.identity.remarks = optarg; identityGiven[4] = true; break;
        case OPT_RADIO_INFO: config.radio.radioInfo = optarg; break;
        case OPT_BAD_IMAGE: config.badImageChecksum = true; break;
        case OPT_PULL: config.radio.pullAfterBoardRequests = std::atoi(optarg); break;
        case OPT_FAULT:
            if (!AddFault(config, optarg))
                return 2;
            break;
        case OPT_SHORTCUT: {
            std::string name = options[index].name;
            if (name == "bad-frame-checksum")
                name = "bad-checksum";
            if (!AddFault(config, name))
                return 2;
            break;
        }
        case OPT_FLEET: config.radio.fleetSize = std::atoi(optarg); break;
        case OPT_SWAP: config.server.swapMs = std::atoi(optarg); break;
        case OPT_UNPLUG_AFTER: config.server.unplugAfterMs = std::atoi(optarg); break;
        case OPT_HELP: Usage(stdout); return 0;
        default: Usage(stderr); return 2;
        }
    }
    if (optind < argc) {
        Usage(stderr);
        return 2;
    }

    sim::SimulatedRadio radio(config);
    std::string error;
    if (!radio.Open(error)) {
        std::fprintf(stderr, "vigilon-radio-sim: %s\n", error.c_str());
        return 1;
    }
    // Texts named on the command line win over a kept state.
    if (!config.server.statePath.empty()) {
        const sim::BoardIdentity& id = config.identity;
        const struct { bool given; uint16_t address; size_t size; const std::string& text; } areas[] = {
            { identityGiven[0], sim::MEM_TYPE, 48, id.type },
            { identityGiven[1], sim::MEM_HARDWARE, 16, id.hardware },
            { identityGiven[2], sim::MEM_SOFTWARE, 16, id.software },
            { identityGiven[3], sim::MEM_CODEPLUG, 16, id.codeplug },
            { identityGiven[4], sim::MEM_REMARKS, 256, id.remarks },
        };
        for (const auto& area : areas) {
            if (area.given) {
                sim::Bytes bytes(area.size, 0);
                for (size_t i = 0; i < area.size && i < area.text.size(); ++i)
                    bytes[i] = static_cast<uint8_t>(area.text[i]);
                radio.PokeMemory(area.address, bytes);
            }
        }
    }
    if (!linkPath.empty()) {
        ::unlink(linkPath.c_str());
        if (::symlink(radio.DevicePath().c_str(), linkPath.c_str()) != 0) {
            std::fprintf(stderr, "vigilon-radio-sim: cannot make the link %s: %s\n", linkPath.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }

    g_radio = &radio;
    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_handler = OnSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);

    std::printf("%s\n", radio.DevicePath().c_str());
    std::fflush(stdout);
    radio.Serve();
    g_radio = nullptr;
    if (!linkPath.empty())
        ::unlink(linkPath.c_str());
    return 0;
}
