#include "tests/support/bench_objects.h"

bool g_bLabMode = false;

namespace {

struct BenchContext : OperationContext {
    BenchContext() { labMode = &g_bLabMode; }
};

BenchContext g_benchContext;

} // namespace

CRadioLink theRadioLink(g_benchContext);
COptionBoardData theOptionBoardData;
int32_t codeplugMajor = supportedCodeplugMajor;
int32_t codeplugMinor = supportedCodeplugMinor;

namespace {
const bool g_recordBound = (theOptionBoardData.context = &g_benchContext, true);
} // namespace

VersionedRecord ProgramRecord()
{
    return VersionedRecord{ theOptionBoardData, codeplugMajor, codeplugMinor };
}

OperationContext& TestContext()
{
    return g_benchContext;
}
