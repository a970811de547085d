// The 9 x 11 view of the map around the party, lit by the hour, the kind of
// map and the magic torch.
#pragma once

namespace vela {

// Which view cells are drawn at full colour: those within rx columns and
// ry rows of the party's cell (5, 6); with dim false every cell is.
struct ViewLight {
    bool dim;
    int rx, ry;
};
ViewLight LightOfView();

void DrawMapView(bool withParty);
void DrawMapViewQuiet();
void SetBackdropMode(int mode);
void ClearLowerPanel();

extern int BackdropMode;

}  // namespace vela
