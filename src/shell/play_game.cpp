#include "shell/play_game.h"

#include "game/camp/rest.h"
#include "game/state/enemy_table.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/ui/party_panel.h"
#include "game/world/exploration.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

uint8_t ShowTitle = 1;

// Until the title and character creation are in the game, a new game
// starts with this hero.
void presetHero() {
    ResetGameState();
    MemberRecord& hero = Member[kHeroSlot];
    hero.Name.set("레온"_j);
    hero.Sex = 0;
    hero.Family = kFighterFamily;
    hero.Class = 1;
    hero.Strength = 15;
    hero.Mentality = 10;
    hero.Concentration = 12;
    hero.Endurance = 15;
    hero.Resistance = 10;
    hero.Agility = 14;
    hero.Accuracy = 14;
    hero.Luck = 12;
    InitNewGame();
}

}  // namespace

void StartGame() {
    Randomize();
    SoundOn = 1;
    AttackUnconscious = 1;
    MapLoaded = 0;
    SaveSlot = '1';
    RestHours = 6;
    LoadEnemyTable();
    LoadMap();
    SetFillStyle(1, 8);
    Bar(0, 0, 639, 479);
    SetColor(11);
    WriteBold(260, 313, "  이름           생명력   마력       상 태"_j);
    DrawPartyPanel();
    SetBackdropMode(0);
    DrawMapView(true);
}

void PlayGame(const std::vector<std::string>& args) {
    InitGraph(0, 0);
    RestorePending = 1;
    ResetPalette();
    ShowTitle = 1;
    for (const std::string& arg : args)
        if (arg == "/g" || arg == "/G") ShowTitle = 0;
    if (ShowTitle == 1) {
        presetHero();
        RestorePending = 0;
    }
    LoadHangulFont(2);
    StartGame();
    for (;;) {
        MapChanged = 0;
        while (MapChanged == 0) MapStep();
    }
}

}  // namespace vela
