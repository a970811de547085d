// The game in a browser tab, compiled to WebAssembly: frames on a 640 x 480
// canvas, keys from the page's keyboard events, waits that hand control back
// to the browser until the next event (ASYNCIFY), music and the beep through
// Web Audio, and the game's folder kept in the browser's storage. The page's
// side is web_platform.js.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/platform.h"

namespace vela {

class WebPlatform : public Platform {
public:
    // Makes gameFolder the current folder: the saved games kept in the
    // browser's storage (IDBFS) are read back into it and the packed data
    // files of dataFolder are copied in where they differ. Every fsync of a
    // file or of the folder there writes the folder back to that storage
    // (emscripten's fsync does so under ASYNCIFY), so a save is stored at
    // each step of its crash-safe sequence, and a storage the browser
    // refuses makes the save fail and say so. The game plays either way.
    WebPlatform(const std::string& dataFolder, const std::string& gameFolder);

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

private:
    std::vector<uint32_t> table_;  // every 5-5-5 value as an RGBA pixel
    std::vector<uint32_t> canvas_;  // the canvas's pixels, 640 x 480 RGBA
    double lastYieldMs_ = 0;
};

}  // namespace vela
