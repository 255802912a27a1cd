#include "ui/dialogs/check_dialog.h"

#include "ui/base/program_objects.h"

#include "app/service_history.h"
#include "operations/check_operation.h"
#include "resources/string_ids.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

CCheckDialog::CCheckDialog(QWidget* parent, std::string portName) : QDialog(parent), m_portName(std::move(portName))
{
    setWindowTitle(UiText(IDS_CHECK_TITLE));
    m_lines = new QListWidget(this);
    m_lines->setWordWrap(true);
    m_lines->setAccessibleName(UiText(IDS_CHECK_TITLE));
    QDialogButtonBox* buttons = new QDialogButtonBox(this);
    m_again = buttons->addButton(UiText(IDS_CHECK_AGAIN), QDialogButtonBox::ActionRole);
    m_close = buttons->addButton(UiText(IDS_KEYED_CLOSE), QDialogButtonBox::RejectRole);
    connect(m_again, &QPushButton::clicked, this, [this] { Run(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &CCheckDialog::reject);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(m_lines, 1);
    layout->addWidget(buttons);
    resize(560, 260);
    KeepOnScreen(this);
}

void CCheckDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        QTimer::singleShot(0, this, [this] { Run(); });
    }
}

void CCheckDialog::reject()
{
    // The check ends by itself within seconds; the dialog waits for it.
    if (!m_running)
        QDialog::reject();
}

bool CCheckDialog::Run()
{
    if (m_running)
        return false;
    m_running = true;
    m_again->setEnabled(false);
    m_close->setEnabled(false);
    m_lines->clear();
    const CheckOutcome outcome = RunCheckOperation(theRadioLink, m_portName, [this](const CheckLine& line) {
        // The mark is text, so that a screen reader says it with the line.
        QListWidgetItem* item = new QListWidgetItem(UiText(line.passed ? IDS_CHECK_PASSED_MARK : IDS_CHECK_FAILED_MARK)
                                                        + QLatin1Char(' ') + QString::fromStdString(line.text),
                                                    m_lines);
        if (!line.passed) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        item->setToolTip(item->text());
        m_lines->scrollToItem(item);
    });
    m_running = false;
    RecordOperation(GuiContext(), GuiHistory(), outcome.record, CheckMessages(outcome));
    m_again->setEnabled(true);
    m_close->setEnabled(true);
    m_close->setFocus();
    return outcome.passed;
}
