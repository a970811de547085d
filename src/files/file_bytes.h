// Reading the start of a file into memory, never more than asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vela {

// At most limit bytes from the start of the file; fewer when the file is
// shorter, none when it cannot be opened (opened, when given, tells which).
std::vector<uint8_t> ReadUpTo(const std::string& path, std::size_t limit, bool* opened = nullptr);

}  // namespace vela
