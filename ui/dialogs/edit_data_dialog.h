// Edit Option Board Data: the fifteen settings in four groups, bound to the
// record, with the movement alarm kept exclusive of the other two alarms. One
// validated control per row of the settings table, in table order.
#pragma once

#include "ui/controls/fld_controls.h"
#include "ui/controls/template_dialog.h"

#include <functional>
#include <memory>
#include <vector>

class CEditDataDialog : public CTemplateDialog {
public:
    explicit CEditDataDialog(QWidget* parent);
    ~CEditDataDialog() override;

    // The alarm rule, run once per notification with code 1.
    void OnCheckBoxNotify(unsigned code);

protected:
    void OnInitDialog() override;
    void OnOK() override;
    bool event(QEvent* event) override;

private:
    // The controls, and each one's Store, in the settings table's order.
    std::vector<std::unique_ptr<QObject>> m_controls;
    std::vector<std::function<bool()>> m_stores;
    // Zero-terminated id lists the controls point into: dependents and choices.
    std::vector<std::vector<unsigned>> m_idLists;
};
