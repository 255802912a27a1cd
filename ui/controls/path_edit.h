// A field for a device's path. Paths under /dev/serial/by-id are long: the field
// is wide enough for a usual one, and when a path is wider still it shows both
// ends with its middle elided until the field takes the focus for typing. The
// whole path is always its tooltip and its accessible description.
#pragma once

#include <QLineEdit>

class CPathEdit : public QLineEdit {
public:
    explicit CPathEdit(QWidget* parent);
    // The width of a usual stable path, within what the screen leaves.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Describe(const QString& text);
};
