// Option Board > Program Several Radios...: the fleet loop with its settings
// (the document's or a data file's), the number of radios, verify, the report,
// and a table of the radios done in this run that grows while the loop runs,
// with the run's tally above it. The window stays usable for Stop while the
// loop holds the radio.
#pragma once

#include "operations/fleet_operation.h"

#include <QColor>
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
    // `settingsImage` gives the image to program from the chosen data file (empty:
    // the document's settings), or false when there are none (it has said why).
    // `verify` is the verify box's initial state (the application's Verify After Write).
    using SettingsSource = std::function<bool(const QString& file, uint8_t* image)>;
    CFleetDialog(QWidget* parent, GuiHost& host, std::string portName, SettingsSource settingsImage, bool verify);

    // Runs the loop as Start does (for tests and scripts).
    void Start();
    QTableWidget* Table() const { return m_table; }
    QCheckBox* VerifyBox() const { return m_verify; }
    QLabel* Tally() const { return m_tally; }

protected:
    void reject() override;

private:
    void AddRow(const FleetRow& row);
    void ShowTally(int programmed, int failed);
    QColor FailedTint() const;

    GuiHost& m_host;
    std::string m_portName;
    SettingsSource m_settingsImage;
    bool m_running = false;
    QLineEdit* m_file;
    QSpinBox* m_count;
    QCheckBox* m_verify;
    QLineEdit* m_report;
    QLabel* m_tally;
    QTableWidget* m_table;
    QLabel* m_stage;
    QPushButton* m_start;
    QPushButton* m_stop;
    QPushButton* m_close;
};
