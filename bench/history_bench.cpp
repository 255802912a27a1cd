#include "bench/history_bench.h"

#include "app/history_store.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

constexpr int RADIOS = 200;
constexpr int ENTRIES = 100000;
constexpr int TIMED_INSERTS = 300;
constexpr int TIMED_QUERIES = 21;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

HistoryEntry RealisticEntry(int n)
{
    HistoryEntry entry;
    entry.time = HistoryTimeNow();
    entry.user = "technician";
    entry.host = "workshop-pc-03";
    entry.program = "vigilon-oss 0.1.0";
    entry.port = "COM1";
    entry.device = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0";
    char radio[64];
    std::snprintf(radio, sizeof(radio), "SR-9 R02.10 SN%06d", 100000 + n % RADIOS);
    entry.radioInfo = radio;
    entry.boardType = "Vigilon";
    entry.boardHardware = "HW 2.1";
    entry.boardSoftware = "FW 1.04.2";
    entry.boardCodeplug = "01.00";
    entry.operation = "write";
    entry.result = "succeeded";
    entry.messages = { "Are you sure you wish to program the option board ?", "Option board successfully programmed." };
    DataFileBytes bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<uint8_t>(n + static_cast<int>(i));
    entry.settingsRead = bytes;
    bytes[5] ^= 1;
    entry.settingsWritten = bytes;
    entry.verified = true;
    entry.backupFile = "/home/technician/.local/share/Ardentec/Vigilon OSS/backups/2026-12-09_101502_COM1.vgd";
    return entry;
}

HistoryFigures MeasureHistoryFigures(const std::string& folder)
{
    HistoryFigures figures;
    const std::filesystem::path scratch = std::filesystem::path(folder) / "history-bench";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    const std::string path = (scratch / "history.sqlite").string();
    // One entry at a time as an operation adds it: the file opened, the entry
    // added in a transaction of its own, the file closed.
    std::vector<double> took;
    for (int n = 0; n < TIMED_INSERTS; ++n) {
        HistoryEntry entry = RealisticEntry(n);
        QElapsedTimer timer;
        timer.start();
        HistoryStore store(path);
        if (!store.Add(entry)) {
            figures.error = store.Error();
            return figures;
        }
        took.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    figures.insertMs = Median(took);
    std::sort(took.begin(), took.end());
    figures.insertP95Ms = took[took.size() * 95 / 100];
    {
        HistoryStore store(path);
        if (!store.Open()) {
            figures.error = store.Error();
            return figures;
        }

        // The rest of the 100 000 in large transactions, then a radio's list.
        for (int done = TIMED_INSERTS; done < ENTRIES;) {
            std::vector<HistoryEntry> batch;
            for (int i = 0; i < 10000 && done < ENTRIES; ++i, ++done)
                batch.push_back(RealisticEntry(done));
            if (!store.AddAll(batch)) {
                figures.error = store.Error();
                return figures;
            }
        }
        HistoryFilter filter;
        filter.radio = RealisticEntry(RADIOS / 2).radioInfo;
        std::vector<double> queries;
        for (int n = 0; n < TIMED_QUERIES; ++n) {
            QElapsedTimer timer;
            timer.start();
            figures.queryRows = static_cast<int>(store.Find(filter).size());
            queries.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        figures.queryMs = Median(queries);
    }
    // Closed: the journal is folded into the file.
    figures.kbPer1000 = static_cast<double>(std::filesystem::file_size(path)) / 1024.0 / (ENTRIES / 1000.0);
    std::filesystem::remove_all(scratch);
    return figures;
}
