#include "screen/gfx.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/platform.h"
#include "screen/image_cache.h"
#include "runtime/halt.h"
#include "runtime/presenter.h"

namespace vela {

std::array<uint16_t, 640 * 480> Screen{};
std::array<Rgb, 16> Palette{};

namespace {

constexpr uint8_t kBuiltInPalette[16][3] = {
    {0, 0, 0},    {0, 0, 42},   {0, 42, 0},   {0, 42, 42},  {42, 10, 10}, {42, 0, 42},
    {42, 21, 0},  {42, 42, 42}, {21, 21, 21}, {10, 10, 60}, {10, 60, 10}, {10, 60, 60},
    {63, 21, 21}, {60, 10, 60}, {60, 60, 10}, {60, 60, 60},
};

int drawColour = 0;
int fillColour = 0;
int cursorX = 0, cursorY = 0;
// After ClearDevice and before any Bar, the canvas brush is still the one
// ClearDevice used, and Rectangle fills its interior with it.
bool clearBrushActive = false;
int clearBrushColour = 0;
// Counts palette changes; cached tile pixels made under another count are
// converted again before they are drawn.
uint64_t paletteVersion = 0;

[[noreturn]] void assertionFailure() {
    CurrentPlatform().MessageBox("Assertion failure", "Assertion failure (gfx)");
    throw ProgramHalt{2};
}

inline bool onScreen(int x, int y) { return x >= 0 && y >= 0 && x <= kMaxX && y <= kMaxY; }

inline void setPixel(int x, int y, uint16_t value) {
    if (!onScreen(x, y)) return;
    Screen[y * 640 + x] = value;
    NoteRowsChanged(y, y + 1);
}

void fillRect(int x1, int y1, int x2, int y2, uint16_t value) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, kMaxX);
    y2 = std::min(y2, kMaxY);
    if (x1 > x2 || y1 > y2) return;  // wholly off the surface
    // The first row is filled four pixels to a store, the rows below are
    // copies of it: a plain loop of 16-bit stores is not vectorised at -O2.
    uint16_t* first = &Screen[std::size_t(y1) * 640 + std::size_t(x1)];
    const int width = x2 - x1 + 1;
    const uint64_t four = value * 0x0001000100010001ull;
    int x = 0;
    for (; x + 4 <= width; x += 4) std::memcpy(first + x, &four, sizeof four);
    for (; x < width; ++x) first[x] = value;
    for (int y = y1 + 1; y <= y2; ++y)
        std::memcpy(&Screen[std::size_t(y) * 640 + std::size_t(x1)], first, std::size_t(width) * sizeof(uint16_t));
    NoteRowsChanged(y1, y2 + 1);
}

void drawLine(int x1, int y1, int x2, int y2, uint16_t value) {
    // Bresenham from the start point towards the end point, which is not set.
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    while (!(x1 == x2 && y1 == y2)) {
        setPixel(x1, y1, value);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x1 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y1 += sy;
        }
    }
}

// The 16 palette colours as surface pixels, looked up once per image.
std::array<uint16_t, 16> paletteLookup() {
    std::array<uint16_t, 16> lookup{};
    for (int i = 0; i < 16; ++i) lookup[i] = PixelOf(i);
    return lookup;
}

void drawn() {
    NoteDrawing();
    RequestPresent();
}

// Brings the surface pixels of a cached image up to the current palette.
CachedCell& withPixels(CachedCell& cell) {
    if (cell.paletteVersion != paletteVersion) {
        const auto lookup = paletteLookup();
        for (std::size_t i = 0; i < kCellPixels; ++i) {
            cell.pixels[i] = lookup[cell.indices[i]];
            cell.dimPixels[i] = cell.pixels[i] & 0x1F;
        }
        cell.paletteVersion = paletteVersion;
    }
    return cell;
}

// Copies rows of 24 surface pixels to (x, y), clipped to the surface.
void putCellRows(int x, int y, int rows, const uint16_t* pixels) {
    int c0 = std::max(0, -x), c1 = std::min(kCellSide, 640 - x);
    int r0 = std::max(0, -y), r1 = std::min(rows, 480 - y);
    if (c0 >= c1 || r0 >= r1) return;
    const std::size_t bytes = std::size_t(c1 - c0) * sizeof(uint16_t);
    for (int r = r0; r < r1; ++r) {
        uint16_t* dst = &Screen[std::size_t(y + r) * 640 + std::size_t(x + c0)];
        const uint16_t* src = pixels + r * kCellSide + c0;
        if (bytes == kCellSide * sizeof(uint16_t))
            std::memcpy(dst, src, kCellSide * sizeof(uint16_t));  // a whole row, copied inline
        else
            std::memcpy(dst, src, bytes);
    }
    NoteRowsChanged(y + r0, y + r1);
}

}  // namespace

uint16_t PixelOf(int index) {
    if (index < 0 || index >= 16) assertionFailure();
    const Rgb& c = Palette[index];
    return uint16_t(((c.r & 248) << 7) | ((c.g & 248) << 2) | (c.b >> 3));
}

void InitGraph(int, int) {
    Screen.fill(0);
    NoteRowsChanged(0, 480);
    SetPresentSource(Screen.data());
    clearBrushActive = true;
    clearBrushColour = 0;
    drawn();
}

void CloseGraph() { SetPresentSource(nullptr); }

void Present() { RequestPresent(); }

void SetRGBPalette(int index, int red, int green, int blue) {
    if (index < 0 || index >= 16) assertionFailure();
    Palette[index] = Rgb{uint8_t(red), uint8_t(green), uint8_t(blue)};
    ++paletteVersion;
    RequestPresent();
}

void SetPaletteEntry(int index, int red6, int green6, int blue6) {
    SetRGBPalette(index, (red6 * 4) & 255, (green6 * 4) & 255, (blue6 * 4) & 255);
}

void ResetPalette() {
    for (int i = 0; i < 16; ++i) SetPaletteEntry(i, kBuiltInPalette[i][0], kBuiltInPalette[i][1], kBuiltInPalette[i][2]);
}

void SetColor(int index) { drawColour = index; }
int GetColor() { return drawColour; }
void SetFillStyle(int, int index) { fillColour = index; }
int GetFillColor() { return fillColour; }

void Bar(int x1, int y1, int x2, int y2) {
    fillRect(x1, y1, x2, y2, PixelOf(fillColour));
    clearBrushActive = false;
    drawn();
}

void Rectangle(int x1, int y1, int x2, int y2) {
    uint16_t value = PixelOf(drawColour);
    if (clearBrushActive) fillRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1, PixelOf(clearBrushColour));
    for (int x = std::min(x1, x2); x <= std::max(x1, x2); ++x) {
        setPixel(x, y1, value);
        setPixel(x, y2, value);
    }
    for (int y = std::min(y1, y2); y <= std::max(y1, y2); ++y) {
        setPixel(x1, y, value);
        setPixel(x2, y, value);
    }
    drawn();
}

void Line(int x1, int y1, int x2, int y2) {
    drawLine(x1, y1, x2, y2, PixelOf(drawColour));
    drawn();
}

void MoveTo(int x, int y) {
    cursorX = x;
    cursorY = y;
}

void LineTo(int x, int y) {
    Line(cursorX, cursorY, x, y);
    MoveTo(x, y);
}

void PutPixel(int x, int y, int index) {
    setPixel(x, y, PixelOf(index));
    NoteDrawing();
}

void ClearDevice() {
    Screen.fill(PixelOf(0));
    NoteRowsChanged(0, 480);
    cursorX = cursorY = 0;
    clearBrushActive = true;
    clearBrushColour = 0;
    drawn();
}

void ClrScr() { ClearDevice(); }

void PutImage(int x, int y, const uint8_t* image, int mode) {
    int width = (image[0] | image[1] << 8) + 1;
    int height = (image[2] | image[3] << 8) + 1;
    CachedCell* cell = width == kCellSide && height == kCellSide ? FindCachedCell(image) : nullptr;
    if (cell && mode != kPutAnd && mode != kPutOr) {
        putCellRows(x, y, kCellSide, withPixels(*cell).pixels.data());
        drawn();
        return;
    }
    int planeBytes = ((width / 2) + 3) / 4;
    const auto lookup = paletteLookup();
    static std::vector<uint8_t> indices;
    indices.resize(std::size_t(width));
    int c0 = std::max(0, -x), c1 = std::min(width, 640 - x);  // the columns on the surface
    const uint8_t* row = image + 4;
    for (int r = 0; r < height; ++r, row += 4 * planeBytes) {
        if (y + r < 0 || y + r > kMaxY || c0 >= c1) continue;
        DecodePlanarRow(row, planeBytes, width, indices.data());
        uint16_t* dst = &Screen[std::size_t((y + r) * 640 + x + c0)];
        for (int c = c0; c < c1; ++c, ++dst) {
            uint16_t value = lookup[indices[std::size_t(c)]];
            *dst = mode == kPutAnd ? uint16_t(*dst & value) : mode == kPutOr ? uint16_t(*dst | value) : value;
        }
        NoteRowsChanged(y + r, y + r + 1);
    }
    drawn();
}

void PutTile(int x, int y, const uint8_t* image, bool dim) {
    CachedCell* cell = FindCachedCell(image);
    static CachedCell uncached;  // an image outside the cached sets, decoded for this draw
    if (!cell) {
        uncached.rows = std::min((image[2] | image[3] << 8) + 1, kCellSide);
        DecodeCell(image, uncached.rows, uncached.indices.data());
        uncached.paletteVersion = ~uint64_t(0);
        cell = &uncached;
    }
    withPixels(*cell);
    putCellRows(x, y, cell->rows, dim ? cell->dimPixels.data() : cell->pixels.data());
    NoteDrawing();
}

void PutSpriteOnTile(int x, int y, const uint8_t* ground, const uint8_t* sprite, const uint8_t* mask) {
    std::array<uint8_t, kCellPixels> groundIndices, spriteIndices, maskIndices;
    auto indicesOf = [](const uint8_t* image, std::array<uint8_t, kCellPixels>& decoded) -> const uint8_t* {
        if (const CachedCell* cell = FindCachedCell(image)) return cell->indices.data();
        DecodeCell(image, kCellSide, decoded.data());
        return decoded.data();
    };
    const uint8_t* g = indicesOf(ground, groundIndices);
    const uint8_t* s = indicesOf(sprite, spriteIndices);
    const uint8_t* m = indicesOf(mask, maskIndices);
    const auto lookup = paletteLookup();
    std::array<uint16_t, kCellPixels> pixels;
    for (std::size_t i = 0; i < kCellPixels; ++i) pixels[i] = lookup[(g[i] & m[i]) | s[i]];
    putCellRows(x, y, kCellSide, pixels.data());
    drawn();
}

void ScrollUp(int x, int y, int width, int height, int rows) {
    // Copy row by row from the top so rows that move up are read before they
    // are overwritten.
    int c0 = std::max(x, 0), c1 = std::min(x + width, kMaxX + 1);
    for (int r = 0; r < height && c0 < c1; ++r) {
        int sy = y + r, dy = sy - rows;
        if (sy < 0 || sy > kMaxY || dy < 0 || dy > kMaxY) continue;
        std::memmove(&Screen[std::size_t(dy) * 640 + std::size_t(c0)], &Screen[std::size_t(sy) * 640 + std::size_t(c0)],
                     std::size_t(c1 - c0) * sizeof(uint16_t));
        NoteRowsChanged(dy, dy + 1);
    }
    drawn();
}

}  // namespace vela
