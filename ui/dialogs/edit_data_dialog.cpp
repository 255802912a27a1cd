#include "ui/dialogs/edit_data_dialog.h"

#include "ui/base/program_objects.h"

#include "board/option_board_data.h"
#include "board/settings_table.h"
#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "ui/controls/up_down_control.h"
#include "ui/base/ui_text.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

constexpr unsigned ALARM_RULE = 1;

// A unit as a screen reader says it: "s" would be read as a letter.
QString SpokenUnit(int unitId)
{
    if (unitId == 0)
        return QString();
    return UiText(unitId == IDS_UNIT_SECONDS ? IDS_UNIT_SECONDS_SPOKEN : unitId);
}

// A setting's control with what belongs to it in the template: its label, the
// edit the arrows own, and the control itself, in template order.
std::vector<unsigned> ControlGroup(const DialogTemplate& dialog, int id)
{
    int at = 0;
    while (at < dialog.count && dialog.controls[at].id != id)
        ++at;
    if (at == dialog.count)
        return {};
    int first = at;
    if (dialog.controls[at].kind == ControlKind::UpDown && first > 0
        && dialog.controls[first - 1].kind == ControlKind::Edit)
        --first;
    if (dialog.controls[at].kind != ControlKind::CheckBox && first > 0
        && dialog.controls[first - 1].kind == ControlKind::Label)
        --first;
    std::vector<unsigned> ids;
    for (int i = first; i <= at; ++i)
        ids.push_back(static_cast<unsigned>(dialog.controls[i].id));
    return ids;
}

} // namespace

CEditDataDialog::CEditDataDialog(QWidget* parent) : CTemplateDialog(DLG_EDIT_DATA, parent) {}

CEditDataDialog::~CEditDataDialog() = default;

void CEditDataDialog::OnInitDialog()
{
    COptionBoardData& record = theOptionBoardData;
    // Lists are built before any control points into them.
    m_idLists.assign(SETTING_COUNT, {});
    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        const SettingRow& row = SETTINGS[i];
        std::vector<unsigned>& list = m_idLists[i];
        if (row.kind == SettingKind::Flag) {
            for (const SettingRow& member : SETTINGS) {
                if (member.owner == static_cast<int>(i)) {
                    const std::vector<unsigned> group = ControlGroup(DLG_EDIT_DATA, member.controlId);
                    list.insert(list.end(), group.begin(), group.end());
                }
            }
        } else if (row.kind == SettingKind::Index) {
            for (int choice = row.range.minimum; choice <= row.range.maximum; ++choice)
                list.push_back(static_cast<unsigned>(row.firstChoiceId + choice - row.range.minimum));
        }
        list.push_back(0);
    }

    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        const SettingRow& row = SETTINGS[i];
        switch (row.kind) {
        case SettingKind::Flag: {
            auto* box = new CFldCheckBox;
            m_controls.emplace_back(box);
            const bool hasDependents = m_idLists[i].size() > 1;
            box->Bind(&(record.*row.flag), hasDependents ? m_idLists[i].data() : nullptr,
                      row.exclusiveAlarm ? ALARM_RULE : 0);
            box->InitControl(this, row.controlId);
            m_stores.push_back([box] { return box->Store(); });
            break;
        }
        case SettingKind::Word: {
            auto* spin = new CFldIntSpin;
            m_controls.emplace_back(spin);
            spin->Bind(&(record.*row.number));
            spin->InitControl(this, row.controlId);
            if (UpDownControl* arrows = dynamic_cast<UpDownControl*>(Item(row.controlId))) {
                arrows->SetSpokenUnit(SpokenUnit(row.unitId));
                // Three alarms have a "Pre Alert Time (s)" each: a screen reader,
                // which reads no group frame, hears the alarm with it.
                const QString name = QString::fromStdString(SettingFullLabel(row));
                arrows->Buddy()->setAccessibleName(name);
                arrows->SetLabel(name);
            }
            m_stores.push_back([spin] { return spin->Store(); });
            break;
        }
        case SettingKind::Index: {
            auto* list = new CFldComboBox;
            m_controls.emplace_back(list);
            list->Bind(&(record.*row.number), m_idLists[i].data());
            list->InitControl(this, row.controlId);
            m_stores.push_back([list] { return list->Store(); });
            break;
        }
        }
    }
}

bool CEditDataDialog::event(QEvent* event)
{
    if (event->type() == CHECKBOX_NOTIFY_EVENT) {
        OnCheckBoxNotify(static_cast<CheckBoxNotifyEvent*>(event)->code);
        return true;
    }
    return CTemplateDialog::event(event);
}

void CEditDataDialog::OnCheckBoxNotify(unsigned code)
{
    if (code != ALARM_RULE)
        return;
    QWidget* tilt = Item(IDC_TILT_ALARM);
    QWidget* antiMovement = Item(IDC_ANTI_MOVEMENT_ALARM);
    QWidget* movement = Item(IDC_MOVEMENT_ALARM);
    const bool movementOn = static_cast<QCheckBox*>(movement)->isChecked();
    tilt->setEnabled(!movementOn);
    antiMovement->setEnabled(!movementOn);
    const bool otherOn = static_cast<QCheckBox*>(tilt)->isChecked() || static_cast<QCheckBox*>(antiMovement)->isChecked();
    movement->setEnabled(!otherOn);
}

void CEditDataDialog::OnOK()
{
    // Every control is stored, also after one has failed, in table order.
    bool ok = true;
    for (const auto& store : m_stores)
        ok = store() && ok;
    if (ok)
        EndDialog(Accepted);
}
