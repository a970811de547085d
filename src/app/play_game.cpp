#include "app/play_game.h"

#include "audio/music.h"
#include "game/battle/enemy_group.h"
#include "game/camp/rest.h"
#include "game/events/opening.h"
#include "game/save/save_dialogs.h"
#include "game/save/saved_game.h"
#include "game/state/enemy_table.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/title/title_sequence.h"
#include "game/ui/party_panel.h"
#include "game/explore/map_step.h"
#include "game/world/data_files.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "runtime/settings.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

uint8_t ShowTitle = 1;

}  // namespace

void StartGame() {
    Randomize();
    SoundOn = UserSettings.footsteps ? 1 : 0;
    AttackUnconscious = 1;
    MapLoaded = 0;
    SaveSlot = '1';
    RestHours = 6;
    LoadEnemyTable();
    // A hero just made (not a restored game) is greeted by the opening.
    bool newHero = RestorePending != 1;
    bool edited = LoadMapOrRestore();
    SetFillStyle(1, 8);
    Bar(0, 0, 639, 479);
    WriteBold(260, 313, TextColour::Label, "  이름           생명력   마력       상 태"_j);
    DrawPartyPanel();
    SetBackdropMode(0);
    DrawMapView(true);
    if (edited) SayEditedSave(SaveSlot);
    if (newHero) SayOpening();
}

void PlayMapWithMusic(const std::function<void()>& step) {
    MapChanged = 0;
    OpenMusic(MapInfoOf(Party.MapNumber).tune);
    RunMusicLoop(step, MapChanged);
    StopMusic();
}

void PlayGame(const std::vector<std::string>& args) {
    // Every data file is looked for before the title, so a missing one never
    // costs a hero in the making; then the fonts are read.
    CheckDataFiles();
    InitTextOutput();
    InitGraph(0, 0);
    RecoverAllSlots();
    RestorePending = 1;
    ResetPalette();
    ShowTitle = 1;
    bool createAtOnce = false;
    for (const std::string& arg : args) {
        if (arg == "/g" || arg == "/G") ShowTitle = 0;
        if (arg == "/c" || arg == "/C") createAtOnce = true;
        if (arg == "/m" || arg == "/M") SetMusicMuted(true);
    }
    if (ShowTitle == 1) ShowTitleSequence(createAtOnce);
    LoadHangulFont(2);
    StartGame();
    for (;;) PlayMapWithMusic(MapStep);
}

}  // namespace vela
