#include "game/world/map_view.h"

#include "game/state/party.h"
#include "game/world/map_data.h"
#include "screen/gfx.h"
#include "runtime/key_queue.h"

namespace vela {

int BackdropMode = 0;

namespace {

constexpr int kBackdropColour[6] = {0, 1, 1, 6, 1, 1};

// Dusk and dawn: the lit radius by the third of the hour.
int twilightRadius(int hour, int minute) {
    int third = minute < 20 ? 0 : minute < 40 ? 1 : 2;
    return hour == 18 ? 4 - third : 2 + third;
}

}  // namespace

ViewLight LightOfView() {
    ViewLight light{MapKind == kDen, 0, 0};
    int hour = Party.Hour, minute = Party.Minute;
    if (hour < 7 || hour > 17) {
        light.dim = true;
        light.rx = light.ry = (hour == 18 || hour == 6) ? twilightRadius(hour, minute) : 1;
    }
    if (MapKind == kDen) light.rx = light.ry = 1;
    int torch = Party.Flags[FlagTorch];
    if (light.dim && torch > 0) {
        if (torch >= 7) {
            light.rx = 4;
            light.ry = 5;
        } else {
            int radius = (torch + 1) / 2 + 1;  // 1-2 -> 2, 3-4 -> 3, 5-6 -> 4
            if (light.rx < radius && light.ry < radius) light.rx = light.ry = radius;
        }
    }
    return light;
}

void DrawMapView(bool withParty) {
    DiscardKeys(&LastKey);
    ViewLight light = LightOfView();

    // The party's cell: the ground under it with the figure laid over it
    // through the figure's mask, 24 x 24 whatever a damaged tile file claims.
    const uint8_t* sprite = &SpriteImages[std::size_t(PartySprite) * kImageSlotBytes];
    const uint8_t* mask = &SpriteImages[std::size_t(PartySprite + 28) * kImageSlotBytes];

    if (BackdropMode != 0) {
        SetFillStyle(1, kBackdropColour[BackdropMode]);
        Bar(20, 20, 200, 200);
    }
    for (int j = 1; j <= 11; ++j) {
        for (int i = 1; i <= 9; ++i) {
            bool dimmed = light.dim && !(i >= 5 - light.rx && i <= 5 + light.rx && j >= 6 - light.ry && j <= 6 + light.ry);
            int x = PartyX - 5 + i, y = PartyY - 6 + j;
            if (i == 5 && j == 6 && withParty) {
                PutSpriteOnTile(120, 144, TileImage(MapTile(PartyX, PartyY)), sprite, mask);
            } else if (y < 1 || y > MapHeight) {
                PutTile(24 * i, 24 * j, TileImage(0), dimmed);
            } else if (CellLit(x, y)) {
                PutTile(24 * i, 24 * j, TileImage(MapTile(x, y)), false);
            } else {
                PutTile(24 * i, 24 * j, TileImage(MapTile(x, y)), dimmed);
            }
        }
    }
    if (SoundOn == 1) {
        Sound(20);
        Delay(5);
    }
    NoSound();
    SetFillStyle(1, 8);
}

void DrawMapViewQuiet() {
    uint8_t sound = SoundOn;
    SoundOn = 0;
    DrawMapView(true);
    SoundOn = sound;
}

void SetBackdropMode(int mode) {
    if (mode < 0 || mode > 5) mode = 0;
    BackdropMode = mode;
    Party.Flags[FlagBackdrop] = uint8_t(mode);
}

void ClearLowerPanel() {
    SetFillStyle(1, 8);
    Bar(30, 305, 240, 479);
}

}  // namespace vela
