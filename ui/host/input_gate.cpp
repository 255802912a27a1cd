#include "ui/host/input_gate.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// The widget a window belongs to when it has no parent widget: the window its
// native window is transient for, else the widget it hands its focus to (a
// name completer's list has no parent, only its field as focus proxy).
QWidget* Owner(QWidget* window)
{
    if (QWindow* handle = window->windowHandle()) {
        if (QWindow* transient = handle->transientParent()) {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top->windowHandle() == transient)
                    return top;
            }
        }
    }
    QWidget* proxy = window->focusProxy();
    return proxy != window ? proxy : nullptr;
}

} // namespace

InputGate::InputGate()
{
    qApp->installEventFilter(this);
}

InputGate::~InputGate()
{
    qApp->removeEventFilter(this);
}

bool InputGate::Allowed(QWidget* widget) const
{
    QWidget* modal = QApplication::activeModalWidget();
    // Up through parents and owners; a bound keeps a loop of owners from hanging.
    for (int step = 0; widget && step < 256; ++step) {
        if (widget == m_open.data() || (modal && widget == modal))
            return true;
        QWidget* up = widget->parentWidget() ? widget->parentWidget() : Owner(widget);
        // A pop-up of no window could only have been opened by input that got
        // through; it holds all input while open, so it must get its own.
        if (!up && widget == QApplication::activePopupWidget())
            return true;
        widget = up;
    }
    return false;
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsUserInput(event->type()))
        return false;
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (!widget) {
        // Shortcuts go to actions and shortcut objects: they get through when
        // the widget they belong to does (the main window's never do).
        if (event->type() != QEvent::Shortcut)
            return false;
        for (QObject* owner = watched->parent(); owner && !widget; owner = owner->parent())
            widget = qobject_cast<QWidget*>(owner);
        return !widget || !Allowed(widget);
    }
    return !Allowed(widget);
}
