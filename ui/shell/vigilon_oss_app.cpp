#include "ui/shell/vigilon_oss_app.h"

#include "ui/base/program_objects.h"

#include "ui/base/background_jobs.h"
#include "storage/backup_store.h"
#include "board/modified_sink.h"
#include "board/option_board_data.h"
#include "board/settings_snapshot.h"
#include "app/backup_folder.h"
#include "storage/backups.h"
#include "app/history_sender.h"
#include "app/service_history.h"
#include "app/settings.h"
#include "app/support_bundle.h"
#include "link/port_resolver.h"
#include "operations/operation_course.h"
#include "operations/operation_record.h"
#include "resources/command_ids.h"
#include "resources/command_table.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "seams/trace.h"
#include "ui/dialogs/board_dialogs.h"
#include "ui/dialogs/check_dialog.h"
#include "ui/dialogs/configuration_dialog.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/dialogs/radio_id_dialog.h"
#include "ui/dialogs/edit_data_dialog.h"
#include "ui/dialogs/fleet_dialog.h"
#include "ui/dialogs/history_options_dialog.h"
#include "ui/host/file_dialogs.h"
#include "ui/host/support_bundle_save.h"
#include "ui/base/ui_text.h"
#include "ui/shell/document_manager.h"
#include "ui/shell/main_frame.h"
#include "ui/host/settings_copy.h"
#include "ui/shell/vigilon_oss_doc.h"
#include "ui/shell/vigilon_oss_view.h"
#include "ui/shell/window_place.h"
#include "ui/windows/calibration_plot_window.h"
#include "ui/windows/help_window.h"
#include "ui/windows/history_window.h"
#include "ui/windows/settings_summary.h"

#include <QAction>
#include <QDir>
#include <QTimer>
#include <QFile>
#include <QApplication>
#include <QCommandLineParser>
#include <QStatusBar>
#include <QToolBar>

CVigilonOssApp* theApp = nullptr;

namespace {

QWidget* OwnerWindow()
{
    return theApp ? theApp->MainFrame() : nullptr;
}

// What the status bar says while a command works with the radio.
QString ActivityText(int command, int portIndex)
{
    int id = 0;
    switch (command) {
    case ID_FILE_READ: id = IDS_ACTIVITY_READ; break;
    case ID_FILE_WRITE: id = IDS_ACTIVITY_WRITE; break;
    case ID_BOARD_INFO: id = IDS_ACTIVITY_INFO; break;
    case ID_BOARD_CHECK: id = IDS_ACTIVITY_CHECK; break;
    case ID_BOARD_CALIBRATE: id = IDS_ACTIVITY_CALIBRATE; break;
    case ID_FILE_READ_CAL: id = IDS_ACTIVITY_READ_CAL; break;
    default: return QString();
    }
    const std::string port = PortNameForIndex(portIndex);
    return QString::fromStdString(FormatString(id, port.c_str(), ResolvePort(GuiContext().ports, port).c_str()));
}

} // namespace

CVigilonOssApp::CVigilonOssApp()
{
    Q_INIT_RESOURCE(vigilon_oss);
    theApp = this;
    // The ports the user configured stand for their devices in every operation.
    GuiContext().ports = &m_resolver;
}

CVigilonOssApp::~CVigilonOssApp()
{
    GuiHistory().queue = nullptr;
    GuiHistory().added = nullptr;
    m_historyQueue.reset();
    m_historySender.reset();
    CTemplateDialog::SetHelpHandler(nullptr);
    theOptionBoardData.modifiedSink = nullptr;
    GuiContext().trace = nullptr;
    if (GuiContext().ports == &m_resolver)
        GuiContext().ports = nullptr;
    if (theApp == this)
        theApp = nullptr;
}

bool CVigilonOssApp::InitInstance(const QStringList& arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption labOption(QStringLiteral("lab"));
    parser.addOption(labOption);
    parser.parse(arguments);
    const QStringList files = parser.positionalArguments();

    m_nSerialPort = StoredSerialPortIndex();
    m_bVerifyAfterWrite = StoredOption("VerifyAfterWrite", false);
    m_bBackUpBeforeWrite = StoredOption("BackUpBeforeWrite", false);
    m_bAskRadioId = StoredOption("AskRadioId", false);
    m_doc.reset(new CVigilonOssDoc(*this));
    m_documents.reset(new DocumentManager(*m_doc, &OwnerWindow));
    m_documents->RecentFiles().Load();
    m_frame.reset(new CMainFrame([this](int id) { OnCommand(id); }, [this] { return CanClose(); }));
    m_frame->setWindowTitle(UiText(IDS_APP_TITLE));
    m_presenter.SetOwner(m_frame.get());
    m_host.SetOwner(m_frame.get());
    m_presenter.SetHost(&m_host);
    m_help = new HelpWindow(m_frame.get());
    CTemplateDialog::SetHelpHandler([this] { m_help->ShowContents(); });
    // A changed value marks the document at once; the window follows once per
    // turn of the event loop, however many values a read or a load changed.
    m_doc->onStateChanged = [this] {
        if (m_commandUiPending)
            return;
        m_commandUiPending = true;
        QTimer::singleShot(0, m_frame.get(), [this] {
            if (m_commandUiPending)
                UpdateCommandUI();
        });
    };
    GuiContext().trace = m_trace.Trace();
    // An entry waits for a history another program holds on the queue's thread;
    // what went wrong comes back to be said here.
    m_historyQueue = std::make_unique<HistoryQueue>(
        ServiceHistoryPath(), HISTORY_PATIENCE_MS, false, [this](HistoryStore& store, bool givenUp) {
            const std::vector<HistoryTrouble> troubles = TroublesOf(store, givenUp);
            if (!troubles.empty())
                QMetaObject::invokeMethod(
                    m_frame.get(), [this, troubles] { ShowHistoryTroubles(troubles); }, Qt::QueuedConnection);
        });
    GuiHistory().queue = m_historyQueue.get();
    m_historySender = std::make_unique<HistorySender>(ServiceHistoryPath(), &StoredHistoryServer,
                                                      [this](const HistorySendState& state) {
                                                          QMetaObject::invokeMethod(
                                                              m_frame.get(), [this, state] { ShowDepotState(state); },
                                                              Qt::QueuedConnection);
                                                      });
    GuiHistory().added = [sender = m_historySender.get()] { sender->Poke(); };

    // A file named on the command line is loaded before there is a document to
    // mark modified; a file that does not load ends the program.
    const bool started = files.isEmpty() ? m_documents->FileNew() : m_documents->OpenDocumentFile(files.first());
    if (!started)
        return false;
    theOptionBoardData.modifiedSink = m_doc.get();

    m_frame->RestorePlace(LoadWindowPlace());
    m_frame->View()->onEditRequest = [this] { OnCommand(ID_BOARD_EDIT); };
    m_frame->show();
    m_frame->repaint();

    if (parser.isSet(labOption))
        g_bLabMode = true;
    if (g_bLabMode)
        m_frame->setWindowTitle(UiText(IDS_APP_TITLE_LAB));
    else
        m_frame->RemoveCommands(LAB_MODE_COMMANDS, LAB_MODE_COMMAND_COUNT);
    UpdateCommandUI();
    return true;
}

int CVigilonOssApp::ExitInstance()
{
    // Entries still waiting for the history get their usual time, no more.
    GuiHistory().queue = nullptr;
    GuiHistory().added = nullptr;
    if (m_historyQueue) {
        // Those given up before were said then; what the wait at exit could not add is said here.
        const int before = m_historyQueue->NotDone();
        const int lost = m_historyQueue->Finish(HISTORY_PATIENCE_MS) - before;
        if (lost > 0)
            ShowStatusText(GuiContext(), MSG_WARNING, IDS_HISTORY_LOST_AT_EXIT,
                           FormatString(IDS_HISTORY_LOST_AT_EXIT, lost, ServiceHistoryPath().c_str(),
                                        LoadString(IDS_HISTORY_HELD).c_str()));
    }
    // What still waits for the depot's record stays in the file for the next start.
    m_historySender.reset();
    WaitForBackgroundJobs();
    StoreSerialPortIndex(m_nSerialPort);
    StoreOption("VerifyAfterWrite", m_bVerifyAfterWrite);
    StoreOption("BackUpBeforeWrite", m_bBackUpBeforeWrite);
    StoreOption("AskRadioId", m_bAskRadioId);
    SaveWindowPlace(m_frame->CurrentPlace());
    m_documents->RecentFiles().Save();
    return 0;
}

bool CVigilonOssApp::CanClose()
{
    if (Busy()) {
        m_frame->statusBar()->showMessage(UiText(IDS_BUSY_CLOSE), 3000);
        return false;
    }
    if (!m_documents->SaveModified())
        return false;
    m_help->close();
    if (m_history)
        m_history->close();
    return true;
}

void CVigilonOssApp::UpdateCommandUI()
{
    m_commandUiPending = false;
    if (!m_frame)
        return;
    ++m_commandUiUpdates;
    const bool loaded = m_doc->dataLoaded;
    for (int id : { ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_WRITE, ID_BOARD_EDIT, ID_FILE_COMPARE }) {
        if (QAction* action = m_frame->Action(id))
            action->setEnabled(loaded);
    }
    if (QAction* action = m_frame->Action(ID_HELP_SAVE_TRACE))
        action->setEnabled(m_trace.HasTrace());
    QStringList names;
    const RecentFileList& recent = m_documents->RecentFiles();
    for (int i = 0; i < recent.Count(); ++i)
        names.append(RecentFileList::Abbreviate(recent.Path(i)));
    m_frame->SetRecentFiles(names);
    m_frame->Action(ID_OPTIONS_VERIFY)->setChecked(m_bVerifyAfterWrite);
    m_frame->Action(ID_OPTIONS_BACKUP_FIRST)->setChecked(m_bBackUpBeforeWrite);
    m_frame->Action(ID_OPTIONS_ASK_RADIO_ID)->setChecked(m_bAskRadioId);
    if (m_history)
        m_history->SetDocumentLoaded(loaded);

    SummaryFacts facts;
    facts.loaded = loaded;
    facts.source = m_doc->Source();
    facts.changed = m_doc->ChangedSinceLoaded();
    facts.modified = m_doc->IsModified() && (facts.changed || m_doc->FromBoard());
    facts.savedAs = m_doc->SavedAs();
    m_frame->View()->Summary()->Refresh(facts);
}

void CVigilonOssApp::OnFileRead()
{
    m_bReadRequested = 1;
    m_doc->ReadOnNewDocument(PortNameForIndex(m_nSerialPort));
    m_documents->FileNew();
    m_doc->ReadOnNewDocument(std::string());
    m_bReadRequested = 0;
}

void CVigilonOssApp::OnFileOpen()
{
    QString path;
    if (FileDialogs().OpenDataFile(m_frame.get(), path))
        m_documents->OpenDocumentFile(path);
}

void CVigilonOssApp::OnFileOpenBackup()
{
    QString path;
    if (!FileDialogs().ChooseBackup(m_frame.get(), path))
        return;
    // A kept calibration read-out is looked at, not loaded as settings.
    if (IsInsideFolder(QFile::encodeName(path).toStdString(), CalibrationBackupFolder()))
        CCalibrationPlotWindow::Open(m_frame.get(), path);
    else
        m_documents->OpenDocumentFile(path);
}

void CVigilonOssApp::OnFileCompare()
{
    QString path;
    if (!FileDialogs().OpenDataFile(m_frame.get(), path))
        return;
    SettingsSnapshot other;
    if (!LoadSnapshotFromFile(QFile::encodeName(path).toStdString(), other, &GuiContext()))
        return;
    ShowComparison(other, QDir::toNativeSeparators(path));
}

void CVigilonOssApp::ShowComparison(const SettingsSnapshot& other, const QString& name)
{
    if (!m_doc->dataLoaded)
        return;
    const std::vector<std::string> lines = DescribeDifferences(TakeSnapshot(ProgramRecord()), other);
    if (lines.empty()) {
        ShowStatusText(GuiContext(), MSG_INFO, FormatUiText(IDS_COMPARE_SAME, name).toStdString());
        return;
    }
    QStringList text;
    for (const std::string& line : lines)
        text.append(QString::fromStdString(line));
    ShowStatusText(GuiContext(), MSG_INFO, FormatUiText(IDS_COMPARE_DIFFERENT, name, text.join(QLatin1Char('\n'))).toStdString());
}

void CVigilonOssApp::OnViewHistory()
{
    if (m_history) {
        m_history->showNormal();
        m_history->raise();
        m_history->activateWindow();
        return;
    }
    HistoryWindow::DocumentActions actions;
    actions.openCopy = [this](const SettingsCopy& copy) {
        const bool opened = m_documents->OpenCopy(copy);
        UpdateCommandUI();
        if (opened) {
            m_frame->raise();
            m_frame->activateWindow();
        }
        return opened;
    };
    actions.compare = [this](const SettingsSnapshot& other, const QString& name) { ShowComparison(other, name); };
    m_history = HistoryWindow::Open(m_frame.get(), std::move(actions));
    if (m_history)
        m_history->SetDocumentLoaded(m_doc->dataLoaded);
}

void CVigilonOssApp::OnCreateSupportBundle()
{
    SupportBundleParts parts;
    parts.program = "vigilon-oss";
    parts.serialTrace = m_trace.Text();
    if (m_doc->dataLoaded) {
        const DataFileBytes bytes = DataFileForm(codeplugMajor, codeplugMinor, ImageOf(theOptionBoardData).data());
        parts.documentBytes.assign(bytes.begin(), bytes.end());
        parts.documentPath = QFile::encodeName(m_doc->GetPathName()).toStdString();
    }
    parts.resolver = GuiContext().ports;
    SaveSupportBundle(m_frame.get(), parts);
}

void CVigilonOssApp::OnCommand(int id)
{
    // A disabled command does nothing, whichever way it was issued.
    if (QAction* action = m_frame->Action(id); action && !action->isEnabled())
        return;
    // An operation on one radio is asked the radio's ID first when the user
    // wants it kept; Cancel leaves the radio alone. The ID holds for this command.
    const bool oneRadio = id == ID_FILE_READ || id == ID_FILE_WRITE || id == ID_BOARD_INFO || id == ID_BOARD_CHECK
                          || id == ID_BOARD_CALIBRATE || id == ID_FILE_READ_CAL;
    std::string radioId;
    if (oneRadio && m_bAskRadioId && !AskRadioId(m_frame.get(), UiText(IDS_RADIO_ID_PROMPT), radioId))
        return;
    // Only an operation on one radio names it, and what it found is put back after.
    struct NamedRadio {
        NamedRadio(bool named, std::string id) : m_named(named), m_previous(GuiHistory().radioId)
        {
            if (m_named)
                GuiHistory().radioId = std::move(id);
        }
        ~NamedRadio()
        {
            if (m_named)
                GuiHistory().radioId = m_previous;
        }
        bool m_named;
        std::string m_previous;
    } named(oneRadio, radioId);
    m_host.SetActivity(ActivityText(id, m_nSerialPort));
    switch (id) {
    case ID_FILE_OPEN: OnFileOpen(); break;
    case ID_FILE_OPEN_BACKUP: OnFileOpenBackup(); break;
    case ID_FILE_COMPARE: OnFileCompare(); break;
    case ID_OPTIONS_VERIFY: m_bVerifyAfterWrite = !m_bVerifyAfterWrite; break;
    case ID_OPTIONS_BACKUP_FIRST: m_bBackUpBeforeWrite = !m_bBackUpBeforeWrite; break;
    case ID_OPTIONS_ASK_RADIO_ID: m_bAskRadioId = !m_bAskRadioId; break;
    case ID_OPTIONS_LANGUAGE: ChooseProgramLanguage(m_frame.get()); break;
    case ID_OPTIONS_HISTORY: {
        HistoryOptionsDialog options(m_frame.get(), [this] { m_historySender->Poke(); });
        options.exec();
        if (m_history)
            m_history->Refresh();
        break;
    }
    case ID_FILE_SAVE: m_documents->FileSave(); break;
    case ID_FILE_SAVE_AS: m_documents->FileSaveAs(); break;
    case ID_FILE_READ: OnFileRead(); break;
    case ID_FILE_WRITE:
        m_doc->OnFileWrite(PortNameForIndex(m_nSerialPort), m_bVerifyAfterWrite, m_bBackUpBeforeWrite);
        break;
    case ID_APP_EXIT: m_frame->close(); break;
    case ID_WINDOW_640: m_frame->SetOuterSize(640, 480); break;
    case ID_WINDOW_800: m_frame->SetOuterSize(800, 600); break;
    case ID_WINDOW_1024: m_frame->SetOuterSize(1024, 768); break;
    case ID_VIEW_TOOLBAR: m_frame->ToolBar()->setVisible(m_frame->ToolBar()->isHidden()); break;
    case ID_VIEW_STATUS_BAR: {
        QStatusBar* bar = m_frame->statusBar();
        bar->setVisible(bar->isHidden());
        m_frame->Action(ID_VIEW_STATUS_BAR)->setChecked(!bar->isHidden());
        break;
    }
    case ID_VIEW_SUMMARY: m_frame->ShowSummary(!m_frame->View()->SummaryShown()); break;
    case ID_VIEW_HISTORY: OnViewHistory(); break;
    case ID_HELP_FINDER: m_help->ShowContents(); break;
    case ID_HELP_SAVE_TRACE: m_trace.Save(m_frame.get()); break;
    case ID_HELP_SUPPORT_BUNDLE: OnCreateSupportBundle(); break;
    case ID_APP_ABOUT: {
        CTemplateDialog about(DLG_ABOUT, m_frame.get());
        about.DoModal();
        break;
    }
    case ID_OPTIONS_CONFIGURATION: {
        CConfigurationDialog configuration(m_frame.get());
        configuration.m_nPortIndex = m_nSerialPort;
        if (configuration.DoModal() == QDialog::Accepted)
            m_nSerialPort = configuration.m_nPortIndex;
        break;
    }
    case ID_BOARD_EDIT: {
        CEditDataDialog edit(m_frame.get());
        edit.DoModal();
        break;
    }
    case ID_BOARD_INFO: {
        HistoryRecorder recorder(GuiContext(), GuiHistory());
        CBoardInfoDialog info(m_frame.get(), m_nSerialPort);
        info.DoModal();
        // The entry follows the information: a history that cannot keep it warns after it.
        recorder.Record(info.Record());
        break;
    }
    case ID_BOARD_FLEET: OnBoardFleet(); break;
    case ID_BOARD_CHECK: {
        CCheckDialog check(m_frame.get(), PortNameForIndex(m_nSerialPort));
        check.exec();
        break;
    }
    case ID_BOARD_CALIBRATE: {
        CCalibrateDialog calibrate(m_frame.get(), m_nSerialPort);
        calibrate.DoModal();
        break;
    }
    case ID_FILE_READ_CAL: {
        CReadCalDataDialog readCal(m_frame.get(), m_nSerialPort);
        readCal.DoModal();
        break;
    }
    case ID_FILE_VIEW_CAL: {
        QString path;
        if (FileDialogs().OpenCalibrationFile(m_frame.get(), path)) {
            RememberFolder(FileKind::CalibrationData, path);
            CCalibrationPlotWindow::Open(m_frame.get(), path);
        }
        break;
    }
    default:
        if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
            const int index = id - ID_FILE_MRU_FIRST;
            if (index < m_documents->RecentFiles().Count())
                m_documents->OpenDocumentFile(m_documents->RecentFiles().Path(index), true);
        }
        break; // context help and pane switching: taken, nothing to do
    }
    UpdateCommandUI();
}

void CVigilonOssApp::ShowHistoryTroubles(const std::vector<HistoryTrouble>& troubles)
{
    // A box in the middle of an operation would hold the radio up: it waits.
    constexpr int RETRY_MS = 200;
    if (Busy()) {
        QTimer::singleShot(RETRY_MS, m_frame.get(), [this, troubles] { ShowHistoryTroubles(troubles); });
        return;
    }
    for (const HistoryTrouble& trouble : troubles)
        ShowStatusText(GuiContext(), MSG_WARNING, trouble.messageId, trouble.text);
}

void CVigilonOssApp::ShowDepotState(const HistorySendState& state)
{
    QString text;
    QString detail;
    if (state.configured && state.waiting == 0 && state.error.empty())
        text = UiText(IDS_DEPOT_STATUS_SENT);
    else if (state.configured)
        text = QString::fromStdString(FormatString(state.error.empty() ? IDS_DEPOT_STATUS_WAITING : IDS_DEPOT_STATUS_UNREACHED,
                                                   std::max(state.waiting, 0)));
    if (!state.error.empty())
        detail = QString::fromStdString(FormatString(IDS_DEPOT_UNREACHABLE, state.place.c_str(), state.error.c_str()));
    else if (state.configured)
        detail = QString::fromStdString(state.place);
    m_frame->ShowDepotState(text, detail);
}

void CVigilonOssApp::OnBoardFleet()
{
    // A chosen data file is loaded apart from the document, which neither sees it
    // nor counts it as a change.
    const auto settingsImage = [this](const QString& file, uint8_t* image) {
        if (!file.isEmpty())
            return LoadImageFromFile(QFile::encodeName(file).toStdString(), image, &GuiContext());
        if (!m_doc->dataLoaded) {
            ShowStatusMessage(GuiContext(), MSG_ERROR, IDS_FLEET_NO_SETTINGS);
            return false;
        }
        theOptionBoardData.ToImage(image);
        return true;
    };
    CFleetDialog fleet(m_frame.get(), m_host, m_nSerialPort, settingsImage, m_bVerifyAfterWrite, m_bAskRadioId);
    fleet.exec();
}
