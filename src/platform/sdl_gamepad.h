// Game controllers read as a keyboard through SDL's game controller API,
// with pads plugged in and pulled out while the game runs. Every button is
// written as the key bytes the keyboard gives, so the game knows nothing of
// pads: the d-pad and the left stick are the arrows, repeating while held as
// the keyboard's keys do; A is Enter, B and Back Esc, X Space (the camp
// menu), Y P (the party), Start G (the game options).
#pragma once

#include <cstdint>
#include <functional>

union SDL_Event;
struct SDL_Window;

namespace vela {

class GamepadKeys {
public:
    using PushKey = std::function<void(uint8_t)>;

    // Takes the repeat delay and rate of the window's keyboard.
    explicit GamepadKeys(SDL_Window* window);
    ~GamepadKeys();
    GamepadKeys(const GamepadKeys&) = delete;
    GamepadKeys& operator=(const GamepadKeys&) = delete;

    // Opens and closes plugged and pulled pads and types what a pad's
    // buttons and stick mean; false for an event that is not a pad's.
    bool Handle(const SDL_Event& event, const PushKey& pushKey);
    // Types the held direction again when its repeat is due.
    void Repeat(uint64_t nowMs, const PushKey& pushKey);
    // How long a wait for events may last before the next repeat is due:
    // -1 when no direction is held.
    int MsUntilRepeat(uint64_t nowMs) const;

private:
    void press(int arrow, const PushKey& pushKey);
    void release(int arrow);
    void followStick(int instance, const PushKey& pushKey);

    int repeatDelayMs_ = 500, repeatIntervalMs_ = 33;
    int heldArrow_ = 0;   // the second byte of the held arrow, 0 when none
    int stickArrow_ = 0;  // where the left stick points, 0 when in the middle
    uint64_t nextRepeatMs_ = 0;
};

}  // namespace vela
