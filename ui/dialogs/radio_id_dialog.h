// The radio's ID asked before an operation (Options > Ask For Radio ID) and
// before each radio of a fleet run: one line, typed or scanned from the label
// (a barcode scanner types it and presses Enter).
#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;

class RadioIdDialog : public QDialog {
public:
    // `prompt`: what the ID is asked for, the radio's number in a run say.
    RadioIdDialog(QWidget* parent, const QString& prompt);

    QLineEdit* Field() const { return m_field; }
    // The ID as typed, without the spaces around it; empty for none.
    std::string RadioId() const;

private:
    QLineEdit* m_field;
    QPushButton* m_ok;
};

// Asks for the radio's ID, which may be left empty; false when the user
// cancels (nothing is done then).
bool AskRadioId(QWidget* parent, const QString& prompt, std::string& radioId);
