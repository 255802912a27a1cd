// A job sheet laid out on A4 pages: every line of text where it goes, the
// rules and the frames, in the device pixels of the paper it is drawn on
// (a PDF writer or a picture). The PDF and the picture paint the same pages.
#pragma once

#include "jobsheet/job_sheet.h"

#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QString>

#include <vector>

class QPaintDevice;
class QPainter;

enum class SheetStyle { Title, Heading, Label, Text, Strong, Small, Mono, Footer };

// One line of text, drawn within its box.
struct SheetText {
    QRectF box;
    QString text;
    SheetStyle style = SheetStyle::Text;
    bool alignRight = false;
    bool greyed = false; // a setting whose switch is off
};

struct SheetPage {
    std::vector<SheetText> texts;
    std::vector<QLineF> rules;
    std::vector<QRectF> frames;
};

// The pages of the sheet on `device`, whose resolution sets the units; each
// with its footer (the program and its version, the page's number).
std::vector<SheetPage> LayOutJobSheet(const JobSheet& sheet, const QPaintDevice& device);

// The font of a style on `device`.
QFont SheetFont(SheetStyle style);

void PaintSheetPage(QPainter& painter, const SheetPage& page);
