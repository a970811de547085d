// The game in a real SDL2 window: 640 x 480 client area, integer scaling,
// fullscreen and screenshot keys that never reach the game.
#pragma once

#include <string>

#include "platform/platform.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace vela {

class SdlPlatform : public Platform {
public:
    SdlPlatform();
    ~SdlPlatform() override;

    void PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) override;
    void WaitEvent(int timeoutMs) override;
    void Present(const uint16_t* pixels) override;
    void SleepMs(int ms) override;
    uint64_t NowMs() override;
    void Tone(int frequency, int ms) override;
    void MessageBox(const std::string& caption, const std::string& text) override;
    bool OpenMusic(const std::string& path) override;
    void PlayMusic() override;
    void StopMusic() override;

    // Shown without a window, for failures before the window exists.
    static void ErrorBox(const std::string& caption, const std::string& text);

private:
    void handleKey(const void* keyEvent, const std::function<void(uint8_t)>& pushKey);
    void toggleFullscreen();
    void stepWindowScale();
    void saveScreenshot();
    void redraw();
    void closeMixer();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    const uint16_t* lastFrame_ = nullptr;
    int scale_ = 1;
    bool fullscreen_ = false;
    bool mixerOpen_ = false;
    void* music_ = nullptr;  // the open Mix_Music
};

}  // namespace vela
