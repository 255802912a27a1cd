#include "tests/support/test_context.h"

#include "ui/base/program_objects.h"

OperationContext& TestContext()
{
    return GuiContext();
}
