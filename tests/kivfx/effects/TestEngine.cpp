#include "TestEngine.h"

static ::testing::Environment* const engine = ::testing::AddGlobalTestEnvironment(new TestEngine);
