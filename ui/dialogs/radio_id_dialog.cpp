#include "ui/dialogs/radio_id_dialog.h"

#include "app/radio_id.h"
#include "resources/string_ids.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"
#include "ui/controls/label_buddy.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RadioIdDialog::RadioIdDialog(QWidget* parent, const QString& prompt) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_HISTORY_RADIO_ID));
    QLabel* label = new QLabel(prompt);
    label->setWordWrap(true);
    m_field = new QLineEdit;
    // Room for the most characters an ID has, each of them two UTF-16 units at most.
    m_field->setMaxLength(static_cast<int>(RADIO_ID_MAX_CHARACTERS) * 2);
    LabelFor(label, m_field);
    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(UiText(IDS_KEYED_CANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // The field may stay empty (no ID); anything else is an ID the history can
    // keep, or Enter does nothing.
    const auto check = [this] {
        const std::string typed = m_field->text().toUtf8().toStdString();
        m_ok->setEnabled(typed.find_first_not_of(' ') == std::string::npos || RadioIdFromText(typed).has_value());
    };
    connect(m_field, &QLineEdit::textChanged, this, check);
    check();
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_field);
    layout->addWidget(buttons);
    resize(std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 48), sizeHint().height());
    KeepOnScreen(this);
}

std::string RadioIdDialog::RadioId() const
{
    return RadioIdFromText(m_field->text().toUtf8().toStdString()).value_or(std::string());
}

bool AskRadioId(QWidget* parent, const QString& prompt, std::string& radioId)
{
    RadioIdDialog dialog(parent, prompt);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    radioId = dialog.RadioId();
    return true;
}
