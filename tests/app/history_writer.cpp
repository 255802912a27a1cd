// A test's second program on the service history: adds entries to the history
// file PATH as fast as it can, one transaction per entry, or BATCH entries per
// transaction, and prints the number of entries committed so far after each
// commit, so that a test can kill it at any moment and know what must be there.
//   history-writer PATH COUNT TAG [BATCH]
#include "app/history_store.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    const int count = std::atoi(argv[2]);
    const int batch = argc > 4 ? std::atoi(argv[4]) : 1;
    HistoryStore store(argv[1]);
    if (!store.Open()) {
        std::fprintf(stderr, "%s\n", store.Error().c_str());
        return 1;
    }
    std::printf("open\n");
    std::fflush(stdout);
    DataFileBytes bytes{};
    for (int done = 0; done < count;) {
        std::vector<HistoryEntry> entries;
        for (int i = 0; i < batch && done + i < count; ++i) {
            HistoryEntry entry;
            entry.time = HistoryTimeNow();
            entry.radioInfo = argv[3];
            entry.operation = "write";
            entry.result = "succeeded";
            entry.messages = { "entry " + std::to_string(done + i + 1) };
            bytes[2] = static_cast<uint8_t>(done + i);
            entry.settingsRead = bytes;
            entry.settingsWritten = bytes;
            entries.push_back(entry);
        }
        const bool added = batch == 1 ? store.Add(entries.front()) : store.AddAll(entries);
        if (!added) {
            std::fprintf(stderr, "%s\n", store.Error().c_str());
            return 1;
        }
        done += static_cast<int>(entries.size());
        std::printf("%d\n", done);
        std::fflush(stdout);
    }
    return 0;
}
