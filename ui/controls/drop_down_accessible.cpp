#include "ui/controls/drop_down_accessible.h"

#include <QAbstractItemView>
#include <QComboBox>

#include <algorithm>

DropDownAccessible::DropDownAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox* DropDownAccessible::List() const
{
    return static_cast<QComboBox*>(widget());
}

void* DropDownAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString DropDownAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return List()->currentText();
    // The accessible name, else the label's; a list nothing names keeps its choice.
    const QString text = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && text.isEmpty())
        return List()->currentText();
    return text;
}

QAccessible::State DropDownAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = List()->view()->isVisible();
    return state;
}

int DropDownAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface* DropDownAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
}

int DropDownAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->object() == List()->view() ? 0 : -1;
}

QAccessibleInterface* DropDownAccessible::childAt(int, int) const
{
    return nullptr;
}

QStringList DropDownAccessible::actionNames() const
{
    return { showMenuAction(), pressAction() };
}

void DropDownAccessible::doAction(const QString& actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return QAccessibleWidget::doAction(actionName);
    if (List()->view()->isVisible())
        List()->hidePopup();
    else
        List()->showPopup();
}

QStringList DropDownAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}

void DropDownAccessible::selection(int, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

QString DropDownAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return List()->currentText().mid(startOffset, endOffset - startOffset);
}

int DropDownAccessible::characterCount() const
{
    return static_cast<int>(List()->currentText().size());
}

QString DropDownAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = std::max(offset, characterCount());
    return QString();
}
