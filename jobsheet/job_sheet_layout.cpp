#include "jobsheet/job_sheet_layout.h"

#include "app/history_text.h"
#include "app/settings_summary_text.h"
#include "board/settings_snapshot.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace {

// Distances on the paper, in millimetres.
constexpr double SIDE_MARGIN = 18;
constexpr double TOP_MARGIN = 16;
constexpr double BOTTOM_MARGIN = 24; // the footer stands below it
constexpr double FOOTER_FROM_BOTTOM = 14;
constexpr double LABEL_WIDTH = 38;
constexpr double FIELD_GAP = 1.2;
constexpr double COLUMN_GAP = 6;
constexpr double FRAME_PADDING = 1.8;
constexpr double INDENT = 4;

// A field the entry does not know.
const QString NONE = QStringLiteral("\u2014");

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Text(int id)
{
    return QString::fromStdString(LoadString(id));
}

// Bytes from the radio, the board or the system, with control characters and
// bytes that are not UTF-8 shown as \xNN, as both front ends show them.
QString Shown(const std::string& bytes)
{
    return bytes.empty() ? NONE : QString::fromStdString(VisibleText(bytes, true));
}

QString Number(int64_t number)
{
    return QString::number(number);
}

// The bench that did the work: its name, else (an entry from before benches
// had names) the computer's.
std::string BenchOf(const HistoryEntry& entry)
{
    return entry.bench.empty() ? entry.host : entry.bench;
}

// One line of a table's cell.
struct CellLine {
    QString text;
    SheetStyle style;
};
using Cell = std::vector<CellLine>;

class SheetLayout {
public:
    explicit SheetLayout(const QPaintDevice& device)
        : m_device(device), m_mm(device.logicalDpiY() / 25.4), m_left(SIDE_MARGIN * m_mm),
          m_right(device.width() - SIDE_MARGIN * m_mm), m_top(TOP_MARGIN * m_mm),
          m_bottom(device.height() - BOTTOM_MARGIN * m_mm)
    {
        NewPage();
    }

    double Mm(double millimetres) const { return millimetres * m_mm; }
    double Width() const { return m_right - m_left; }
    double LineHeight(SheetStyle style) const { return QFontMetricsF(SheetFont(style), &m_device).lineSpacing(); }
    double TextWidth(const QString& text, SheetStyle style) const
    {
        return QFontMetricsF(SheetFont(style), &m_device).horizontalAdvance(text);
    }

    // The text broken into lines that fit `width`: at its line feeds, between
    // words, and inside a word (a path, a hash) longer than the width.
    QStringList Wrap(const QString& text, SheetStyle style, double width) const
    {
        QStringList lines;
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
            QTextLayout layout(paragraph, SheetFont(style), &m_device);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
            }
            layout.endLayout();
            if (paragraph.isEmpty())
                lines.append(QString());
        }
        return lines;
    }

    // Goes on on a new page unless `height` fits below what is there.
    void Ensure(double height)
    {
        if (m_y + height > m_bottom && m_y > m_top) {
            NewPage();
            if (m_continued)
                m_continued();
        }
    }

    void Put(double x, double width, const QString& text, SheetStyle style, bool alignRight = false, bool greyed = false)
    {
        m_pages.back().texts.push_back({ QRectF(x, m_y, width, LineHeight(style)), text, style, alignRight, greyed });
    }

    void Rule(double x1, double x2, double y) { m_pages.back().rules.emplace_back(x1, y, x2, y); }

    void Title(const QString& title, const QString& number)
    {
        const double height = LineHeight(SheetStyle::Title);
        Put(m_left, Width(), title, SheetStyle::Title);
        if (!number.isEmpty()) {
            // On the title's baseline, at the right edge.
            const double drop = QFontMetricsF(SheetFont(SheetStyle::Title), &m_device).ascent()
                                - QFontMetricsF(SheetFont(SheetStyle::Heading), &m_device).ascent();
            m_y += drop;
            Put(m_left, Width(), number, SheetStyle::Heading, true);
            m_y -= drop;
        }
        m_y += height + Mm(1);
        Rule(m_left, m_right, m_y);
        m_y += Mm(4);
    }

    void Heading(const QString& text)
    {
        m_y += Mm(4);
        // A heading stays with the first lines below it.
        Ensure(LineHeight(SheetStyle::Heading) + Mm(2) + 3 * LineHeight(SheetStyle::Text));
        Put(m_left, Width(), text, SheetStyle::Heading);
        m_y += LineHeight(SheetStyle::Heading) + Mm(0.8);
        Rule(m_left, m_right, m_y);
        m_y += Mm(2);
    }

    void Field(int labelId, const QString& value, SheetStyle style = SheetStyle::Text)
    {
        const double valueX = m_left + Mm(LABEL_WIDTH);
        const QStringList labels = Wrap(Text(labelId), SheetStyle::Label, Mm(LABEL_WIDTH - 2));
        const QStringList values = Wrap(value, style, m_right - valueX);
        const double height = std::max(labels.size() * LineHeight(SheetStyle::Label), values.size() * LineHeight(style));
        Ensure(height);
        const double top = m_y;
        for (const QString& line : labels) {
            Put(m_left, Mm(LABEL_WIDTH - 2), line, SheetStyle::Label);
            m_y += LineHeight(SheetStyle::Label);
        }
        m_y = top;
        for (const QString& line : values) {
            Put(valueX, m_right - valueX, line, style);
            m_y += LineHeight(style);
        }
        m_y = top + height + Mm(FIELD_GAP);
    }

    // The settings as the settings summary shows them: the codeplug version,
    // then the edit dialog's two columns, a frame per switch with its settings.
    void Settings(int titleId, const DataFileBytes& bytes)
    {
        SettingsSnapshot settings;
        const bool valid = HistorySettings(bytes, settings);
        Heading(Text(titleId));
        if (!valid) {
            Put(m_left, Width(), Text(IDS_HISTORY_BAD_CHECKSUM), SheetStyle::Strong);
            m_y += LineHeight(SheetStyle::Strong) + Mm(1);
        }
        const double line = LineHeight(SheetStyle::Text);
        const double columnWidth = (Width() - Mm(COLUMN_GAP)) / SUMMARY_COLUMNS;
        std::vector<SummaryGroup> columns[SUMMARY_COLUMNS];
        double height = 0;
        for (int side = 0; side < SUMMARY_COLUMNS; ++side) {
            columns[side] = SummaryColumn(side);
            double column = 0;
            for (const SummaryGroup& group : columns[side])
                column += group.lines.size() * line + (group.framed ? 2 * Mm(FRAME_PADDING) : 0) + Mm(2);
            height = std::max(height, column);
        }
        Ensure(line + Mm(2) + height);
        Put(m_left, Width(), Text(SummaryVersion(settings)), SheetStyle::Text);
        m_y += line + Mm(2);
        const double top = m_y;
        for (int side = 0; side < SUMMARY_COLUMNS; ++side) {
            const double x = m_left + side * (columnWidth + Mm(COLUMN_GAP));
            m_y = top;
            for (const SummaryGroup& group : columns[side]) {
                const double padding = Mm(FRAME_PADDING);
                if (group.framed)
                    m_pages.back().frames.emplace_back(x, m_y, columnWidth, group.lines.size() * line + 2 * padding);
                m_y += group.framed ? padding : 0;
                for (const SummaryLine& entry : group.lines) {
                    const bool greyed = SummaryGreyed(*entry.row, settings);
                    const double indent = padding + (entry.member ? Mm(INDENT) : 0);
                    Put(x + indent, columnWidth * 0.66 - indent, Text(SummaryLabel(*entry.row)),
                        entry.member ? SheetStyle::Text : SheetStyle::Strong, false, greyed);
                    Put(x + columnWidth * 0.66, columnWidth * 0.34 - padding, Text(SummaryValue(*entry.row, settings)),
                        SheetStyle::Text, true, greyed);
                    m_y += line;
                }
                m_y += (group.framed ? padding : 0) + Mm(2);
            }
        }
        m_y = top + height;
    }

    // A table of `heads` over columns of `widths` (device pixels, filling the
    // width); its heads come again on each page it goes on to.
    void Table(const std::vector<QString>& heads, const std::vector<double>& widths,
               const std::vector<std::vector<Cell>>& rows)
    {
        const auto head = [&] {
            double x = m_left;
            for (size_t i = 0; i < heads.size(); ++i) {
                Put(x, widths[i] - Mm(2), heads[i], SheetStyle::Strong);
                x += widths[i];
            }
            m_y += LineHeight(SheetStyle::Strong) + Mm(0.8);
            Rule(m_left, m_right, m_y);
            m_y += Mm(1.2);
        };
        Ensure(LineHeight(SheetStyle::Strong) + Mm(2) + 2 * LineHeight(SheetStyle::Text));
        head();
        m_continued = head;
        for (const std::vector<Cell>& row : rows) {
            std::vector<std::vector<CellLine>> wrapped(row.size());
            double height = 0;
            for (size_t i = 0; i < row.size(); ++i) {
                double cell = 0;
                for (const CellLine& part : row[i]) {
                    for (const QString& text : Wrap(part.text, part.style, widths[i] - Mm(2))) {
                        wrapped[i].push_back({ text, part.style });
                        cell += LineHeight(part.style);
                    }
                }
                height = std::max(height, cell);
            }
            Ensure(height + Mm(1.5));
            const double top = m_y;
            double x = m_left;
            for (size_t i = 0; i < wrapped.size(); ++i) {
                m_y = top;
                for (const CellLine& text : wrapped[i]) {
                    Put(x, widths[i] - Mm(2), text.text, text.style);
                    m_y += LineHeight(text.style);
                }
                x += widths[i];
            }
            m_y = top + height + Mm(0.7);
            m_pages.back().rules.emplace_back(m_left, m_y, m_right, m_y);
            m_y += Mm(0.8);
        }
        m_continued = nullptr;
    }

    // A line to sign on, under what the sheet says.
    void Signature()
    {
        m_y += Mm(16);
        Ensure(LineHeight(SheetStyle::Small) + Mm(1));
        Rule(m_left, m_left + Mm(80), m_y);
        m_y += Mm(1);
        Put(m_left, Mm(80), Text(IDS_JOBSHEET_SIGNATURE), SheetStyle::Small);
    }

    // Every page's footer: the program and its version, and the page's number.
    std::vector<SheetPage> Finish()
    {
        const QString program = Text(IDS_APP_TITLE) + QLatin1Char(' ') + QStringLiteral(VIGILON_VERSION);
        const double y = m_device.height() - FOOTER_FROM_BOTTOM * m_mm;
        const int count = static_cast<int>(m_pages.size());
        for (int i = 0; i < count; ++i) {
            SheetPage& page = m_pages[static_cast<size_t>(i)];
            page.rules.emplace_back(m_left, y - Mm(1.5), m_right, y - Mm(1.5));
            const QRectF box(m_left, y, Width(), LineHeight(SheetStyle::Footer));
            page.texts.push_back({ box, program, SheetStyle::Footer, false, false });
            page.texts.push_back(
                {box, Text(FormatString(IDS_JOBSHEET_PAGE, i + 1, count)), SheetStyle::Footer, true, false});
        }
        return std::move(m_pages);
    }

private:
    void NewPage()
    {
        m_pages.emplace_back();
        m_y = m_top;
    }

    const QPaintDevice& m_device;
    const double m_mm; // device pixels per millimetre
    const double m_left, m_right, m_top, m_bottom;
    double m_y = 0;
    std::vector<SheetPage> m_pages;
    std::function<void()> m_continued; // what a page a table goes on to starts with
};

// The settings an entry wrote, else those it read.
void EntrySettings(SheetLayout& layout, const HistoryEntry& entry)
{
    if (entry.settingsWritten)
        layout.Settings(IDS_HISTORY_SETTINGS_WRITTEN, *entry.settingsWritten);
    else if (entry.settingsRead)
        layout.Settings(IDS_HISTORY_SETTINGS_READ, *entry.settingsRead);
}

// The result in words, with why it failed.
QString ResultText(const HistoryEntry& entry)
{
    QString text = Text(HistoryWord(entry.result));
    if (!entry.Succeeded()) {
        for (const std::string& message : entry.messages)
            text += QLatin1Char('\n') + Shown(message);
    }
    return text;
}

void LayOutEntry(SheetLayout& layout, const HistoryEntry& entry)
{
    layout.Title(Text(IDS_JOBSHEET_TITLE),
                 entry.id > 0 ? Text(FormatString(IDS_HISTORY_ENTRY, std::to_string(entry.id).c_str())) : QString());
    layout.Field(IDS_HISTORY_TIME, Text(HistoryLocalTime(entry.time)));
    layout.Field(IDS_JOBSHEET_TECHNICIAN, Shown(entry.user));
    layout.Field(IDS_HISTORY_BENCH, Shown(BenchOf(entry)));
    layout.Field(IDS_HISTORY_RADIO_ID, Shown(entry.radioId));
    layout.Field(IDS_HISTORY_RADIO, Shown(entry.radioInfo));
    layout.Field(IDS_HISTORY_BOARD, Shown(HistoryBoardText(entry)));
    layout.Field(IDS_HISTORY_OPERATION, Text(HistoryWord(entry.operation)));
    layout.Field(IDS_HISTORY_RESULT, ResultText(entry));
    if (entry.settingsWritten)
        layout.Field(IDS_JOBSHEET_VERIFIED, Text(entry.verified ? IDS_JOBSHEET_VERIFIED_YES : IDS_JOBSHEET_VERIFIED_NO));
    if (entry.fleetRun > 0)
        layout.Field(IDS_HISTORY_FLEET_RUN, Number(entry.fleetRun));
    EntrySettings(layout, entry);
    layout.Signature();
}

void LayOutRun(SheetLayout& layout, const HistoryRun& run, const std::vector<HistoryEntry>& entries)
{
    layout.Title(Text(IDS_JOBSHEET_TITLE), run.id > 0 ? Text(FormatString(IDS_JOBSHEET_RUN, std::to_string(run.id).c_str()))
                                                      : Text(IDS_HISTORY_FLEET_RUN));
    layout.Field(IDS_JOBSHEET_SETTINGS_FILE, Shown(run.settingsFile));
    layout.Field(IDS_JOBSHEET_SHA256, run.settingsSha256.empty() ? NONE : Text(run.settingsSha256), SheetStyle::Mono);
    layout.Field(IDS_JOBSHEET_PORTS, Shown(run.ports));
    layout.Field(IDS_JOBSHEET_STARTED, Text(HistoryLocalTime(run.started)));
    layout.Field(IDS_JOBSHEET_ENDED,
                 run.ended.empty() ? Text(IDS_HISTORY_RUN_NOT_ENDED) : Text(HistoryLocalTime(run.ended)));
    if (!entries.empty()) {
        layout.Field(IDS_JOBSHEET_TECHNICIAN, Shown(entries.front().user));
        layout.Field(IDS_HISTORY_BENCH, Shown(BenchOf(entries.front())));
    }
    const long programmed
        = std::count_if(entries.begin(), entries.end(), [](const HistoryEntry& e) { return e.Succeeded(); });
    const long failed = static_cast<long>(entries.size()) - programmed;
    layout.Field(IDS_JOBSHEET_RADIOS, Text(FormatString(CountedTextId(programmed, IDS_FLEET_SUMMARY_ONE, IDS_FLEET_SUMMARY),
                                                        static_cast<int>(programmed), static_cast<int>(failed))));
    // Every radio of a run was given the same settings.
    const auto written = std::find_if(entries.begin(), entries.end(),
                                      [](const HistoryEntry& e) { return e.settingsWritten.has_value(); });
    if (written != entries.end())
        layout.Settings(IDS_HISTORY_SETTINGS_WRITTEN, *written->settingsWritten);

    layout.Heading(Text(IDS_JOBSHEET_RADIOS));
    // Entries of the history go by their numbers; a run it did not keep, by the order of its radios.
    const bool numbered = std::all_of(entries.begin(), entries.end(), [](const HistoryEntry& e) { return e.id > 0; });
    std::vector<std::vector<Cell>> rows;
    for (size_t i = 0; i < entries.size(); ++i) {
        const HistoryEntry& entry = entries[i];
        Cell result{ { Text(HistoryResultText(entry)), SheetStyle::Text } };
        if (!entry.Succeeded()) {
            for (const std::string& message : entry.messages)
                result.push_back({ Shown(message), SheetStyle::Small });
        }
        Cell radio{ { Shown(entry.radioInfo), SheetStyle::Text } };
        if (!HistoryBoardText(entry).empty())
            radio.push_back({ Shown(HistoryBoardText(entry)), SheetStyle::Small });
        rows.push_back({ { { Number(numbered ? entry.id : static_cast<int64_t>(i + 1)), SheetStyle::Text } },
                         { { Text(HistoryLocalTime(entry.time)), SheetStyle::Text } },
                         { { Shown(entry.radioId), SheetStyle::Text } },
                         radio,
                         result });
    }
    const std::vector<QString> heads{ Text(numbered ? IDS_JOBSHEET_ENTRY : IDS_JOBSHEET_NUMBER), Text(IDS_HISTORY_TIME),
                                      Text(IDS_HISTORY_RADIO_ID), Text(IDS_HISTORY_RADIO), Text(IDS_HISTORY_RESULT) };
    // The number and the time on one line each, whatever the language's words;
    // the radio's text takes what is left.
    const auto fit = [&](size_t column, const QString& widest) {
        return std::max(layout.TextWidth(heads[column], SheetStyle::Strong), layout.TextWidth(widest, SheetStyle::Text))
               + layout.Mm(3);
    };
    std::vector<double> widths {
        fit(0, Number(numbered && !entries.empty() ? entries.back().id : static_cast<int64_t>(entries.size()))),
        fit(1, QStringLiteral("0000-00-00 00:00:00")), layout.Mm(30), 0, layout.Mm(36)};
    widths[3] = layout.Width() - widths[0] - widths[1] - widths[2] - widths[4];
    layout.Table(heads, widths, rows);
    layout.Signature();
}

QColor ColourOf(const SheetText& text)
{
    if (text.greyed)
        return QColor(0x99, 0x99, 0x99);
    switch (text.style) {
    case SheetStyle::Label:
    case SheetStyle::Small: return QColor(0x44, 0x44, 0x44);
    case SheetStyle::Footer: return QColor(0x66, 0x66, 0x66);
    default: return Qt::black;
    }
}

} // namespace

QFont SheetFont(SheetStyle style)
{
    QFont font
        = QFontDatabase::systemFont(style == SheetStyle::Mono ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont);
    // No ligatures: "off" and "Verified" copied or searched in the PDF are those words.
    font.setStyleStrategy(QFont::PreferNoShaping);
    const struct {
        SheetStyle style;
        double points;
        bool bold;
    } sizes[] = {
        { SheetStyle::Title, 17, true }, { SheetStyle::Heading, 11, true }, { SheetStyle::Label, 9, false },
        { SheetStyle::Text, 9.5, false }, { SheetStyle::Strong, 9.5, true }, { SheetStyle::Small, 8, false },
        { SheetStyle::Mono, 8.5, false }, { SheetStyle::Footer, 7.5, false },
    };
    for (const auto& size : sizes) {
        if (size.style == style) {
            font.setPointSizeF(size.points);
            font.setBold(size.bold);
        }
    }
    return font;
}

std::vector<SheetPage> LayOutJobSheet(const JobSheet& sheet, const QPaintDevice& device)
{
    SheetLayout layout(device);
    if (sheet.run)
        LayOutRun(layout, *sheet.run, sheet.entries);
    else if (!sheet.entries.empty())
        LayOutEntry(layout, sheet.entries.front());
    return layout.Finish();
}

void PaintSheetPage(QPainter& painter, const SheetPage& page)
{
    const double mm = painter.device()->logicalDpiY() / 25.4;
    painter.setPen(QPen(QColor(0xbb, 0xbb, 0xbb), 0.25 * mm));
    painter.setBrush(Qt::NoBrush);
    for (const QRectF& frame : page.frames)
        painter.drawRoundedRect(frame, 1.2 * mm, 1.2 * mm);
    painter.setPen(QPen(QColor(0x99, 0x99, 0x99), 0.2 * mm));
    for (const QLineF& rule : page.rules)
        painter.drawLine(rule);
    for (const SheetText& text : page.texts) {
        painter.setFont(SheetFont(text.style));
        painter.setPen(ColourOf(text));
        painter.drawText(text.box,
                         Qt::TextSingleLine | Qt::AlignVCenter | (text.alignRight ? Qt::AlignRight : Qt::AlignLeft),
                         text.text);
    }
}
