#include "ui/vigilon_oss_view.h"

CVigilonOssView::CVigilonOssView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}
