#include "screen/image_cache.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace vela {

namespace {

struct CachedSet {
    const uint8_t* base;
    int slots;
    int stride;
    std::vector<CachedCell> cells;
};

std::vector<CachedSet>& cachedSets() {
    static std::vector<CachedSet> sets;
    return sets;
}

// Plane byte b spread to eight bytes, pixel k (bit 7 - k) in byte k.
const std::array<uint64_t, 256>& spreadTable() {
    static const std::array<uint64_t, 256> table = [] {
        std::array<uint64_t, 256> t{};
        for (int b = 0; b < 256; ++b)
            for (int k = 0; k < 8; ++k)
                if (b & (0x80 >> k)) t[std::size_t(b)] |= uint64_t(1) << (8 * k);
        return t;
    }();
    return table;
}

void decodeSlot(CachedSet& set, std::size_t slot) {
    const uint8_t* image = set.base + slot * std::size_t(set.stride);
    CachedCell& cell = set.cells[slot];
    int height = (image[2] | image[3] << 8) + 1;
    cell.rows = std::min(height, kCellSide);
    DecodeCell(image, kCellSide, cell.indices.data());
    cell.paletteVersion = ~uint64_t(0);
}

}  // namespace

void DecodePlanarRow(const uint8_t* row, int planeBytes, int width, uint8_t* indices) {
    static_assert(std::endian::native == std::endian::little, "pixel k is byte k of the spread word");
    const auto& spread = spreadTable();
    for (int byte = 0; byte * 8 < width; ++byte) {
        uint64_t eight = spread[row[byte]] << 3 | spread[row[planeBytes + byte]] << 2 |
                         spread[row[2 * planeBytes + byte]] << 1 | spread[row[3 * planeBytes + byte]];
        std::memcpy(indices + byte * 8, &eight, std::size_t(std::min(8, width - byte * 8)));
    }
}

void DecodeCell(const uint8_t* image, int rows, uint8_t* indices) {
    for (int r = 0; r < rows; ++r) DecodePlanarRow(image + 4 + r * 12, 3, kCellSide, indices + r * kCellSide);
}

void CacheImageSet(const uint8_t* base, int slots, int stride) {
    auto& sets = cachedSets();
    std::erase_if(sets, [base](const CachedSet& s) { return s.base == base; });
    sets.push_back({base, slots, stride, std::vector<CachedCell>(std::size_t(slots))});
    for (std::size_t slot = 0; slot < std::size_t(slots); ++slot) decodeSlot(sets.back(), slot);
}

void ImagesChanged(const uint8_t* first, std::size_t bytes) {
    // Addresses compare as integers: the bytes may lie in no set at all.
    auto begin = reinterpret_cast<std::uintptr_t>(first), end = begin + bytes;
    for (CachedSet& set : cachedSets()) {
        auto base = reinterpret_cast<std::uintptr_t>(set.base);
        auto stride = std::size_t(set.stride);
        auto setEnd = base + std::size_t(set.slots) * stride;
        if (bytes == 0 || begin >= setEnd || end <= base) continue;
        std::size_t from = (std::max(begin, base) - base) / stride;
        std::size_t to = (std::min(end, setEnd) - base - 1) / stride;
        for (std::size_t slot = from; slot <= to; ++slot) decodeSlot(set, slot);
    }
}

CachedCell* FindCachedCell(const uint8_t* image) {
    auto address = reinterpret_cast<std::uintptr_t>(image);
    for (CachedSet& set : cachedSets()) {
        auto base = reinterpret_cast<std::uintptr_t>(set.base);
        if (address < base) continue;
        std::size_t offset = address - base;
        std::size_t slot = offset / std::size_t(set.stride);
        if (slot < std::size_t(set.slots) && offset % std::size_t(set.stride) == 0) return &set.cells[slot];
    }
    return nullptr;
}

}  // namespace vela
