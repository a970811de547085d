#include "audio/music.h"

#include "runtime/platform.h"

namespace vela {

namespace {

bool active = false;
bool muted = false;

}  // namespace

void OpenMusic(const std::string& name) {
    StopMusic();
    if (!muted) active = CurrentPlatform().OpenMusic("_" + name);
}

void RunMusicLoop(const std::function<void()>& step, const uint8_t& mapChanged) {
    if (active) CurrentPlatform().PlayMusic();
    while (mapChanged == 0) step();
}

void StopMusic() {
    if (!active) return;
    CurrentPlatform().StopMusic();
    active = false;
}

bool MusicActive() { return active; }

void SetMusicMuted(bool m) { muted = m; }

void ResetMusicState() {
    active = false;
    muted = false;
}

}  // namespace vela
