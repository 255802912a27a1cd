// View > Service History: the history's entries newest first, this computer's
// or the whole depot's, narrowed by the radio, the board, the operation, the
// result and a range of days, with the chosen entry's details. Its settings open
// as a copy in the main window or are compared with the document's, the list as
// filtered is exported as CSV, and the entry (or its fleet run) as a job sheet.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class HistorySnapshot;
class HistoryDetails;
class HistoryModel;
class HistoryReader;
class HistoryStore;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;
struct HistoryEntry;
struct HistoryFilter;
struct SettingsCopy;
struct SettingsSnapshot;

class HistoryWindow : public QWidget {
public:
    // What the window asks of the main window.
    struct DocumentActions {
        // Opens the settings as the document; false when they were not opened.
        std::function<bool(const SettingsCopy& copy)> openCopy;
        // Shows how the document's settings differ from `settings`, which `name` names.
        std::function<void(const SettingsSnapshot& settings, const QString& name)> compare;
    };

    // Opens the window over the program's history, above `owner`; nullptr,
    // after an error box, when the history cannot be read.
    static HistoryWindow* Open(QWidget* owner, DocumentActions actions);
    ~HistoryWindow() override;

    // Whether the document holds settings to compare with.
    void SetDocumentLoaded(bool loaded);
    // Lists the entries again when the history changed since they were counted.
    void Refresh();

    QTableView* Table() const { return m_table; }
    HistoryModel* Model() const { return m_model; }
    HistoryDetails* Details() const { return m_details; }
    QLineEdit* RadioFilter() const { return m_radio; }
    QComboBox* SourceChoice() const { return m_source; }
    QPushButton* OpenButton() const { return m_open; }
    QPushButton* CompareButton() const { return m_compare; }
    QPushButton* JobSheetButton() const { return m_jobSheet; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    HistoryWindow(QWidget* owner, std::unique_ptr<HistoryStore> store, DocumentActions actions);
    QWidget* BuildFilters();
    HistoryFilter CurrentFilter() const;
    void ApplyFilter();
    void ShowCount();
    void FitColumns();
    void ShowEntry(int row);
    void UpdateButtons();
    void OpenSettings();
    void CompareSettings();
    void LookForChanges();
    // This computer's history, or the depot's record of every bench.
    void ChooseSource();
    bool ShowsDepot() const;
    // The depot's record is read on threads of their own; what they read comes
    // back to these.
    void ListDepotEntries();
    void ShowListing(struct HistoryListing listing);
    void ReadDepotEntry(int64_t id);
    // Runs an action that reads the whole record (an export, a run's job
    // sheet) on a store of its own, the wait cursor showing.
    void WithDepot(const std::function<void(HistoryReader& reader)>& action);

    std::unique_ptr<HistoryStore> m_store;
    std::unique_ptr<HistorySnapshot> m_snapshot; // what was read of the depot's record
    std::string m_depotAddress;
    int m_listing = 0; // the depot's listing asked for last: older ones are dropped
    HistoryReader* m_reader = nullptr; // the history listed: m_store or m_snapshot
    DocumentActions m_actions;
    HistoryModel* m_model = nullptr;
    QLineEdit* m_radio = nullptr;
    QLineEdit* m_board = nullptr;
    QLineEdit* m_radioId = nullptr;
    QComboBox* m_operation = nullptr;
    QComboBox* m_result = nullptr;
    QComboBox* m_source = nullptr;
    QCheckBox* m_fromOn = nullptr;
    QDateEdit* m_from = nullptr;
    QCheckBox* m_toOn = nullptr;
    QDateEdit* m_to = nullptr;
    QTimer* m_typing = nullptr;
    QLabel* m_count = nullptr;
    QTableView* m_table = nullptr;
    HistoryDetails* m_details = nullptr;
    QPushButton* m_open = nullptr;
    QPushButton* m_compare = nullptr;
    QPushButton* m_jobSheet = nullptr;
    std::unique_ptr<HistoryEntry> m_entry; // the chosen entry, whole
    bool m_documentLoaded = false;
    bool m_columnsFitted = false;
};
