#include "tests/support/test_context.h"

#include "ui/host/program_objects.h"

OperationContext& TestContext()
{
    return GuiContext();
}
