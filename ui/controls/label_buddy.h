// A label names the control beside it: it becomes the control's buddy, so that
// its mnemonic takes the focus there and a screen reader says it as the
// control's name.
#pragma once

class QLabel;
class QString;
class QWidget;

// The text as it is shown and said: without the '&' of its mnemonic ("&&" is one '&').
QString PlainText(const QString& text);

// Makes `label` the buddy of `control`, which must be its sibling (Qt finds a
// buddy among the control's siblings). A list, or a drop-down list's open
// list, is named after the label as well.
void LabelFor(QLabel* label, QWidget* control);
