// While a board operation holds the radio the windows keep painting, but user
// input is dropped, not deferred: a click or a shortcut made during a read must
// not start anything once the read has ended. Input still reaches the windows
// the operation itself opened for the user (the read-out's panel with its Stop
// button, and the box or dialog the operation is waiting on), and to everything
// that belongs to those: their pop-ups (a name completer, a drop-down list, a
// context menu), the dialogs they open, and their shortcuts. A pop-up takes all
// input while it is open; dropping its input would leave the user no way out.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class InputGate : public QObject {
public:
    // Installed on the application while it exists.
    InputGate();
    ~InputGate() override;
    // A window whose input gets through (besides the active modal one).
    void SetOpenWindow(QWidget* window) { m_open = window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the widget is, or belongs to, the open window or the active modal one.
    bool Allowed(QWidget* widget) const;

    QPointer<QWidget> m_open;
};
