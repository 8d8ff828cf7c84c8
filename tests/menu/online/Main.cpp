#include "OnlineTestSupport.h"

namespace {
// Each test process opens its own engine, window, Global and screen stack once.
const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new screentest::Environment);
}
