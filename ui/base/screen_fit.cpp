#include "ui/base/screen_fit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The frame a window manager puts around the window. Before the window is first
// mapped nobody knows it, so room is kept for a usual title bar and borders.
QMargins FrameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    if (frame != client)
        return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                        frame.bottom() - client.bottom());
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return QMargins();
    const int border = 4;
    return QMargins(border, window->fontMetrics().height() + 2 * border + 4, border, border);
}

void FitIntoScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen || window->isMaximized() || window->isFullScreen())
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameOf(window);
    const QSize room = area.size().shrunkBy(frame);
    QSize size = window->size();
    if (size.width() > room.width() || size.height() > room.height())
        size = size.boundedTo(room).expandedTo(window->minimumSizeHint());
    // The client's place, so that the whole frame, title bar first, lies in the area.
    const QPoint client = window->geometry().topLeft();
    const int x = std::max(area.left() + frame.left(), std::min(client.x(), area.right() + 1 - frame.right() - size.width()));
    const int y = std::max(area.top() + frame.top(), std::min(client.y(), area.bottom() + 1 - frame.bottom() - size.height()));
    if (QRect(x, y, size.width(), size.height()) != window->geometry())
        window->setGeometry(x, y, size.width(), size.height());
}

class ScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWidget* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show) {
            m_framed = false;
            FitIntoScreen(window);
        } else if (!m_framed && (event->type() == QEvent::Move || event->type() == QEvent::Resize)
                   && window->isVisible() && window->frameGeometry() != window->geometry()) {
            // The window manager has framed the window: fit once more with its real frame.
            m_framed = true;
            FitIntoScreen(window);
        }
        return false;
    }

private:
    bool m_framed = false;
};

} // namespace

void KeepOnScreen(QWidget* window)
{
    window->installEventFilter(new ScreenKeeper(window));
}
