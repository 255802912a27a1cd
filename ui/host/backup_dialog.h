// Open Backup: the backups of board settings, newest first, with the time they
// were made and the port they came from; the chosen one opens like any file.
#pragma once

#include "storage/backup_store.h"

#include <QDialog>

#include <vector>

class QTreeWidget;

class BackupDialog : public QDialog {
public:
    BackupDialog(QWidget* parent, const std::vector<BackupEntry>& backups, const QString& folder);
    // The chosen backup's path, or an empty text.
    QString ChosenPath() const;

private:
    QTreeWidget* m_list = nullptr;
};
