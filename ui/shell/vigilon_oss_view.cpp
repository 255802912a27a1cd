#include "ui/shell/vigilon_oss_view.h"

#include "resources/string_ids.h"
#include "ui/base/ui_text.h"
#include "ui/windows/settings_summary.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QVBoxLayout>

CVigilonOssView::CVigilonOssView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea;
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_summary = new SettingsSummary;
    m_summary->setAutoFillBackground(false);
    m_scroll->setWidget(m_summary);
    m_scroll->viewport()->setBackgroundRole(QPalette::Base);
    layout->addWidget(m_scroll);
    // The scroll area takes the focus for the view: its arrow keys scroll, Enter edits.
    m_scroll->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_scroll);
    m_scroll->setAccessibleDescription(UiText(IDS_SUMMARY_ENTER));
}

void CVigilonOssView::ShowSummary(bool show)
{
    m_scroll->setVisible(show);
}

void CVigilonOssView::NameSummary(const QString& name)
{
    m_scroll->setAccessibleName(name);
}

bool CVigilonOssView::SummaryShown() const
{
    return m_scroll->isVisibleTo(this);
}

void CVigilonOssView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (SummaryShown() && onEditRequest) {
        onEditRequest();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void CVigilonOssView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && SummaryShown() && onEditRequest) {
        onEditRequest();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
