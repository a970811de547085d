// The party panel under the map: one row per member of slots 1..6 with the
// name, hit points, spell points and condition.
#pragma once

namespace vela {

// Row of a slot: the panel rows are 20 pixels apart, each 16 high.
constexpr int PanelRowY(int slot) { return 330 + 20 * slot; }

// Columns (inclusive); the condition column runs off the right edge.
constexpr int kPanelNameX1 = 260, kPanelNameX2 = 388;
constexpr int kPanelHPX1 = 400, kPanelHPX2 = 440;
constexpr int kPanelSPX1 = 463, kPanelSPX2 = 503;
constexpr int kPanelStatusX1 = 540, kPanelStatusX2 = 647;

void DrawHP();          // right-aligned in 5 characters, white
void DrawSP();
void DrawConditions();  // white when "   좋음", else light red; settles each member's condition
void DrawVitals();      // hit points, spell points, conditions
void DrawPartyPanel();  // the vitals and the names

}  // namespace vela
