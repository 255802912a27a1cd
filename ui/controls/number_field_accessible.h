// What a screen reader finds in a number field, the edit its up-down arrows
// step: one spin box, named by its label, with its value, its range and unit
// (the description), and the text it holds to read and edit as in any edit.
#pragma once

#include <QAccessibleWidget>

class QLineEdit;
class UpDownControl;

class NumberFieldAccessible : public QAccessibleWidget,
                              public QAccessibleValueInterface,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface {
public:
    explicit NumberFieldAccessible(QLineEdit* edit);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;

    // The value: the number in the edit, within the arrows' range.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The text, as the edit holds it.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* Edit() const;
    UpDownControl* Arrows() const;
};
