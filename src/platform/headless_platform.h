// The game without a window: keys come from a script, time is virtual, and
// presented frames are only counted. Used by the harness and the tests.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "runtime/platform.h"

namespace vela {

// One step of a key script.
struct ScriptStep {
    enum Kind { kKeys, kShot, kWait, kSeed, kArg, kSetting, kEnd } kind;
    std::vector<uint8_t> bytes;  // kKeys: the bytes one key pushes
    std::string name;  // kShot: file name without ".png"; kSeed: the seed; kArg: the word; kSetting: its line
    // A recorded key (after {at:...}) and kEnd: the poll it belongs to, and
    // the random draws and the state check noted at that poll.
    bool timed = false;
    uint64_t poll = 0, draws = 0;
    uint32_t check = 0;
    int line = 0;  // the line of the script it came from
};

// Parses the harness's key syntax: characters as typed; {up} {down} {left}
// {right} {enter} {esc} {space} {bs} {nul}; {name*N} repeats; {shot:NAME};
// {wait}. A window's recording adds {seed:N}, {arg:WORD} and
// {setting:NAME = VALUE} (how the game was started), {at:POLL:DRAWS:CHECK} (the keys after it arrived at that
// poll, when DRAWS random numbers had been drawn and the state check was
// CHECK, in hex) and {end:POLL:DRAWS:CHECK} (where the recording ends).
// Steps are marked with line. Throws std::invalid_argument on a malformed
// script.
std::deque<ScriptStep> ParseKeyScript(const std::string& text, int line = 0);

// Thrown when the game waits for a key and the script has none left, or
// when a replay reaches its end.
struct ScriptExhausted {};

// Thrown when a replay finds the game elsewhere than the recording says.
struct ReplayDrift {
    std::string what;  // "line N: ..."
};

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(uint64_t startMs = 0, bool realtime = false);

    void SetScript(std::deque<ScriptStep> script) { script_ = std::move(script); }
    void AppendKeys(const std::string& text);  // in-process tests
    bool ScriptDone() const { return script_.empty(); }
    // A replay: whether keys are left, and the line of the next one.
    bool KeysLeft() const { return !script_.empty() && script_.front().kind != ScriptStep::kEnd; }
    int NextLine() const { return script_.empty() ? 0 : script_.front().line; }
    // Called with the name of each {shot:NAME} when it is reached.
    std::function<void(const std::string&)> onShot;
    // For a replay: the random draws and the state check now, compared with
    // those of each recorded key before it is delivered.
    std::function<uint64_t()> drawCount;
    std::function<uint32_t()> stateCheck;

    void PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) override;
    void WaitEvent(int timeoutMs) override;
    void Present(const uint16_t* pixels, int top, int bottom) override;
    void SleepMs(int ms) override;
    uint64_t NowMs() override { return nowMs_; }
    void Tone(int frequency, int ms) override;
    void MessageBox(const std::string& caption, const std::string& text) override;
    // Music is not played but every open, start and stop is recorded:
    // "open NAME", "open NAME failed", "play NAME", "stop NAME". A tune opens
    // when its file exists and is an Ogg stream, as the window's mixer needs.
    bool OpenMusic(const std::string& path) override;
    void PlayMusic() override;
    void StopMusic() override;
    std::vector<std::string> musicEvents;
    std::function<void(const std::string&)> onMusic;  // called with each event

    int presentCount = 0;
    int changedTop = 0, changedBottom = 0;  // the changed rows of the last present
    uint64_t sleptMs = 0;  // virtual time spent in SleepMs
    int lastWaitMs = 0;    // the timeout of the last WaitEvent
    std::vector<std::string> messages;  // message boxes shown, "caption: text"

private:
    std::deque<ScriptStep> script_;
    uint64_t nowMs_;
    bool realtime_;
    std::string tune_;  // the open tune, empty when none

    void recordMusic(const std::string& event);
    void replayPoll(const std::function<void(uint8_t)>& pushKey);
};

}  // namespace vela
