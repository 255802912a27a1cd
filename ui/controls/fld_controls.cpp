#include "ui/controls/fld_controls.h"

#include "ui/base/program_objects.h"

#include "board/values.h"
#include "resources/string_ids.h"
#include "seams/message_presenter.h"
#include "seams/string_table.h"
#include "ui/controls/template_dialog.h"
#include "ui/controls/up_down_control.h"
#include "ui/base/ui_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include <cstring>

const char* const DIGITS = "0123456789";
const char* const SIGNED_DIGITS = "-0123456789";

namespace {

const unsigned NO_DEPENDENTS[] = { 0 };
constexpr int SIGNED_TEXT_LIMIT = 6;
constexpr int TEXT_LIMIT = 5;

void SystemBeep()
{
    QApplication::beep();
}

void (*g_beep)() = &SystemBeep;

// Whether typed text holds a printable character that is not allowed. Whole
// code points are tested, so a character beyond the BMP (an emoji: two UTF-16
// units) is refused like any other letter.
bool RefusedText(const QString& text, const char* allowed)
{
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isPrint(c))
            continue;
        if (c > 0x7F || !std::strchr(allowed, static_cast<char>(c)))
            return true;
    }
    return false;
}

} // namespace

void SetWarningBeep(void (*beep)())
{
    g_beep = beep ? beep : &SystemBeep;
}

// --- check box ---------------------------------------------------------------

CFldCheckBox::CFldCheckBox() : m_pDependents(NO_DEPENDENTS) {}

void CFldCheckBox::Bind(CBoolValue* value, const unsigned* dependents, unsigned notifyCode)
{
    m_bValue = value->Get() != 0;
    m_pBound = value;
    m_pDependents = dependents ? dependents : NO_DEPENDENTS;
    m_nNotifyCode = notifyCode;
}

void CFldCheckBox::SetData(bool value, const unsigned* dependents)
{
    m_bValue = value;
    m_pDependents = dependents ? dependents : NO_DEPENDENTS;
}

bool CFldCheckBox::InitControl(CTemplateDialog* parent, int id)
{
    m_parent = parent;
    m_box = qobject_cast<QCheckBox*>(parent->Item(id));
    if (!m_box)
        return false;
    m_box->installEventFilter(this);
    // A user toggle: the box has already changed its state.
    connect(m_box, &QCheckBox::clicked, this, [this] {
        ControlToValue();
        UpdateDependents();
    });
    ValueToControl();
    UpdateDependents();
    return true;
}

void CFldCheckBox::ValueToControl()
{
    if (m_box)
        m_box->setChecked(m_bValue);
}

void CFldCheckBox::ControlToValue()
{
    if (m_box)
        m_bValue = m_box->isChecked();
}

bool CFldCheckBox::Store()
{
    ControlToValue();
    IsValid();
    if (m_pBound)
        m_pBound->Set(m_bValue ? 1 : 0);
    return true;
}

void CFldCheckBox::UpdateDependents()
{
    if (!m_parent || !m_box)
        return;
    const bool enable = m_bValue && m_box->isEnabled();
    for (const unsigned* id = m_pDependents; *id != 0; ++id) {
        if (QWidget* dependent = m_parent->Item(static_cast<int>(*id)))
            dependent->setEnabled(enable);
    }
    if (m_nNotifyCode != 0)
        QCoreApplication::postEvent(m_parent, new CheckBoxNotifyEvent(m_nNotifyCode));
}

bool CFldCheckBox::eventFilter(QObject* watched, QEvent* event)
{
    // The box's own enabled state changed: its dependents follow.
    if (watched == m_box && event->type() == QEvent::EnabledChange)
        UpdateDependents();
    return QObject::eventFilter(watched, event);
}

// --- integer edit ------------------------------------------------------------

bool CFldIntEdit::InitControl(CTemplateDialog* parent, CFldIntSpin* owner, int id, const char* allowed)
{
    m_pszAllowed = allowed;
    m_pOwner = owner;
    m_edit = qobject_cast<QLineEdit*>(parent->Item(id));
    if (!m_edit)
        return false;
    m_edit->installEventFilter(this);
    const bool isSigned = allowed && std::strcmp(allowed, SIGNED_DIGITS) == 0;
    m_edit->setMaxLength(isSigned ? SIGNED_TEXT_LIMIT : TEXT_LIMIT);
    return true;
}

bool CFldIntEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && m_pszAllowed) {
        // Only printable characters are filtered: editing keys (Delete, which
        // X11 sends with the text U+007F, Backspace, the arrows, Home, End)
        // and commands with Ctrl, Alt or Meta (copy, paste, ...) keep the
        // edit's default processing. Pasted text is left to the range check.
        const QKeyEvent* key = static_cast<QKeyEvent*>(event);
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!command && RefusedText(key->text(), m_pszAllowed)) {
            g_beep();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && m_pOwner) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason) {
            // The dialog lost the activation: where the focus went is known once
            // the other window (of this program, or none) has taken it.
            QTimer::singleShot(0, this, [this] { CheckOnFocusLoss(QApplication::focusWidget()); });
        } else if (reason != Qt::PopupFocusReason) {
            CheckOnFocusLoss(QApplication::focusWidget());
        }
    }
    return QObject::eventFilter(watched, event);
}

void CFldIntEdit::CheckOnFocusLoss(QWidget* next)
{
    // No check when the focus went to no window of this program, to a dialog
    // itself, or to the Cancel button; any other window of the program counts,
    // except a message box or another dialog: the range message itself takes
    // the focus, and checking again then would show it a second time.
    if (!next || next == m_edit || qobject_cast<QDialog*>(next) || CTemplateDialog::ControlId(next) == IDC_CANCEL)
        return;
    if (next->window() != m_edit->window() && qobject_cast<QDialog*>(next->window()))
        return;
    if (!m_pOwner->IsValid()) {
        m_edit->activateWindow();
        m_edit->setFocus();
    }
}

// --- integer spin ------------------------------------------------------------

void CFldIntSpin::Bind(CIntValue* value)
{
    m_nMin = value->GetMin();
    m_nMax = value->GetMax();
    m_nValue = value->Get();
    m_pBound = value;
}

void CFldIntSpin::SetData(int minimum, int maximum, int value)
{
    m_nMin = minimum;
    m_nMax = maximum;
    m_nValue = value;
}

bool CFldIntSpin::InitControl(CTemplateDialog* parent, int id)
{
    m_upDown = dynamic_cast<UpDownControl*>(parent->Item(id));
    if (!m_upDown)
        return false;
    if (QLineEdit* buddy = m_upDown->Buddy())
        m_edit.InitControl(parent, this, CTemplateDialog::ControlId(buddy), m_nMin < 0 ? SIGNED_DIGITS : DIGITS);
    // The control keeps 16-bit limits and positions.
    m_upDown->SetRange(static_cast<int16_t>(m_nMin & 0xFFFF), static_cast<int16_t>(m_nMax & 0xFFFF));
    ValueToControl();
    return true;
}

void CFldIntSpin::ValueToControl()
{
    if (m_upDown)
        m_upDown->SetPos(static_cast<int16_t>(m_nValue & 0xFFFF));
}

void CFldIntSpin::ControlToValue()
{
    if (!m_upDown)
        return;
    const std::pair<int, bool> position = m_upDown->GetPos();
    m_nValue = static_cast<int16_t>(position.first & 0xFFFF);
    m_lastError = position.second;
}

bool CFldIntSpin::IsValid()
{
    ControlToValue();
    if (!m_lastError && m_nValue >= m_nMin && m_nValue <= m_nMax)
        return true;
    MessageBoxRequest request;
    request.caption = LoadString(IDS_APP_TITLE);
    request.icon = MsgIcon::Exclamation;
    request.buttons = MsgButtons::Ok;
    request.text = FormatString(IDS_INVALID_INTEGER, m_nMin, m_nMax);
    GuiContext().Present(request);
    return false;
}

bool CFldIntSpin::Store()
{
    ControlToValue();
    if (!IsValid())
        return false;
    if (m_pBound)
        m_pBound->Set(m_nValue);
    return true;
}

// --- index list --------------------------------------------------------------

CFldComboBox::CFldComboBox() : m_pStringIds(NO_DEPENDENTS) {}

void CFldComboBox::Bind(CIntValue* value, const unsigned* stringIds)
{
    m_pStringIds = stringIds ? stringIds : NO_DEPENDENTS;
    m_nValue = value->Get();
    m_pBound = value;
}

void CFldComboBox::SetData(int index, const unsigned* stringIds)
{
    m_nValue = index;
    m_pStringIds = stringIds ? stringIds : NO_DEPENDENTS;
}

bool CFldComboBox::InitControl(CTemplateDialog* parent, int id)
{
    m_combo = qobject_cast<QComboBox*>(parent->Item(id));
    if (!m_combo)
        return false;
    m_combo->clear();
    for (const unsigned* stringId = m_pStringIds; *stringId != 0; ++stringId)
        m_combo->addItem(UiText(static_cast<int>(*stringId)));
    ValueToControl();
    return true;
}

void CFldComboBox::ValueToControl()
{
    if (m_combo)
        m_combo->setCurrentIndex(m_nValue >= 0 && m_nValue < m_combo->count() ? m_nValue : -1);
}

void CFldComboBox::ControlToValue()
{
    if (m_combo)
        m_nValue = m_combo->currentIndex();
}

bool CFldComboBox::Store()
{
    ControlToValue();
    IsValid();
    if (m_pBound)
        m_pBound->Set(m_nValue);
    return true;
}
