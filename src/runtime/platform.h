// The one interface between the game and the machine it runs on. The game
// above this layer is plain C++; SdlPlatform shows a real window,
// HeadlessPlatform runs scripted sessions for tests and the harness.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vela {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

class Platform {
public:
    virtual ~Platform() = default;

    // Handles every pending window event; key bytes go to pushKey in typing
    // order. A close request from the window manager throws ProgramHalt.
    // waiting tells that the game polls an empty key queue for the second
    // time in a row: the headless platform delivers a scripted key only then.
    virtual void PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) = 0;
    // Blocks until a window event arrives or timeoutMs passes; a negative
    // timeout waits for the event however long it takes.
    virtual void WaitEvent(int timeoutMs) = 0;
    // Shows a 640 x 480 surface of 5-5-5 pixels of which only rows
    // top .. bottom - 1 changed since the last call (none when top = bottom).
    virtual void Present(const uint16_t* pixels, int top, int bottom) = 0;
    virtual void SleepMs(int ms) = 0;
    virtual uint64_t NowMs() = 0;
    virtual void Tone(int frequency, int ms) = 0;
    virtual void MessageBox(const std::string& caption, const std::string& text) = 0;
    // Background music, one tune at a time. OpenMusic loads a tune file by
    // name and answers false when it is missing or cannot be decoded;
    // PlayMusic plays the open tune once from its start; StopMusic stops and
    // closes it.
    virtual bool OpenMusic(const std::string& path) = 0;
    virtual void PlayMusic() = 0;
    virtual void StopMusic() = 0;
};

// The platform the game runs on; set once by the program entry.
Platform& CurrentPlatform();
void SetPlatform(Platform* platform);

}  // namespace vela
