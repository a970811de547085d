// The screen: a 640 x 480 surface of 5-5-5 pixels drawn through a 16-colour
// palette, with the drawing operations of a 16-colour graphics adapter,
// four-plane images and 24 x 24 map tiles.
#pragma once

#include <array>
#include <cstdint>

namespace vela {

constexpr int kMaxX = 639, kMaxY = 479;

struct Rgb {
    uint8_t r, g, b;
};

// Rows top first; pixel bits 14..10 red, 9..5 green, 4..0 blue.
extern std::array<uint16_t, 640 * 480> Screen;
extern std::array<Rgb, 16> Palette;

// The 5-5-5 value of palette colour index; an index of 16 or more stops the
// program with an assertion failure.
uint16_t PixelOf(int index);

void InitGraph(int driver = 0, int mode = 0);  // both ignored
void CloseGraph();
void Present();

void SetRGBPalette(int index, int red, int green, int blue);
// Red, green and blue of 0..kPaletteComponentMax, as palette files hold them.
constexpr int kPaletteComponentMax = 63;
void SetPaletteEntry(int index, int red6, int green6, int blue6);
void ResetPalette();

void SetColor(int index);
int GetColor();
void SetFillStyle(int pattern, int index);
int GetFillColor();

void Bar(int x1, int y1, int x2, int y2);
void Rectangle(int x1, int y1, int x2, int y2);
void Line(int x1, int y1, int x2, int y2);
void MoveTo(int x, int y);
void LineTo(int x, int y);
void PutPixel(int x, int y, int index);
void ClearDevice();
void ClrScr();

// A four-plane image: u16 width-1, u16 height-1, then per row 4 planes of
// P = ((width / 2) + 3) / 4 bytes, most significant bit leftmost.
enum PutMode { kPutCopy = 0, kPutAnd = 1, kPutOr = 2 };
void PutImage(int x, int y, const uint8_t* image, int mode);
// A 24-pixel-wide tile image; a dim tile keeps only the blue of each pixel.
void PutTile(int x, int y, const uint8_t* image, bool dim);
// A 24 x 24 cell in copy mode: the ground tile with a sprite laid over it
// through the sprite's mask. Each pixel is (ground AND mask) OR sprite, taken
// plane by plane, which is the same on the colour indices.
void PutSpriteOnTile(int x, int y, const uint8_t* ground, const uint8_t* sprite, const uint8_t* mask);
void ScrollUp(int x, int y, int width, int height, int rows);


}  // namespace vela
