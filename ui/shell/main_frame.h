// The main window: menu, toolbar, status bar and accelerators, all built from
// the command table; every command goes to the application.
#pragma once

#include <QMainWindow>

#include <functional>
#include <map>

class QAction;
class QLabel;
class QMenu;
class QToolBar;
class CVigilonOssView;
struct WindowPlace;

class CMainFrame : public QMainWindow {
public:
    // `dispatch` carries out a command; `canClose` is asked before the window closes.
    CMainFrame(std::function<void(int)> dispatch, std::function<bool()> canClose);

    // The action of a command id (menu item, toolbar button, accelerator), or null.
    QAction* Action(int id) const;
    QToolBar* ToolBar() const { return m_toolBar; }
    CVigilonOssView* View() const { return m_view; }
    // Takes the remembered place, or the first-start size; call before show().
    void RestorePlace(const WindowPlace& place);
    WindowPlace CurrentPlace() const;
    // Smallest size that shows the whole menu bar and status bar.
    QSize MinimumUsableSize() const;
    void ShowSummary(bool show);
    QLabel* Indicator(int id) const;
    QMenu* FileMenu() const { return m_fileMenu; }
    // Removes the menu items of these commands wherever they stand.
    void RemoveCommands(const int* ids, int count);
    // Rebuilds the recent-file entries of the File menu.
    void SetRecentFiles(const QStringList& displayNames);
    // Sets the outer size (frame included) and centres the window on its screen.
    void SetOuterSize(int width, int height);
    void UpdateIndicators();
    // How sending to the depot's record stands: `text` in the status bar (none:
    // hidden), `detail` when the pointer rests on it.
    void ShowDepotState(const QString& text, const QString& detail);
    QLabel* DepotState() const { return m_depotState; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void BuildToolBar();
    void BuildStatusBar();
    QAction* MakeAction(int id, const QString& text);

    QLabel* m_depotState = nullptr;
    std::function<void(int)> m_dispatch;
    std::function<bool()> m_canClose;
    std::map<int, QAction*> m_actions;
    QMenu* m_fileMenu = nullptr;
    QAction* m_recentPlaceholder = nullptr;
    QList<QAction*> m_recentActions;
    QStringList m_recentNames; // what the recent-file entries show
    QToolBar* m_toolBar = nullptr;
    CVigilonOssView* m_view = nullptr;
    std::map<int, QLabel*> m_indicators;
};
