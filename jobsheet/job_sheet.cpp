#include "jobsheet/job_sheet.h"

#include "app/backup_folder.h"
#include "app/service_history.h"
#include "jobsheet/job_sheet_layout.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "storage/backups.h"
#include "storage/file_access.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Fine enough for print; the fonts go in as outlines whatever the resolution.
constexpr int PDF_DPI = 300;

QString Program()
{
    return QString::fromStdString(LoadString(IDS_APP_TITLE)) + QLatin1Char(' ') + QStringLiteral(VIGILON_VERSION);
}

} // namespace

bool WriteJobSheet(const std::string& path, const JobSheet& sheet, std::string& error)
{
    if (IsServiceHistoryPath(path)) {
        error = FormatString(IDS_TARGET_IS_HISTORY, path.c_str());
        return false;
    }
    if (IsBackupPath(BackupFolder(), path)) {
        error = FormatString(IDS_TARGET_IS_BACKUP, path.c_str(), BackupFolder().c_str());
        return false;
    }
    // Made in memory, then put in place whole: a failure leaves no half a sheet
    // and an earlier file of that name as it was.
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(PDF_DPI);
        writer.setCreator(Program());
        writer.setTitle(QString::fromStdString(LoadString(IDS_JOBSHEET_TITLE)));
        const std::vector<SheetPage> pages = LayOutJobSheet(sheet, writer);
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = FormatString(IDS_CLI_CANNOT_WRITE, path.c_str());
            return false;
        }
        painter.setRenderHint(QPainter::Antialiasing);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
            PaintSheetPage(painter, pages[i]);
        }
        painter.end();
    }
    WriteProblem problem = WriteProblem::None;
    if (!ReplaceFileContents(path, reinterpret_cast<const uint8_t*>(pdf.constData()), static_cast<size_t>(pdf.size()),
                             &problem)) {
        error = WriteProblemText(path, problem);
        return false;
    }
    return true;
}

QImage JobSheetPicture(const JobSheet& sheet, int dpi)
{
    constexpr double A4_WIDTH_MM = 210;
    constexpr double A4_HEIGHT_MM = 297;
    QImage picture(qRound(A4_WIDTH_MM / 25.4 * dpi), qRound(A4_HEIGHT_MM / 25.4 * dpi), QImage::Format_RGB32);
    picture.setDotsPerMeterX(qRound(dpi / 0.0254));
    picture.setDotsPerMeterY(qRound(dpi / 0.0254));
    picture.fill(Qt::white);
    const std::vector<SheetPage> pages = LayOutJobSheet(sheet, picture);
    QPainter painter(&picture);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    PaintSheetPage(painter, pages.front());
    return picture;
}
