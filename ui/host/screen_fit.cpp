#include "ui/host/screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

void FitIntoScreen(QWidget* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QSize decoration = frame.size() - window->size();
    const QSize room = area.size() - decoration;
    if (window->width() > room.width() || window->height() > room.height())
        window->resize(window->size().boundedTo(room).expandedTo(window->minimumSizeHint()));
    const QSize outer = window->size() + decoration;
    const int x = std::max(area.left(), std::min(window->frameGeometry().left(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(window->frameGeometry().top(), area.bottom() + 1 - outer.height()));
    if (x != window->frameGeometry().left() || y != window->frameGeometry().top())
        window->move(x, y);
}

class ScreenKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            FitIntoScreen(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

void KeepOnScreen(QWidget* window)
{
    window->installEventFilter(new ScreenKeeper(window));
}
