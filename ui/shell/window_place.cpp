#include "ui/shell/window_place.h"

#include "app/settings.h"

#include <QSettings>

#include <algorithm>

namespace {

// A frame counts as reachable when this much of its caption lies on a screen.
constexpr int REACHABLE_WIDTH = 100;
constexpr int REACHABLE_HEIGHT = 20;

QSettings Settings()
{
    return QSettings(QString::fromLatin1(SETTINGS_ORGANISATION), QString::fromLatin1(SETTINGS_APPLICATION));
}

QRect Centred(const QSize& size, const QRect& area)
{
    return QRect(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2,
                 size.width(), size.height());
}

} // namespace

WindowPlace LoadWindowPlace()
{
    QSettings settings = Settings();
    settings.beginGroup(QStringLiteral("Window"));
    WindowPlace place;
    place.stored = settings.contains(QStringLiteral("Size"));
    place.position = settings.value(QStringLiteral("Position")).toPoint();
    place.size = settings.value(QStringLiteral("Size")).toSize();
    place.maximized = settings.value(QStringLiteral("Maximized"), false).toBool();
    place.toolBar = settings.value(QStringLiteral("ToolBar"), true).toBool();
    place.statusBar = settings.value(QStringLiteral("StatusBar"), true).toBool();
    place.summary = settings.value(QStringLiteral("SettingsSummary"), true).toBool();
    if (!place.size.isValid())
        place.stored = false;
    return place;
}

void SaveWindowPlace(const WindowPlace& place)
{
    QSettings settings = Settings();
    settings.beginGroup(QStringLiteral("Window"));
    settings.setValue(QStringLiteral("Position"), place.position);
    settings.setValue(QStringLiteral("Size"), place.size);
    settings.setValue(QStringLiteral("Maximized"), place.maximized);
    settings.setValue(QStringLiteral("ToolBar"), place.toolBar);
    settings.setValue(QStringLiteral("StatusBar"), place.statusBar);
    settings.setValue(QStringLiteral("SettingsSummary"), place.summary);
}

QRect FirstStartFrame(const QRect& available, const QSize& minimum)
{
    const QSize size = (available.size() * 3 / 4).expandedTo(minimum);
    return Centred(size, available);
}

QRect OnScreenFrame(const QRect& frame, const QList<QRect>& screens, const QSize& minimum)
{
    if (screens.isEmpty())
        return QRect(frame.topLeft(), frame.size().expandedTo(minimum));
    const QRect caption(frame.x(), frame.y(), frame.width(), REACHABLE_HEIGHT);
    for (const QRect& screen : screens) {
        const QRect seen = caption.intersected(screen);
        if (seen.width() >= std::min(REACHABLE_WIDTH, frame.width()) && seen.height() >= REACHABLE_HEIGHT / 2) {
            // Where it was, moved in as far as it reached out (a size kept at
            // a smaller scale is larger on a screen at a larger one).
            const QSize size = frame.size().boundedTo(screen.size()).expandedTo(minimum);
            const int x = std::max(screen.left(), std::min(frame.x(), screen.right() + 1 - size.width()));
            const int y = std::max(screen.top(), std::min(frame.y(), screen.bottom() + 1 - size.height()));
            return QRect(QPoint(x, y), size);
        }
    }
    const QRect& home = screens.first();
    return Centred(frame.size().boundedTo(home.size()).expandedTo(minimum), home);
}
