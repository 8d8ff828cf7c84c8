#include "StackTestSupport.h"

namespace {
// Each test process opens its own engine, window and Global once.
const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new stacktest::Environment);
}
