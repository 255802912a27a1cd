#include "ui/controls/path_edit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {

// As long as the stable path of a common USB cable.
const QLatin1String USUAL_PATH("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0");

} // namespace

CPathEdit::CPathEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { Describe(text); });
}

void CPathEdit::Describe(const QString& text)
{
    setToolTip(text);
    setAccessibleDescription(text);
}

QSize CPathEdit::sizeHint() const
{
    QSize hint = QLineEdit::sizeHint();
    const int usual = fontMetrics().horizontalAdvance(USUAL_PATH) + fontMetrics().averageCharWidth() * 2;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    // Room is left for the label and the Browse button beside the field.
    const int room = screen ? screen->availableGeometry().width() / 2 : usual;
    hint.setWidth(std::max(hint.width(), std::min(usual, room)));
    return hint;
}

QSize CPathEdit::minimumSizeHint() const
{
    return sizeHint();
}

void CPathEdit::paintEvent(QPaintEvent* event)
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).adjusted(2, 0, -2, 0);
    if (hasFocus() || fontMetrics().horizontalAdvance(text()) <= area.width()) {
        QLineEdit::paintEvent(event);
        return;
    }
    // Both ends of a path tell which device it is; the middle gives way.
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
}
