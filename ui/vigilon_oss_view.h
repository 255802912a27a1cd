// The main window's client area: blank by design; the settings are seen in the
// edit dialog and the board's identity in the information dialog.
#pragma once

#include <QWidget>

class CVigilonOssView : public QWidget {
public:
    explicit CVigilonOssView(QWidget* parent = nullptr);
};
