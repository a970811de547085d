// The game in a real window, played with SDL's virtual joystick (run under
// Xvfb by gamepad.sh, in a folder holding a game saved in slot 1). The pad
// is plugged in while the game waits on the map; the d-pad steps the party
// once, the left stick held repeats like a held key and walks on, X opens
// the camp menu and B closes it; a pad pulled out and plugged in again works
// at once. Exit status 0 when every check held.
#include <SDL.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/play_game.h"
#include "game/state/party.h"
#include "platform/sdl_platform.h"
#include "runtime/halt.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {
namespace {

int failures = 0;

void check(bool ok, const std::string& what) {
    std::printf("gamepad: %s: %s\n", ok ? "ok" : "FAIL", what.c_str());
    if (!ok) ++failures;
}

// The window, with a hand on the pad: every time the game waits for a key,
// the next step of the script runs; a step that answers false runs again at
// the next wait.
class PadHand : public Platform {
public:
    explicit PadHand(SdlPlatform& window) : window_(window) {}

    std::vector<std::function<bool()>> steps;
    int arrowsTyped = 0;  // arrow keys the pad has typed so far
    bool finished() const { return next_ == steps.size(); }

    void PumpEvents(const std::function<void(uint8_t)>& pushKey, bool waiting) override {
        window_.PumpEvents(
            [&](uint8_t key) {
                if (afterZero_ && (key == 72 || key == 75 || key == 77 || key == 80)) ++arrowsTyped;
                afterZero_ = key == 0;
                pushKey(key);
            },
            waiting);
    }
    void WaitEvent(int timeoutMs) override {
        if (next_ < steps.size()) {
            if (steps[next_]()) ++next_;
            if (finished()) throw ProgramHalt{0};
            timeoutMs = 20;  // the pad's events come from polling
        }
        window_.WaitEvent(timeoutMs);
    }
    void Present(const uint16_t* pixels, int top, int bottom) override { window_.Present(pixels, top, bottom); }
    void SleepMs(int ms) override { window_.SleepMs(ms); }
    uint64_t NowMs() override { return window_.NowMs(); }
    void Tone(int frequency, int ms) override { window_.Tone(frequency, ms); }
    void MessageBox(const std::string& caption, const std::string& text) override {
        window_.MessageBox(caption, text);
    }
    bool OpenMusic(const std::string& path) override { return window_.OpenMusic(path); }
    void PlayMusic() override { window_.PlayMusic(); }
    void StopMusic() override { window_.StopMusic(); }

private:
    SdlPlatform& window_;
    std::size_t next_ = 0;
    bool afterZero_ = false;
};

SDL_Joystick* plugPad() {
    int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                          SDL_CONTROLLER_BUTTON_MAX, 0);
    return index < 0 ? nullptr : SDL_JoystickOpen(index);
}

void pullPad(SDL_Joystick* pad) {
    int instance = SDL_JoystickInstanceID(pad);
    SDL_JoystickClose(pad);
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == instance) SDL_JoystickDetachVirtual(i);
}

}  // namespace
}  // namespace vela

int main() {
    using namespace vela;
    SdlPlatform window;
    PadHand hand(window);
    SetPlatform(&hand);

    std::string seen;  // every text drawn, in UTF-8
    SetTextObserver([&](int, int, int, std::string_view johab) { seen += JohabToUtf8(johab) + "\n"; });

    SDL_Joystick* pad = nullptr;
    int x = 0, arrows = 0;
    auto button = [&](SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(pad, b, down ? 1 : 0);
        return true;
    };
    auto press = [&](SDL_GameControllerButton b) {
        hand.steps.push_back([&, b] { return button(b, true); });
        hand.steps.push_back([&, b] { return button(b, false); });
    };
    hand.steps = {
        [&] {
            x = PartyX;
            pad = plugPad();
            check(pad != nullptr, "a virtual pad is plugged in");
            return true;
        },
    };
    press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    hand.steps.push_back([&] {
        check(PartyX == x + 1, "the d-pad stepped the party once to the right");
        x = PartyX;
        arrows = hand.arrowsTyped;
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);
        return true;
    });
    // Held until it has repeated twice; then the stick goes back to the middle.
    hand.steps.push_back([&] { return hand.arrowsTyped >= arrows + 3; });
    hand.steps.push_back([&] {
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 0);
        return true;
    });
    hand.steps.push_back([&] {
        int typed = hand.arrowsTyped - arrows;
        check(typed >= 3, "the stick held to the right repeated (" + std::to_string(typed) + " arrows)");
        check(PartyX == x + typed, "each of them was a step (" + std::to_string(PartyX - x) + " squares)");
        x = PartyX;
        seen.clear();
        return true;
    });
    press(SDL_CONTROLLER_BUTTON_X);
    hand.steps.push_back([&] {
        check(seen.find("당신의 명령을 고르시오") != std::string::npos, "X opened the camp menu");
        return true;
    });
    press(SDL_CONTROLLER_BUTTON_B);
    hand.steps.push_back([&] {
        pullPad(pad);
        pad = plugPad();
        check(pad != nullptr, "the pad is pulled out and plugged in again");
        return true;
    });
    press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    hand.steps.push_back([&] {
        check(PartyX == x - 1, "B closed the menu, and the pad plugged in again stepped the party left");
        return true;
    });

    try {
        PlayGame({"/g", "/m"});
    } catch (const ProgramHalt&) {
    }
    check(hand.finished(), "the game played every step");
    std::printf("gamepad: %s\n", failures ? "FAILED" : "all checks passed");
    return failures ? 1 : 0;
}
