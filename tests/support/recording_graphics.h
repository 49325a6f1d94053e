// Graphics services for tests: every call is recorded as text, in order.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

std::vector<std::string>& graphics_calls();

}  // namespace testing_support
