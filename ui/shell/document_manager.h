// The single-document flows around the document: new (and read), open, save,
// save as, the "Save changes to %1?" question and the recent-file list.
#pragma once

#include "ui/shell/recent_file_list.h"

#include <QString>

class CVigilonOssDoc;
class QWidget;
struct SettingsCopy;

class DocumentManager {
public:
    DocumentManager(CVigilonOssDoc& document, QWidget* (*owner)());

    // Empties the document (asking first when it is modified) and runs its
    // new-document step. False when the user kept the old document.
    bool FileNew();
    // Opens a data file as the document. `fromRecent`: the path is an entry of
    // the recent-file list, which leaves the list when the open does not succeed.
    // The path is taken by value: saving first may reorder the list it came from.
    bool OpenDocumentFile(QString path, bool fromRecent = false);
    // Opens kept settings as an untitled copy (asking first when the document is
    // modified). False when they are unusable or the user kept the old document.
    bool OpenCopy(const SettingsCopy& copy);
    // File Save: the document's own file when it has a writable one, else Save As.
    bool FileSave();
    bool FileSaveAs();
    // Asks "Save changes to %1?" when the document is modified. False: Cancel,
    // or the save failed or was cancelled.
    bool SaveModified();

    RecentFileList& RecentFiles() { return m_recent; }

private:
    bool DoSave(const QString& path, bool replace);
    // The folder of the file opened or saved last, outside the backups; where a
    // backup's copy is proposed.
    QString LastFolder() const;
    QString m_lastFolder;
    CVigilonOssDoc& m_doc;
    QWidget* (*m_owner)();
    RecentFileList m_recent;
};
