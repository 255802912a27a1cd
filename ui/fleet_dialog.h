// Option Board > Program Several Radios...: the fleet loop with its settings
// (the document's or a data file's), the number of radios, verify, the report,
// and a table of the radios done that grows while the loop runs. The window
// stays usable for Stop while the loop holds the radio.
#pragma once

#include "operations/fleet_operation.h"

#include <QDialog>
#include <functional>

class GuiHost;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

class CFleetDialog : public QDialog {
public:
    // `useSettings` loads the chosen data file (empty: the document's settings)
    // into the record for the run and says whether there are settings to write;
    // `restore` puts the document's settings back afterwards.
    CFleetDialog(QWidget* parent, GuiHost& host, std::string portName,
                 std::function<bool(const QString& file)> useSettings, std::function<void()> restore);

    // Runs the loop as Start does (for tests and scripts).
    void Start();
    QTableWidget* Table() const { return m_table; }

protected:
    void reject() override;

private:
    void AddRow(const FleetRow& row);

    GuiHost& m_host;
    std::string m_portName;
    std::function<bool(const QString&)> m_useSettings;
    std::function<void()> m_restore;
    bool m_running = false;
    QLineEdit* m_file;
    QSpinBox* m_count;
    QCheckBox* m_verify;
    QLineEdit* m_report;
    QTableWidget* m_table;
    QLabel* m_stage;
    QPushButton* m_start;
    QPushButton* m_stop;
    QPushButton* m_close;
};
