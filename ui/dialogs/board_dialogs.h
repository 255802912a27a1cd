// The dialogs of the board commands: Option Board Information, Option Board
// Calibration, and the calibration data read-out with its progress.
#pragma once

#include "operations/operation_record.h"
#include "ui/controls/template_dialog.h"

class CVigilonOssApp;

// Reads the board's identity while initialising; never shown when that fails.
// Ctrl+C copies its five fields as text, unless a field has text selected.
class CBoardInfoDialog : public CTemplateDialog {
public:
    CBoardInfoDialog(QWidget* parent, int portIndex);
    // What the read learnt, for the service history once the dialog is closed.
    const OperationRecord& Record() const { return m_record; }

protected:
    void OnInitDialog() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // "Option Board Type: ..." and so on, one field a line, labels as shown.
    QString FieldsText() const;

    int m_portIndex;
    OperationRecord m_record;
};

// The warning and the steps; OK runs the calibration.
class CCalibrateDialog : public CTemplateDialog {
public:
    CCalibrateDialog(QWidget* parent, int portIndex);

protected:
    void OnOK() override;

private:
    int m_portIndex;
};

// "Are you sure?" before the 20-minute read-out; OK runs it.
class CReadCalDataDialog : public CTemplateDialog {
public:
    CReadCalDataDialog(QWidget* parent, int portIndex);

protected:
    void OnOK() override;

private:
    int m_portIndex;
};
