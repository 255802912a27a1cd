#include "ui/controls/template_dialog.h"

#include "ui/controls/accessible_factory.h"
#include "ui/controls/label_buddy.h"
#include "ui/controls/up_down_control.h"
#include "ui/base/screen_fit.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QApplication>
#include <QFontMetrics>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Whether the widget's text fits `width` pixels in `font`: a label's widest
// line, a check box's text beside its box, a button's text inside its frame.
bool TextFits(QWidget* widget, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    if (QLabel* label = qobject_cast<QLabel*>(widget)) {
        int widest = 0;
        for (const QString& line : PlainText(label->text()).split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return widest <= width;
    }
    QAbstractButton* button = static_cast<QAbstractButton*>(widget);
    const QFont before = button->font();
    button->setFont(font);
    const int needed = qobject_cast<QCheckBox*>(button) ? button->sizeHint().width()
                                                        : metrics.horizontalAdvance(PlainText(button->text())) + 4;
    button->setFont(before);
    return needed <= width;
}

// Whether each word of the label's text fits `width` pixels: then wrapping it
// at word boundaries shows all of it.
bool WordsFit(const QLabel* label, int width)
{
    const QFontMetrics metrics(label->font());
    for (const QString& word : PlainText(label->text()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (metrics.horizontalAdvance(word) > width)
            return false;
    }
    return true;
}

// A line break followed by an indent continues the line above it: placed for
// another font, it becomes a space, so that the text wraps where it must. Other
// line breaks (the lines of a heading, say) stay.
QString Reflowed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("[ \\t]*\\n[ \\t]+")), QStringLiteral(" "));
}

// Where a wrapped text grew: everything from `from` down moves by `extra` pixels.
struct Growth {
    const QWidget* text;
    int from;
    int extra;
};

// How far what starts at `y` moves down for the texts grown above it.
int ShiftAt(const std::vector<Growth>& growths, int y, const QWidget* self)
{
    int shift = 0;
    for (const Growth& growth : growths) {
        if (growth.text != self && growth.from <= y)
            shift += growth.extra;
    }
    return shift;
}

const char* const CONTROL_ID = "controlId";
std::function<void()> g_helpHandler;

} // namespace

void CTemplateDialog::SetHelpHandler(std::function<void()> handler)
{
    g_helpHandler = std::move(handler);
}

CTemplateDialog::CTemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent) : QDialog(parent)
{
    InstallAccessibleFactory();
    QFont font = QApplication::font();
    font.setPointSize(dialogTemplate.fontPoints);
    setFont(font);
    // Dialog base units: the average width of the letters and the line height.
    const QFontMetricsF metrics(font);
    m_baseX = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
    m_baseY = metrics.height();
    if (dialogTemplate.caption)
        setWindowTitle(QCoreApplication::translate("DialogTemplates", dialogTemplate.caption));
    else
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const QRect size = MapDialogRect(0, 0, dialogTemplate.w, dialogTemplate.h);
    setFixedSize(size.size());
    Build(dialogTemplate);
}

QRect CTemplateDialog::MapDialogRect(int x, int y, int w, int h) const
{
    return QRect(qRound(x * m_baseX / 4), qRound(y * m_baseY / 8), qRound(w * m_baseX / 4), qRound(h * m_baseY / 8));
}

void CTemplateDialog::Build(const DialogTemplate& dialogTemplate)
{
    QWidget* previous = nullptr;
    QLineEdit* lastEdit = nullptr;
    // A label names the edit or list right after it in the template.
    QLabel* pendingLabel = nullptr;
    QLabel* lastEditLabel = nullptr;
    QList<QWidget*> frames;
    std::vector<std::pair<QWidget*, QRect>> placed;
    for (int i = 0; i < dialogTemplate.count; ++i) {
        const ControlTemplate& control = dialogTemplate.controls[i];
        const QString text = control.text ? QCoreApplication::translate("DialogTemplates", control.text) : QString();
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::CentredLabel: {
            QLabel* label = new QLabel(text, this);
            label->setAlignment(control.kind == ControlKind::CentredLabel ? Qt::AlignHCenter | Qt::AlignTop
                                                                         : Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::Edit: {
            QLineEdit* edit = new QLineEdit(text, this);
            edit->setReadOnly(control.style & CS_READONLY);
            lastEdit = edit;
            widget = edit;
            break;
        }
        case ControlKind::MultiLineEdit: {
            QPlainTextEdit* edit = new QPlainTextEdit(text, this);
            edit->setReadOnly(control.style & CS_READONLY);
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);
            edit->setHorizontalScrollBarPolicy(control.style & CS_HSCROLL ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
            edit->setVerticalScrollBarPolicy(control.style & CS_VSCROLL ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
            widget = edit;
            break;
        }
        case ControlKind::UpDown: {
            // Its buddy is the edit just before it in the template.
            UpDownControl* upDown = new UpDownControl(this, control.style & CS_WRAP);
            upDown->SetBuddy(lastEdit);
            if (lastEditLabel && lastEditLabel->buddy() == lastEdit)
                upDown->SetLabel(PlainText(lastEditLabel->text()));
            widget = upDown;
            break;
        }
        case ControlKind::DropDownList:
            widget = new QComboBox(this);
            break;
        case ControlKind::CheckBox:
            widget = new QCheckBox(text, this);
            break;
        case ControlKind::Button:
        case ControlKind::DefaultButton: {
            QPushButton* button = new QPushButton(text, this);
            button->setAutoDefault(true);
            button->setDefault(control.kind == ControlKind::DefaultButton);
            const int id = control.id;
            connect(button, &QPushButton::clicked, this, [this, id] {
                if (id == IDC_OK)
                    OnOK();
                else if (id == IDC_CANCEL)
                    OnCancel();
                else if (id == IDC_HELP && g_helpHandler)
                    g_helpHandler();
            });
            widget = button;
            break;
        }
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, this);
            frames.append(widget);
            break;
        case ControlKind::ProgressBar: {
            QProgressBar* bar = new QProgressBar(this);
            bar->setTextVisible(false);
            widget = bar;
            break;
        }
        }
        if (pendingLabel && (control.kind == ControlKind::Edit || control.kind == ControlKind::MultiLineEdit
                             || control.kind == ControlKind::DropDownList)) {
            LabelFor(pendingLabel, widget);
            if (control.kind == ControlKind::Edit)
                lastEditLabel = pendingLabel;
        }
        pendingLabel = qobject_cast<QLabel*>(widget);
        QRect place = MapDialogRect(control.x, control.y, control.w, control.h);
        // A drop-down list's template height includes its open list.
        if (control.kind == ControlKind::DropDownList)
            place.setHeight(MapDialogRect(0, 0, 0, 14).height());
        widget->setGeometry(place);
        placed.emplace_back(widget, place);
        widget->setProperty(CONTROL_ID, control.id);
        if (control.style & CS_DISABLED)
            widget->setEnabled(false);
        if (control.id != -1)
            m_items[control.id] = widget;
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous)
                setTabOrder(previous, widget);
            previous = widget;
        }
    }
    // Frames stay behind the controls they surround.
    for (QWidget* frame : frames)
        frame->lower();
    // Which label names a field is known only now.
    FitTexts(placed);
}

void CTemplateDialog::FitTexts(const std::vector<std::pair<QWidget*, QRect>>& placed)
{
    // Texts measured for another font, or translated, may be wider here. A
    // static text that names no field wraps at the dialog's font size, as
    // long as its words fit, and what lies below it moves down; a field's
    // label, a check box or a button stays on its line and steps its font
    // down (to 6 points at the least) until its text fits.
    std::vector<Growth> growths;
    for (const auto& [widget, place] : placed) {
        QLabel* label = qobject_cast<QLabel*>(widget);
        QAbstractButton* button = qobject_cast<QAbstractButton*>(widget);
        if ((!label || label->text().isEmpty()) && (!button || button->text().isEmpty()))
            continue;
        if (TextFits(widget, font(), place.width()))
            continue;
        if (label && !label->buddy() && WordsFit(label, place.width())) {
            label->setText(Reflowed(label->text()));
            label->setWordWrap(true);
            const int needed = label->heightForWidth(place.width());
            if (needed > place.height())
                growths.push_back({ widget, place.bottom() + 1, needed - place.height() });
            continue;
        }
        QFont fitted = font();
        while (!TextFits(widget, fitted, place.width()) && fitted.pointSizeF() > 6.0)
            fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
        widget->setFont(fitted);
    }
    if (growths.empty())
        return;
    // A control moves down by what grew above it; a frame around a grown
    // text stretches with it; the dialog grows by all of it.
    for (const auto& [widget, place] : placed) {
        QRect moved = place.translated(0, ShiftAt(growths, place.top(), widget));
        if (qobject_cast<QGroupBox*>(widget))
            moved.setBottom(place.bottom() + ShiftAt(growths, place.bottom() + 1, widget));
        for (const Growth& growth : growths) {
            if (growth.text == widget)
                moved.setHeight(place.height() + growth.extra);
        }
        widget->setGeometry(moved);
    }
    setFixedSize(width(), height() + ShiftAt(growths, height(), nullptr));
    KeepOnScreen(this);
}

QWidget* CTemplateDialog::Item(int id) const
{
    const auto found = m_items.find(id);
    return found == m_items.end() ? nullptr : found->second;
}

int CTemplateDialog::ControlId(const QWidget* widget)
{
    if (!widget)
        return -1;
    const QVariant id = widget->property(CONTROL_ID);
    return id.isValid() ? id.toInt() : -1;
}

int CTemplateDialog::DoModal()
{
    m_ended = false;
    OnInitDialog();
    if (m_ended)
        return m_result;
    m_running = true;
    const int result = exec();
    m_running = false;
    return result;
}

void CTemplateDialog::EndDialog(int result)
{
    m_ended = true;
    m_result = result;
    if (m_running)
        done(result);
}
