// An up-down control: two arrows that step the number in the edit before it in
// the dialog (its buddy), within a range, optionally wrapping from one limit to
// the other; the Up and Down keys in the buddy step as well. To a screen reader
// the buddy is a spin box and the arrows say what they increase and decrease.
#pragma once

#include <QString>
#include <QWidget>

#include <algorithm>
#include <utility>

class QLineEdit;
class QToolButton;

class UpDownControl : public QWidget {
public:
    UpDownControl(QWidget* parent, bool wrap);

    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return m_buddy; }
    // The arrows of this edit, or null when it has none.
    static UpDownControl* ForBuddy(const QLineEdit* edit);
    // The field's label, as the arrows' names say it ("Increase <label>").
    void SetLabel(const QString& label);
    // The unit of the number in words, for the field's description.
    void SetSpokenUnit(const QString& unit) { m_unit = unit; }
    QString SpokenUnit() const { return m_unit; }
    void SetRange(int minimum, int maximum);
    int Minimum() const { return std::min(m_min, m_max); }
    int Maximum() const { return std::max(m_min, m_max); }
    // Shows the position in the buddy; a value outside the range shows as the nearest limit.
    void SetPos(int position);
    // The position the buddy's text gives, and whether that text is not a
    // number within the range (the position then is the last good one).
    std::pair<int, bool> GetPos() const;
    // One step up (+1) or down (-1), as an arrow click does.
    void Step(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_buddy = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 100;
    int m_pos = 0;
    bool m_wrap;
    QString m_unit;
};
