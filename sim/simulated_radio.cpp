#include "sim/simulated_radio.h"

#include <sys/stat.h>

namespace sim {

void SpoilSettingsChecksum(BoardMemory& memory)
{
    memory.Put(MEM_SETTINGS + 1, static_cast<uint8_t>(memory.At(MEM_SETTINGS + 1) ^ 0x01));
}

SimulatedRadio::SimulatedRadio(SimConfig config) : m_config(std::move(config)) {}

SimulatedRadio::~SimulatedRadio()
{
    Stop();
}

bool SimulatedRadio::Open(std::string& error)
{
    const std::string& state = m_config.server.statePath;
    struct stat info;
    if (!state.empty() && ::stat(state.c_str(), &info) == 0) {
        if (!m_memory.LoadState(state, error))
            return false;
    } else {
        m_memory.LoadDefaults(m_config.identity);
        if (!state.empty() && !m_memory.SaveState(state, error))
            return false;
    }
    if (m_config.badImageChecksum)
        SpoilSettingsChecksum(m_memory);
    RadioSettings radio = m_config.radio;
    radio.boardType = m_config.identity.type;
    m_radio.reset(new RadioModel(m_memory, radio));
    m_server.reset(new PtyServer(*m_radio, m_memory, m_config.server));
    return m_server->Open(error);
}

bool SimulatedRadio::Start(std::string& error)
{
    if (!m_server && !Open(error))
        return false;
    m_thread = std::thread([this] { m_server->Run(); });
    return true;
}

void SimulatedRadio::Serve()
{
    if (m_server)
        m_server->Run();
}

void SimulatedRadio::Stop()
{
    if (m_server)
        m_server->Stop();
    if (m_thread.joinable())
        m_thread.join();
}

BoardMemory::Image SimulatedRadio::MemorySnapshot()
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    return m_memory.Bytes();
}

void SimulatedRadio::PokeMemory(size_t address, const Bytes& bytes)
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    for (size_t i = 0; i < bytes.size(); ++i)
        m_memory.Put(address + i, bytes[i]);
}

int SimulatedRadio::FramesReceived()
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    return m_radio->FramesReceived();
}

PtyServer::Traffic SimulatedRadio::Traffic()
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    return m_server->GetTraffic();
}

std::vector<BoardMemory::Image> SimulatedRadio::FleetMemories()
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    return m_server->FleetMemories();
}

std::vector<std::chrono::steady_clock::time_point> SimulatedRadio::PlugIns()
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    return m_server->PlugIns();
}

std::vector<std::chrono::steady_clock::time_point> SimulatedRadio::Arrivals()
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    return m_server->Arrivals();
}

std::vector<Request> SimulatedRadio::History()
{
    std::lock_guard<std::mutex> guard(m_server->Lock());
    return m_radio->History();
}

} // namespace sim
