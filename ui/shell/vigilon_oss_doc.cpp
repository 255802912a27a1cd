#include "ui/shell/vigilon_oss_doc.h"

#include "ui/base/program_objects.h"

#include "board/codeplug_version.h"
#include "board/option_board_data.h"
#include "board/settings_snapshot.h"
#include "board/settings_table.h"
#include "app/backup_folder.h"
#include "storage/backups.h"
#include "app/service_history.h"
#include "link/port_resolver.h"
#include "operations/operation_course.h"
#include "operations/read_operation.h"
#include "operations/write_operation.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "ui/base/ui_text.h"
#include "ui/shell/main_frame.h"
#include "ui/host/settings_copy.h"
#include "ui/shell/vigilon_oss_app.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

#include <algorithm>

// The application makes the document its record's modified sink once start-up has
// loaded what the command line named.
CVigilonOssDoc::CVigilonOssDoc(CVigilonOssApp& app) : m_app(app) {}

CVigilonOssDoc::~CVigilonOssDoc()
{
    if (theOptionBoardData.modifiedSink == this)
        theOptionBoardData.modifiedSink = nullptr;
}

void CVigilonOssDoc::SetModifiedFlag(bool modified)
{
    m_modified = modified;
    if (onStateChanged)
        onStateChanged();
}

void CVigilonOssDoc::SetPathName(const QString& path)
{
    m_pathName = path;
    m_title = QFileInfo(path).fileName();
}

void CVigilonOssDoc::NoteLoaded(const QString& source, bool fromBoard)
{
    m_source = source;
    m_fromBoard = fromBoard;
    m_loadedValues.clear();
    for (const SettingRow& row : SETTINGS)
        m_loadedValues.push_back(SettingValue(theOptionBoardData, row));
}

QString CVigilonOssDoc::SavedAs() const
{
    if (m_pathName.isEmpty() || m_pathName == m_loadedPath || !dataLoaded)
        return QString();
    return QDir::toNativeSeparators(m_pathName);
}

bool CVigilonOssDoc::ChangedSinceLoaded() const
{
    if (m_loadedValues.size() != SETTING_COUNT)
        return false;
    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        if (SettingValue(theOptionBoardData, SETTINGS[i]) != m_loadedValues[i])
            return true;
    }
    return false;
}

void CVigilonOssDoc::DeleteContents()
{
    dataLoaded = false;
    m_source.clear();
    m_loadedPath.clear();
    m_loadedValues.clear();
    m_backupCopy = false;
    m_copyName.clear();
    UpdateCaption();
}

void CVigilonOssDoc::UpdateCaption(const QString& name)
{
    g_bLabMode = false;
    QString caption = UiText(IDS_APP_TITLE);
    if (!name.isEmpty()) {
        // Both separators count as the end of a folder, so a Windows path shows
        // its file name here too.
        const int cut = std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
        caption += QStringLiteral(" - ") + name.mid(cut + 1);
    }
    if (CMainFrame* frame = m_app.MainFrame())
        frame->setWindowTitle(caption);
}

namespace {

// Where settings came from or went, with the radio's ID when the user gave one.
QString WithRadioId(const QString& source)
{
    const std::string& id = GuiHistory().radioId;
    return id.empty() ? source : FormatUiText(IDS_SUMMARY_WITH_RADIO_ID, source, QString::fromUtf8(id.c_str()));
}

} // namespace

bool CVigilonOssDoc::OnNewDocument()
{
    DeleteContents();
    m_pathName.clear();
    SetModifiedFlag(false);
    if (m_readPort.empty())
        return true;
    const std::string port = m_readPort;
    HistoryRecorder recorder(GuiContext(), GuiHistory());
    const ReadOutcome outcome = RunReadOperation(theRadioLink, port, [&](const ReadOutcome& read) {
        TakeReadInto(read, ProgramRecord());
        dataLoaded = true;
        NoteLoaded(WithRadioId(FormatUiText(IDS_SUMMARY_FROM_BOARD, QString::fromStdString(port),
                                            QString::fromStdString(ResolvePort(GuiContext().ports, port)))),
                   true);
        UpdateCaption(QString::fromStdString(FormatString(IDS_TITLE_BOARD_AT_PORT, port.c_str())));
        SetModifiedFlag(true);
    });
    // A read that failed on the way still leaves what it learnt: the board's
    // codeplug version (255.00 when that request failed), and its values when
    // they came whole before the radio refused its reset.
    if (!outcome.loaded)
        TakeReadInto(outcome, ProgramRecord());
    // Every read is kept; a backup that cannot be made is a warning after the success.
    std::string backup;
    if (outcome.loaded)
        backup = KeepBackup(GuiContext(), BackupFolder(), port, codeplugMajor, codeplugMinor, outcome.image);
    recorder.Record(outcome.record, backup);
    if (onStateChanged)
        onStateChanged();
    return true;
}

bool CVigilonOssDoc::OnOpenDocument(const QString& path)
{
    DeleteContents();
    const std::string file = QFile::encodeName(path).toStdString();
    if (!theOptionBoardData.LoadFromFile(file, &codeplugMajor, &codeplugMinor))
        return false;
    dataLoaded = true;
    m_backupCopy = IsBackupPath(BackupFolder(), file);
    NoteLoaded(FormatUiText(IDS_SUMMARY_FROM_FILE, QDir::toNativeSeparators(path)), false);
    m_loadedPath = path;
    UpdateCaption(m_backupCopy ? FormatUiText(IDS_TITLE_BACKUP, QFileInfo(path).fileName()) : path);
    return true;
}

bool CVigilonOssDoc::IsUsableCopy(const SettingsCopy& copy)
{
    // The checks of a data file that is opened, before anything is changed.
    const uint8_t* bytes = copy.bytes.data();
    if (bytes[0] > supportedCodeplugMajor) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_CODEPLUG_VERSION, CodeplugVersionMessage(bytes[0], bytes[1]));
        return false;
    }
    SettingsSnapshot settings;
    if (!SnapshotFromDataFile(bytes, settings)) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_HISTORY_SETTINGS_UNUSABLE,
                       FormatString(IDS_HISTORY_SETTINGS_UNUSABLE, copy.title.toStdString().c_str()));
        return false;
    }
    return true;
}

void CVigilonOssDoc::OnOpenCopy(const SettingsCopy& copy)
{
    DeleteContents();
    codeplugMajor = copy.bytes[0];
    codeplugMinor = copy.bytes[1];
    theOptionBoardData.FromImage(copy.bytes.data() + DATA_FILE_HEADER_SIZE);
    dataLoaded = true;
    m_backupCopy = true;
    m_copyName = copy.fileName;
    m_pathName.clear();
    m_title = copy.title;
    NoteLoaded(copy.source, false);
    UpdateCaption(copy.caption);
}

void CVigilonOssDoc::NoteSavedElsewhere(const QString& path)
{
    if (!m_backupCopy)
        return;
    m_backupCopy = false;
    UpdateCaption(path);
}

QString CVigilonOssDoc::BackupCopyName() const
{
    // The store names its backups STAMP_PORT.vgd, the stamp 17 characters long.
    constexpr int STAMP = 17;
    if (!m_copyName.isEmpty())
        return m_copyName;
    const QString name = QFileInfo(m_loadedPath).completeBaseName();
    if (name.size() <= STAMP + 1)
        return name + UiText(IDS_DOC_EXTENSION);
    return name.mid(STAMP + 1) + QLatin1Char('_') + name.left(STAMP) + UiText(IDS_DOC_EXTENSION);
}

bool CVigilonOssDoc::OnSaveDocument(const QString& path)
{
    if (!theOptionBoardData.SaveToFile(QFile::encodeName(path).toStdString(), codeplugMajor, codeplugMinor))
        return false;
    SetModifiedFlag(false);
    return true;
}

void CVigilonOssDoc::OnFileWrite(const std::string& port, bool verify, bool backUpFirst)
{
    if (!dataLoaded)
        return;
    WriteOptions options;
    options.verify = verify;
    std::string backup;
    if (backUpFirst) {
        options.backupFirst = [&port, &backup](int32_t major, int32_t minor, const uint8_t* image, std::string& error) {
            backup = KeepBackup(BackupFolder(), port, major, minor, image, error);
            return !backup.empty();
        };
    }
    HistoryRecorder recorder(GuiContext(), GuiHistory());
    // Once written, the board holds the document's settings: the summary says
    // so, with the time, and whether they were read back and found the same.
    const WriteOutcome outcome = RunWriteOperation(
        theRadioLink, port, ImageOf(theOptionBoardData).data(),
        [&] {
            const QString time = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
            NoteLoaded(WithRadioId(FormatUiText(verify ? IDS_SUMMARY_WRITTEN_VERIFIED : IDS_SUMMARY_WRITTEN,
                                                QString::fromStdString(port),
                                                QString::fromStdString(ResolvePort(GuiContext().ports, port)), time)),
                       m_fromBoard);
            SetModifiedFlag(false);
        },
        options);
    recorder.Record(outcome.record, backup);
}
