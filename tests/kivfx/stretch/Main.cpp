#include "RenderTestSupport.h"

namespace {
// Each test process opens its own engine and window once.
const ::testing::Environment* const engine = ::testing::AddGlobalTestEnvironment(new rendertest::EngineEnvironment);
}
