#include "ui/windows/history_window.h"

#include "ui/base/program_objects.h"

#include "ui/base/background_jobs.h"
#include "board/settings_snapshot.h"
#include "app/depot_store.h"
#include "app/history_snapshot.h"
#include "app/history_text.h"
#include "app/settings.h"
#include "app/service_history.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/visible_text.h"
#include "ui/controls/accessible_factory.h"
#include "ui/controls/label_buddy.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"
#include "ui/host/settings_copy.h"
#include "ui/windows/history_details.h"
#include "ui/windows/history_export.h"
#include "ui/windows/history_job_sheet.h"
#include "ui/windows/history_model.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How long typing in a text filter pauses before the list follows it.
constexpr int TYPING_PAUSE_MS = 300;
// How often an open window looks whether the history changed, and how long that
// look waits for a file another program holds.
constexpr int CHANGES_LOOK_MS = 2000;
constexpr int CHANGES_LOOK_PATIENCE_MS = 50;
// The newest entries of the depot's record a list shows: a filter finds the rest.
constexpr int DEPOT_LIST_LIMIT = 5000;
// The role of the result list's item that lets every result but "succeeded" through.
constexpr int FAILED_ONLY_ROLE = Qt::UserRole + 1;

// The settings an entry opens and compares: those it wrote, else those it read.
const DataFileBytes* SettingsOf(const HistoryEntry& entry)
{
    if (entry.settingsWritten)
        return &*entry.settingsWritten;
    return entry.settingsRead ? &*entry.settingsRead : nullptr;
}

QString EntryName(const HistoryEntry& entry)
{
    return FormatUiText(IDS_HISTORY_COPY_TITLE, QString::number(entry.id));
}

// "COM1_2026-12-09_040501.vgd": the port and the local time, as a backup's copy is named.
QString CopyFileName(const HistoryEntry& entry)
{
    QString port = QFileInfo(QString::fromStdString(entry.port)).fileName();
    for (QChar& c : port) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    const QDateTime utc = QDateTime::fromString(QString::fromStdString(entry.time), Qt::ISODateWithMs);
    const QString when = utc.isValid() ? utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss"))
                                       : QString::number(entry.id);
    return (port.isEmpty() ? when : port + QLatin1Char('_') + when) + UiText(IDS_DOC_EXTENSION);
}

SettingsCopy CopyOf(const HistoryEntry& entry)
{
    SettingsCopy copy;
    copy.bytes = *SettingsOf(entry);
    copy.title = EntryName(entry);
    copy.caption = FormatUiText(IDS_TITLE_HISTORY_COPY, copy.title);
    copy.source = FormatUiText(entry.settingsWritten ? IDS_SUMMARY_FROM_HISTORY_WRITTEN : IDS_SUMMARY_FROM_HISTORY_READ,
                               QString::fromStdString(VisibleText(entry.port)), HistoryLocaleTime(entry.time),
                               QString::number(entry.id));
    copy.fileName = CopyFileName(entry);
    return copy;
}

bool IsEmpty(const HistoryFilter& filter)
{
    return filter.radio.empty() && filter.radioId.empty() && filter.board.empty() && filter.operation.empty()
        && filter.result.empty()
        && !filter.failedOnly && filter.since.empty() && filter.until.empty();
}

// A check box that switches a day's limit on, and the day.
QDateEdit* DayLimit(QCheckBox* on, const QDate& day)
{
    QDateEdit* edit = new QDateEdit(day);
    edit->setCalendarPopup(true);
    edit->setEnabled(false);
    edit->setAccessibleName(PlainText(on->text()));
    QObject::connect(on, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    return edit;
}

} // namespace

HistoryWindow* HistoryWindow::Open(QWidget* owner, DocumentActions actions)
{
    auto store = std::make_unique<HistoryStore>(ServiceHistoryPath());
    if (!store->Open()) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_HISTORY_UNREADABLE,
                       FormatString(IDS_HISTORY_UNREADABLE, store->Path().c_str(), store->Error().c_str()));
        return nullptr;
    }
    WarnMovedAside(GuiContext(), *store);
    HistoryWindow* window = new HistoryWindow(owner, std::move(store), std::move(actions));
    // Over the window it came from, not in a corner of the screen (the screen
    // keeper then moves it inside the screen where it must).
    if (owner)
        window->move(owner->frameGeometry().center() - window->rect().center());
    window->show();
    return window;
}

HistoryWindow::~HistoryWindow() = default;

HistoryWindow::HistoryWindow(QWidget* owner, std::unique_ptr<HistoryStore> store, DocumentActions actions)
    : QWidget(owner, Qt::Window), m_store(std::move(store)), m_reader(m_store.get()), m_actions(std::move(actions))
{
    // The drop-down lists are named by their labels, the window is one to a screen reader.
    InstallAccessibleFactory();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(UiText(IDS_HISTORY_WINDOW_TITLE));
    m_model = new HistoryModel(*m_store, this);
    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(TYPING_PAUSE_MS);
    connect(m_typing, &QTimer::timeout, this, &HistoryWindow::ApplyFilter);
    // What this program's own operations and other programs add or remove shows
    // while the window is open, not only when the user comes back to it.
    QTimer* changes = new QTimer(this);
    changes->setInterval(CHANGES_LOOK_MS);
    connect(changes, &QTimer::timeout, this, &HistoryWindow::LookForChanges);
    changes->start();

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFilters());

    QWidget* list = new QWidget;
    QVBoxLayout* listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    QHBoxLayout* listHeading = new QHBoxLayout;
    QLabel* entries = new QLabel(UiText(IDS_HISTORY_ENTRIES_LABEL));
    m_count = new QLabel;
    listHeading->addWidget(entries);
    listHeading->addStretch(1);
    listHeading->addWidget(m_count);
    listLayout->addLayout(listHeading);
    m_table = new QTableView;
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    m_table->setCornerButtonEnabled(false);
    // Rows of one height: the view never asks the rows it does not show for theirs.
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Widths from the first rows alone, which are read anyway.
    m_table->horizontalHeader()->setResizeContentsPrecision(HistoryModel::PAGE_ROWS / 4);
    m_table->installEventFilter(this);
    LabelFor(entries, m_table);
    listLayout->addWidget(m_table, 1);

    QWidget* shown = new QWidget;
    QVBoxLayout* shownLayout = new QVBoxLayout(shown);
    shownLayout->setContentsMargins(0, 0, 0, 0);
    QLabel* details = new QLabel(UiText(IDS_HISTORY_DETAILS_LABEL));
    m_details = new HistoryDetails;
    LabelFor(details, m_details);
    m_details->setAccessibleName(PlainText(details->text()));
    shownLayout->addWidget(details);
    shownLayout->addWidget(m_details, 1);

    QSplitter* split = new QSplitter(Qt::Vertical);
    split->setChildrenCollapsible(false);
    split->addWidget(list);
    split->addWidget(shown);
    // The list is what one looks through: it gets the larger part.
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);

    QHBoxLayout* buttons = new QHBoxLayout;
    m_open = new QPushButton(UiText(IDS_HISTORY_OPEN_SETTINGS));
    m_compare = new QPushButton(UiText(IDS_HISTORY_COMPARE));
    QPushButton* exportList = new QPushButton(UiText(IDS_HISTORY_EXPORT));
    QPushButton* closeWindow = new QPushButton(UiText(IDS_KEYED_CLOSE));
    for (QPushButton* button : { m_open, m_compare, exportList })
        buttons->addWidget(button);
    m_jobSheet = new QPushButton(UiText(IDS_JOBSHEET_EXPORT));
    buttons->addWidget(m_jobSheet);
    connect(m_jobSheet, &QPushButton::clicked, this, [this] {
        if (m_entry)
        {
            if (ShowsDepot())
                WithDepot([this](HistoryReader& depot) { ExportJobSheet(this, depot, *m_entry); });
            else
                ExportJobSheet(this, *m_reader, *m_entry);
        }
    });
    buttons->addStretch(1);
    buttons->addWidget(closeWindow);
    layout->addLayout(buttons);
    connect(m_open, &QPushButton::clicked, this, &HistoryWindow::OpenSettings);
    connect(m_compare, &QPushButton::clicked, this, &HistoryWindow::CompareSettings);
    connect(exportList, &QPushButton::clicked, this,
            [this] {
                if (ShowsDepot())
                    WithDepot([this](HistoryReader& depot) { ExportHistoryCsv(this, depot, m_model->Filter()); });
                else
                    ExportHistoryCsv(this, *m_reader, m_model->Filter());
            });
    connect(closeWindow, &QPushButton::clicked, this, &QWidget::close);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowEntry(current.row()); });

    ApplyFilter();
    m_table->setFocus();
    resize(1000, 720);
    KeepOnScreen(this);
}

QWidget* HistoryWindow::BuildFilters()
{
    QWidget* filters = new QWidget;
    QGridLayout* grid = new QGridLayout(filters);
    grid->setContentsMargins(0, 0, 0, 0);
    const auto labelled = [&](int textId, QWidget* control, int row, int column) {
        QLabel* label = new QLabel(UiText(textId));
        grid->addWidget(label, row, column);
        grid->addWidget(control, row, column + 1);
        LabelFor(label, control);
    };
    m_radio = new QLineEdit;
    m_board = new QLineEdit;
    for (QLineEdit* text : { m_radio, m_board }) {
        text->setClearButtonEnabled(true);
        connect(text, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    }
    labelled(IDS_HISTORY_FILTER_RADIO, m_radio, 0, 0);
    labelled(IDS_HISTORY_FILTER_BOARD, m_board, 0, 2);

    m_operation = new QComboBox;
    m_operation->addItem(UiText(IDS_HISTORY_FILTER_ALL), QString());
    for (const std::string& operation : HistoryOperationWords(*m_store))
        m_operation->addItem(QString::fromStdString(HistoryWord(operation)), QString::fromStdString(operation));
    labelled(IDS_HISTORY_FILTER_OPERATION, m_operation, 0, 4);

    m_result = new QComboBox;
    m_result->addItem(UiText(IDS_HISTORY_FILTER_ALL), QString());
    m_result->addItem(UiText(IDS_HISTORY_FILTER_NOT_SUCCEEDED), QString());
    m_result->setItemData(1, true, FAILED_ONLY_ROLE);
    for (const std::string& result : HistoryResultWords(*m_store))
        m_result->addItem(QString::fromStdString(HistoryWord(result)), QString::fromStdString(result));
    labelled(IDS_HISTORY_FILTER_RESULT, m_result, 1, 0);
    for (QComboBox* list : { m_operation, m_result })
        connect(list, qOverload<int>(&QComboBox::currentIndexChanged), this, &HistoryWindow::ApplyFilter);

    const QDate today = QDate::currentDate();
    m_fromOn = new QCheckBox(UiText(IDS_HISTORY_FILTER_FROM));
    m_from = DayLimit(m_fromOn, today.addMonths(-1));
    m_toOn = new QCheckBox(UiText(IDS_HISTORY_FILTER_TO));
    m_to = DayLimit(m_toOn, today);
    grid->addWidget(m_fromOn, 1, 2);
    grid->addWidget(m_from, 1, 3);
    grid->addWidget(m_toOn, 1, 4);
    grid->addWidget(m_to, 1, 5);
    for (QCheckBox* on : { m_fromOn, m_toOn })
        connect(on, &QCheckBox::toggled, this, &HistoryWindow::ApplyFilter);
    for (QDateEdit* day : { m_from, m_to })
        connect(day, &QDateEdit::dateChanged, this, &HistoryWindow::ApplyFilter);
    for (int column : { 1, 3, 5 })
        grid->setColumnStretch(column, 1);

    m_source = new QComboBox;
    m_source->addItem(UiText(IDS_HISTORY_SOURCE_LOCAL));
    m_source->addItem(UiText(IDS_HISTORY_SOURCE_DEPOT));
    labelled(IDS_HISTORY_SOURCE, m_source, 2, 0);
    // The one radio of an ID, as a scanner types its label.
    m_radioId = new QLineEdit;
    m_radioId->setClearButtonEnabled(true);
    connect(m_radioId, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    labelled(IDS_HISTORY_FILTER_RADIO_ID, m_radioId, 2, 2);
    connect(m_source, qOverload<int>(&QComboBox::currentIndexChanged), this, &HistoryWindow::ChooseSource);
    return filters;
}

HistoryFilter HistoryWindow::CurrentFilter() const
{
    HistoryFilter filter;
    filter.radio = m_radio->text().toStdString();
    filter.board = m_board->text().toStdString();
    filter.radioId = m_radioId->text().trimmed().toUtf8().toStdString();
    filter.operation = m_operation->currentData().toString().toStdString();
    filter.result = m_result->currentData().toString().toStdString();
    filter.failedOnly = m_result->currentData(FAILED_ONLY_ROLE).toBool();
    // A day from its first millisecond to its last, in local time.
    if (m_fromOn->isChecked())
        HistoryTimeFromText(m_from->date().toString(Qt::ISODate).toStdString(), false, filter.since);
    if (m_toOn->isChecked())
        HistoryTimeFromText(m_to->date().toString(Qt::ISODate).toStdString(), true, filter.until);
    return filter;
}

void HistoryWindow::ApplyFilter()
{
    m_typing->stop();
    if (ShowsDepot()) {
        ListDepotEntries();
        return;
    }
    m_model->SetFilter(CurrentFilter());
    ShowCount();
    FitColumns();
    if (m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(0, 0));
    else
        ShowEntry(-1);
}

void HistoryWindow::ShowCount()
{
    const QLocale locale;
    if (ShowsDepot()) {
        const HistoryListing& listing = m_snapshot->Listing();
        const QString listed = locale.toString(static_cast<int>(listing.entries.size()));
        m_count->setToolTip(QString());
        if (!listing.error.empty()) {
            m_count->setText(UiText(IDS_HISTORY_DEPOT_UNREADABLE));
            m_count->setToolTip(QString::fromStdString(listing.error));
        } else if (static_cast<int>(listing.entries.size()) < listing.matching) {
            m_count->setText(FormatUiText(IDS_HISTORY_DEPOT_SHOWING, listed, locale.toString(listing.matching)));
        } else {
            m_count->setText(IsEmpty(listing.filter) ? FormatUiText(IDS_HISTORY_COUNT_ALL, listed)
                                                      : FormatUiText(IDS_HISTORY_COUNT_FILTERED, listed,
                                                                     locale.toString(listing.all)));
        }
        return;
    }
    const int all = IsEmpty(m_model->Filter()) ? m_model->rowCount() : m_reader->Count(HistoryFilter());
    m_count->setText(IsEmpty(m_model->Filter())
                         ? FormatUiText(IDS_HISTORY_COUNT_ALL, locale.toString(all))
                         : FormatUiText(IDS_HISTORY_COUNT_FILTERED, locale.toString(m_model->rowCount()),
                                        locale.toString(all)));
}

void HistoryWindow::FitColumns()
{
    // Once, to the first rows there are: columns that change width as the
    // filter changes would move under the pointer.
    if (m_columnsFitted || m_model->rowCount() == 0)
        return;
    m_table->resizeColumnsToContents();
    m_columnsFitted = true;
}

void HistoryWindow::ShowEntry(int row)
{
    const HistoryEntry* listed = m_model->Entry(row);
    if (ShowsDepot()) {
        const std::string& error = m_snapshot->Listing().error;
        if (!error.empty() || (listed && !m_snapshot->HasDetails(listed->id))) {
            m_entry.reset();
            m_details->ShowNone(error.empty() ? UiText(IDS_HISTORY_DEPOT_ENTRY_READING)
                                              : QString::fromStdString(FormatString(
                                                  IDS_DEPOT_UNREACHABLE, m_snapshot->Place().c_str(), error.c_str())));
            if (listed)
                ReadDepotEntry(listed->id);
            UpdateButtons();
            return;
        }
    }
    std::optional<HistoryEntry> whole = listed ? m_reader->Get(listed->id) : std::nullopt;
    if (whole) {
        m_entry = std::make_unique<HistoryEntry>(std::move(*whole));
        m_details->Show(*m_reader, *m_entry);
    } else {
        m_entry.reset();
        const std::string none = m_model->rowCount() > 0
                                     ? LoadString(IDS_HISTORY_NO_SELECTION)
                                     : FormatString(IDS_HISTORY_NO_ENTRIES, m_reader->Place().c_str());
        m_details->ShowNone(QString::fromStdString(none));
    }
    UpdateButtons();
}

void HistoryWindow::UpdateButtons()
{
    const bool settings = m_entry && SettingsOf(*m_entry);
    m_open->setEnabled(settings);
    m_compare->setEnabled(settings && m_documentLoaded);
    m_jobSheet->setEnabled(m_entry != nullptr);
}

void HistoryWindow::SetDocumentLoaded(bool loaded)
{
    m_documentLoaded = loaded;
    UpdateButtons();
}

void HistoryWindow::Refresh()
{
    if (ShowsDepot()) {
        ListDepotEntries();
        return;
    }
    if (m_model->IsCurrent())
        return;
    // The chosen entry stays chosen where it can be found again: new entries
    // come before it, removed ones went after it.
    const int before = m_model->rowCount();
    const int row = m_table->currentIndex().row();
    const int64_t chosen = m_entry ? m_entry->id : 0;
    m_model->Reload();
    ShowCount();
    FitColumns();
    int again = 0;
    for (int candidate : { row + m_model->rowCount() - before, row }) {
        const HistoryEntry* entry = m_model->Entry(candidate);
        if (entry && entry->id == chosen) {
            again = candidate;
            break;
        }
    }
    if (m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(again, 0));
    else
        ShowEntry(-1);
}

void HistoryWindow::LookForChanges()
{
    // The depot's record is looked at again when the window is come back to:
    // a look every few seconds would wait on the network while the user types.
    if (!isVisible() || m_reader != m_store.get())
        return;
    // A look that must not stall the window: a file another program holds
    // counts as unchanged until it is free again.
    m_store->SetPatience(CHANGES_LOOK_PATIENCE_MS);
    m_store->ClearFailure();
    const bool current = m_model->IsCurrent();
    const bool readable = m_store->Error().empty();
    m_store->SetPatience(HISTORY_PATIENCE_MS);
    if (!current && readable)
        Refresh();
}

bool HistoryWindow::ShowsDepot() const
{
    return m_snapshot && m_reader == m_snapshot.get();
}

void HistoryWindow::ChooseSource()
{
    const bool depot = m_source->currentIndex() == 1;
    if (depot) {
        const std::string address = StoredHistoryServer();
        if (address.empty()) {
            ShowStatusText(GuiContext(), MSG_ERROR, IDS_HISTORY_NO_SERVER, LoadString(IDS_HISTORY_NO_SERVER));
            const QSignalBlocker quiet(m_source);
            m_source->setCurrentIndex(0);
            return;
        }
        m_depotAddress = address;
        m_snapshot = std::make_unique<HistorySnapshot>(DepotPlace(address));
    }
    m_reader = depot ? static_cast<HistoryReader*>(m_snapshot.get()) : m_store.get();
    m_model->SetReader(*m_reader);
    ApplyFilter();
}

void HistoryWindow::ListDepotEntries()
{
    const int listing = ++m_listing;
    m_count->setText(UiText(IDS_HISTORY_DEPOT_READING));
    RunInBackground(this, [this, listing, address = m_depotAddress, filter = CurrentFilter()] {
        HistoryListing read = ListDepot(address, filter, DEPOT_LIST_LIMIT);
        return std::function<void()>([this, listing, read = std::move(read)]() mutable {
            if (listing == m_listing && ShowsDepot())
                ShowListing(std::move(read));
        });
    });
}

void HistoryWindow::ShowListing(HistoryListing listing)
{
    // The chosen entry stays chosen where the new list holds it.
    const HistoryEntry* before = m_model->Entry(m_table->currentIndex().row());
    const int64_t chosen = before ? before->id : 0;
    const HistoryFilter filter = listing.filter;
    m_snapshot->SetListing(std::move(listing));
    m_model->SetFilter(filter);
    ShowCount();
    FitColumns();
    int again = 0;
    for (int row = 0; row < m_model->rowCount() && chosen != 0; ++row) {
        if (m_model->Entry(row) && m_model->Entry(row)->id == chosen) {
            again = row;
            break;
        }
    }
    if (m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(again, 0));
    else
        ShowEntry(-1);
}

void HistoryWindow::ReadDepotEntry(int64_t id)
{
    const int listing = m_listing;
    RunInBackground(this, [this, listing, id, address = m_depotAddress] {
        HistoryEntryDetails read = ::ReadDepotEntry(address, id);
        return std::function<void()>([this, listing, id, read = std::move(read)]() mutable {
            if (listing != m_listing || !ShowsDepot())
                return;
            const bool failed = !read.error.empty() || !read.whole;
            const std::string error = read.error;
            if (!failed)
                m_snapshot->AddDetails(id, std::move(read));
            const int row = m_table->currentIndex().row();
            const HistoryEntry* current = m_model->Entry(row);
            if (!current || current->id != id)
                return;
            if (failed)
                m_details->ShowNone(QString::fromStdString(
                    FormatString(IDS_DEPOT_UNREACHABLE, m_snapshot->Place().c_str(), error.c_str())));
            else
                ShowEntry(row);
        });
    });
}

void HistoryWindow::WithDepot(const std::function<void(HistoryReader& reader)>& action)
{
    DepotStore depot(m_depotAddress);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool reached = depot.Open();
    QApplication::restoreOverrideCursor();
    if (!reached) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_DEPOT_UNREACHABLE,
                       FormatString(IDS_DEPOT_UNREACHABLE, depot.Place().c_str(), depot.Error().c_str()));
        return;
    }
    action(depot);
}

void HistoryWindow::OpenSettings()
{
    if (m_entry && SettingsOf(*m_entry) && m_actions.openCopy)
        m_actions.openCopy(CopyOf(*m_entry));
}

void HistoryWindow::CompareSettings()
{
    const DataFileBytes* bytes = m_entry ? SettingsOf(*m_entry) : nullptr;
    if (!bytes || !m_actions.compare)
        return;
    SettingsSnapshot settings;
    HistorySettings(*bytes, settings);
    m_actions.compare(settings, EntryName(*m_entry));
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Enter on a row goes on to its details.
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const QKeyEvent* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            m_details->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HistoryWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HistoryWindow::changeEvent(QEvent* event)
{
    // Coming back to the window shows what was added or removed meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Refresh();
    QWidget::changeEvent(event);
}
