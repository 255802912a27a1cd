#include "ui/host/readout_progress.h"

#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/base/program_objects.h"
#include "ui/base/ui_text.h"

#include <QLabel>
#include <QProgressBar>

CReadCalProgressDialog::CReadCalProgressDialog(QWidget* parent) : CTemplateDialog(DLG_READ_CAL_PROGRESS, parent)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setModal(false);
    static_cast<QLabel*>(Item(IDC_PROGRESS_TEXT))->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    static_cast<QLabel*>(Item(IDC_PROGRESS_TIME))->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void CReadCalProgressDialog::SetTime(const QString& text)
{
    QLabel* label = static_cast<QLabel*>(Item(IDC_PROGRESS_TIME));
    label->setText(text);
    label->repaint();
}

void CReadCalProgressDialog::OnCancel()
{
    GuiContext().stop->Request();
    if (QWidget* stop = Item(IDC_CANCEL))
        stop->setEnabled(false);
    SetTime(UiText(IDS_STOPPING));
}

void CReadCalProgressDialog::SetRange(int maximum)
{
    static_cast<QProgressBar*>(Item(IDC_PROGRESS_BAR))->setRange(0, maximum);
}

void CReadCalProgressDialog::SetPosition(int position)
{
    QProgressBar* bar = static_cast<QProgressBar*>(Item(IDC_PROGRESS_BAR));
    bar->setValue(position);
    bar->repaint(); // painted now, not when the read-out lets events through
}

void CReadCalProgressDialog::SetText(const QString& text)
{
    QLabel* label = static_cast<QLabel*>(Item(IDC_PROGRESS_TEXT));
    label->setText(text);
    label->repaint();
}
