// Golden pictures: the current Screen compared pixel for pixel with
// tests/golden/<name>.png. On a mismatch the actual picture is written next
// to it as <name>.png.new; with VELA_UPDATE_GOLDEN=1 the golden file is
// (re)written instead.
#pragma once

#include <string>

namespace vela::test {

void ExpectMatchesGolden(const std::string& name);

}  // namespace vela::test
