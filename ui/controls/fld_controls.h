// Validated controls bound to the settings record: a check box that switches its
// dependents, an integer spin with its filtered, checked edit, and a drop-down
// list of an index. Each attaches to a control its dialog's template created
// and writes its value back into the record only on Store.
#pragma once

#include <QEvent>
#include <QObject>

class CBoolValue;
class CIntValue;
class CTemplateDialog;
class QCheckBox;
class QComboBox;
class QLineEdit;
class UpDownControl;

// Posted (not sent) to a check box's dialog after each update of its dependents
// when the box has a notification code.
constexpr int WM_CHECKBOX_NOTIFY = 3024;
const QEvent::Type CHECKBOX_NOTIFY_EVENT = static_cast<QEvent::Type>(QEvent::User + WM_CHECKBOX_NOTIFY);

class CheckBoxNotifyEvent : public QEvent {
public:
    explicit CheckBoxNotifyEvent(unsigned code) : QEvent(CHECKBOX_NOTIFY_EVENT), code(code) {}
    unsigned code;
};

// The digit sets of the integer edits.
extern const char* const DIGITS;
extern const char* const SIGNED_DIGITS;

// The warning sound of a refused keystroke; tests listen to it.
void SetWarningBeep(void (*beep)());

class CFldCheckBox : public QObject {
public:
    CFldCheckBox();
    bool InitControl(CTemplateDialog* parent, int id);
    void Bind(CBoolValue* value, const unsigned* dependents, unsigned notifyCode);
    void SetData(bool value, const unsigned* dependents);
    bool Store();
    bool IsValid() { return true; }
    void ValueToControl();
    void ControlToValue();
    void UpdateDependents();

    bool m_bValue = false;
    const unsigned* m_pDependents;
    unsigned m_nNotifyCode = 0;
    CBoolValue* m_pBound = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CTemplateDialog* m_parent = nullptr;
    QCheckBox* m_box = nullptr;
};

class CFldIntSpin;

class CFldIntEdit : public QObject {
public:
    bool InitControl(CTemplateDialog* parent, CFldIntSpin* owner, int id, const char* allowed);

    const char* m_pszAllowed = nullptr;
    CFldIntSpin* m_pOwner = nullptr;

    // The range check when the edit lost the focus to `next` (none: another program).
    void CheckOnFocusLoss(QWidget* next);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit = nullptr;
};

class CFldIntSpin : public QObject {
public:
    bool InitControl(CTemplateDialog* parent, int id);
    void Bind(CIntValue* value);
    void SetData(int minimum, int maximum, int value);
    bool Store();
    bool IsValid();
    void ValueToControl();
    void ControlToValue();

    int m_nMin = 0;
    int m_nMax = 100;
    int m_nValue = 0;
    CFldIntEdit m_edit;
    CIntValue* m_pBound = nullptr;

private:
    UpDownControl* m_upDown = nullptr;
    bool m_lastError = false;
};

class CFldComboBox : public QObject {
public:
    CFldComboBox();
    bool InitControl(CTemplateDialog* parent, int id);
    void Bind(CIntValue* value, const unsigned* stringIds);
    void SetData(int index, const unsigned* stringIds);
    bool Store();
    bool IsValid() { return true; }
    void ValueToControl();
    void ControlToValue();

    int m_nValue = 0;
    const unsigned* m_pStringIds;
    CIntValue* m_pBound = nullptr;

private:
    QComboBox* m_combo = nullptr;
};
