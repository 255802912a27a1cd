// A window painted as often as the GUI can, keeping the longest time between
// two of its paints: how long the window stood still.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <algorithm>

class PaintWatch : public QWidget {
public:
    // Shows the window, asks for a paint every 10 ms and starts the watch.
    void Start()
    {
        resize(200, 100);
        show();
        QObject::connect(&m_repaint, &QTimer::timeout, this, [this] { update(); });
        m_repaint.start(10);
        QApplication::processEvents();
        clock.start();
    }
    void paintEvent(QPaintEvent*) override
    {
        if (!clock.isValid())
            return; // painted before the watch began
        const qint64 now = clock.nsecsElapsed();
        if (last >= 0)
            longest = std::max(longest, now - last);
        last = now;
    }
    // The longest gap so far in milliseconds, the time since the last paint included.
    double LongestMs() const
    {
        const qint64 open = last >= 0 ? clock.nsecsElapsed() - last : 0;
        return static_cast<double>(std::max(longest, open)) / 1e6;
    }
    QElapsedTimer clock;
    qint64 last = -1;
    qint64 longest = 0;

private:
    QTimer m_repaint;
};
