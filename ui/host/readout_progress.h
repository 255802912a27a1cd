// The read-out's progress panel, which the operation host shows while a long
// operation runs.
#pragma once

#include "ui/controls/template_dialog.h"

#include <QString>
#include <QWidget>

// Modeless, without caption, on top: the read-out's bar and text.
class CReadCalProgressDialog : public CTemplateDialog {
public:
    explicit CReadCalProgressDialog(QWidget* parent);
    void SetRange(int maximum);
    void SetPosition(int position);
    void SetText(const QString& text);
    void SetTime(const QString& text);

protected:
    // Stop, or Esc: the read-out ends after the request in flight.
    void OnCancel() override;
};
