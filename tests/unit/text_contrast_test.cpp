// Text that can be read: every text colour against the background it is
// written on, under every palette in force when it is, at a WCAG contrast of
// at least 4.5:1. The palettes are taken as the game sets them: the title's at
// its menu, creation's at its end, each kind of map's as its loader leaves it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "game/battle/enemy_group.h"
#include "game/title/creation.h"
#include "game/title/title_sequence.h"
#include "game/world/map_catalogue.h"
#include "game/world/map_data.h"
#include "runtime/halt.h"
#include "screen/gfx.h"
#include "screen/text_colour.h"
#include "screen/text_output.h"
#include "session.h"

namespace vela {
namespace {

using PaletteRgb = std::array<Rgb, 16>;

// WCAG's relative luminance of a palette entry as the screen shows it: the
// 5-5-5 pixel, each component widened back to 8 bits.
double luminance(const PaletteRgb& palette, int index) {
    auto linear = [](unsigned five) {
        double c = double(five << 3 | five >> 2) / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const Rgb& e = palette[std::size_t(index)];
    return 0.2126 * linear(e.r >> 3) + 0.7152 * linear(e.g >> 3) + 0.0722 * linear(e.b >> 3);
}

double contrast(const PaletteRgb& palette, int text, int background) {
    double a = luminance(palette, text), b = luminance(palette, background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

struct Named {
    TextColour colour;
    const char* name;
};
#define NAMED(n) Named{TextColour::n, #n}

// What the message window, the party panel, the camp, town and battle
// screens write on the fill colour 8.
const std::vector<Named> kMapScreenColours = {
    NAMED(Narration), NAMED(Scene), NAMED(Speech), NAMED(Keeper), NAMED(Friendly), NAMED(Secret),
    NAMED(Voice), NAMED(Riddle), NAMED(Writing), NAMED(Heading), NAMED(Epitaph), NAMED(LastWords),
    NAMED(Guidance), NAMED(Emphasis), NAMED(Reward), NAMED(Success), NAMED(Promotion), NAMED(Refusal),
    NAMED(Warning), NAMED(Misfortune), NAMED(Poisoned), NAMED(Disaster), NAMED(ItemsLeft),
    NAMED(ProphecyMark), NAMED(Question), NAMED(Choice), NAMED(Title), NAMED(Prompt), NAMED(MenuItem),
    NAMED(Highlight), NAMED(Available), NAMED(Entry), NAMED(EntryLabel), NAMED(Label), NAMED(Price),
    NAMED(Panel), NAMED(BadCondition), NAMED(PageTitle), NAMED(Identity), NAMED(Figures), NAMED(Skills),
    NAMED(Budget), NAMED(Detail), NAMED(Action), NAMED(FoeHurt), NAMED(DamageDealt), NAMED(Miss),
    NAMED(FoeDown), NAMED(FoeFled), NAMED(FoesAppear), NAMED(FoeAction), NAMED(FoeWords), NAMED(PartyHurt),
    NAMED(DamageTaken), NAMED(ExperienceGained)};

// The ending writes the enemy's last words and the hero's answer on black.
const std::vector<Named> kEndingColours = {NAMED(DarkWords), NAMED(HeroWords), NAMED(Scene)};

const std::vector<Named> kTitleColours = {NAMED(GameName), NAMED(Legend), NAMED(Prophecy)};

const std::vector<Named> kCreationColours = {
    NAMED(Instruction), NAMED(Hint), NAMED(Answer), NAMED(Attribute), NAMED(Allotment),
    NAMED(Qualified), NAMED(Lacking), NAMED(HeroToConfirm), NAMED(Label), NAMED(Entry),
    NAMED(Highlight), NAMED(Identity), NAMED(Budget), NAMED(Detail), NAMED(Question), NAMED(MenuItem)};

// Below 4.5:1 by the design's own choice of both colour and palette value,
// or by the kind of text, and kept so.
const std::map<std::string, const char*> kExempt = {
    {"title TitleMenu", "the design's own: colour 9 on (15, 5, 25)"},
    {"title TitleMenuShadow", "the design's own: the menu's black shadow"},
    {"title GameNameShadow", "the design's own: the name's shadow"},
    {"title ProphecyPast", "the design's own: the line left at the top, grey (15, 15, 15)"},
    {"title ProphecyFadingIn", "the design's own: a line fading in"},
    {"title ProphecyFadingOut", "the design's own: a line fading out"},
    {"creation Potential", "the design's own: colour 3 on (15, 10, 20)"},
    {"creation Unqualified", "the design's own: colour 8, a class not yet open"},
    {"creation Backstory", "the design's own: colour 9 on (15, 10, 20)"},
    {"map screens Unavailable", "a choice that cannot be taken: WCAG asks no contrast of an inactive control"},
    {"foe list dead", "a dead foe's name is drawn in the list's own black and vanishes"},
};

struct Pair {
    std::string palette, screen, colour;
    int text, background;
    double ratio;
};

struct Pairs {
    std::vector<Pair> all;
    void add(const std::string& palette, const PaletteRgb& rgb, const std::string& screen, const std::string& colour,
             int text, int background) {
        all.push_back({palette, screen, colour, text, background, contrast(rgb, text, background)});
    }
    void add(const std::string& palette, const PaletteRgb& rgb, const std::string& screen,
             const std::vector<Named>& colours, int background) {
        for (const Named& c : colours) add(palette, rgb, screen, c.name, PaletteIndex(c.colour), background);
    }
};

// The palette in force when the last text of a run was written.
template <typename Run>
PaletteRgb paletteAtLastText(Run run) {
    PaletteRgb at{};
    SetTextObserver([&at](int, int, int, std::string_view) { at = Palette; });
    run();
    SetTextObserver(nullptr);
    return at;
}

PaletteRgb titlePalette() {
    test::Session s;
    s.platform.AppendKeys("{space}3");  // past the prophecy to the menu, then quit there
    return paletteAtLastText([] { EXPECT_THROW(ShowTitleSequence(false), ProgramHalt); });
}

PaletteRgb creationPalette() {
    test::Session s;
    s.platform.AppendKeys("{right}{enter}{enter}{esc}{right*2}{enter}");  // the name " ", done
    PaletteRgb palette = paletteAtLastText(EnterName);
    EXPECT_TRUE(s.platform.ScriptDone());
    return palette;
}

// The palette of the first map of each kind, as the loader leaves it.
std::map<std::string, PaletteRgb> mapPalettes() {
    std::map<std::string, PaletteRgb> palettes;
    for (int kind = kTown; kind <= kKeep; ++kind)
        for (const MapInfo& map : kMapCatalogue) {
            if (map.kind != kind) continue;
            test::Session s;
            test::LoadMapAt(map.id, 10, 10);
            palettes[kTileSetNames[kind]] = Palette;
            break;
        }
    return palettes;
}

// The foes' names by their hit points, from dead to unhurt.
std::vector<std::pair<std::string, int>> foeNameColours() {
    std::vector<std::pair<std::string, int>> colours;
    BattleEnemy foe{};
    foe.Dead = 1;
    colours.emplace_back("dead", EnemyNameColour(foe));
    foe = {};
    foe.Unconscious = 1;
    colours.emplace_back("unconscious", EnemyNameColour(foe));
    for (int hp : {0, 1, 200, 500, 1000, 2000, 4000, -1}) {
        foe = {};
        foe.HP = hp;
        colours.emplace_back(std::to_string(hp) + " hit points", EnemyNameColour(foe));
    }
    return colours;
}

TEST(TextContrast, EveryTextReadsOnItsBackgroundUnderEveryPalette) {
    Pairs pairs;
    PaletteRgb title = titlePalette();
    pairs.add("title", title, "title", kTitleColours, 1);
    for (const Named& c : {NAMED(TitleMenu), NAMED(TitleMenuShadow), NAMED(GameNameShadow), NAMED(ProphecyPast),
                           NAMED(ProphecyFadingIn), NAMED(ProphecyFadingOut)})
        pairs.add("title", title, "title", c.name, PaletteIndex(c.colour), 1);

    PaletteRgb creation = creationPalette();
    pairs.add("creation", creation, "creation", kCreationColours, 1);
    for (const Named& c : {NAMED(Potential), NAMED(Unqualified), NAMED(Backstory)})
        pairs.add("creation", creation, "creation", c.name, PaletteIndex(c.colour), 1);

    for (const auto& [name, palette] : mapPalettes()) {
        pairs.add(name, palette, "map screens", kMapScreenColours, 8);
        pairs.add(name, palette, "map screens", "Unavailable", PaletteIndex(TextColour::Unavailable), 8);
        pairs.add(name, palette, "ending", kEndingColours, 0);
        for (const auto& [state, colour] : foeNameColours())
            pairs.add(name, palette, "foe list", state, colour, 0);
    }
    ASSERT_EQ(pairs.all.size(), 3u + 6 + 16 + 3 + 4 * (55 + 1 + 3 + 10));

    const Pair* lowest = nullptr;
    std::size_t exempt = 0;
    for (const Pair& p : pairs.all) {
        if (kExempt.count(p.screen + " " + p.colour) > 0) {
            ++exempt;
            continue;
        }
        if (!lowest || p.ratio < lowest->ratio) lowest = &p;
        EXPECT_GE(p.ratio, 4.5) << "palette " << p.palette << ", screen " << p.screen << ": " << p.colour
                                << " (colour " << p.text << " on " << p.background << ")";
    }
    std::printf("%zu pairs, %zu of them exempt; lowest of the rest %.2f:1 (%s, %s, %s)\n", pairs.all.size(),
                exempt, lowest->ratio, lowest->palette.c_str(), lowest->screen.c_str(),
                lowest->colour.c_str());
}

}  // namespace
}  // namespace vela
