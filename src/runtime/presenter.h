// When the screen surface reaches the window. Drawing calls ask for a
// presentation; it happens at once unless one happened less than a tick ago,
// in which case it waits for the next tick (taken while the game waits for a
// key or before it sleeps). So a screen built from hundreds of bars costs a
// few presentations, not hundreds, and nothing drawn is ever left unshown.
#pragma once

#include <cstdint>

namespace vela {

constexpr int kPresentTickMs = 10;

void SetPresentSource(const uint16_t* pixels);
void RequestPresent();
void PresentIfPending();
void PresentNow();

// Counts every change to the surface; the key wait uses it to tell an idle
// game (polling with nothing new on screen) from a busy one.
void NoteDrawing();
uint64_t DrawingStamp();

// Rows top .. bottom - 1 of the surface were written. The next presentation
// hands the band of rows written since the last one to the platform, which
// may then copy only those rows to the window.
inline int ChangedTop = 480, ChangedBottom = 0;
inline void NoteRowsChanged(int top, int bottom) {
    if (top < ChangedTop) ChangedTop = top;
    if (bottom > ChangedBottom) ChangedBottom = bottom;
}

}  // namespace vela
