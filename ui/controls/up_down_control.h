// An up-down control: two arrows that step the number in the edit before it in
// the dialog (its buddy), within a range, optionally wrapping from one limit to
// the other; the Up and Down keys in the buddy step as well.
#pragma once

#include <QWidget>

#include <utility>

class QLineEdit;
class QToolButton;

class UpDownControl : public QWidget {
public:
    UpDownControl(QWidget* parent, bool wrap);

    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return m_buddy; }
    void SetRange(int minimum, int maximum);
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
};
