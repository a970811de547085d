// Tile sets, party sprites and map palettes.
//
// Sources (data/):
//   tiles/<set>.txt   set = town, ground, den, keep: blocks "tile N  description"
//                     (N = 0..55, each exactly once) followed by 24 rows of 24 hex
//                     digits, one palette index per pixel. '#' starts a comment line.
//   tiles/chara.txt   blocks "sprite N  description" (N = 0..27, any subset); '.' is a
//                     transparent pixel. Sprites not given are wholly transparent.
//   palettes/<set>.txt  16 lines "index r g b  # name", 6-bit components.
// Outputs: <set>.fnt and chara.fnt (56 slots of 294 bytes), <set>.pal (48 bytes).
//
// chara.fnt holds sprite k in slot k and its mask in slot k + 28. The map view
// composes the party cell byte by byte as (ground AND mask) OR sprite, so a
// transparent pixel is mask colour 15 (all plane bits set) over sprite colour 0,
// and an opaque pixel is mask colour 0 under its own colour.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>

#include "builders.h"
#include "common.h"
#include "screen/gfx.h"

namespace mkdata {
namespace {

constexpr int kSpriteCount = 28;
constexpr uint8_t kTransparent = 16;  // marker in parsed sprite pixels, never written out

const std::array<const char*, 4> kSetNames = {"town", "ground", "den", "keep"};

// The message window, the party panel and the foe list draw with these
// indices on every map, so every map palette holds them as this table does:
// the built-in colours but for a darker fill (8) and a lighter red (12) and
// magenta (13), which keep text at a contrast of 4.5:1 on the fill. The
// other entries are the art's own.
constexpr std::array<int, 9> kFixedIndices = {0, 7, 8, 10, 11, 12, 13, 14, 15};
constexpr Palette6 kMessageColours = {{{0, 0, 0},    {},           {},           {},
                                       {},           {},           {},           {42, 42, 42},
                                       {12, 12, 12}, {},           {10, 60, 10}, {10, 60, 60},
                                       {63, 26, 21}, {60, 18, 60}, {60, 60, 10}, {60, 60, 60}}};

std::string Where(const fs::path& file, int line) { return file.string() + ":" + std::to_string(line); }

std::string TrimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

bool IsBlankOrComment(const std::string& line) {
    auto p = line.find_first_not_of(" \t");
    return p == std::string::npos || line[p] == '#';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Parses "keyword N description". Returns N, or nullopt with an error added.
std::optional<int> ParseHeader(const std::string& line, const std::string& keyword, int count,
                               const std::string& where, Errors& errors) {
    std::istringstream in(line);
    std::string word, number, description;
    in >> word >> number;
    std::getline(in, description);
    if (word != keyword) {
        errors.add(where, "expected '" + keyword + " N  description', found '" + line + "'");
        return std::nullopt;
    }
    bool digits = !number.empty() && number.size() <= 3 &&
                  std::all_of(number.begin(), number.end(), [](unsigned char c) { return std::isdigit(c); });
    int n = digits ? std::stoi(number) : -1;
    if (n < 0 || n >= count) {
        errors.add(where, keyword + " number '" + number + "' is not 0.." + std::to_string(count - 1));
        return std::nullopt;
    }
    if (description.find_first_not_of(" \t") == std::string::npos)
        errors.add(where, keyword + " " + number + " has no description");
    return n;
}

// Reads a file of picture blocks. Missing blocks stay nullopt; pixels are
// palette indices, or kTransparent for '.' when transparency is allowed.
struct Blocks {
    std::vector<std::optional<TilePixels>> pictures;  // well-formed blocks
    std::vector<bool> given;                          // a header named this number
};

Blocks ParseBlocks(const fs::path& path, const std::string& keyword, int count, bool allowTransparent,
                   Errors& errors) {
    Blocks result{std::vector<std::optional<TilePixels>>(count), std::vector<bool>(count, false)};
    auto& blocks = result.pictures;
    if (!fs::exists(path)) {
        errors.add(path.string(), "missing");
        return result;
    }
    std::vector<int> firstLine(count, 0);
    auto lines = ReadLines(path);
    std::size_t i = 0;
    while (i < lines.size()) {
        const int lineNo = int(i) + 1;
        if (IsBlankOrComment(lines[i])) {
            ++i;
            continue;
        }
        auto n = ParseHeader(TrimRight(lines[i]), keyword, count, Where(path, lineNo), errors);
        ++i;
        if (!n) continue;
        TilePixels pixels{};
        bool good = true;
        int rows = 0;
        for (; rows < kTileSize && i < lines.size(); ++rows, ++i) {
            std::string row = TrimRight(lines[i]);
            const std::string where = Where(path, int(i) + 1);
            if (IsBlankOrComment(row) || row.rfind(keyword + " ", 0) == 0) break;
            if (int(row.size()) != kTileSize) {
                errors.add(where, keyword + " " + std::to_string(*n) + " row " + std::to_string(rows) + " has " +
                                      std::to_string(row.size()) + " characters, not 24");
                good = false;
                continue;
            }
            for (int x = 0; x < kTileSize; ++x) {
                char c = row[x];
                int v = HexValue(c);
                if (c == '.' && allowTransparent) {
                    v = kTransparent;
                } else if (v < 0) {
                    errors.add(where, std::string("bad pixel '") + c + "' in column " + std::to_string(x + 1) +
                                          (allowTransparent ? " (use 0-9, a-f or '.')" : " (use 0-9, a-f)"));
                    good = false;
                    continue;
                }
                pixels[rows * kTileSize + x] = uint8_t(v);
            }
        }
        if (rows < kTileSize) {
            errors.add(Where(path, lineNo),
                       keyword + " " + std::to_string(*n) + " has " + std::to_string(rows) + " rows, not 24");
            good = false;
        }
        if (firstLine[*n] != 0) {
            errors.add(Where(path, lineNo), keyword + " " + std::to_string(*n) + " already given at line " +
                                                std::to_string(firstLine[*n]));
            continue;
        }
        firstLine[*n] = lineNo;
        result.given[*n] = true;
        if (good) blocks[*n] = pixels;
    }
    return result;
}

std::optional<Palette6> ParsePalette(const fs::path& path, Errors& errors) {
    if (!fs::exists(path)) {
        errors.add(path.string(), "missing");
        return std::nullopt;
    }
    Palette6 pal{};
    std::array<int, 16> seenAt{};
    bool good = true;
    auto lines = ReadLines(path);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsBlankOrComment(lines[i])) continue;
        const std::string where = Where(path, int(i) + 1);
        std::string body = lines[i].substr(0, lines[i].find('#'));
        std::istringstream in(body);
        long v[4];
        std::string extra;
        if (!(in >> v[0] >> v[1] >> v[2] >> v[3]) || (in >> extra)) {
            errors.add(where, "expected 'index r g b  # name'");
            good = false;
            continue;
        }
        if (v[0] < 0 || v[0] > 15) {
            errors.add(where, "palette index " + std::to_string(v[0]) + " is not 0..15");
            good = false;
            continue;
        }
        int index = int(v[0]);
        if (seenAt[index]) {
            errors.add(where, "index " + std::to_string(index) + " already given at line " +
                                  std::to_string(seenAt[index]));
            good = false;
            continue;
        }
        seenAt[index] = int(i) + 1;
        for (int k = 0; k < 3; ++k) {
            if (v[k + 1] < 0 || v[k + 1] > vela::kPaletteComponentMax) {
                errors.add(where, "component " + std::to_string(v[k + 1]) + " is not 0.." +
                                      std::to_string(vela::kPaletteComponentMax));
                good = false;
            }
            pal[index][k] = uint8_t(std::clamp<long>(v[k + 1], 0, vela::kPaletteComponentMax));
        }
    }
    for (int index = 0; index < 16; ++index)
        if (!seenAt[index]) {
            errors.add(path.string(), "index " + std::to_string(index) + " missing");
            good = false;
        }
    for (int index : kFixedIndices)
        if (seenAt[index] && pal[index] != kMessageColours[index]) {
            const auto& b = kMessageColours[index];
            errors.add(Where(path, seenAt[index]),
                       "index " + std::to_string(index) + " is a message-window colour and must stay " +
                           std::to_string(b[0]) + " " + std::to_string(b[1]) + " " + std::to_string(b[2]));
            good = false;
        }
    if (!good) return std::nullopt;
    return pal;
}

void AppendSlot(std::vector<uint8_t>& file, const TilePixels& pixels) {
    auto slot = EncodeTileSlot(pixels);
    file.insert(file.end(), slot.begin(), slot.end());
}

// Sprite pixels (with kTransparent) to the sprite and mask images of chara.fnt.
void SplitSprite(const TilePixels& source, TilePixels& sprite, TilePixels& mask) {
    for (int p = 0; p < kTileSize * kTileSize; ++p) {
        bool clear = source[p] == kTransparent;
        sprite[p] = clear ? 0 : source[p];
        mask[p] = clear ? 15 : 0;
    }
}

// A tiny 3 x 5 digit font for the contact sheets.
constexpr std::array<std::array<uint8_t, 5>, 10> kDigits = {{{7, 5, 5, 5, 7},
                                                             {2, 6, 2, 2, 7},
                                                             {7, 1, 7, 4, 7},
                                                             {7, 1, 3, 1, 7},
                                                             {5, 5, 7, 1, 1},
                                                             {7, 4, 7, 1, 7},
                                                             {7, 4, 7, 5, 7},
                                                             {7, 1, 2, 2, 2},
                                                             {7, 5, 7, 5, 7},
                                                             {7, 5, 7, 1, 7}}};

void DrawNumber(vela::RgbImage& image, int x, int y, int number, int scale) {
    std::string text = std::to_string(number);
    for (char ch : text) {
        const auto& glyph = kDigits[ch - '0'];
        for (int gy = 0; gy < 5; ++gy)
            for (int gx = 0; gx < 3; ++gx) {
                if (!(glyph[gy] & (4 >> gx))) continue;
                for (int sy = 0; sy < scale; ++sy)
                    for (int sx = 0; sx < scale; ++sx) {
                        int px = x + gx * scale + sx, py = y + gy * scale + sy;
                        if (px < 0 || py < 0 || px >= image.width || py >= image.height) continue;
                        uint8_t* d = &image.rgb[(std::size_t(py) * image.width + px) * 3];
                        d[0] = d[1] = d[2] = 230;
                    }
            }
        x += 4 * scale;
    }
}

std::optional<Palette6> ReadBuiltPalette(const fs::path& path) {
    auto bytes = ReadBinary(path);
    if (bytes.size() != 48) return std::nullopt;
    Palette6 pal{};
    for (int i = 0; i < 16; ++i)
        for (int k = 0; k < 3; ++k) pal[i][k] = uint8_t(bytes[i * 3 + k] & 63);
    return pal;
}

}  // namespace

int BuildTiles(const fs::path& data, const fs::path& out) {
    Errors errors;
    for (const char* set : kSetNames) {
        Errors setErrors;
        const fs::path source = data / "tiles" / (std::string(set) + ".txt");
        auto tiles = ParseBlocks(source, "tile", kSlotCount, false, setErrors);
        auto pal = ParsePalette(data / "palettes" / (std::string(set) + ".txt"), setErrors);
        if (fs::exists(source))
            for (int n = 0; n < kSlotCount; ++n)
                if (!tiles.given[n]) setErrors.add(source.string(), "tile " + std::to_string(n) + " missing");
        if (!setErrors.any()) {
            std::vector<uint8_t> fnt;
            for (const auto& t : tiles.pictures) AppendSlot(fnt, *t);
            std::vector<uint8_t> palBytes;
            for (const auto& e : *pal) palBytes.insert(palBytes.end(), e.begin(), e.end());
            if (!WriteBinary(out / (std::string(set) + ".fnt"), fnt) ||
                !WriteBinary(out / (std::string(set) + ".pal"), palBytes))
                setErrors.add(out.string(), std::string("cannot write ") + set + ".fnt/.pal");
        }
        errors.list.insert(errors.list.end(), setErrors.list.begin(), setErrors.list.end());
    }

    Errors charaErrors;
    auto sprites = ParseBlocks(data / "tiles" / "chara.txt", "sprite", kSpriteCount, true, charaErrors);
    if (!charaErrors.any()) {
        TilePixels empty;
        empty.fill(kTransparent);
        std::vector<uint8_t> spriteBytes, maskBytes;
        for (const auto& s : sprites.pictures) {
            TilePixels sprite, mask;
            SplitSprite(s ? *s : empty, sprite, mask);
            AppendSlot(spriteBytes, sprite);
            AppendSlot(maskBytes, mask);
        }
        spriteBytes.insert(spriteBytes.end(), maskBytes.begin(), maskBytes.end());
        if (!WriteBinary(out / "chara.fnt", spriteBytes)) charaErrors.add(out.string(), "cannot write chara.fnt");
    }
    errors.list.insert(errors.list.end(), charaErrors.list.begin(), charaErrors.list.end());
    return errors.report();
}

namespace {

// The town's floor, on which the map view shows the party's figure.
constexpr int kTownFloorSlot = 44;

// A figure of the chara set over a ground tile, through the figure's mask,
// as the map view composes the party's cell.
std::vector<uint8_t> figureOnGround(const uint8_t* ground, const std::vector<uint8_t>& chara, int figure) {
    std::vector<uint8_t> cell(ground, ground + kSlotBytes);
    const uint8_t* sprite = &chara[std::size_t(figure) * kSlotBytes];
    const uint8_t* mask = &chara[std::size_t(figure + kSpriteCount) * kSlotBytes];
    for (int b = 4; b < kSlotBytes; ++b) cell[b] = uint8_t((cell[b] & mask[b]) | sprite[b]);
    return cell;
}

}  // namespace

int TileSheetCommand(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 3) {
        std::cerr << "usage: vela-mkdata tile-sheet SET out.png [BUILT_DATA_DIR]   (SET: town ground den keep chara)\n";
        return 2;
    }
    const std::string set = args[0];
    const fs::path dir = args.size() == 3 ? fs::path(args[2]) : fs::path("build/data");
    const bool chara = set == "chara";
    if (!chara && std::find(kSetNames.begin(), kSetNames.end(), set) == kSetNames.end()) {
        std::cerr << "vela-mkdata: unknown tile set '" << set << "'\n";
        return 2;
    }
    auto fnt = ReadBinary(dir / (set + ".fnt"));
    if (fnt.size() != std::size_t(kSlotCount) * kSlotBytes) {
        std::cerr << "vela-mkdata: " << (dir / (set + ".fnt")).string() << " missing or not "
                  << kSlotCount * kSlotBytes << " bytes\n";
        return 1;
    }
    auto pal = ReadBuiltPalette(dir / ((chara ? "town" : set) + ".pal"));
    if (!pal) {
        std::cerr << "vela-mkdata: " << (dir / ((chara ? "town" : set) + ".pal")).string() << " missing or bad\n";
        return 1;
    }

    constexpr int scale = 2, tilePx = kTileSize * scale, cellW = tilePx + 8, cellH = tilePx + 18, cols = 8,
                  rows = 7;
    // chara sheets get two more rows: sprites 0..15 composed over the town base
    // floor, as the map view shows them.
    std::vector<uint8_t> town;
    if (chara) town = ReadBinary(dir / "town.fnt");
    const bool preview = chara && town.size() == std::size_t(kSlotCount) * kSlotBytes;
    const int totalRows = rows + (preview ? 2 : 0);

    vela::RgbImage image;
    image.width = cols * cellW + 8;
    image.height = totalRows * cellH + 8;
    image.rgb.assign(std::size_t(image.width) * image.height * 3, 48);

    for (int n = 0; n < kSlotCount; ++n) {
        int x = 8 + (n % cols) * cellW, y = 8 + (n / cols) * cellH;
        BlitTile(image, x, y, DecodeTileSlot(&fnt[std::size_t(n) * kSlotBytes]), *pal, scale);
        DrawNumber(image, x, y + tilePx + 3, n, 2);
    }
    if (preview) {
        const uint8_t* ground = &town[std::size_t(kTownFloorSlot) * kSlotBytes];
        for (int k = 0; k < 16; ++k) {
            std::vector<uint8_t> cell = figureOnGround(ground, fnt, k);
            int x = 8 + (k % cols) * cellW, y = 8 + (rows + k / cols) * cellH;
            BlitTile(image, x, y, DecodeTileSlot(cell.data()), *pal, scale);
            DrawNumber(image, x, y + tilePx + 3, k, 2);
        }
    }
    if (!vela::WritePng(args[1], image)) {
        std::cerr << "vela-mkdata: cannot write " << args[1] << '\n';
        return 1;
    }
    return 0;
}

// The desktop icon: the hero facing the viewer on the town's floor, in the
// town's colours, scaled to size x size pixels by nearest neighbour.
int IconCommand(const std::vector<std::string>& args) {
    int size = args.empty() ? 0 : std::atoi(args[0].c_str());
    if (args.size() < 2 || args.size() > 3 || size < 16 || size > 1024) {
        std::cerr << "usage: vela-mkdata icon SIZE out.png [BUILT_DATA_DIR]   (SIZE: 16 to 1024)\n";
        return 2;
    }
    const fs::path dir = args.size() == 3 ? fs::path(args[2]) : fs::path("build/data");
    auto chara = ReadBinary(dir / "chara.fnt");
    auto town = ReadBinary(dir / "town.fnt");
    auto pal = ReadBuiltPalette(dir / "town.pal");
    const std::size_t setBytes = std::size_t(kSlotCount) * kSlotBytes;
    if (chara.size() != setBytes || town.size() != setBytes || !pal) {
        std::cerr << "vela-mkdata: chara.fnt, town.fnt or town.pal in " << dir.string() << " missing or bad\n";
        return 1;
    }
    TilePixels cell = DecodeTileSlot(figureOnGround(&town[std::size_t(kTownFloorSlot) * kSlotBytes], chara, 0).data());
    vela::RgbImage image;
    image.width = image.height = size;
    image.rgb.resize(std::size_t(size) * size * 3);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            auto c = ScreenColour(*pal, cell[(y * kTileSize / size) * kTileSize + x * kTileSize / size]);
            std::copy(c.begin(), c.end(), &image.rgb[(std::size_t(y) * size + x) * 3]);
        }
    if (!vela::WritePng(args[1], image)) {
        std::cerr << "vela-mkdata: cannot write " << args[1] << '\n';
        return 1;
    }
    return 0;
}

}  // namespace mkdata
