// The game in a real SDL2 window: 640 x 480 client area, integer scaling,
// fullscreen and screenshot keys that never reach the game.
#pragma once

#include <memory>
#include <string>

#include "runtime/platform.h"
#include "platform/sdl_gamepad.h"
#include "platform/sdl_present.h"

struct SDL_Window;

namespace vela {

class SdlPlatform : public Platform {
public:
    explicit SdlPlatform(PresentWay way = PresentWay::kWindowSurface);
    ~SdlPlatform() override;

    void PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) override;
    void WaitEvent(int timeoutMs) override;
    void Present(const uint16_t* pixels, int top, int bottom) override;
    void SleepMs(int ms) override;
    uint64_t NowMs() override;
    void Tone(int frequency, int ms) override;
    void MessageBox(const std::string& caption, const std::string& text) override;
    bool OpenMusic(const std::string& path) override;
    void PlayMusic() override;
    void StopMusic() override;

    // Shown without a window, for failures before the window exists.
    static void ErrorBox(const std::string& caption, const std::string& text);

    const char* PresenterName() const { return presenter_->Name(); }

    // Called with the name of each screenshot F12 has written.
    std::function<void(const std::string&)> onScreenshot;

private:
    void handleKey(const void* keyEvent, const std::function<void(uint8_t)>& pushKey);
    void toggleFullscreen();
    void stepWindowScale();
    int largestFittingScale();
    void keepOnScreen();
    void saveScreenshot();
    void refresh();
    void closeMixer();
    bool startAudio();
    void giveUpAudio();

    SDL_Window* window_ = nullptr;
    std::unique_ptr<WindowPresenter> presenter_;
    std::unique_ptr<GamepadKeys> pads_;
    const uint16_t* lastFrame_ = nullptr;
    int scale_ = 1;
    bool fullscreen_ = false;
    bool coversDisplay_ = false;         // fullscreen without a window manager
    int windowedX_ = 0, windowedY_ = 0;  // where the window stood before
    bool exitAfterFirstFrame_ = false;
    bool mixerOpen_ = false;
    bool audioFailed_ = false;  // no sound device: not tried again
    void* music_ = nullptr;  // the open Mix_Music
};

}  // namespace vela
