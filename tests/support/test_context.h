// The operation context of the front end a test stands in: the bench's own in
// the core's tests, the GUI's in the GUI's tests. Presenters, hosts and clocks
// of the tests put themselves into it while they live.
#pragma once

#include "seams/operation_context.h"

OperationContext& TestContext();
