// vigilon-oss-cli against one vigilon-radio-sim over a pseudo-terminal, with a
// settings and data folder of its own, for the end-to-end tests of the CLI.
#pragma once

#include "tests/support/cli_in_child.h"
#include "tests/support/temp_folder.h"

#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

// One simulated radio with its frame log and a settings folder of its own.
class CliBench {
public:
    explicit CliBench(std::vector<std::string> simArgs = {})
    {
        log = folder.Path("frames.log");
        simArgs.push_back("--log");
        simArgs.push_back(log);
        sim.reset(new BackgroundProgram(VIGILON_RADIO_SIM, simArgs));
        device = sim->firstLine;
        ::mkdir(folder.Path("config").c_str(), 0755);
    }

    // Runs the CLI on the simulator's device (unless the arguments name a port).
    ProgramResult Run(std::vector<std::string> args, const std::string& input = std::string(),
                      const std::function<bool()>& interruptWhen = nullptr)
    {
        bool namesPort = false;
        for (const std::string& arg : args)
            namesPort = namesPort || arg == "--port" || arg == "--device";
        if (!namesPort) {
            args.insert(args.begin(), device);
            args.insert(args.begin(), "--device");
        }
        std::map<std::string, std::string> env = environment;
        env["XDG_CONFIG_HOME"] = folder.Path("config");
        env["XDG_DATA_HOME"] = folder.Path("data");
        return RunCli(args, input, env, interruptWhen, realTime);
    }

    std::string Backups() { return folder.Path("data/Ardentec/Vigilon OSS/backups"); }

    void WriteSettings(const std::string& text)
    {
        ::mkdir(folder.Path("config/Ardentec").c_str(), 0755);
        std::ofstream(folder.Path("config/Ardentec/Vigilon OSS.conf")) << text;
    }

    // The requests the radio logged: "info", "identify", "read 0x1000/24", ...
    std::vector<std::string> Requests()
    {
        std::vector<std::string> requests;
        std::ifstream in(log);
        std::string line;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string time, number, kind, where;
            words >> time >> number >> kind;
            if (!kind.empty() && kind.back() == ':') {
                kind.pop_back();
            } else {
                words >> where;
                kind += " " + where.substr(0, where.size() - 1);
            }
            requests.push_back(kind);
        }
        return requests;
    }

    TempFolder folder;
    std::map<std::string, std::string> environment; // more for every run
    bool realTime = false; // the CLI's pauses as long as the program's
    std::unique_ptr<BackgroundProgram> sim;
    std::string device;
    std::string log;
};
