// The calibration data plot window opens on an export as a read-out of the
// simulated board makes it, with both columns plotted and their figures shown,
// said to a screen reader and zoomed by keys; and a picture of it.
#include "operations/readout_operation.h"
#include "sim/board_memory.h"
#include "ui/windows/calibration_plot_window.h"

#include <QAccessible>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPointer>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

class CalibrationPlotTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnAnExportWithBothColumnsAndTheirFigures()
    {
        std::vector<uint8_t> data;
        for (size_t address = CAL_DATA_START; address < CAL_DATA_START + size_t(CAL_DATA_SIZE); ++address)
            data.push_back(sim::BoardMemory::CalibrationPattern(address));
        const std::string text = FormatCalibrationExport(data.data(), data.size());
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("cal.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        file.close();

        std::unique_ptr<CCalibrationPlotWindow> window(CCalibrationPlotWindow::Open(nullptr, path));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->windowTitle(), QStringLiteral("Calibration Data - cal.txt"));
        const QList<QAbstractSeries*> series = window->ChartView()->chart()->series();
        QCOMPARE(series.size(), 2);
        for (int column = 0; column < 2; ++column) {
            const QLineSeries* line = static_cast<QLineSeries*>(series[column]);
            QCOMPARE(line->count(), 28672);
            // The last line holds the bytes at 0xFFFE and 0xFFFF.
            QCOMPARE(line->at(28671), QPointF(28672, data[size_t(CAL_DATA_SIZE) - 2 + size_t(column)]));
        }
        // The board's two triangle waves each sweep 0 to 255 evenly.
        QCOMPARE(window->Figures(0)->text(), QStringLiteral("Column 1: minimum 0, maximum 255, mean 127.50"));
        QCOMPARE(window->Figures(1)->text(), QStringLiteral("Column 2: minimum 0, maximum 255, mean 127.50"));
        QVERIFY(window->Figures(1)->isVisible());
        // A reader with a comma for the decimal point reads the mean with one.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::unique_ptr<CCalibrationPlotWindow> german(CCalibrationPlotWindow::Open(nullptr, path));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(german->Figures(0)->text(), QStringLiteral("Column 1: minimum 0, maximum 255, mean 127,50"));
        // What a screen reader says of the plot.
        QCOMPARE(QAccessible::queryAccessibleInterface(window->ChartView())->text(QAccessible::Description),
                 window->Figures(0)->text() + QLatin1Char('\n') + window->Figures(1)->text());

        // By keyboard: + zooms in, Home shows the whole file again.
        const QValueAxis* lines = static_cast<QValueAxis*>(window->ChartView()->chart()->axes(Qt::Horizontal).first());
        QTest::keyClick(window->ChartView(), Qt::Key_Plus);
        QVERIFY(lines->max() - lines->min() < 28671);
        QTest::keyClick(window->ChartView(), Qt::Key_Home);
        QCOMPARE(lines->max() - lines->min(), 28671.0);

        const QByteArray screenshots = qgetenv("VIGILON_SCREENSHOTS");
        if (!screenshots.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(screenshots));
            window->grab().save(QString::fromLocal8Bit(screenshots) + QStringLiteral("/calibration-plot.png"));
        }
        // Esc closes the window (which deletes itself when closed).
        QPointer<CCalibrationPlotWindow> closing(window.release());
        QTest::keyClick(closing->ChartView(), Qt::Key_Escape);
        QTRY_VERIFY(closing.isNull());
    }
};

QTEST_MAIN(CalibrationPlotTest)
#include "calibration_plot_test.moc"
