#include "platform/headless_platform.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <thread>

#include "runtime/key_queue.h"

namespace vela {

namespace {

const std::map<std::string, std::vector<uint8_t>>& namedKeys() {
    static const std::map<std::string, std::vector<uint8_t>> keys = {
        {"up", {0, 72}},  {"down", {0, 80}}, {"left", {0, 75}},  {"right", {0, 77}},
        {"enter", {13}},  {"esc", {27}},     {"space", {32}},    {"bs", {8}},
        {"nul", {0}},  // a lone extended-key byte, as a full queue can leave
    };
    return keys;
}

}  // namespace

namespace {

// POLL:DRAWS:CHECK of {at:...} and {end:...} into the step.
void readTiming(const std::string& value, ScriptStep& step) {
    unsigned long long poll = 0, draws = 0;
    unsigned check = 0;
    char rest = 0;
    if (std::sscanf(value.c_str(), "%llu:%llu:%x%c", &poll, &draws, &check, &rest) != 3)
        throw std::invalid_argument("malformed timing {" + value + "} in key script");
    step.timed = true;
    step.poll = poll;
    step.draws = draws;
    step.check = check;
}

}  // namespace

std::deque<ScriptStep> ParseKeyScript(const std::string& text, int line) {
    std::deque<ScriptStep> steps;
    ScriptStep timing;  // the last {at:...}: it applies to the keys after it
    auto add = [&](ScriptStep step) {
        if (step.kind == ScriptStep::kKeys && timing.timed) {
            step.timed = true;
            step.poll = timing.poll;
            step.draws = timing.draws;
            step.check = timing.check;
        }
        step.line = line;
        steps.push_back(std::move(step));
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '{') {
            add({ScriptStep::kKeys, {uint8_t(text[i])}, {}});
            continue;
        }
        std::size_t close = text.find('}', i);
        if (close == std::string::npos) throw std::invalid_argument("unclosed { in key script");
        std::string token = text.substr(i + 1, close - i - 1);
        i = close;
        if (token.rfind("shot:", 0) == 0) {
            add({ScriptStep::kShot, {}, token.substr(5)});
            continue;
        }
        if (std::size_t colon = token.find(':'); colon != std::string::npos) {
            static const std::map<std::string, ScriptStep::Kind> kinds = {
                {"seed", ScriptStep::kSeed}, {"arg", ScriptStep::kArg}, {"setting", ScriptStep::kSetting}};
            if (auto kind = kinds.find(token.substr(0, colon)); kind != kinds.end()) {
                add({kind->second, {}, token.substr(colon + 1)});
                continue;
            }
        }
        if (token.rfind("at:", 0) == 0) {
            readTiming(token.substr(3), timing);
            continue;
        }
        if (token.rfind("end:", 0) == 0) {
            ScriptStep end{ScriptStep::kEnd, {}, {}};
            readTiming(token.substr(4), end);
            add(end);
            continue;
        }
        int repeat = 1;
        if (std::size_t star = token.find('*'); star != std::string::npos) {
            repeat = std::stoi(token.substr(star + 1));
            token = token.substr(0, star);
        }
        ScriptStep step;
        if (token == "wait") {
            step = {ScriptStep::kWait, {}, {}};
        } else if (auto it = namedKeys().find(token); it != namedKeys().end()) {
            step = {ScriptStep::kKeys, it->second, {}};
        } else if (token.size() == 1) {
            step = {ScriptStep::kKeys, {uint8_t(token[0])}, {}};
        } else {
            throw std::invalid_argument("unknown key {" + token + "} in key script");
        }
        for (int k = 0; k < repeat; ++k) add(step);
    }
    return steps;
}

HeadlessPlatform::HeadlessPlatform(uint64_t startMs, bool realtime) : nowMs_(startMs), realtime_(realtime) {}

void HeadlessPlatform::AppendKeys(const std::string& text) {
    for (auto& step : ParseKeyScript(text)) script_.push_back(std::move(step));
}

void HeadlessPlatform::PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) {
    if (!script_.empty() && script_.front().timed) return replayPoll(pushKey);
    // A scripted key arrives only while the game really waits: on the second
    // empty poll in a row. Discarding pending keys never counts as waiting,
    // so it never eats one, and a script means the same thing every run.
    if (!waiting) return;
    while (!script_.empty() && script_.front().kind == ScriptStep::kShot) {
        std::string name = script_.front().name;
        script_.pop_front();
        if (onShot) onShot(name);
    }
    if (script_.empty()) throw ScriptExhausted{};
    ScriptStep step = std::move(script_.front());
    script_.pop_front();
    if (step.kind == ScriptStep::kKeys)
        for (uint8_t b : step.bytes) pushKey(b);
}

// A recorded key arrives at the poll it arrived at in the window, whether
// the game waits or not (keys typed ahead, keys read by a loop that rolls
// dice between polls), once the random draws and the state check say the
// game is where the window was.
void HeadlessPlatform::replayPoll(const std::function<void(uint8_t)>& pushKey) {
    const uint64_t poll = PollCount();
    while (!script_.empty() && script_.front().timed && script_.front().poll <= poll) {
        ScriptStep step = std::move(script_.front());
        script_.pop_front();
        auto drift = [&](const std::string& what) {
            throw ReplayDrift{"line " + std::to_string(step.line) + ": " + what};
        };
        if (step.poll < poll) drift("the game polled past poll " + std::to_string(step.poll));
        if (drawCount && drawCount() != step.draws)
            drift(std::to_string(drawCount()) + " random numbers drawn, the window had drawn " +
                  std::to_string(step.draws));
        if (stateCheck && stateCheck() != step.check) {
            char checks[40];
            std::snprintf(checks, sizeof checks, "%08x, the window's %08x", stateCheck(), step.check);
            drift(std::string("the game's state differs: check ") + checks);
        }
        if (step.kind == ScriptStep::kEnd) throw ScriptExhausted{};
        for (uint8_t b : step.bytes) pushKey(b);
    }
}

// Only a scripted key ends a wait here, and it is delivered by the poll that
// follows; a wait without a time limit passes 10 ms of virtual time.
void HeadlessPlatform::WaitEvent(int timeoutMs) {
    lastWaitMs = timeoutMs;
    nowMs_ += uint64_t(timeoutMs < 0 ? 10 : timeoutMs);
}

void HeadlessPlatform::Present(const uint16_t*, int top, int bottom) {
    ++presentCount;
    changedTop = top;
    changedBottom = bottom;
}

void HeadlessPlatform::SleepMs(int ms) {
    nowMs_ += uint64_t(ms);
    sleptMs += uint64_t(ms);
    if (realtime_) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void HeadlessPlatform::Tone(int, int ms) { SleepMs(ms); }

void HeadlessPlatform::MessageBox(const std::string& caption, const std::string& text) {
    messages.push_back(caption + ": " + text);
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
}

bool HeadlessPlatform::OpenMusic(const std::string& path) {
    char magic[4] = {};
    std::ifstream in(path, std::ios::binary);
    bool decodable = in.read(magic, 4) && std::string(magic, 4) == "OggS";
    tune_ = decodable ? path : "";
    recordMusic("open " + path + (decodable ? "" : " failed"));
    return decodable;
}

void HeadlessPlatform::PlayMusic() {
    if (!tune_.empty()) recordMusic("play " + tune_);
}

void HeadlessPlatform::StopMusic() {
    if (!tune_.empty()) recordMusic("stop " + tune_);
    tune_.clear();
}

void HeadlessPlatform::recordMusic(const std::string& event) {
    musicEvents.push_back(event);
    if (onMusic) onMusic(event);
}

}  // namespace vela
