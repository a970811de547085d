#include "runtime/presenter.h"

#include <algorithm>

#include "runtime/platform.h"

namespace vela {

namespace {
const uint16_t* source = nullptr;
bool pending = false;
uint64_t lastShownMs = 0;
bool shownOnce = false;
uint64_t drawingStamp = 0;
}  // namespace

void SetPresentSource(const uint16_t* pixels) { source = pixels; }

void PresentNow() {
    if (!source) return;
    Platform& p = CurrentPlatform();
    p.Present(source, ChangedTop, std::max(ChangedTop, ChangedBottom));
    ChangedTop = 480;
    ChangedBottom = 0;
    lastShownMs = p.NowMs();
    shownOnce = true;
    pending = false;
}

void RequestPresent() {
    if (!shownOnce || CurrentPlatform().NowMs() - lastShownMs >= kPresentTickMs)
        PresentNow();
    else
        pending = true;
}

void PresentIfPending() {
    if (pending) PresentNow();
}

void NoteDrawing() {
    ++drawingStamp;
    pending = true;
}

uint64_t DrawingStamp() { return drawingStamp; }

}  // namespace vela
