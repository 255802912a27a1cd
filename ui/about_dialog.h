// About Vigilon OSS: the program's name, version and copyright.
#pragma once

#include <QDialog>

class CAboutDialog : public QDialog {
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
