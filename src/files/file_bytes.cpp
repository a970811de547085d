#include "files/file_bytes.h"

#include <fstream>

namespace vela {

std::vector<uint8_t> ReadUpTo(const std::string& path, std::size_t limit, bool* opened) {
    std::ifstream in(path, std::ios::binary);
    if (opened) *opened = bool(in);
    if (!in) return {};
    std::vector<uint8_t> bytes(limit);
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(limit));
    bytes.resize(std::size_t(in.gcount()));
    return bytes;
}

}  // namespace vela
