#include "bench/depot_bench.h"

#include "bench/history_bench.h"
#include "app/depot_store.h"
#include "app/history_store.h"
#include "app/history_sync.h"
#include "tests/support/postgres_server.h"
#include "tests/support/programs.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

constexpr int UPLOADED = 20000;
constexpr int DEPOT_ENTRIES = 1000000;
constexpr int DEPOT_BENCHES = 10;
constexpr int DEPOT_RADIOS = 5000; // 200 entries each
constexpr int TIMED_QUERIES = 11;

// A realistic write, its radio named by an ID of 5000.
HistoryEntry WriteEntry(int n)
{
    HistoryEntry entry = RealisticEntry(n);
    entry.bench = "Bench 3";
    entry.radioId = "SN" + std::to_string(100000 + n % DEPOT_RADIOS);
    return entry;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

DepotFigures MeasureDepotFigures()
{
    DepotFigures figures;
    PostgresCluster server;
    if (!server.Error().empty()) {
        figures.error = server.Error();
        return figures;
    }
    ::setenv("PGPASSFILE", server.passwordFile.c_str(), 1);
    {
        DepotStore owner(server.Uri("depot_owner"));
        if (!owner.Open()) {
            figures.error = owner.Error();
            return figures;
        }
    }
    server.GrantBenches();

    // One bench's 20 000 entries, sent as `history sync` sends them.
    const std::filesystem::path scratch = std::filesystem::temp_directory_path() / "vigilon-depot-bench";
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    {
        HistoryStore local((scratch / "history.sqlite").string());
        std::vector<HistoryEntry> entries;
        for (int n = 0; n < UPLOADED; ++n)
            entries.push_back(WriteEntry(n));
        if (!local.AddAll(entries)) {
            figures.error = local.Error();
            return figures;
        }
        DepotStore depot(server.Uri());
        QElapsedTimer timer;
        timer.start();
        const HistorySyncOutcome outcome = depot.Open() ? SyncHistory(local, depot) : HistorySyncOutcome{};
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (outcome.uploaded != UPLOADED) {
            figures.error = depot.Error().empty() ? outcome.error : depot.Error();
            return figures;
        }
        figures.uploadPerSecond = outcome.uploaded / seconds;
    }

    // The rest of a million, from ten benches, made by the server itself from the
    // entries just sent (their values, another bench's journal and number each).
    server.Sql("INSERT INTO entries (journal, journal_seq, previous_hash, hash, time_utc, \"user\", host, program, port,"
               " device, radio_info, board_type, board_hardware, board_software, board_codeplug, operation, result,"
               " verified, messages, settings_read, settings_written, backup_file, radio_id, bench, uuid)"
               " SELECT 'bench-' || (g % " + std::to_string(DEPOT_BENCHES) + "), g, '', '', e.time_utc, e.\"user\","
               " e.host, e.program, e.port, e.device, e.radio_info, e.board_type, e.board_hardware, e.board_software,"
               " e.board_codeplug, e.operation, e.result, e.verified, e.messages, e.settings_read, e.settings_written,"
               " e.backup_file, 'SN' || (100000 + g % " + std::to_string(DEPOT_RADIOS) + "), 'Bench ' || (g % "
               + std::to_string(DEPOT_BENCHES) + "), md5(g::text)"
               " FROM generate_series(1, " + std::to_string(DEPOT_ENTRIES - UPLOADED) + ") g"
               " JOIN entries e ON e.journal_seq = 1 + g % " + std::to_string(UPLOADED));
    server.Sql("VACUUM ANALYZE entries");
    if (!server.Error().empty()) {
        figures.error = server.Error();
        return figures;
    }
    const std::string count = server.Sql("SELECT count(*) FROM entries");
    if (std::atoi(count.c_str()) != DEPOT_ENTRIES) {
        figures.error = "the record holds " + count + " entries, not a million";
        return figures;
    }
    std::vector<double> took;
    const std::map<std::string, std::string> environment
        = { { "PGPASSFILE", server.passwordFile }, { "XDG_DATA_HOME", scratch.string() },
            { "XDG_CONFIG_HOME", scratch.string() } };
    for (int n = 0; n < TIMED_QUERIES; ++n) {
        QElapsedTimer timer;
        timer.start();
        const ProgramResult listed = RunProgram(VIGILON_OSS_CLI,
                                                { "--history-server", server.Uri(), "history", "--all-benches",
                                                  "--radio-id", "SN" + std::to_string(100000 + (n * 37) % DEPOT_RADIOS) },
                                                std::string(), environment);
        took.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (listed.status != 0) {
            figures.error = listed.err;
            return figures;
        }
        figures.queryRows = static_cast<int>(std::count(listed.out.begin(), listed.out.end(), '\n'));
    }
    figures.queryMs = Median(took);
    std::filesystem::remove_all(scratch);
    return figures;
}
