// The bench for operation tests: a simulated radio the operations open by its
// device path, a presenter that records every box and answers from a script, a
// host that records the wait cursor and the progress, and the requests the radio
// saw, written the way a technician reads a frame log.
#pragma once

#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "seams/clock.h"
#include "seams/operation_host.h"
#include "sim/simulated_radio.h"
#include "tests/support/bench_objects.h"
#include "tests/support/pause_skipping_clock.h"
#include "tests/support/recording_presenter.h"
#include "tests/support/sim_config.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class RecordingHost : public IOperationHost {
public:
    RecordingHost() { TestContext().host = this; }
    ~RecordingHost() override { TestContext().ForgetHost(this); }
    void BeginWaitCursor() override { events.push_back("wait on"); }
    void EndWaitCursor() override { events.push_back("wait off"); }
    void BeginProgress(int maximum) override { events.push_back("progress 0.." + std::to_string(maximum)); }
    void SetProgress(int position, const std::string& text) override
    {
        ++progressSteps;
        lastProgress = position;
        if (progressTexts.size() < 2)
            progressTexts.push_back(text);
        lastProgressText = text;
    }
    void EndProgress() override { events.push_back("progress end"); }
    bool ChooseCalibrationExportFile(std::string& path) override
    {
        events.push_back("choose file");
        if (exportPath.empty())
            return false;
        path = exportPath;
        return true;
    }

    std::vector<std::string> events;
    std::vector<std::string> progressTexts; // the first two
    std::string lastProgressText;
    int progressSteps = 0;
    int lastProgress = -1;
    std::string exportPath; // empty: the user cancels the save dialog
};

// The pause-skipping clock, the test context's while it lives.
class FastForwardClock : public PauseSkippingClock {
public:
    FastForwardClock() { TestContext().clock = this; }
    ~FastForwardClock() override { TestContext().ForgetClock(this); }
};

class OperationBench {
public:
    explicit OperationBench(sim::SimConfig config = sim::SimConfig()) : radio(std::move(config))
    {
        std::string error;
        if (!radio.Start(error))
            throw std::runtime_error(error);
        theOptionBoardData.modifiedSink = nullptr;
        theOptionBoardData.ResetAll();
        codeplugMajor = supportedCodeplugMajor;
        codeplugMinor = supportedCodeplugMinor;
        theRadioLink.m_nStatus = LINK_OK;
        messages.onShown = [this](const MessageBoxRequest& request) {
            boxes.push_back({ radio.History().size(), request.text });
        };
    }
    ~OperationBench() { radio.Stop(); }

    const std::string& Port() const { return radio.DevicePath(); }

    // The requests the radio received, one word each: "info", "identify",
    // "read 0x1000/24", "write 0x1000/24", "cal-start", "cal-check", "reset".
    std::vector<std::string> Requests()
    {
        std::vector<std::string> words;
        for (const sim::Request& request : radio.History()) {
            char text[48];
            switch (request.kind) {
            case sim::RequestKind::Reset: words.push_back("reset"); break;
            case sim::RequestKind::Info: words.push_back("info"); break;
            case sim::RequestKind::Identify: words.push_back("identify"); break;
            case sim::RequestKind::CalStart: words.push_back("cal-start"); break;
            case sim::RequestKind::CalCheck: words.push_back("cal-check"); break;
            case sim::RequestKind::BoardRead:
            case sim::RequestKind::BoardWrite:
                std::snprintf(text, sizeof(text), "%s 0x%04X/%d",
                              request.kind == sim::RequestKind::BoardRead ? "read" : "write", request.address,
                              request.count);
                words.push_back(text);
                break;
            default: words.push_back("other"); break;
            }
        }
        return words;
    }

    // After an operation the port is free again (another program can open it)
    // and the link has let go of it.
    bool PortIsFree()
    {
        CSerialPort port;
        return port.Open(Port().c_str()) && theRadioLink.m_pPort == nullptr;
    }

    // The requests and the boxes in the order they happened; a box as "box: TEXT".
    std::vector<std::string> Timeline()
    {
        const std::vector<std::string> requests = Requests();
        std::vector<std::string> timeline;
        size_t next = 0;
        for (const auto& box : boxes) {
            for (; next < box.first && next < requests.size(); ++next)
                timeline.push_back(requests[next]);
            timeline.push_back("box: " + box.second);
        }
        timeline.insert(timeline.end(), requests.begin() + static_cast<std::ptrdiff_t>(next), requests.end());
        return timeline;
    }

    static sim::SimConfig WithFaults(std::initializer_list<const char*> faults) { return SimConfigWithFaults(faults); }

    // The protocol's pauses take no time (its time-outs still do): these tests
    // look at the order of requests and boxes, and timing has tests of its own.
    FastForwardClock clock;
    sim::SimulatedRadio radio;
    RecordingPresenter messages;
    RecordingHost host;
    std::vector<std::pair<size_t, std::string>> boxes; // requests received before each box, its text
};
