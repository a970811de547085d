#include "runtime/platform.h"

#include <cassert>

namespace vela {

namespace {
Platform* current = nullptr;
}

Platform& CurrentPlatform() {
    assert(current && "no platform set");
    return *current;
}

void SetPlatform(Platform* platform) { current = platform; }

}  // namespace vela
