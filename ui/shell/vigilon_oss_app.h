// The application: start-up and exit, the serial port setting, and the
// commands of the main window.
#pragma once

#include "app/history_sender.h"
#include "app/service_history.h"
#include "app/settings.h"
#include "ui/host/gui_host.h"
#include "ui/host/gui_presenter.h"
#include "ui/host/serial_trace.h"
#include "ui/windows/history_window.h"

#include <QPointer>
#include <QStringList>

#include <memory>
#include <vector>

class CMainFrame;
class CVigilonOssDoc;
class DocumentManager;
class HelpWindow;
struct SettingsSnapshot;

class CVigilonOssApp {
public:
    CVigilonOssApp();
    ~CVigilonOssApp();
    CVigilonOssApp(const CVigilonOssApp&) = delete;
    CVigilonOssApp& operator=(const CVigilonOssApp&) = delete;

    // Start-up. `arguments` as the program got them: "--lab" keeps the lab-mode
    // commands, a file name opens that data file. False when start-up fails (a
    // data file that does not load); the program then ends.
    bool InitInstance(const QStringList& arguments);
    // Exit: the serial port setting and the recent-file list go to the settings.
    int ExitInstance();

    void OnCommand(int id);
    // Enables the commands by the document's state; refreshes the recent files.
    void UpdateCommandUI();

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CVigilonOssDoc& Document() const { return *m_doc; }
    DocumentManager& Documents() const { return *m_documents; }
    HelpWindow* Help() const { return m_help; }
    // The service history's window while it is open.
    HistoryWindow* History() const { return m_history; }
    bool Busy() const { return m_host.Busy(); }
    // How often the window's commands and summary were brought up to date.
    int CommandUiUpdates() const { return m_commandUiUpdates; }

    int m_nSerialPort = 0;    // 0..3 for COM1..COM4
    bool m_bVerifyAfterWrite = false;
    bool m_bBackUpBeforeWrite = false;
    bool m_bAskRadioId = false; // the radio's ID is asked before each operation on one radio
    int m_bReadRequested = 0; // 1 while Read Option Board runs

private:
    bool CanClose();
    void OnFileRead();
    void OnFileOpen();
    void OnFileOpenBackup();
    void OnFileCompare();
    // The box of File > Compare: how the document's settings differ from `other`, named `name`.
    void ShowComparison(const SettingsSnapshot& other, const QString& name);
    void OnViewHistory();
    void OnBoardFleet();
    // Help > Create Support Bundle...: with this session's trace and the open document.
    void OnCreateSupportBundle();
    // Says what went wrong with the service history once no operation holds the radio.
    void ShowHistoryTroubles(const std::vector<HistoryTrouble>& troubles);
    void ShowDepotState(const HistorySendState& state);

    GuiPresenter m_presenter;
    GuiHost m_host;
    SettingsPortResolver m_resolver;
    std::unique_ptr<CVigilonOssDoc> m_doc;
    std::unique_ptr<DocumentManager> m_documents;
    std::unique_ptr<CMainFrame> m_frame;
    HelpWindow* m_help = nullptr;
    QPointer<HistoryWindow> m_history;
    bool m_commandUiPending = false;
    int m_commandUiUpdates = 0;
    GuiSerialTrace m_trace;
    // Adds the operations' entries to the service history off the event loop;
    // last, so that it ends before the windows it reports to.
    std::unique_ptr<HistoryQueue> m_historyQueue;
    // Sends the entries on to the depot's record when one is set.
    std::unique_ptr<HistorySender> m_historySender;
};

// The one application object while it exists.
extern CVigilonOssApp* theApp;
