// The job sheet: one entry of the service history, or a fleet run with its
// radios, on A4 pages for the radio's file: the radio and its ID, the board,
// the settings written in the settings summary's form, whether the write was
// verified, who did it on which bench and when. Made as a PDF by Qt's own
// writer; the same drawing gives a page as a picture.
#pragma once

#include "app/history_store.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

struct JobSheet {
    std::optional<HistoryRun> run;     // a fleet run's sheet: the run's facts above its radios
    std::vector<HistoryEntry> entries; // the entry, or the run's radios in the order they were done
};

// The page size's worth the output check reserves for a sheet.
constexpr size_t JOB_SHEET_OUTPUT_SIZE = 256 * 1024;

// Writes the sheet as a PDF file, whole or not at all. The service history's
// files and the backups are refused; a file that cannot be written (no such
// folder, write-protected, a full disk) is a failure, with why in `error` as a
// sentence that names the file. Needs a QGuiApplication, for the fonts.
bool WriteJobSheet(const std::string& path, const JobSheet& sheet, std::string& error);

// The sheet's first page as a picture on white at `dpi`, drawn as the PDF draws it.
QImage JobSheetPicture(const JobSheet& sheet, int dpi);
