#include "ui/dialogs/language_dialog.h"

#include "ui/base/program_objects.h"

#include "app/language.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "ui/controls/label_buddy.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

QString NativeName(const QString& code)
{
    for (const ProgramLanguage& language : ProgramLanguages()) {
        if (language.code == code)
            return language.nativeName;
    }
    return code;
}

} // namespace

CLanguageDialog::CLanguageDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_LANGUAGE_TITLE));
    QLabel* prompt = new QLabel(UiText(IDS_LANGUAGE_PROMPT), this);
    m_list = new QListWidget(this);
    LabelFor(prompt, m_list);
    QListWidgetItem* system = new QListWidgetItem(
        FormatUiText(IDS_LANGUAGE_SYSTEM, NativeName(ChooseLanguageOfSystem())), m_list);
    system->setData(Qt::UserRole, QString());
    const QString stored = LanguageFor(StoredLanguage());
    m_list->setCurrentItem(system);
    for (const ProgramLanguage& language : ProgramLanguages()) {
        QListWidgetItem* item = new QListWidgetItem(language.nativeName, m_list);
        item->setData(Qt::UserRole, language.code);
        // Each name in its own language, so that a reader of it finds it.
        item->setData(Qt::AccessibleTextRole, language.nativeName);
        if (language.code == stored)
            m_list->setCurrentItem(item);
    }
    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    KeepOnScreen(this);
}

QString CLanguageDialog::Chosen() const
{
    return m_list->currentItem() ? m_list->currentItem()->data(Qt::UserRole).toString() : QString();
}

void ChooseProgramLanguage(QWidget* parent)
{
    CLanguageDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString chosen = dialog.Chosen();
    StoreLanguage(chosen);
    if (ChooseLanguage(QString()) != InstalledLanguage())
        ShowStatusMessage(GuiContext(), MSG_INFO, IDS_LANGUAGE_RESTART);
}
