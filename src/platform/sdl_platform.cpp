#include "platform/sdl_platform.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_syswm.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "screen/png_file.h"
#include "runtime/halt.h"
#include "runtime/settings.h"

namespace vela {

namespace {

constexpr char kCaption[] = "벨라 windows version 0.1.1";

// A screenshot ("vela-<date>-<time>.png") cut short by a kill leaves its
// temporary "<name>.tmp" (see ReplaceFile) behind; the next start removes it.
void removeCutScreenshots() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(".", ec)) {
        std::string name = entry.path().filename().string();
        if (name.starts_with("vela-") && name.ends_with(".png.tmp")) std::filesystem::remove(entry.path(), ec);
    }
}

// US keyboard: the character a shifted key types.
char shifted(char c) {
    static const char plain[] = "1234567890-=[]\\;',./`";
    static const char withShift[] = "!@#$%^&*()_+{}|:\"<>?~";
    for (int i = 0; plain[i]; ++i)
        if (plain[i] == c) return withShift[i];
    return c;
}

#ifdef SDL_VIDEO_DRIVER_X11
int ignoreXError(Display*, XErrorEvent*) { return 0; }

// The window a window property names, or None.
Window windowProperty(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    Window value = None;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1, False, XA_WINDOW, &type,
                           &format, &count, &after, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        value = Window(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return value;
}
#endif

// Whether a window manager makes the window fullscreen when SDL asks for it.
// On X11 SDL only asks (the _NET_WM_STATE message) and takes the window to
// be as large as the desktop at once; with no window manager nobody answers,
// the window keeps its size, and the picture centred for the desktop lands
// off its place and cut. A running manager names a window of its own on the
// root window, and names it again on that window.
bool windowManagerDoesFullscreen(SDL_Window* window) {
#ifdef SDL_VIDEO_DRIVER_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    Display* display = info.info.x11.display;
    // A manager that has gone leaves its window's name behind: reading the
    // vanished window must not end the game.
    XSync(display, False);
    auto previousHandler = XSetErrorHandler(ignoreXError);
    Window manager = windowProperty(display, DefaultRootWindow(display), "_NET_SUPPORTING_WM_CHECK");
    bool running = manager != None && windowProperty(display, manager, "_NET_SUPPORTING_WM_CHECK") == manager;
    XSync(display, False);
    XSetErrorHandler(previousHandler);
    return running;
#else
    (void)window;
    return true;
#endif
}

// ALSA writes its own error lines to the terminal when there is no sound
// card; the game is silent then and says nothing. SDL loads the library
// itself, so its error handler is reached through the loader.
void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void silenceAlsa() {
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    void* alsa = dlopen("libasound.so.2", RTLD_LAZY);
    if (!alsa) return;
    if (auto setHandler = reinterpret_cast<int (*)(ErrorHandler)>(dlsym(alsa, "snd_lib_error_set_handler")))
        setHandler(ignoreAlsaError);
}

}  // namespace

SdlPlatform::SdlPlatform(PresentWay way) {
    removeCutScreenshots();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) throw std::runtime_error(SDL_GetError());
    window_ = SDL_CreateWindow(kCaption, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kScreenWidth,
                               kScreenHeight, SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error(SDL_GetError());
    presenter_ = MakeWindowPresenter(window_, way);
    pads_ = std::make_unique<GamepadKeys>(window_);
    // The size and fullscreen of the last run; a scale too large for this
    // display is cut down.
    scale_ = std::min(UserSettings.windowScale, largestFittingScale());
    if (scale_ > 1) {
        SDL_SetWindowSize(window_, kScreenWidth * scale_, kScreenHeight * scale_);
        keepOnScreen();
    }
    if (UserSettings.fullscreen) toggleFullscreen();
    // Keys are read from key-down events; text input stays off so a Korean
    // input method cannot swallow command letters.
    SDL_StopTextInput();
    // For timing start-up (bench/window.sh): end right after the first frame.
    exitAfterFirstFrame_ = std::getenv("VELA_EXIT_AFTER_FIRST_FRAME") != nullptr;
}

SdlPlatform::~SdlPlatform() {
    closeMixer();
    pads_.reset();
    presenter_.reset();
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

void SdlPlatform::handleKey(const void* event, const std::function<void(uint8_t)>& pushKey) {
    const SDL_KeyboardEvent& key = *static_cast<const SDL_KeyboardEvent*>(event);
    SDL_Keycode sym = key.keysym.sym;
    Uint16 mod = key.keysym.mod;
    bool alt = mod & KMOD_ALT, shift = mod & KMOD_SHIFT, ctrl = mod & KMOD_CTRL;
    if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER))) {
        toggleFullscreen();
        UserSettings.fullscreen = fullscreen_;
        return SaveSettings();
    }
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
                    refresh();
                break;
            default: pads_->Handle(e, pushKey); break;
        }
    }
    pads_->Repeat(NowMs(), pushKey);
}

void SdlPlatform::WaitEvent(int timeoutMs) {
    // A direction held on a pad repeats without events.
    int repeatMs = pads_->MsUntilRepeat(NowMs());
    if (repeatMs >= 0 && (timeoutMs < 0 || repeatMs < timeoutMs)) timeoutMs = repeatMs;
    if (timeoutMs < 0)
        SDL_WaitEvent(nullptr);
    else
        SDL_WaitEventTimeout(nullptr, timeoutMs);
}

void SdlPlatform::Present(const uint16_t* pixels, int top, int bottom) {
    lastFrame_ = pixels;
    presenter_->Show(pixels, top, bottom);
    if (exitAfterFirstFrame_) {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "vela: first frame shown at %lld.%09ld\n", (long long)now.tv_sec, now.tv_nsec);
        throw ProgramHalt{0};
    }
}

void SdlPlatform::refresh() {
    if (lastFrame_) presenter_->Refresh(lastFrame_);
}

void SdlPlatform::SleepMs(int ms) { SDL_Delay(Uint32(ms)); }

uint64_t SdlPlatform::NowMs() { return SDL_GetTicks64(); }

// The audio subsystem starts with the first beep or tune, which keeps start-up
// short. Without a sound device it is closed again at once and never tried
// again: left running, its hot-plug thread would wake the waiting game ten
// times a second.
bool SdlPlatform::startAudio() {
    if (audioFailed_) return false;
    if (SDL_WasInit(SDL_INIT_AUDIO)) return true;
    silenceAlsa();
    audioFailed_ = SDL_InitSubSystem(SDL_INIT_AUDIO) != 0;
    return !audioFailed_;
}

void SdlPlatform::giveUpAudio() {
    audioFailed_ = true;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlPlatform::Tone(int frequency, int ms) {
    SDL_AudioSpec want{}, have{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    SDL_AudioDeviceID dev = startAudio() ? SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0) : 0;
    if (dev == 0 && !mixerOpen_ && !audioFailed_) giveUpAudio();
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

// Without a window manager to do it, the window itself is moved to the
// display's corner and made as large as the display, and put back after.
void SdlPlatform::toggleFullscreen() {
    fullscreen_ = !fullscreen_;
    if (fullscreen_) coversDisplay_ = !windowManagerDoesFullscreen(window_);
    if (!coversDisplay_) {
        SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    } else if (fullscreen_) {
        SDL_Rect display{};
        SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &display);
        SDL_GetWindowPosition(window_, &windowedX_, &windowedY_);
        SDL_SetWindowPosition(window_, display.x, display.y);
        SDL_SetWindowSize(window_, display.w, display.h);
    } else {
        SDL_SetWindowSize(window_, kScreenWidth * scale_, kScreenHeight * scale_);
        SDL_SetWindowPosition(window_, windowedX_, windowedY_);
    }
    refresh();
}

// The largest whole-number scale at which the window, frame included, fits
// the usable part of its display (the desktop less panels and docks).
int SdlPlatform::largestFittingScale() {
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable) != 0) return 1;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);  // all 0 without a window manager
    int scale = std::min((usable.w - left - right) / kScreenWidth, (usable.h - top - bottom) / kScreenHeight);
    return std::max(scale, 1);
}

void SdlPlatform::keepOnScreen() {
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable) != 0) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(window_, &x, &y);
    SDL_GetWindowSize(window_, &w, &h);
    int nx = std::max(usable.x + left, std::min(x, usable.x + usable.w - right - w));
    int ny = std::max(usable.y + top, std::min(y, usable.y + usable.h - bottom - h));
    if (nx != x || ny != y) SDL_SetWindowPosition(window_, nx, ny);
}

// F10 steps through the window sizes that fit the display: 1x, 2x, ... 1x.
void SdlPlatform::stepWindowScale() {
    if (fullscreen_) return;
    scale_ = scale_ % largestFittingScale() + 1;
    UserSettings.windowScale = scale_;
    SaveSettings();
    SDL_SetWindowSize(window_, kScreenWidth * scale_, kScreenHeight * scale_);
    keepOnScreen();
    refresh();
}

void SdlPlatform::saveScreenshot() {
    if (!lastFrame_) return;
    char stamp[32];
    std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    std::string path = std::string("vela-") + stamp + ".png";
    for (int n = 2; std::filesystem::exists(path); ++n) path = std::string("vela-") + stamp + "-" + std::to_string(n) + ".png";
    if (WritePng(path, RgbFrom555(lastFrame_, kScreenWidth, kScreenHeight)) && onScreenshot) onScreenshot(path);
}

// The mixer opens with the first tune, so a machine without sound still
// starts; a tune it cannot open or decode only means silence.
bool SdlPlatform::OpenMusic(const std::string& path) {
    StopMusic();
    if (!mixerOpen_) {
        if (!startAudio()) return false;
        Mix_Init(MIX_INIT_OGG);
        mixerOpen_ = Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 4096) == 0;
        if (!mixerOpen_) {
            Mix_Quit();
            giveUpAudio();
            return false;
        }
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
