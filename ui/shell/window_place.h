// Where the main window goes and what it shows, remembered between runs in the
// group "Window" of the program's settings.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

struct WindowPlace {
    bool stored = false; // false at first start: nothing was remembered
    QPoint position;     // of the frame, decoration included
    QSize size;          // of the client area
    bool maximized = false;
    bool toolBar = true;
    bool statusBar = true;
    bool summary = true;
};

WindowPlace LoadWindowPlace();
void SaveWindowPlace(const WindowPlace& place);

// The frame rectangle for a window at first start: about three quarters of the
// available area, centred, and at least `minimum`.
QRect FirstStartFrame(const QRect& available, const QSize& minimum);
// `frame` kept as it is when a usable part of it (its top, where the caption is)
// lies on one of the `screens`; otherwise centred on the first of them. Never
// larger than that screen or smaller than `minimum`.
QRect OnScreenFrame(const QRect& frame, const QList<QRect>& screens, const QSize& minimum);
