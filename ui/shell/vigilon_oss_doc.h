// The document: one set of option board settings (the GUI's record) with
// whether it holds loaded data, the modified flag, its file and its title.
#pragma once

#include "board/modified_sink.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class CVigilonOssApp;
struct SettingsCopy;

class CVigilonOssDoc : public IModifiedSink {
public:
    explicit CVigilonOssDoc(CVigilonOssApp& app);
    ~CVigilonOssDoc() override;

    // Whether the record holds data read from a board or loaded from a file.
    bool dataLoaded = false;

    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified);
    void SetModified() override { SetModifiedFlag(true); }

    const QString& GetPathName() const { return m_pathName; }
    const QString& GetTitle() const { return m_title; }
    // The document's file; its title becomes the file's name.
    void SetPathName(const QString& path);
    void SetTitle(const QString& title) { m_title = title; }

    void DeleteContents();
    // A new document; runs the read on the port ReadOnNewDocument named.
    bool OnNewDocument();
    // The next new document is read from the board on `port`; empty: no read.
    void ReadOnNewDocument(const std::string& port) { m_readPort = port; }
    bool OnOpenDocument(const QString& path);
    // Whether the copy's settings can be opened, after an error box when not.
    static bool IsUsableCopy(const SettingsCopy& copy);
    // Opens a usable copy as the document, without a file.
    void OnOpenCopy(const SettingsCopy& copy);
    bool OnSaveDocument(const QString& path);
    // The main window's caption: the title, then " - " and the name's last part.
    void UpdateCaption(const QString& name = QString());

    // Where the settings came from, in words (empty while none are loaded), and
    // whether they were changed since.
    const QString& Source() const { return m_source; }
    bool FromBoard() const { return m_fromBoard; }
    bool ChangedSinceLoaded() const;
    // The file the settings were last saved to, when they came from elsewhere.
    QString SavedAs() const;

    // Whether the settings came from a backup or another place kept apart (a
    // service history entry): that place is never saved over, so Save asks
    // where, proposing BackupCopyName().
    bool IsBackupCopy() const { return m_backupCopy; }
    void NoteSavedElsewhere(const QString& path);
    // "COM1_2026-12-08_152921.vgd" for the backup "2026-12-08_152921_COM1.vgd":
    // the port and the time, in a form the backups folder does not use; the
    // name the copy proposed for one that came from elsewhere.
    QString BackupCopyName() const;

    // Write Option Board on `port`, verifying and backing up first as asked.
    void OnFileWrite(const std::string& port, bool verify, bool backUpFirst);

    // Called whenever the modified flag changes (the main frame updates commands).
    std::function<void()> onStateChanged;

private:
    CVigilonOssApp& m_app;
    bool m_modified = false;
    QString m_pathName;
    QString m_title;
    QString m_source;
    bool m_fromBoard = false;
    bool m_backupCopy = false;
    QString m_copyName; // the file name a copy from elsewhere proposes
    std::string m_readPort;
    QString m_loadedPath; // the file they came from, when they came from one
    std::vector<int32_t> m_loadedValues; // the settings as they came
    void NoteLoaded(const QString& source, bool fromBoard);
};
