#include "game/ui/party_panel.h"

#include <cstdio>
#include <string>

#include "game/state/names.h"
#include "game/state/party.h"
#include "screen/gfx.h"
#include "screen/text_output.h"

namespace vela {

namespace {

// Each field is cleared with the fill colour first, for every slot, so a
// member who has left the party leaves a blank row.
void clearField(int x1, int x2, int slot) { Bar(x1, PanelRowY(slot), x2, PanelRowY(slot) + 15); }

// The way the game prints numbers into its columns: right-aligned in
// `width` characters, longer numbers simply run wider.
std::string rightAligned(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%*d", width, value);
    return buffer;
}

template <typename ValueOf>
void drawNumberColumn(int x1, int x2, ValueOf valueOf) {
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        clearField(x1, x2, slot);
        if (!Member[slot].Name.empty())
            WriteAt(x1, PanelRowY(slot), TextColour::Panel, rightAligned(valueOf(Member[slot]), 5), false);
    }
}

}  // namespace

void DrawHP() {
    drawNumberColumn(kPanelHPX1, kPanelHPX2, [](const MemberRecord& m) { return int(m.HP); });
}

void DrawSP() {
    drawNumberColumn(kPanelSPX1, kPanelSPX2, [](const MemberRecord& m) { return int(m.SP); });
}

void DrawConditions() {
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        clearField(kPanelStatusX1, kPanelStatusX2, slot);
        if (Member[slot].Name.empty()) continue;
        std::string status = StatusName(slot);
        TextColour colour = status == StatusGood ? TextColour::Panel : TextColour::BadCondition;
        WriteAt(kPanelStatusX1, PanelRowY(slot), colour, status, false);
    }
}

void DrawVitals() {
    DrawHP();
    DrawSP();
    DrawConditions();
}

void DrawPartyPanel() {
    DrawVitals();
    for (int slot = 1; slot <= kLastFightingSlot; ++slot) {
        clearField(kPanelNameX1, kPanelNameX2, slot);
        if (!Member[slot].Name.empty())
            WriteAt(kPanelNameX1, PanelRowY(slot), TextColour::Panel, Member[slot].Name.str(), false);
    }
}

}  // namespace vela
