// The calibration data at a glance: both columns of an export plotted against
// the line number, with zoom, and each column's minimum, maximum and mean.
#pragma once

#include <QWidget>

class QChartView;
class QLabel;
struct CalibrationFile;

class CCalibrationPlotWindow : public QWidget {
public:
    // Reads and checks the export and shows it in a window of its own over
    // `owner`. A malformed file gets an error box naming its first wrong line,
    // and no window (nullptr).
    static CCalibrationPlotWindow* Open(QWidget* owner, const QString& path);

    QChartView* ChartView() const { return m_view; }
    // The figures line of column 0 or 1, as shown.
    QLabel* Figures(int column) const { return m_figures[column]; }

protected:
    // The plot by keyboard: + and - zoom in and out, the arrows move, Home shows the whole file.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc closes the window, as it does the help window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    CCalibrationPlotWindow(QWidget* owner, const QString& path, const CalibrationFile& file);

    QChartView* m_view = nullptr;
    QLabel* m_figures[2] = { nullptr, nullptr };
};
