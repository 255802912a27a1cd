// Option Board > Program Several Radios...: the fleet loop with its settings
// (the document's or a data file's), the number of radios, verify, the report,
// the ports to run on, and a table of the radios done in this run that grows
// while the loops run, with the run's tally and one status line per port above
// it. On one port the loop runs here; on several, one loop per port runs on a
// thread of its own. The window stays usable for Stop while the loops hold the
// radios.
#pragma once

#include "link/port_name.h"
#include "operations/fleet_operation.h"

#include <QColor>
#include <QDialog>
#include <functional>
#include <vector>

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
    // `portIndex` is the port ticked at first (the configured one).
    CFleetDialog(QWidget* parent, GuiHost& host, int portIndex, SettingsSource settingsImage, bool verify,
                 bool askRadioId = false);

    // Runs the loop as Start does (for tests and scripts).
    void Start();
    QTableWidget* Table() const { return m_table; }
    QCheckBox* VerifyBox() const { return m_verify; }
    QCheckBox* AskRadioIdBox() const { return m_askRadioId; }
    QLabel* Tally() const { return m_tally; }
    QCheckBox* PortBox(int index) const { return m_ports[index]; }
    QLabel* PortLine(int index) const { return m_portLines[index]; }
    QPushButton* BrowseFileButton() const { return m_browseFile; }
    QPushButton* BrowseReportButton() const { return m_browseReport; }
    QPushButton* StopButton() const { return m_stop; }

protected:
    void reject() override;

private:
    void AddRow(const FleetRow& row);
    // The run's count over all its ports.
    void ShowTally(int programmed, int failed, int ports);
    // Everything that decides what a run writes and where it reports, with the
    // Start and Close buttons; Stop is the opposite.
    void SetInputsEnabled(bool enabled);
    class RunView;
    QColor FailedTint() const;

    GuiHost& m_host;
    SettingsSource m_settingsImage;
    bool m_running = false;
    QLineEdit* m_file;
    QPushButton* m_browseFile;
    QSpinBox* m_count;
    QCheckBox* m_verify;
    QCheckBox* m_askRadioId;
    QLineEdit* m_report;
    QPushButton* m_browseReport;
    QCheckBox* m_ports[PORT_COUNT];
    QLabel* m_portLines[PORT_COUNT];
    QLabel* m_tally;
    QTableWidget* m_table;
    QLabel* m_stage;
    QPushButton* m_start;
    QPushButton* m_stop;
    QPushButton* m_close;
};
