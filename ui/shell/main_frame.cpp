#include "ui/shell/main_frame.h"

#include "resources/command_ids.h"
#include "resources/command_table.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "ui/controls/label_buddy.h"
#include "ui/host/key_state.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"
#include "ui/shell/vigilon_oss_view.h"
#include "ui/shell/window_place.h"

#include <QAction>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace {

constexpr int INDICATOR_POLL_MS = 250;
const QSize BUTTON_SIZE(16, 15);
// Below the bars, at least this much of the client area stays visible.
constexpr int MINIMUM_CLIENT_HEIGHT = 120;

// A command's prompt string: the status bar text before "\n", the tooltip after.
QStringList Prompt(int id)
{
    const QString text = UiText(id);
    QStringList parts = text.split(QLatin1Char('\n'));
    while (parts.size() < 2)
        parts.append(QString());
    return parts;
}

QString Shortcut(int id)
{
    for (int i = 0; i < ACCELERATOR_ROWS; ++i) {
        if (ACCELERATORS[i].id == id)
            return QString::fromLatin1(ACCELERATORS[i].keys);
    }
    return QString();
}

} // namespace

CMainFrame::CMainFrame(std::function<void(int)> dispatch, std::function<bool()> canClose)
    : m_dispatch(std::move(dispatch)), m_canClose(std::move(canClose))
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/vigilon-oss-48.png")));
    m_view = new CVigilonOssView(this);
    setCentralWidget(m_view);
    BuildMenu();
    BuildToolBar();
    BuildStatusBar();
    m_view->NameSummary(PlainText(Action(ID_VIEW_SUMMARY)->text()));
    m_view->setFocus(); // the window opens with its keys going to the summary
    // A place remembered at another scale or on another screen opens whole on this one.
    KeepOnScreen(this);
    // Accelerators without a menu item of their own take their keys and do nothing.
    for (int i = 0; i < ACCELERATOR_ROWS; ++i) {
        if (Action(ACCELERATORS[i].id))
            continue;
        QAction* action = MakeAction(ACCELERATORS[i].id, QString());
        action->setShortcut(QKeySequence(QString::fromLatin1(ACCELERATORS[i].keys)));
        addAction(action);
    }
}

QAction* CMainFrame::MakeAction(int id, const QString& text)
{
    QAction* action = new QAction(text, this);
    const QStringList prompt = Prompt(id);
    action->setStatusTip(prompt[0]);
    if (!prompt[1].isEmpty())
        action->setToolTip(prompt[1]);
    connect(action, &QAction::triggered, this, [this, id] { m_dispatch(id); });
    m_actions[id] = action;
    return action;
}

QAction* CMainFrame::Action(int id) const
{
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QLabel* CMainFrame::Indicator(int id) const
{
    const auto found = m_indicators.find(id);
    return found == m_indicators.end() ? nullptr : found->second;
}

void CMainFrame::BuildMenu()
{
    std::vector<QMenu*> open;
    for (int i = 0; i < MAIN_MENU_ROWS; ++i) {
        const MenuRow& row = MAIN_MENU[i];
        switch (row.kind) {
        case MenuRowKind::Popup: {
            const QString title = UiText(row.id);
            QMenu* menu = open.empty() ? menuBar()->addMenu(title) : open.back()->addMenu(title);
            if (open.empty() && row.id == IDS_MENU_FILE)
                m_fileMenu = menu;
            open.push_back(menu);
            break;
        }
        case MenuRowKind::EndPopup:
            open.pop_back();
            break;
        case MenuRowKind::Separator:
            open.back()->addSeparator();
            break;
        case MenuRowKind::RecentFiles:
            m_recentPlaceholder = new QAction(QCoreApplication::translate("CommandTable", row.text), this);
            m_recentPlaceholder->setEnabled(false);
            open.back()->addAction(m_recentPlaceholder);
            break;
        case MenuRowKind::Item: {
            const QString text = QCoreApplication::translate("CommandTable", row.text).section(QLatin1Char('\t'), 0, 0);
            QAction* action = MakeAction(row.id, text);
            const QString keys = Shortcut(row.id);
            if (!keys.isEmpty())
                action->setShortcut(QKeySequence(keys));
            open.back()->addAction(action);
            break;
        }
        }
    }
}

void CMainFrame::BuildToolBar()
{
    m_toolBar = new QToolBar(Prompt(ID_VIEW_TOOLBAR)[1], this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setIconSize(BUTTON_SIZE);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int i = 0; i < TOOLBAR_ROWS; ++i) {
        QAction* action = Action(TOOLBAR[i].id);
        action->setIcon(QIcon(QString::fromLatin1(TOOLBAR[i].icon)));
        m_toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    // The button for the commands a short toolbar has no room for has no name of its own.
    if (QToolButton* more = m_toolBar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(UiText(IDS_TOOLBAR_MORE));

    QAction* toolbarToggle = Action(ID_VIEW_TOOLBAR);
    toolbarToggle->setCheckable(true);
    toolbarToggle->setChecked(true);
    connect(m_toolBar, &QToolBar::visibilityChanged, toolbarToggle, [this, toolbarToggle](bool) {
        toolbarToggle->setChecked(!m_toolBar->isHidden());
    });
}

void CMainFrame::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->addWidget(new QLabel(UiText(IDS_IDLE_PROMPT)), 1);
    m_depotState = new QLabel;
    m_depotState->setTextFormat(Qt::PlainText);
    m_depotState->hide();
    bar->addPermanentWidget(m_depotState);
    for (int id : { IDS_INDICATOR_CAPS, IDS_INDICATOR_NUM, IDS_INDICATOR_SCROLL }) {
        QLabel* label = new QLabel(UiText(id));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 8);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        m_indicators[id] = label;
    }
    QAction* statusToggle = Action(ID_VIEW_STATUS_BAR);
    statusToggle->setCheckable(true);
    statusToggle->setChecked(true);
    for (int id : { ID_OPTIONS_VERIFY, ID_OPTIONS_BACKUP_FIRST, ID_OPTIONS_ASK_RADIO_ID })
        Action(id)->setCheckable(true);
    QAction* summaryToggle = Action(ID_VIEW_SUMMARY);
    summaryToggle->setCheckable(true);
    summaryToggle->setChecked(true);

    QTimer* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, &CMainFrame::UpdateIndicators);
    poll->start(INDICATOR_POLL_MS);
    UpdateIndicators();
}

void CMainFrame::ShowDepotState(const QString& text, const QString& detail)
{
    m_depotState->setText(text);
    m_depotState->setToolTip(detail);
    m_depotState->setAccessibleName(text);
    m_depotState->setAccessibleDescription(detail);
    m_depotState->setVisible(!text.isEmpty());
}

void CMainFrame::UpdateIndicators()
{
    const LockKeys keys = ReadLockKeys();
    // Lit (enabled) while the key is on; greyed while off or where nobody tells.
    Indicator(IDS_INDICATOR_CAPS)->setEnabled(keys.known && keys.caps);
    Indicator(IDS_INDICATOR_NUM)->setEnabled(keys.known && keys.num);
    Indicator(IDS_INDICATOR_SCROLL)->setEnabled(keys.known && keys.scroll);
}

void CMainFrame::RemoveCommands(const int* ids, int count)
{
    for (int i = 0; i < count; ++i) {
        QAction* action = Action(ids[i]);
        if (!action)
            continue;
        for (QObject* holder : action->associatedObjects()) {
            if (QWidget* widget = qobject_cast<QWidget*>(holder))
                widget->removeAction(action);
        }
        action->setEnabled(false);
        action->setShortcut(QKeySequence());
        m_actions.erase(ids[i]);
        action->deleteLater();
    }
}

void CMainFrame::SetRecentFiles(const QStringList& displayNames)
{
    // The menu is rebuilt only when the list changed.
    if (displayNames == m_recentNames && m_recentActions.size() == displayNames.size())
        return;
    m_recentNames = displayNames;
    for (QAction* action : m_recentActions) {
        m_fileMenu->removeAction(action);
        m_actions.erase(ID_FILE_MRU_FIRST + m_recentActions.indexOf(action));
        action->deleteLater();
    }
    m_recentActions.clear();
    for (int i = 0; i < displayNames.size(); ++i) {
        // A '&' of the file name is shown, not taken as the item's mnemonic.
        QString name = displayNames[i];
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action = MakeAction(ID_FILE_MRU_FIRST + i, QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setStatusTip(UiText(IDS_PROMPT_RECENT_FILE));
        m_fileMenu->insertAction(m_recentPlaceholder, action);
        m_recentActions.append(action);
    }
    m_recentPlaceholder->setVisible(displayNames.isEmpty());
}

void CMainFrame::SetOuterSize(int width, int height)
{
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    // A size larger than the screen (1024x768 at 200 %) is as much as the screen has.
    if (screen) {
        width = std::min(width, area.width());
        height = std::min(height, area.height());
    }
    const QSize decoration = frameGeometry().size() - geometry().size();
    resize(width - decoration.width(), height - decoration.height());
    if (screen)
        move(area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2);
}

QSize CMainFrame::MinimumUsableSize() const
{
    const int width = std::max(menuBar()->sizeHint().width(), statusBar()->sizeHint().width());
    const int height = menuBar()->sizeHint().height() + m_toolBar->sizeHint().height()
        + statusBar()->sizeHint().height() + MINIMUM_CLIENT_HEIGHT;
    return QSize(width, height);
}

void CMainFrame::RestorePlace(const WindowPlace& place)
{
    QScreen* primary = QGuiApplication::primaryScreen();
    QList<QRect> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    if (primary) {
        screens.removeOne(primary->availableGeometry());
        screens.prepend(primary->availableGeometry());
    }
    const QSize minimum = MinimumUsableSize();
    QRect frame;
    if (place.stored)
        frame = OnScreenFrame(QRect(place.position, place.size), screens, minimum);
    else if (!screens.isEmpty())
        frame = FirstStartFrame(screens.first(), minimum);
    else
        frame = QRect(QPoint(0, 0), minimum);
    resize(frame.size());
    move(frame.topLeft());
    if (place.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    m_toolBar->setVisible(place.toolBar);
    statusBar()->setVisible(place.statusBar);
    Action(ID_VIEW_STATUS_BAR)->setChecked(place.statusBar);
    ShowSummary(place.summary);
}

WindowPlace CMainFrame::CurrentPlace() const
{
    WindowPlace place;
    place.stored = true;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    // The frame's corner, as move() takes it, and the client's size.
    place.position = normal.topLeft() - (geometry().topLeft() - pos());
    place.size = normal.size();
    place.maximized = isMaximized();
    place.toolBar = !m_toolBar->isHidden();
    place.statusBar = !statusBar()->isHidden();
    place.summary = m_view->SummaryShown();
    return place;
}

void CMainFrame::ShowSummary(bool show)
{
    m_view->ShowSummary(show);
    if (QAction* action = Action(ID_VIEW_SUMMARY))
        action->setChecked(show);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    event->accept();
}
