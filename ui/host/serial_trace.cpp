#include "ui/host/serial_trace.h"

#include "ui/base/program_objects.h"

#include "storage/file_access.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "ui/host/file_dialogs.h"

#include <QFile>
#include <QString>

GuiSerialTrace::GuiSerialTrace()
{
    m_buffer.SetHeader(TraceHeader("vigilon-oss", VIGILON_VERSION));
}

void GuiSerialTrace::Save(QWidget* parent)
{
    if (!HasTrace()) {
        ShowStatusMessage(GuiContext(), MSG_INFO, IDS_TRACE_NONE);
        return;
    }
    QString path;
    if (!FileDialogs().SaveTraceFile(parent, path) || RefusedAsKeptFile(path))
        return;
    const std::string text = m_buffer.Text();
    const std::string target = QFile::encodeName(path).toStdString();
    if (!ReplaceFileContents(target, reinterpret_cast<const uint8_t*>(text.data()), text.size()))
        ShowStatusText(GuiContext(), MSG_ERROR, FormatString(IDS_TRACE_SAVE_FAILED, target.c_str()));
}
