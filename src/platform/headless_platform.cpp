#include "platform/headless_platform.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>
#include <thread>

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

std::deque<ScriptStep> ParseKeyScript(const std::string& text) {
    std::deque<ScriptStep> steps;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '{') {
            steps.push_back({ScriptStep::kKeys, {uint8_t(text[i])}, {}});
            continue;
        }
        std::size_t close = text.find('}', i);
        if (close == std::string::npos) throw std::invalid_argument("unclosed { in key script");
        std::string token = text.substr(i + 1, close - i - 1);
        i = close;
        if (token.rfind("shot:", 0) == 0) {
            steps.push_back({ScriptStep::kShot, {}, token.substr(5)});
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
        for (int k = 0; k < repeat; ++k) steps.push_back(step);
    }
    return steps;
}

HeadlessPlatform::HeadlessPlatform(uint64_t startMs, bool realtime) : nowMs_(startMs), realtime_(realtime) {}

void HeadlessPlatform::AppendKeys(const std::string& text) {
    for (auto& step : ParseKeyScript(text)) script_.push_back(std::move(step));
}

void HeadlessPlatform::PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) {
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
