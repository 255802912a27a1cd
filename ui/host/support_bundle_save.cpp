#include "ui/host/support_bundle_save.h"

#include "ui/base/program_objects.h"

#include "app/support_bundle.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "ui/host/file_dialogs.h"

#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>

void SaveSupportBundle(QWidget* parent, const SupportBundleParts& parts)
{
    const QString name = QString::fromStdString(SupportBundleFileName(QDateTime::currentDateTime()));
    QString path;
    if (!FileDialogs().SaveSupportBundle(parent, QDir(StartFolder(FileKind::SupportBundle)).filePath(name), path)
        || RefusedAsKeptFile(path))
        return;
    RememberFolder(FileKind::SupportBundle, path);
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    std::string error;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const bool written = WriteSupportBundle(QFile::encodeName(path).toStdString(), parts, error);
    QGuiApplication::restoreOverrideCursor();
    if (written)
        ShowStatusText(GuiContext(), MSG_INFO, IDS_BUNDLE_WRITTEN, FormatString(IDS_BUNDLE_WRITTEN, shown.c_str()));
    else
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_BUNDLE_FAILED, FormatString(IDS_BUNDLE_FAILED, shown.c_str(), error.c_str()));
}
