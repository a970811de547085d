// The window's recording of a session: the seed, the words the game was
// started with and every key byte the window typed, in the harness's
// key-script syntax, one poll to a line and flushed as it goes, so a crash or
// a killed process still leaves it whole. `vela-headless --replay FILE` plays
// it again, screen for screen: each key is delivered at the poll it arrived
// at, and the random draws and a check of the party noted with it show
// where a replay first drifts.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vela {

// A check of the party, its members and its position (FNV-1a).
uint32_t StateCheck();

// Recording starts with the recorder: it seeds the game's random numbers
// from the clock, writes the seed and the game's words, and from then on
// sees every key byte the window types.
class SessionRecorder {
public:
    // A file that cannot be made means no recording, said once on standard
    // error; the game plays on.
    SessionRecorder(const std::string& path, const std::vector<std::string>& args);
    ~SessionRecorder();  // ends the recording where the game stands
    SessionRecorder(const SessionRecorder&) = delete;
    SessionRecorder& operator=(const SessionRecorder&) = delete;

    // A key byte typed at the poll.
    void Key(uint64_t poll, uint8_t key);
    // The recording up to now, ended at the current poll, written to path
    // through the crash-safe writer.
    bool CopyTo(const std::string& path, std::string& error);
    // Beside a screenshot NAME.png (F12): NAME.keys, the recording up to
    // that moment, and NAME.json, the game's state as the harness's --state
    // writes it. A failure is one line on standard error.
    void WriteReport(const std::string& screenshot);

private:
    void write(const std::string& text);
    std::string endLine() const;

    std::FILE* file_ = nullptr;
    std::string text_;  // everything written so far
    uint64_t linePoll_ = 0;
    bool zeroPending_ = false;  // the first byte of an arrow, its second not seen yet
};

// session-YYYYMMDD-HHMMSS.keys for now (local time), -2, -3, ... added
// when the current folder already holds that name.
std::string NewSessionName();
// The window keeps this many automatic recordings.
constexpr int kSessionsKept = 5;
// Removes all but the newest keep session-*.keys files of folder.
void PruneSessions(const std::string& folder, int keep);

}  // namespace vela
