#include "app/recording.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>

#include "files/durable_file.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/state/state_json.h"
#include "game/world/map_data.h"
#include "runtime/key_queue.h"
#include "runtime/settings.h"

namespace vela {

namespace {

// The key-script text of one byte; an arrow's first byte (0) is held until
// its second shows what it was.
std::string keyText(uint8_t key) {
    switch (key) {
        case 0: return "{nul}";
        case 8: return "{bs}";
        case 13: return "{enter}";
        case 27: return "{esc}";
        case 32: return "{space}";
        case '{': return "{{}";
        default: return std::string(1, char(key));
    }
}

std::string arrowText(uint8_t key) {
    switch (key) {
        case kKeyUp: return "{up}";
        case kKeyDown: return "{down}";
        case kKeyLeft: return "{left}";
        case kKeyRight: return "{right}";
        default: return "";
    }
}

std::string timing(const char* name, uint64_t poll) {
    char text[80];
    std::snprintf(text, sizeof text, "{%s:%llu:%llu:%08x}", name, (unsigned long long)poll,
                  (unsigned long long)RandomDraws(), StateCheck());
    return text;
}

void hash(uint32_t& h, const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) h = (h ^ static_cast<const uint8_t*>(data)[i]) * 16777619u;
}

}  // namespace

uint32_t StateCheck() {
    uint32_t h = 2166136261u;
    hash(h, &Party, sizeof Party);
    hash(h, &Member, sizeof Member);
    hash(h, &PartyX, sizeof PartyX);
    hash(h, &PartyY, sizeof PartyY);
    return h;
}

SessionRecorder::SessionRecorder(const std::string& path, const std::vector<std::string>& args) {
    const auto seed = uint32_t(std::chrono::system_clock::now().time_since_epoch().count());
    SeedRandom(seed);
    SetKeyObserver([this](uint64_t poll, uint8_t key) { Key(poll, key); });
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) std::fprintf(stderr, "vela: cannot record the session in %s\n", path.c_str());
    std::string head = "# A session of the game in its window; vela-headless --replay FILE plays it again.\n{seed:" +
                       std::to_string(seed) + "}";
    for (const std::string& arg : args) head += "{arg:" + arg + "}";
    // The one setting that changes what the game shows: Backspace says
    // whether it turned the footsteps on or off.
    if (!UserSettings.footsteps) head += "{setting:footsteps = no}";
    write(head);
}

SessionRecorder::~SessionRecorder() {
    SetKeyObserver(nullptr);
    write(endLine());
    write("\n");
    if (file_) std::fclose(file_);
}

void SessionRecorder::write(const std::string& text) {
    text_ += text;
    if (!file_) return;
    std::fputs(text.c_str(), file_);
    std::fflush(file_);
}

void SessionRecorder::Key(uint64_t poll, uint8_t key) {
    std::string text;
    if (poll != linePoll_) {
        if (zeroPending_) text += "{nul}";
        zeroPending_ = false;
        text += "\n" + timing("at", poll);
        linePoll_ = poll;
    }
    if (zeroPending_) {
        zeroPending_ = false;
        std::string arrow = arrowText(key);
        text += arrow.empty() ? "{nul}" + keyText(key) : arrow;
    } else if (key == 0) {
        zeroPending_ = true;
    } else {
        text += keyText(key);
    }
    write(text);
}

std::string SessionRecorder::endLine() const {
    return (zeroPending_ ? "{nul}\n" : "\n") + timing("end", PollCount());
}

bool SessionRecorder::CopyTo(const std::string& path, std::string& error) {
    return ReplaceFile(path, text_ + endLine() + "\n", error);
}

void SessionRecorder::WriteReport(const std::string& screenshot) {
    std::string stem = screenshot.substr(0, screenshot.rfind('.')), error;
    if (!CopyTo(stem + ".keys", error) ||
        !ReplaceFile(stem + ".json", StateJson(MapKind, MapWidth, MapHeight) + "\n", error))
        std::fprintf(stderr, "vela: %s\n", error.c_str());
}

std::string NewSessionName() {
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string name = std::string("session-") + stamp + ".keys";
    for (int n = 2; std::filesystem::exists(name); ++n) name = std::string("session-") + stamp + "-" + std::to_string(n) + ".keys";
    return name;
}

void PruneSessions(const std::string& folder, int keep) {
    std::error_code ec;
    std::vector<std::filesystem::path> sessions;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (name.starts_with("session-") && name.ends_with(".keys")) sessions.push_back(entry.path());
    }
    std::sort(sessions.begin(), sessions.end());  // the names sort by time
    for (std::size_t i = 0; i + keep < sessions.size(); ++i) std::filesystem::remove(sessions[i], ec);
}

}  // namespace vela
