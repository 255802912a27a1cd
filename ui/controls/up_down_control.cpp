#include "ui/controls/up_down_control.h"

#include "resources/string_ids.h"
#include "ui/base/ui_text.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

UpDownControl::UpDownControl(QWidget* parent, bool wrap) : QWidget(parent), m_wrap(wrap)
{
    m_up = new QToolButton(this);
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : { m_up, m_down }) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownControl::SetBuddy(QLineEdit* buddy)
{
    m_buddy = buddy;
    if (m_buddy)
        m_buddy->installEventFilter(this);
}

UpDownControl* UpDownControl::ForBuddy(const QLineEdit* edit)
{
    if (!edit || !edit->parentWidget())
        return nullptr;
    for (QObject* sibling : edit->parentWidget()->children()) {
        UpDownControl* arrows = dynamic_cast<UpDownControl*>(sibling);
        if (arrows && arrows->m_buddy == edit)
            return arrows;
    }
    return nullptr;
}

void UpDownControl::SetLabel(const QString& label)
{
    m_up->setAccessibleName(FormatUiText(IDS_NUMBER_INCREASE, label));
    m_down->setAccessibleName(FormatUiText(IDS_NUMBER_DECREASE, label));
}

void UpDownControl::SetRange(int minimum, int maximum)
{
    m_min = minimum;
    m_max = maximum;
}

void UpDownControl::SetPos(int position)
{
    m_pos = std::clamp(position, std::min(m_min, m_max), std::max(m_min, m_max));
    if (!m_buddy)
        return;
    m_buddy->setText(QString::number(m_pos));
    QAccessibleValueChangeEvent changed(m_buddy, m_pos);
    QAccessible::updateAccessibility(&changed);
}

std::pair<int, bool> UpDownControl::GetPos() const
{
    if (!m_buddy)
        return { m_pos, false };
    bool number = false;
    const int value = m_buddy->text().trimmed().toInt(&number);
    if (!number || value < m_min || value > m_max)
        return { m_pos, true };
    return { value, false };
}

void UpDownControl::Step(int direction)
{
    const std::pair<int, bool> current = GetPos();
    int next = current.first + direction;
    if (next > m_max)
        next = m_wrap ? m_min : m_max;
    if (next < m_min)
        next = m_wrap ? m_max : m_min;
    SetPos(next);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
