// A dialog built from its template: controls placed in dialog units converted
// with the dialog font's metrics, found by their numeric ids, tab order in
// template order; OK, Cancel and Help buttons wired as every dialog has them.
#pragma once

#include "resources/dialog_templates.h"

#include <QDialog>

#include <functional>
#include <map>
#include <utility>
#include <vector>

class CTemplateDialog : public QDialog {
public:
    CTemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent);

    // The control with this id, or null.
    QWidget* Item(int id) const;
    // The id of a control of any template dialog, -1 when it has none.
    static int ControlId(const QWidget* widget);

    // Initialises the dialog and runs it modally, unless the initialisation
    // already ended it. Returns the result (QDialog::Accepted or Rejected).
    int DoModal();
    // Ends the dialog with the result; works from the initialisation too.
    void EndDialog(int result);
    bool HasEnded() const { return m_ended; }
    int EndResult() const { return m_result; }

    // Where every dialog's Help button goes (the application's Help Topics).
    static void SetHelpHandler(std::function<void()> handler);

    // Pixels of a rectangle given in this dialog's units.
    QRect MapDialogRect(int x, int y, int w, int h) const;

protected:
    virtual void OnInitDialog() {}
    virtual void OnOK() { EndDialog(Accepted); }
    virtual void OnCancel() { EndDialog(Rejected); }
    void reject() override { OnCancel(); }

private:
    void Build(const DialogTemplate& dialogTemplate);
    // Makes each placed text fit its control, by wrapping or a smaller font.
    void FitTexts(const std::vector<std::pair<QWidget*, QRect>>& placed);
    std::map<int, QWidget*> m_items;
    double m_baseX = 6;
    double m_baseY = 13;
    bool m_ended = false;
    int m_result = Rejected;
    bool m_running = false;
};
