#include "ui/controls/label_buddy.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>

QString PlainText(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain.append(text[i]);
    }
    return plain;
}

void LabelFor(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    // Qt names a list or table by its accessible name alone, never by a buddy.
    const QString name = PlainText(label->text());
    if (QAbstractItemView* view = qobject_cast<QAbstractItemView*>(control))
        view->setAccessibleName(name);
    if (QComboBox* list = qobject_cast<QComboBox*>(control))
        list->view()->setAccessibleName(name);
}
