#include "ui/base/program_objects.h"

bool g_bLabMode = false;

namespace {

// Information boxes read lab mode when they are shown.
struct GuiOperationContext : OperationContext {
    GuiOperationContext() { labMode = &g_bLabMode; }
};

// Made before the link below, which keeps a pointer to it (one file: one order).
GuiOperationContext g_guiContext;
HistoryKeeping g_guiHistory;

} // namespace

CRadioLink theRadioLink(g_guiContext);
COptionBoardData theOptionBoardData;
int32_t codeplugMajor = supportedCodeplugMajor;
int32_t codeplugMinor = supportedCodeplugMinor;

namespace {
// The document's data files say what is wrong with them in the GUI's boxes.
const bool g_recordBound = (theOptionBoardData.context = &g_guiContext, true);
} // namespace

VersionedRecord ProgramRecord()
{
    return VersionedRecord{ theOptionBoardData, codeplugMajor, codeplugMinor };
}

OperationContext& GuiContext()
{
    return g_guiContext;
}

HistoryKeeping& GuiHistory()
{
    return g_guiHistory;
}
