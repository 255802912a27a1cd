#include "ui/about_dialog.h"

#include "link/string_table.h"
#include "resources/string_ids.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(LoadString(IDS_ABOUT_CAPTION)));
    QGridLayout* layout = new QGridLayout(this);
    QLabel* icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/vigilon-oss-48.png")));
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(QString::fromStdString(LoadString(IDS_APP_TITLE)), this), 0, 1);
    layout->addWidget(new QLabel(QString::fromStdString(LoadString(IDS_ABOUT_VERSION)), this), 1, 1);
    layout->addWidget(new QLabel(QString::fromStdString(LoadString(IDS_ABOUT_COPYRIGHT)), this), 2, 1);
    QPushButton* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
