#include "platform/web_platform.h"

#include <emscripten.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include "files/file_bytes.h"

// The page's side, in web_platform.js.
extern "C" {
void vela_web_start();
void vela_web_open_storage(const char* folder);
void vela_web_waiting_poll();
int vela_web_next_key();  // a key byte, or -1 when none waits
void vela_web_wait(int timeoutMs);
void vela_web_present(const uint32_t* rows, int top, int bottom);
void vela_web_tone(int frequency, int ms);
void vela_web_message(const char* caption, const char* text);
int vela_web_music_open(const char* path);
void vela_web_music_play();
void vela_web_music_stop();
}

namespace vela {

namespace {

// A game file's largest size: the biggest tune is well under it.
constexpr std::size_t kLargestFile = 16 << 20;

// The longest the game may compute without handing control back to the
// browser, which shows frames and delivers keys only then.
constexpr double kLongestRunMs = 50;

// Copies every file of from into to whose bytes differ there. Files left
// alone keep the time they were stored with and are not stored again; the
// others reach the browser's storage with the first save.
void copyChangedFiles(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(from)) {
        if (!entry.is_regular_file()) continue;
        fs::path target = fs::path(to) / entry.path().filename();
        if (ReadUpTo(entry.path().string(), kLargestFile) != ReadUpTo(target.string(), kLargestFile))
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
    }
}

}  // namespace

WebPlatform::WebPlatform(const std::string& dataFolder, const std::string& gameFolder)
    : table_(1 << 15), canvas_(std::size_t(kScreenWidth) * kScreenHeight) {
    for (uint32_t p = 0; p < table_.size(); ++p) {
        auto wide = [](uint32_t five) { return five << 3 | five >> 2; };
        table_[p] = wide(p >> 10 & 31) | wide(p >> 5 & 31) << 8 | wide(p & 31) << 16 | 0xFF000000u;
    }
    vela_web_start();
    vela_web_open_storage(gameFolder.c_str());
    copyChangedFiles(dataFolder, gameFolder);
    if (::chdir(gameFolder.c_str()) != 0) throw std::runtime_error("cannot enter " + gameFolder);
}

void WebPlatform::PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) {
    // A loop that polls without waiting or sleeping would otherwise keep the
    // keys it waits for from ever arriving.
    if (emscripten_get_now() - lastYieldMs_ > kLongestRunMs) SleepMs(0);
    if (waiting) vela_web_waiting_poll();
    for (int key; (key = vela_web_next_key()) >= 0;) pushKey(uint8_t(key));
}

void WebPlatform::WaitEvent(int timeoutMs) {
    vela_web_wait(timeoutMs);
    lastYieldMs_ = emscripten_get_now();
}

void WebPlatform::Present(const uint16_t* pixels, int top, int bottom) {
    for (int i = top * kScreenWidth; i < bottom * kScreenWidth; ++i) canvas_[i] = table_[pixels[i] & 0x7FFF];
    if (top < bottom) vela_web_present(canvas_.data(), top, bottom);
}

void WebPlatform::SleepMs(int ms) {
    emscripten_sleep(unsigned(ms));
    lastYieldMs_ = emscripten_get_now();
}

uint64_t WebPlatform::NowMs() { return uint64_t(emscripten_get_now()); }

void WebPlatform::Tone(int frequency, int ms) {
    vela_web_tone(frequency, ms);
    SleepMs(ms);
}

void WebPlatform::MessageBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    vela_web_message(caption.c_str(), text.c_str());
}

bool WebPlatform::OpenMusic(const std::string& path) { return vela_web_music_open(path.c_str()) != 0; }

void WebPlatform::PlayMusic() { vela_web_music_play(); }

void WebPlatform::StopMusic() { vela_web_music_stop(); }

}  // namespace vela
