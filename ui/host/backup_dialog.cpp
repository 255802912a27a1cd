#include "ui/host/backup_dialog.h"

#include "resources/string_ids.h"
#include "ui/base/screen_fit.h"
#include "ui/base/locale_text.h"
#include "ui/base/ui_text.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

BackupDialog::BackupDialog(QWidget* parent, const std::vector<BackupEntry>& backups, const QString& folder)
    : QDialog(parent)
{
    setWindowTitle(UiText(IDS_BACKUP_DIALOG_TITLE));
    QVBoxLayout* layout = new QVBoxLayout(this);
    QLabel* where = new QLabel(FormatUiText(IDS_BACKUP_DIALOG_FOLDER, QDir::toNativeSeparators(folder)));
    where->setTextFormat(Qt::PlainText);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The folder's path is as long as the system makes it: the sentence wraps
    // rather than widen the dialog past a small screen.
    where->setWordWrap(true);
    layout->addWidget(where);

    m_list = new QTreeWidget;
    m_list->setAccessibleName(UiText(IDS_BACKUP_LIST_NAME));
    m_list->setAccessibleDescription(where->text());
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({ UiText(IDS_BACKUP_COLUMN_TIME), UiText(IDS_BACKUP_COLUMN_PORT),
                              UiText(IDS_BACKUP_COLUMN_FILE) });
    for (const BackupEntry& backup : backups) {
        // The local time the name holds, in the reader's form of a date and time.
        const QString when = QString::fromStdString(backup.when);
        const QDateTime made = QDateTime::fromString(when, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QTreeWidgetItem* item = new QTreeWidgetItem(
            { made.isValid() ? LocaleDateTimeText(made) : when, QString::fromStdString(backup.port),
              QString::fromStdString(backup.name) });
        item->setToolTip(0, when);
        item->setData(0, Qt::UserRole, QFile::decodeName(backup.path.c_str()));
        m_list->addTopLevelItem(item);
    }
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    layout->addWidget(m_list);

    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    // The platform's texts of these buttons may have no mnemonic.
    buttons->button(QDialogButtonBox::Open)->setText(UiText(IDS_KEYED_OPEN));
    buttons->button(QDialogButtonBox::Cancel)->setText(UiText(IDS_KEYED_CANCEL));
    buttons->button(QDialogButtonBox::Open)->setEnabled(!backups.empty());
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(520, 360);
    KeepOnScreen(this);
}

QString BackupDialog::ChosenPath() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}
