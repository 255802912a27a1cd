// Options > Language...: the program's languages by their own names, and the
// system's choice; remembered for the next start.
#pragma once

#include <QDialog>

class QListWidget;

class CLanguageDialog : public QDialog {
public:
    explicit CLanguageDialog(QWidget* parent);
    // The code chosen ("de"), or empty for the system's language.
    QString Chosen() const;

private:
    QListWidget* m_list;
};

// Runs the dialog; stores the choice and says when it takes effect.
void ChooseProgramLanguage(QWidget* parent);
