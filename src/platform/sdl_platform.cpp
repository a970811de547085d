#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "screen/png_file.h"
#include "shell/halt.h"

namespace vela {

namespace {

constexpr char kCaption[] = "벨라 windows version 0.1.1";

// US keyboard: the character a shifted key types.
char shifted(char c) {
    static const char plain[] = "1234567890-=[]\\;',./`";
    static const char withShift[] = "!@#$%^&*()_+{}|:\"<>?~";
    for (int i = 0; plain[i]; ++i)
        if (plain[i] == c) return withShift[i];
    return c;
}

}  // namespace

SdlPlatform::SdlPlatform() {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) throw std::runtime_error(SDL_GetError());
    SDL_InitSubSystem(SDL_INIT_AUDIO);  // the beep; silent when there is no audio device
    window_ = SDL_CreateWindow(kCaption, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kScreenWidth,
                               kScreenHeight, SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error(SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, 0);  // no vsync: a present never waits
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) throw std::runtime_error(SDL_GetError());
    SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    // The surface is converted to 32-bit pixels here through a table, which
    // costs far less than letting the renderer convert 5-5-5 itself.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                 kScreenHeight);
    if (!texture_) throw std::runtime_error(SDL_GetError());
    // Keys are read from key-down events; text input stays off so a Korean
    // input method cannot swallow command letters.
    SDL_StopTextInput();
}

SdlPlatform::~SdlPlatform() {
    closeMixer();
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

void SdlPlatform::handleKey(const void* event, const std::function<void(uint8_t)>& pushKey) {
    const SDL_KeyboardEvent& key = *static_cast<const SDL_KeyboardEvent*>(event);
    SDL_Keycode sym = key.keysym.sym;
    Uint16 mod = key.keysym.mod;
    bool alt = mod & KMOD_ALT, shift = mod & KMOD_SHIFT, ctrl = mod & KMOD_CTRL;
    if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER))) return toggleFullscreen();
    if (sym == SDLK_F10) return stepWindowScale();
    if (sym == SDLK_F12) return saveScreenshot();
    switch (sym) {
        case SDLK_UP: pushKey(0); pushKey(72); return;
        case SDLK_DOWN: pushKey(0); pushKey(80); return;
        case SDLK_LEFT: pushKey(0); pushKey(75); return;
        case SDLK_RIGHT: pushKey(0); pushKey(77); return;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: pushKey(13); return;
        case SDLK_ESCAPE: pushKey(27); return;
        case SDLK_BACKSPACE: pushKey(8); return;
        case SDLK_TAB: pushKey(9); return;
        default: break;
    }
    if (alt || ctrl) return;
    if (sym >= SDLK_KP_1 && sym <= SDLK_KP_9) return pushKey(uint8_t('1' + (sym - SDLK_KP_1)));
    if (sym == SDLK_KP_0) return pushKey('0');
    if (sym >= 'a' && sym <= 'z') {
        bool upper = shift != bool(mod & KMOD_CAPS);
        return pushKey(uint8_t(upper ? sym - 'a' + 'A' : sym));
    }
    if (sym >= 32 && sym < 127) pushKey(uint8_t(shift ? shifted(char(sym)) : char(sym)));
}

void SdlPlatform::PumpEvents(const std::function<void(uint8_t)>& pushKey, bool) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT: throw ProgramHalt{0};
            case SDL_KEYDOWN: handleKey(&e.key, pushKey); break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                    redraw();
                break;
            default: break;
        }
    }
}

void SdlPlatform::WaitEvent(int timeoutMs) { SDL_WaitEventTimeout(nullptr, timeoutMs); }

void SdlPlatform::Present(const uint16_t* pixels) {
    lastFrame_ = pixels;
    static const std::vector<uint32_t> toArgb = [] {
        std::vector<uint32_t> table(1 << 15);
        for (uint32_t p = 0; p < table.size(); ++p) {
            uint32_t r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
            table[p] = 0xFF000000u | (r << 3 | r >> 2) << 16 | (g << 3 | g >> 2) << 8 | (b << 3 | b >> 2);
        }
        return table;
    }();
    void* target = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &target, &pitch) == 0) {
        for (int y = 0; y < kScreenHeight; ++y) {
            auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target) + y * pitch);
            const uint16_t* src = pixels + y * kScreenWidth;
            for (int x = 0; x < kScreenWidth; ++x) row[x] = toArgb[src[x] & 0x7FFF];
        }
        SDL_UnlockTexture(texture_);
    }
    redraw();
}

void SdlPlatform::redraw() {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlPlatform::SleepMs(int ms) { SDL_Delay(Uint32(ms)); }

uint64_t SdlPlatform::NowMs() { return SDL_GetTicks64(); }

void SdlPlatform::Tone(int frequency, int ms) {
    SDL_AudioSpec want{}, have{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    SDL_AudioDeviceID dev = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (dev != 0) {
        std::vector<int16_t> wave(std::size_t(have.freq) * ms / 1000);
        for (std::size_t i = 0; i < wave.size(); ++i)
            wave[i] = (i * 2 * frequency / have.freq) % 2 ? 3000 : -3000;
        SDL_QueueAudio(dev, wave.data(), Uint32(wave.size() * 2));
        SDL_PauseAudioDevice(dev, 0);
    }
    SDL_Delay(Uint32(ms));
    if (dev != 0) SDL_CloseAudioDevice(dev);
}

void SdlPlatform::MessageBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

void SdlPlatform::ErrorBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

void SdlPlatform::toggleFullscreen() {
    fullscreen_ = !fullscreen_;
    SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    redraw();
}

void SdlPlatform::stepWindowScale() {
    if (fullscreen_) return;
    scale_ = scale_ % 3 + 1;
    SDL_SetWindowSize(window_, kScreenWidth * scale_, kScreenHeight * scale_);
    redraw();
}

void SdlPlatform::saveScreenshot() {
    if (!lastFrame_) return;
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string path = std::string("vela-") + stamp + ".png";
    for (int n = 2; std::filesystem::exists(path); ++n) path = std::string("vela-") + stamp + "-" + std::to_string(n) + ".png";
    WritePng(path, RgbFrom555(lastFrame_, kScreenWidth, kScreenHeight));
}

// The mixer opens with the first tune, so a machine without sound still
// starts; a tune it cannot open or decode only means silence.
bool SdlPlatform::OpenMusic(const std::string& path) {
    StopMusic();
    if (!mixerOpen_) {
        Mix_Init(MIX_INIT_OGG);
        mixerOpen_ = Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 4096) == 0;
        if (!mixerOpen_) return false;
    }
    music_ = Mix_LoadMUS(path.c_str());
    return music_ != nullptr;
}

void SdlPlatform::PlayMusic() {
    if (music_) Mix_PlayMusic(static_cast<Mix_Music*>(music_), 1);
}

void SdlPlatform::StopMusic() {
    if (!music_) return;
    Mix_HaltMusic();
    Mix_FreeMusic(static_cast<Mix_Music*>(music_));
    music_ = nullptr;
}

void SdlPlatform::closeMixer() {
    StopMusic();
    if (mixerOpen_) Mix_CloseAudio();
    Mix_Quit();
}

}  // namespace vela
