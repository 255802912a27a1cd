#include "ui/windows/calibration_plot_window.h"

#include "ui/base/program_objects.h"

#include "operations/calibration_file.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "ui/controls/accessible_factory.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"

#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QLineSeries>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

namespace {

QLineSeries* ColumnSeries(const CalibrationColumn& column, int index)
{
    QList<QPointF> points;
    points.reserve(static_cast<int>(column.values.size()));
    for (size_t line = 0; line < column.values.size(); ++line)
        points.append(QPointF(static_cast<qreal>(line + 1), column.values[line]));
    QLineSeries* series = new QLineSeries;
    series->setName(QString::fromStdString(FormatString(IDS_CALPLOT_SERIES, index + 1)));
    series->replace(points); // one update for all points, not one per point
    return series;
}

// Ticks at multiples of a power of two, about eight of them in view, however
// far the zoom goes: byte values and line numbers both read well that way.
void FitTicks(QValueAxis* axis, qreal low, qreal high)
{
    qreal interval = 1;
    while (interval * 8 < high - low)
        interval *= 2;
    axis->setTickInterval(interval);
}

QValueAxis* Axis(int titleId, qreal low, qreal high)
{
    QValueAxis* axis = new QValueAxis;
    axis->setTitleText(UiText(titleId));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    QObject::connect(axis, &QValueAxis::rangeChanged, axis, [axis](qreal from, qreal to) { FitTicks(axis, from, to); });
    axis->setRange(low, high);
    return axis;
}

} // namespace

CCalibrationPlotWindow* CCalibrationPlotWindow::Open(QWidget* owner, const QString& path)
{
    const CalibrationFile file = LoadCalibrationFile(QFile::encodeName(path).toStdString());
    if (!file.error.empty()) {
        ShowStatusText(GuiContext(), MSG_ERROR, file.error);
        return nullptr;
    }
    CCalibrationPlotWindow* window = new CCalibrationPlotWindow(owner, path, file);
    window->show();
    return window;
}

CCalibrationPlotWindow::CCalibrationPlotWindow(QWidget* owner, const QString& path, const CalibrationFile& file)
    : QWidget(owner, Qt::Window)
{
    // A screen reader takes it for a window.
    InstallAccessibleFactory();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FormatUiText(IDS_CALPLOT_CAPTION, QFileInfo(path).fileName()));

    QChart* chart = new QChart;
    QValueAxis* lines = Axis(IDS_CALPLOT_LINE_AXIS, 1, CAL_FILE_LINES);
    QValueAxis* values = Axis(IDS_CALPLOT_VALUE_AXIS, 0, 255);
    chart->addAxis(lines, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (int column = 0; column < 2; ++column) {
        QLineSeries* series = ColumnSeries(file.columns[column], column);
        chart->addSeries(series);
        series->attachAxis(lines);
        series->attachAxis(values);
    }
    chart->legend()->setAlignment(Qt::AlignTop);

    // A dragged rectangle zooms in; the chart view's own right-click zooms
    // out a step, Reset Zoom goes back to the whole file. The keys do the same
    // (see eventFilter).
    m_view = new QChartView(chart);
    m_view->setRubberBand(QChartView::RectangleRubberBand);
    m_view->setRenderHint(QPainter::Antialiasing, false);
    m_view->installEventFilter(this);
    QPushButton* reset = new QPushButton(UiText(IDS_CALPLOT_RESET_KEYED));
    connect(reset, &QPushButton::clicked, chart, [chart] { chart->zoomReset(); });

    QVBoxLayout* figures = new QVBoxLayout;
    QStringList described;
    for (int column = 0; column < 2; ++column) {
        m_figures[column] = new QLabel(QString::fromStdString(
            CalibrationColumnFigures(file, column, QLocale().decimalPoint().toStdString())));
        m_figures[column]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figures->addWidget(m_figures[column]);
        described.append(m_figures[column]->text());
    }
    // The plot's text alternative: a screen reader says the figures it shows.
    m_view->setAccessibleName(UiText(IDS_CALPLOT_NAME));
    m_view->setAccessibleDescription(described.join(QLatin1Char('\n')));
    // The view takes the focus and the keys; its drawing area as a second,
    // nameless stop would say nothing.
    m_view->viewport()->setFocusPolicy(Qt::NoFocus);
    QLabel* hint = new QLabel(UiText(IDS_CALPLOT_ZOOM_HINT));
    hint->setEnabled(false);
    figures->addWidget(hint);
    QLabel* keys = new QLabel(UiText(IDS_CALPLOT_KEYS_HINT));
    keys->setEnabled(false);
    figures->addWidget(keys);
    QHBoxLayout* below = new QHBoxLayout;
    below->addLayout(figures, 1);
    below->addWidget(reset, 0, Qt::AlignBottom);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    layout->addLayout(below);
    resize(900, 560);
    KeepOnScreen(this);
}

bool CCalibrationPlotWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    QChart* chart = m_view->chart();
    // A tenth of the plot per arrow key, as a short drag would move it.
    const qreal stepX = chart->plotArea().width() / 10;
    const qreal stepY = chart->plotArea().height() / 10;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: chart->zoomIn(); return true;
    case Qt::Key_Minus: chart->zoomOut(); return true;
    case Qt::Key_Home: chart->zoomReset(); return true;
    case Qt::Key_Left: chart->scroll(-stepX, 0); return true;
    case Qt::Key_Right: chart->scroll(stepX, 0); return true;
    case Qt::Key_Up: chart->scroll(0, stepY); return true;
    case Qt::Key_Down: chart->scroll(0, -stepY); return true;
    default: return QWidget::eventFilter(watched, event);
    }
}

void CCalibrationPlotWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
