#include "ui/controls/number_field_accessible.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "ui/controls/up_down_control.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

NumberFieldAccessible::NumberFieldAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::SpinBox) {}

QLineEdit* NumberFieldAccessible::Edit() const
{
    return static_cast<QLineEdit*>(widget());
}

UpDownControl* NumberFieldAccessible::Arrows() const
{
    return UpDownControl::ForBuddy(Edit());
}

void* NumberFieldAccessible::interface_cast(QAccessible::InterfaceType type)
{
    switch (type) {
    case QAccessible::ValueInterface: return static_cast<QAccessibleValueInterface*>(this);
    case QAccessible::TextInterface: return static_cast<QAccessibleTextInterface*>(this);
    case QAccessible::EditableTextInterface: return static_cast<QAccessibleEditableTextInterface*>(this);
    default: return QAccessibleWidget::interface_cast(type);
    }
}

QAccessible::State NumberFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (Edit()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.selectableText = true;
    return state;
}

QString NumberFieldAccessible::text(QAccessible::Text kind) const
{
    switch (kind) {
    case QAccessible::Value: return Edit()->text();
    case QAccessible::Description: {
        const UpDownControl* arrows = Arrows();
        if (!arrows)
            break;
        const std::string unit = arrows->SpokenUnit().toStdString();
        return QString::fromStdString(FormatString(IDS_NUMBER_RANGE, arrows->Minimum(), arrows->Maximum(), unit.c_str()))
            .trimmed();
    }
    default: break;
    }
    // The name is the label's, as for any edit with a buddy.
    return QAccessibleWidget::text(kind);
}

QVariant NumberFieldAccessible::currentValue() const
{
    bool number = false;
    const int value = Edit()->text().trimmed().toInt(&number);
    return number ? QVariant(value) : QVariant();
}

void NumberFieldAccessible::setCurrentValue(const QVariant& value)
{
    if (UpDownControl* arrows = Arrows())
        arrows->SetPos(value.toInt());
}

QVariant NumberFieldAccessible::maximumValue() const
{
    const UpDownControl* arrows = Arrows();
    return arrows ? QVariant(arrows->Maximum()) : QVariant();
}

QVariant NumberFieldAccessible::minimumValue() const
{
    const UpDownControl* arrows = Arrows();
    return arrows ? QVariant(arrows->Minimum()) : QVariant();
}

QVariant NumberFieldAccessible::minimumStepSize() const
{
    return 1;
}

void NumberFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit()->hasSelectedText())
        return;
    *startOffset = Edit()->selectionStart();
    *endOffset = *startOffset + static_cast<int>(Edit()->selectedText().size());
}

int NumberFieldAccessible::selectionCount() const
{
    return Edit()->hasSelectedText() ? 1 : 0;
}

void NumberFieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void NumberFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        Edit()->deselect();
}

void NumberFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        Edit()->setSelection(startOffset, endOffset - startOffset);
}

int NumberFieldAccessible::cursorPosition() const
{
    return Edit()->cursorPosition();
}

void NumberFieldAccessible::setCursorPosition(int position)
{
    Edit()->setCursorPosition(position);
}

QString NumberFieldAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return QString();
    return Edit()->text().mid(startOffset, endOffset - startOffset);
}

int NumberFieldAccessible::characterCount() const
{
    return static_cast<int>(Edit()->text().size());
}

QRect NumberFieldAccessible::characterRect(int offset) const
{
    // Measured from the start of the text area: the field is short enough
    // never to scroll its few digits out of view.
    QLineEdit* edit = Edit();
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QRect area = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                           .marginsRemoved(edit->textMargins());
    const QString text = edit->text();
    const QFontMetrics metrics = edit->fontMetrics();
    const int at = std::clamp(offset, 0, static_cast<int>(text.size()));
    const int x = area.left() + metrics.horizontalAdvance(text.left(at));
    const int width = at < text.size() ? metrics.horizontalAdvance(text[at]) : 1;
    const QRect local(x, area.top() + (area.height() - metrics.height()) / 2, width, metrics.height());
    return QRect(edit->mapToGlobal(local.topLeft()), local.size());
}

int NumberFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
}

void NumberFieldAccessible::scrollToSubstring(int, int endIndex)
{
    Edit()->setCursorPosition(endIndex);
}

QString NumberFieldAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // Plain digits: no attributes, one run over the whole text.
    *startOffset = 0;
    *endOffset = std::max(offset, characterCount());
    return QString();
}

void NumberFieldAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void NumberFieldAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void NumberFieldAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    QString content = Edit()->text();
    content.replace(startOffset, endOffset - startOffset, text);
    Edit()->setText(content);
    Edit()->setCursorPosition(startOffset + static_cast<int>(text.size()));
}
