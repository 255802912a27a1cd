#include "operations/fleet_on_ports.h"

#include "link/radio_link.h"
#include "seams/operation_context.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {

constexpr auto WAITING_SLICE = std::chrono::milliseconds(20);

} // namespace

std::vector<FleetOutcome> RunFleetOnPorts(const std::vector<FleetPort>& ports, const uint8_t* image, OperationContext& caller,
                                          const std::function<void()>& waiting)
{
    std::vector<FleetOutcome> outcomes(ports.size());
    std::mutex mutex;
    std::condition_variable ended;
    size_t running = ports.size();

    std::vector<std::thread> threads;
    threads.reserve(ports.size());
    for (size_t i = 0; i < ports.size(); ++i) {
        threads.emplace_back([&, i] {
            const FleetPort& port = ports[i];
            // A loop on a thread of its own has nothing to paint and nobody to ask.
            SilentPresenter silent;
            OperationContext context;
            context.presenter = port.presenter ? port.presenter : &silent;
            context.trace = port.trace;
            context.stop = caller.stop;
            context.ports = caller.ports;
            context.hintReader = caller.hintReader;
            context.labMode = caller.labMode;
            CRadioLink link(context);
            const FleetOutcome outcome = RunFleetOperation(link, port.portName, image, port.options);
            const std::lock_guard<std::mutex> lock(mutex);
            outcomes[i] = outcome;
            --running;
            ended.notify_all();
        });
    }
    {
        std::unique_lock<std::mutex> lock(mutex);
        while (running > 0) {
            if (!waiting) {
                ended.wait(lock);
                continue;
            }
            ended.wait_for(lock, WAITING_SLICE);
            lock.unlock();
            waiting();
            lock.lock();
        }
    }
    for (std::thread& thread : threads)
        thread.join();
    return outcomes;
}
