// Background tunes: a small text notation (instruments, patterns of
// note lines, a song order), a synthesizer that renders it, and the Ogg
// Vorbis encoding the game's mixer plays.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace mkdata {

constexpr int kMusicRate = 22050;

struct Instrument {
    enum Wave { kSine, kPulse, kTriangle, kSaw, kFm, kNoise } wave = kSine;
    double duty = 0.5;                   // pulse
    double ratio = 1, index = 0;         // fm: modulator frequency ratio and depth
    double attack = 0.01, decay = 0.1, sustain = 0.7, release = 0.1;  // seconds; sustain level 0..1
    double volume = 0.5;
    double cutoff = 0;                   // one-pole low-pass in Hz; 0: none
    double vibrato = 0;                  // depth in semitones, at 5 Hz
};

struct Note {
    double start, length;  // in beats (quarter notes)
    double midi;           // note number; below 0 for percussion pitchless noise
    double velocity;       // 0..1
    std::string instrument;
};

struct Pattern {
    double beats = 0;
    std::vector<Note> notes;
};

struct Tune {
    std::string file;      // output name, e.g. _Music2.Bgm
    double tempo = 100;    // quarter notes per minute
    double echo = 0;       // feedback of a 3/8-beat echo, 0..0.9
    std::map<std::string, Instrument> instruments;
    std::map<std::string, Pattern> patterns;
    std::vector<std::string> song;
};

// Parses a tune source; errors go to `errors` as "line N: what".
Tune ParseTune(const std::vector<std::string>& lines, std::vector<std::string>& errors);
// Renders mono samples in -1..1 at kMusicRate.
std::vector<float> RenderTune(const Tune& tune);
// Ogg Vorbis bytes of mono samples; empty on an encoder failure.
std::vector<uint8_t> EncodeOgg(const std::vector<float>& samples);
// A 16-bit mono WAV file image, for listening while composing.
std::vector<uint8_t> EncodeWav(const std::vector<float>& samples);

}  // namespace mkdata
