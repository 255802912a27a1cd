#include "ui/host/input_gate.h"

#include <QApplication>
#include <QEvent>

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

} // namespace

InputGate::InputGate()
{
    qApp->installEventFilter(this);
}

InputGate::~InputGate()
{
    qApp->removeEventFilter(this);
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (!IsUserInput(event->type()))
        return false;
    // Shortcuts go to actions, which belong to no open window.
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return event->type() == QEvent::Shortcut;
    QWidget* window = widget->window();
    if (window == m_open.data())
        return false;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && window == modal)
        return false;
    return true;
}
