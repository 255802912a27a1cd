// Export CSV... and Export...: the service history's entries that a filter lets
// through, oldest first, in the history's CSV form, into a file the user chooses.
#pragma once

class HistoryReader;
class QWidget;
struct HistoryFilter;

// Asks for the file and writes it, saying how it went; false when cancelled or failed.
bool ExportHistoryCsv(QWidget* parent, HistoryReader& store, const HistoryFilter& filter);
