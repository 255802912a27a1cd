// Export Job Sheet... in the service history's window: the chosen entry's job
// sheet, or, for a radio of a fleet run, the whole run's when the user wants
// it, as a PDF in a file the user chooses.
#pragma once

class HistoryReader;
class QWidget;
struct HistoryEntry;

// Asks what goes on the sheet and where, writes it and says how it went;
// false when cancelled or failed.
bool ExportJobSheet(QWidget* parent, HistoryReader& store, const HistoryEntry& entry);
