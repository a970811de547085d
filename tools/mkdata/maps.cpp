// Maps: data/maps/<Name>.txt -> <Name>.map, with the checks that keep every
// scripted square usable, and the render-map command.
#include "maps.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <deque>
#include <iostream>
#include <map>
#include <sstream>

#include "builders.h"

namespace mkdata {

namespace {

constexpr const char* kKindNames[] = {"town", "ground", "den", "keep"};

struct ClassNameEntry {
    TileClass cls;
    const char* name;
};
constexpr ClassNameEntry kClassNames[] = {
    {TileClass::Special, "special"}, {TileClass::Blocked, "blocked"}, {TileClass::Entrance, "entrance"},
    {TileClass::Signpost, "signpost"}, {TileClass::Person, "person"}, {TileClass::Floor, "floor"},
    {TileClass::Water, "water"},     {TileClass::Swamp, "swamp"},     {TileClass::Lava, "lava"},
};

bool isBumpClass(TileClass c) {
    return c == TileClass::Entrance || c == TileClass::Signpost || c == TileClass::Person;
}

std::string trim(std::string_view s) {
    std::size_t a = s.find_first_not_of(" \t");
    if (a == std::string_view::npos) return {};
    std::size_t b = s.find_last_not_of(" \t");
    return std::string(s.substr(a, b - a + 1));
}

bool parseInt(std::string_view s, int& value) {
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size();
}

// Splits "words  # comment" into its words and the comment text.
std::vector<std::string> splitWords(std::string_view line, std::string* comment = nullptr) {
    std::size_t hash = line.find('#');
    if (comment) *comment = hash == std::string_view::npos ? "" : trim(line.substr(hash + 1));
    std::istringstream in(std::string(line.substr(0, hash)));
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::string at(const std::string& file, int line) { return file + ":" + std::to_string(line); }

std::string square(int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; }

std::string describe(const MapMark& m) {
    return square(m.x, m.y) + (m.note.empty() ? "" : " [" + m.note + "]");
}

// "person", "floor=47": a class with an optional exact tile.
bool parseClassSpec(const std::string& word, MapMark& mark) {
    std::size_t eq = word.find('=');
    if (!ParseClassName(std::string_view(word).substr(0, eq), mark.cls)) return false;
    if (eq == std::string::npos) return true;
    return parseInt(std::string_view(word).substr(eq + 1), mark.tile) && mark.tile >= 0 && mark.tile <= 127;
}

// Squares the party can walk to from the arrival squares: floor, and event
// squares it steps onto, inside the party range.
std::vector<uint8_t> walkableFrom(const MapSource& map, const std::vector<MapMark>& starts) {
    std::vector<uint8_t> reached(map.cells.size(), 0);
    std::deque<std::pair<int, int>> queue;
    auto walkable = [&](int x, int y) {
        if (!map.inPartyRange(x, y)) return false;
        TileClass c = ClassOf(map.kind, map.tile(x, y));
        return c == TileClass::Floor || c == TileClass::Special;
    };
    auto visit = [&](int x, int y) {
        if (!walkable(x, y)) return;
        uint8_t& r = reached[std::size_t(y - 1) * map.width + (x - 1)];
        if (r) return;
        r = 1;
        queue.emplace_back(x, y);
    };
    for (const auto& s : starts)
        if (!s.sealed && map.inside(s.x, s.y)) visit(s.x, s.y);
    while (!queue.empty()) {
        auto [x, y] = queue.front();
        queue.pop_front();
        visit(x + 1, y);
        visit(x - 1, y);
        visit(x, y + 1);
        visit(x, y - 1);
    }
    return reached;
}

const int kDX[4] = {1, -1, 0, 0};
const int kDY[4] = {0, 0, 1, -1};

}  // namespace

const char* ClassName(TileClass cls) {
    for (const auto& e : kClassNames)
        if (e.cls == cls) return e.name;
    return "?";
}

bool ParseClassName(std::string_view name, TileClass& cls) {
    for (const auto& e : kClassNames)
        if (name == e.name) {
            cls = e.cls;
            return true;
        }
    return false;
}

const char* KindName(int kind) { return kind >= 0 && kind < 4 ? kKindNames[kind] : "?"; }

int KindFromName(std::string_view name) {
    for (int k = 0; k < 4; ++k)
        if (name == kKindNames[k]) return k;
    return -1;
}

int GameMapNumber(std::string_view name) {
    for (const vela::MapInfo& info : vela::kMapCatalogue)
        if (name == info.name) return info.id;
    return -1;
}

bool ParseMapSource(const std::vector<std::string>& lines, const std::string& file, MapSource& map,
                    Errors& errors) {
    std::size_t before = errors.list.size();
    map = MapSource{};
    map.file = file;
    struct Legend {
        int tile;
        int line;
    };
    std::map<char, Legend> legend;
    std::vector<std::pair<int, std::string>> grid, lit;  // line number, text
    bool sawGrid = false, sawLit = false;

    for (std::size_t i = 0; i < lines.size(); ++i) {
        int lineNo = int(i) + 1;
        const std::string& line = lines[i];
        std::string comment;
        auto words = splitWords(line, &comment);
        if (line.rfind("legend ", 0) == 0) {
            // The symbol is the character right after "legend ", so '#' and
            // other punctuation can stand for tiles too.
            char symbol = line.size() > 7 ? line[7] : ' ';
            auto rest = splitWords(line.size() > 8 ? std::string_view(line).substr(8) : "");
            int tile = -1;
            if (symbol == ' ' || symbol == '\t' || rest.empty() || !parseInt(rest[0], tile)) {
                errors.add(at(file, lineNo), "a legend line is 'legend C TILE  # what it shows'");
            } else if (tile < 0 || tile > kTopTile) {
                errors.add(at(file, lineNo), "tile " + std::to_string(tile) + " for '" + symbol +
                                                 "' has no picture (tiles are 0.." + std::to_string(kTopTile) + ")");
            } else if (legend.count(symbol)) {
                errors.add(at(file, lineNo), std::string("'") + symbol + "' is already in the legend at line " +
                                                 std::to_string(legend[symbol].line));
            } else {
                legend[symbol] = {tile, lineNo};
            }
            continue;
        }
        if (words.empty()) continue;
        const std::string& key = words[0];
        if (key == "grid" || key == "lit") {
            if (map.height <= 0) {
                errors.add(at(file, lineNo), "'size W H' must come before the " + key);
                return false;
            }
            auto& block = key == "grid" ? grid : lit;
            (key == "grid" ? sawGrid : sawLit) = true;
            if (!block.empty()) errors.add(at(file, lineNo), "a second " + key + " block");
            block.clear();
            for (int r = 0; r < map.height; ++r) {
                if (i + 1 >= lines.size()) {
                    errors.add(at(file, lineNo), "the " + key + " has " + std::to_string(r) + " rows, the size says " +
                                                     std::to_string(map.height));
                    break;
                }
                ++i;
                block.emplace_back(int(i) + 1, lines[i]);
            }
        } else if (key == "name" && words.size() == 2) {
            map.name = words[1];
        } else if (key == "number" && words.size() == 2 && parseInt(words[1], map.number)) {
        } else if (key == "kind" && words.size() == 2 && (map.kind = KindFromName(words[1])) >= 0) {
        } else if (key == "size" && words.size() == 3 && parseInt(words[1], map.width) &&
                   parseInt(words[2], map.height)) {
            if (map.width < 1 || map.width > kMaxMapWidth || map.height < 1 || map.height > kMaxMapHeight) {
                errors.add(at(file, lineNo), "size " + words[1] + " x " + words[2] + " is outside 1..200 x 1..125");
                return false;
            }
        } else if ((key == "check" || key == "entry") && words.size() >= 3) {
            MapMark mark;
            mark.line = lineNo;
            mark.note = comment;
            bool ok = parseInt(words[1], mark.x) && parseInt(words[2], mark.y);
            std::size_t w = 3;
            if (key == "check") {
                ok = ok && words.size() >= 4 && parseClassSpec(words[w++], mark);
            } else if (words.size() >= 4 && words[3] != "sealed") {
                ok = ok && parseClassSpec(words[w++], mark);
            }
            if (w < words.size() && words[w] == "sealed") mark.sealed = true, ++w;
            if (!ok || w != words.size()) {
                errors.add(at(file, lineNo), key == "check" ? "a check line is 'check X Y CLASS[=TILE] [sealed]  # why'"
                                                            : "an entry line is 'entry X Y [CLASS[=TILE]]  # why'");
                continue;
            }
            (key == "check" ? map.checks : map.entries).push_back(mark);
        } else {
            errors.add(at(file, lineNo), "cannot read '" + trim(line) + "'");
        }
    }

    if (map.name.empty()) errors.add(file, "no 'name' line");
    if (map.kind < 0) errors.add(file, "no 'kind town|ground|den|keep' line");
    if (map.width <= 0) errors.add(file, "no 'size W H' line");
    if (!sawGrid) errors.add(file, "no grid");
    if (errors.list.size() != before) return false;

    map.cells.assign(std::size_t(map.width) * map.height, 0);
    for (int r = 0; r < int(grid.size()); ++r) {
        const auto& [lineNo, text] = grid[r];
        if (int(text.size()) != map.width)
            errors.add(at(file, lineNo), "grid row " + std::to_string(r + 1) + " has " + std::to_string(text.size()) +
                                             " cells, the size says " + std::to_string(map.width));
        for (int c = 0; c < int(text.size()) && c < map.width; ++c) {
            auto found = legend.find(text[c]);
            if (found == legend.end()) {
                errors.add(at(file, lineNo), std::string("'") + text[c] + "' at " + square(c + 1, r + 1) +
                                                 " is not in the legend");
                continue;
            }
            map.cells[std::size_t(r) * map.width + c] = uint8_t(found->second.tile);
        }
    }
    for (int r = 0; r < int(lit.size()); ++r) {
        const auto& [lineNo, text] = lit[r];
        if (int(text.size()) > map.width)
            errors.add(at(file, lineNo), "lit row " + std::to_string(r + 1) + " is wider than the map");
        // '.' and blanks are dark; any other mark lights the cell.
        for (int c = 0; c < int(text.size()) && c < map.width; ++c)
            if (text[c] != '.' && text[c] != ' ') map.cells[std::size_t(r) * map.width + c] |= 0x80;
    }
    return errors.list.size() == before;
}

void ValidateMap(const MapSource& map, Errors& errors) {
    const std::string& file = map.file;
    if (map.width < 1 || map.width > kMaxMapWidth || map.height < 1 || map.height > kMaxMapHeight ||
        map.cells.size() != std::size_t(map.width) * map.height) {
        errors.add(file, "size " + std::to_string(map.width) + " x " + std::to_string(map.height) +
                             " is outside 1..200 x 1..125 or does not match its cells");
        return;
    }
    if (int number = GameMapNumber(map.name); number < 0) {
        errors.add(file, "'" + map.name + "' is not a map the game loads");
    } else {
        int kind = vela::MapInfoOf(number).kind;
        if (map.number != number)
            errors.add(file, map.name + " is map " + std::to_string(number) + ", not " + std::to_string(map.number));
        if (map.kind != kind)
            errors.add(file, map.name + " is a " + KindName(kind) + " map, not " + KindName(map.kind));
    }
    if (map.kind < 0 || map.kind > 3) return;

    for (int y = 1; y <= map.height; ++y)
        for (int x = 1; x <= map.width; ++x)
            if (map.tile(x, y) > kTopTile)
                errors.add(file, "tile " + std::to_string(map.tile(x, y)) + " at " + square(x, y) + " has no picture");

    // Every event square must belong to a script: the ones a designer forgets
    // would take the party's step and do nothing.
    std::vector<uint8_t> listed(map.cells.size(), 0);
    for (const auto& m : map.checks)
        if (map.inside(m.x, m.y)) listed[std::size_t(m.y - 1) * map.width + (m.x - 1)] = 1;
    for (int y = 1; y <= map.height; ++y)
        for (int x = 1; x <= map.width; ++x) {
            TileClass c = ClassOf(map.kind, map.tile(x, y));
            bool event = c == TileClass::Special || c == TileClass::Entrance || c == TileClass::Signpost;
            if (event && !listed[std::size_t(y - 1) * map.width + (x - 1)])
                errors.add(file, std::string(ClassName(c)) + " tile " + std::to_string(map.tile(x, y)) + " at " +
                                     square(x, y) + " has no check line");
        }

    auto floorAt = [&](int x, int y) {
        return map.inPartyRange(x, y) && ClassOf(map.kind, map.tile(x, y)) == TileClass::Floor;
    };
    auto checkMark = [&](const MapMark& m, bool entry) {
        std::string where = at(file, m.line);
        if (!map.inside(m.x, m.y)) {
            errors.add(where, square(m.x, m.y) + " is outside the map");
            return false;
        }
        int t = map.tile(m.x, m.y);
        TileClass c = ClassOf(map.kind, t);
        if (c != m.cls || (m.tile >= 0 && t != m.tile)) {
            errors.add(where, describe(m) + " needs " + (m.tile >= 0 ? "tile " + std::to_string(m.tile) + ", " : "") +
                                  ClassName(m.cls) + " class, but holds tile " + std::to_string(t) + " (" +
                                  ClassName(c) + ")");
            return false;
        }
        // A step into the margin is taken back before the square is looked
        // at, so a square bumped there never answers either.
        bool bumped = isBumpClass(m.cls) && !entry;
        if (!map.inPartyRange(m.x, m.y)) {
            errors.add(where, map.name + " " + describe(m) + (bumped ? " is bumped" : " is stood on") +
                                  ", but lies outside the party range (columns 5.." + std::to_string(map.width - 4) +
                                  ", rows 6.." + std::to_string(map.height - 5) + ")" +
                                  (bumped ? ": the step into it is taken back before the square is looked at" : ""));
            return false;
        }
        if (bumped) {
            bool reachable = false;
            for (int d = 0; d < 4; ++d) reachable |= floorAt(m.x + kDX[d], m.y + kDY[d]);
            if (!reachable) {
                errors.add(where, describe(m) + " is bumped, but no floor square inside the party range touches it");
                return false;
            }
        }
        return true;
    };
    std::vector<const MapMark*> good;
    for (const auto& m : map.checks)
        if (checkMark(m, false)) good.push_back(&m);
    for (const auto& m : map.entries)
        if (checkMark(m, true)) good.push_back(&m);

    // Walking test: from the arrival squares every scripted square must be
    // reachable over floor, unless its line says it is sealed.
    if (map.entries.empty()) return;
    auto reached = walkableFrom(map, map.entries);
    auto isReached = [&](int x, int y) {
        return map.inside(x, y) && reached[std::size_t(y - 1) * map.width + (x - 1)];
    };
    for (const MapMark* m : good) {
        if (m->sealed) continue;
        bool ok = isReached(m->x, m->y);
        if (isBumpClass(m->cls))
            for (int d = 0; d < 4; ++d) ok |= isReached(m->x + kDX[d], m->y + kDY[d]);
        if (!ok)
            errors.add(at(file, m->line), describe(*m) + " cannot be reached on foot from " +
                                              square(map.entries[0].x, map.entries[0].y) +
                                              " (mark it 'sealed' if only magic gets there)");
    }
}

std::vector<uint8_t> EncodeMapFile(const MapSource& map) {
    std::vector<uint8_t> bytes;
    bytes.reserve(map.cells.size() + 2);
    bytes.push_back(uint8_t(map.width));
    bytes.push_back(uint8_t(map.height));
    bytes.insert(bytes.end(), map.cells.begin(), map.cells.end());
    return bytes;
}

int BuildMaps(const fs::path& data, const fs::path& out) {
    Errors errors;
    fs::path dir = data / "maps";
    std::vector<fs::path> sources;
    if (fs::is_directory(dir))
        for (const auto& e : fs::directory_iterator(dir))
            if (e.path().extension() == ".txt") sources.push_back(e.path());
    std::sort(sources.begin(), sources.end());
    for (const auto& path : sources) {
        MapSource map;
        std::string file = path.string();
        if (!ParseMapSource(ReadLines(path), file, map, errors)) continue;
        if (path.stem() != map.name) errors.add(file, "the file of map '" + map.name + "' must be " + map.name + ".txt");
        std::size_t before = errors.list.size();
        ValidateMap(map, errors);
        if (errors.list.size() != before) continue;
        if (!WriteBinary(out / (map.name + ".map"), EncodeMapFile(map)))
            errors.add((out / (map.name + ".map")).string(), "cannot write");
    }
    return errors.report();
}

namespace {

// A flat colour per class, for looking at a map before its tile set exists.
std::array<uint8_t, 3> classColour(TileClass c, int tile) {
    switch (c) {
        case TileClass::Special: return {255, 0, 255};
        case TileClass::Blocked: return {uint8_t(60 + tile * 5), uint8_t(50 + tile * 3), 40};
        case TileClass::Entrance: return {255, 200, 0};
        case TileClass::Signpost: return {255, 255, 255};
        case TileClass::Person: return {230, 30, 30};
        case TileClass::Floor: return {uint8_t(100 + tile), uint8_t(160 - tile), 90};
        case TileClass::Water: return {30, 60, 220};
        case TileClass::Swamp: return {60, 90, 60};
        case TileClass::Lava: return {250, 90, 0};
    }
    return {0, 0, 0};
}

}  // namespace

int RenderMapCommand(const std::vector<std::string>& args) {
    if (args.size() < 2 || args.size() > 3) {
        std::cerr << "usage: vela-mkdata render-map NAME out.png [BUILT_DATA_DIR]\n";
        return 2;
    }
    fs::path dir = args.size() == 3 ? fs::path(args[2]) : fs::path("build/data");
    const int number = GameMapNumber(args[0]);
    if (number < 0) {
        std::cerr << "vela-mkdata: '" << args[0] << "' is not a map the game loads\n";
        return 1;
    }
    auto bytes = ReadBinary(dir / (args[0] + ".map"));
    if (bytes.size() < 2 || bytes.size() < 2 + std::size_t(bytes[0]) * bytes[1] || bytes[0] == 0 || bytes[1] == 0 ||
        bytes[0] > kMaxMapWidth || bytes[1] > kMaxMapHeight) {
        std::cerr << "vela-mkdata: " << (dir / (args[0] + ".map")).string() << " is missing or short\n";
        return 1;
    }
    int w = bytes[0], h = bytes[1];
    const vela::MapInfo& info = vela::MapInfoOf(number);
    std::string set = KindName(info.kind);
    auto fnt = ReadBinary(dir / (set + ".fnt"));
    auto pal = ReadBinary(dir / (set + ".pal"));
    bool haveTiles = fnt.size() >= std::size_t(kSlotCount) * kSlotBytes && pal.size() >= 48;
    if (!haveTiles)
        std::cerr << "vela-mkdata: " << set << ".fnt or " << set << ".pal is missing in " << dir.string()
                  << "; drawing one colour per tile class instead\n";

    std::vector<TilePixels> tiles;
    Palette6 palette{};
    if (haveTiles) {
        for (int k = 0; k < kSlotCount; ++k) tiles.push_back(DecodeTileSlot(&fnt[std::size_t(k) * kSlotBytes]));
        for (int i = 0; i < 16; ++i)
            for (int c = 0; c < 3; ++c) palette[i][c] = uint8_t(pal[i * 3 + c] & 63);
        // As the game does after loading: the hidden event squares take the
        // base floor's picture, and the pyramid's water trap looks like water.
        if (info.baseTile > 0) tiles[0] = tiles[info.baseTile];
        if (number == vela::kPyramid) tiles[52] = tiles[48];
    }

    vela::RgbImage image;
    image.width = w * kTileSize;
    image.height = h * kTileSize;
    image.rgb.assign(std::size_t(image.width) * image.height * 3, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int t = bytes[2 + std::size_t(y) * w + x] & 0x7F;
            if (haveTiles && t < kSlotCount) {
                BlitTile(image, x * kTileSize, y * kTileSize, tiles[t], palette);
                continue;
            }
            auto c = classColour(ClassOf(info.kind, t), t);
            for (int py = 1; py < kTileSize - 1; ++py)
                for (int px = 1; px < kTileSize - 1; ++px) {
                    uint8_t* d = &image.rgb[(std::size_t(y * kTileSize + py) * image.width + x * kTileSize + px) * 3];
                    d[0] = c[0], d[1] = c[1], d[2] = c[2];
                }
        }
    if (!vela::WritePng(args[1], image)) {
        std::cerr << "vela-mkdata: cannot write " << args[1] << '\n';
        return 1;
    }
    return 0;
}

}  // namespace mkdata
