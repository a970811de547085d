// Decoded copies of the tile and sprite images. The images live in their
// four-plane form in the buffers the game loads them into; beside each such
// buffer this cache keeps every 24 x 24 image decoded to one palette index per
// pixel, so drawing a tile copies rows instead of gathering four plane bits
// for every pixel.
//
// The buffers stay the images' only true form. Whoever rewrites bytes of a
// cached buffer (loading a set, copying one image over another, blanking an
// image) calls ImagesChanged for the bytes written; the drawing calls then
// show the rewritten images.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vela {

constexpr int kCellSide = 24;
constexpr std::size_t kCellPixels = kCellSide * kCellSide;

// One row of a four-plane image, planes planeBytes apart, decoded to width
// palette indices.
void DecodePlanarRow(const uint8_t* row, int planeBytes, int width, uint8_t* indices);

// The four-plane image at image decoded to palette indices, rows top first;
// only the first `rows` rows (at most 24) are read and written.
void DecodeCell(const uint8_t* image, int rows, uint8_t* indices);

// Declares `slots` 24 x 24 images `stride` bytes apart from base as a cached
// set and decodes them all.
void CacheImageSet(const uint8_t* base, int slots, int stride);

// Decodes again every cached image that the bytes first .. first + bytes - 1
// belong to. Bytes outside every cached set are ignored.
void ImagesChanged(const uint8_t* first, std::size_t bytes);

struct CachedCell {
    int rows = 0;  // rows a tile draw shows: the image's own height, at most 24
    std::array<uint8_t, kCellPixels> indices{};  // all 24 rows, whatever the height says
    // The same pixels through the palette, and dimmed to their blue, made by
    // the drawing code and valid while paletteVersion matches the palette's.
    std::array<uint16_t, kCellPixels> pixels{};
    std::array<uint16_t, kCellPixels> dimPixels{};
    uint64_t paletteVersion = ~uint64_t(0);
};

// The cached copy of the image starting at image, or nullptr when image does
// not start a slot of a cached set.
CachedCell* FindCachedCell(const uint8_t* image);

}  // namespace vela
