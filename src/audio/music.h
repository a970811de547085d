// Background music: the tune of the current map, played once from
// its start each time a map is entered. The mixer itself sits behind the
// platform; a missing or undecodable tune only means silence.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vela {

// Stops any tune, then opens "_" + name from the current folder.
void OpenMusic(const std::string& name);
// Starts the open tune, if any, then calls step until mapChanged (the map
// loader's flag) is set. Returns with the tune still playing.
void RunMusicLoop(const std::function<void()>& step, const uint8_t& mapChanged);
// Stops and closes the open tune; nothing when none is open.
void StopMusic();
bool MusicActive();

// Muted: OpenMusic opens nothing (the player asked for silence).
void SetMusicMuted(bool muted);
void ResetMusicState();  // tests: closed and not muted

}  // namespace vela
