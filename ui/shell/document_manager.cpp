#include "ui/shell/document_manager.h"

#include "ui/base/program_objects.h"

#include "app/backup_folder.h"
#include "storage/backups.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "ui/host/file_dialogs.h"
#include "ui/base/ui_text.h"
#include "ui/host/settings_copy.h"
#include "ui/shell/vigilon_oss_doc.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool SameFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

DocumentManager::DocumentManager(CVigilonOssDoc& document, QWidget* (*owner)()) : m_doc(document), m_owner(owner)
{
}

bool DocumentManager::SaveModified()
{
    if (!m_doc.IsModified())
        return true;
    const QString name = m_doc.GetPathName().isEmpty() ? m_doc.GetTitle() : QFileInfo(m_doc.GetPathName()).fileName();
    MessageBoxRequest request;
    request.caption = LoadString(IDS_APP_TITLE);
    request.icon = MsgIcon::Exclamation;
    request.buttons = MsgButtons::YesNoCancel;
    request.defaultButton = MsgAnswer::Yes;
    request.text = UiText(IDS_SAVE_CHANGES).arg(name).toStdString();
    switch (GuiContext().Present(request)) {
    case MsgAnswer::Yes: return FileSave();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

bool DocumentManager::FileNew()
{
    if (!SaveModified())
        return false;
    m_doc.SetTitle(UiText(IDS_DOC_UNTITLED));
    return m_doc.OnNewDocument();
}

bool DocumentManager::OpenDocumentFile(QString path, bool fromRecent)
{
    // The document's own file is not read again, as long as it really holds it;
    // after a failed open the same file is loaded like any other.
    if (m_doc.dataLoaded && SameFile(m_doc.GetPathName(), path))
        return true;
    // Removed by its path: a Save As in SaveModified() moves the entries.
    if (!SaveModified()) {
        if (fromRecent)
            m_recent.Remove(path);
        return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool wasModified = m_doc.IsModified();
    m_doc.SetModifiedFlag(false);
    const bool opened = m_doc.OnOpenDocument(path);
    QApplication::restoreOverrideCursor();
    if (!opened) {
        m_doc.SetModifiedFlag(wasModified);
        if (fromRecent)
            m_recent.Remove(path);
        return false;
    }
    // Loading what a file holds is no change: only edits and reads are.
    m_doc.SetModifiedFlag(false);
    m_doc.SetPathName(QFileInfo(path).absoluteFilePath());
    m_recent.Add(path);
    if (!m_doc.IsBackupCopy())
        m_lastFolder = QFileInfo(path).absolutePath();
    return true;
}

bool DocumentManager::OpenCopy(const SettingsCopy& copy)
{
    if (!CVigilonOssDoc::IsUsableCopy(copy) || !SaveModified())
        return false;
    m_doc.OnOpenCopy(copy);
    // Kept settings opened are no change, as a file opened is none.
    m_doc.SetModifiedFlag(false);
    return true;
}

bool DocumentManager::FileSave()
{
    const QString path = m_doc.GetPathName();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isWritable() || m_doc.IsBackupCopy())
        return DoSave(QString(), true);
    return DoSave(path, false);
}

QString DocumentManager::LastFolder() const
{
    if (!m_lastFolder.isEmpty())
        return m_lastFolder;
    for (int i = 0; i < m_recent.Count(); ++i) {
        const QString path = m_recent.Path(i);
        if (!IsBackupPath(BackupFolder(), QFile::encodeName(path).toStdString()))
            return QFileInfo(path).absolutePath();
    }
    return QDir::homePath();
}

bool DocumentManager::FileSaveAs()
{
    return DoSave(QString(), true);
}

bool DocumentManager::DoSave(const QString& path, bool replace)
{
    QString target = path;
    if (target.isEmpty()) {
        QString proposed = m_doc.GetPathName();
        if (m_doc.IsBackupCopy())
            proposed = QDir(LastFolder()).filePath(m_doc.BackupCopyName());
        else if (proposed.isEmpty())
            proposed = m_doc.GetTitle() + UiText(IDS_DOC_EXTENSION);
        if (!FileDialogs().SaveDataFileAs(m_owner(), proposed, target))
            return false;
    }
    if (RefusedAsKeptFile(target) || !m_doc.OnSaveDocument(target))
        return false;
    if (replace) {
        m_doc.SetPathName(QFileInfo(target).absoluteFilePath());
        m_doc.NoteSavedElsewhere(target);
        m_recent.Add(target);
    }
    m_lastFolder = QFileInfo(target).absolutePath();
    return true;
}
