#include "platform/sdl_gamepad.h"

#include <SDL.h>
#include <SDL_syswm.h>
#ifdef SDL_VIDEO_DRIVER_X11
#include <X11/XKBlib.h>
#endif

#include <algorithm>
#include <cstdlib>

namespace vela {

namespace {

// The second bytes of the arrow keys, after a 0.
constexpr int kUp = 72, kDown = 80, kLeft = 75, kRight = 77;
// How far the stick must lean, of 32767, to count as a direction.
constexpr int kStickLean = 16000;

int arrowOfButton(int button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP: return kUp;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return kDown;
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return kLeft;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return kRight;
        default: return 0;
    }
}

int keyOfButton(int button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A: return 13;
        case SDL_CONTROLLER_BUTTON_B:
        case SDL_CONTROLLER_BUTTON_BACK: return 27;
        case SDL_CONTROLLER_BUTTON_X: return ' ';
        case SDL_CONTROLLER_BUTTON_Y: return 'p';
        case SDL_CONTROLLER_BUTTON_START: return 'g';
        default: return -1;
    }
}

}  // namespace

GamepadKeys::GamepadKeys(SDL_Window* window) {
#ifdef SDL_VIDEO_DRIVER_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    unsigned delay = 0, interval = 0;
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11 &&
        XkbGetAutoRepeatRate(info.info.x11.display, XkbUseCoreKbd, &delay, &interval) && delay > 0 && interval > 0) {
        repeatDelayMs_ = int(delay);
        repeatIntervalMs_ = int(interval);
    }
#else
    (void)window;
#endif
    // Pads already plugged in arrive as SDL_CONTROLLERDEVICEADDED events.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

GamepadKeys::~GamepadKeys() { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

void GamepadKeys::press(int arrow, const PushKey& pushKey) {
    pushKey(0);
    pushKey(uint8_t(arrow));
    heldArrow_ = arrow;
    nextRepeatMs_ = SDL_GetTicks64() + uint64_t(repeatDelayMs_);
}

void GamepadKeys::release(int arrow) {
    if (heldArrow_ == arrow) heldArrow_ = 0;
}

void GamepadKeys::followStick(int instance, const PushKey& pushKey) {
    SDL_GameController* pad = SDL_GameControllerFromInstanceID(instance);
    if (!pad) return;
    int x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    int y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    int arrow = 0;
    if (std::max(std::abs(x), std::abs(y)) >= kStickLean)
        arrow = std::abs(x) > std::abs(y) ? (x < 0 ? kLeft : kRight) : (y < 0 ? kUp : kDown);
    if (arrow == stickArrow_) return;
    release(stickArrow_);
    stickArrow_ = arrow;
    if (arrow) press(arrow, pushKey);
}

bool GamepadKeys::Handle(const SDL_Event& e, const PushKey& pushKey) {
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            SDL_GameControllerOpen(e.cdevice.which);
            return true;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(e.cdevice.which))
                SDL_GameControllerClose(pad);
            heldArrow_ = stickArrow_ = 0;
            return true;
        case SDL_CONTROLLERBUTTONDOWN:
            if (int arrow = arrowOfButton(e.cbutton.button)) {
                press(arrow, pushKey);
            } else if (int key = keyOfButton(e.cbutton.button); key >= 0) {
                pushKey(uint8_t(key));
            }
            return true;
        case SDL_CONTROLLERBUTTONUP:
            release(arrowOfButton(e.cbutton.button));
            return true;
        case SDL_CONTROLLERAXISMOTION:
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX || e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
                followStick(e.caxis.which, pushKey);
            return true;
        default:
            return false;
    }
}

void GamepadKeys::Repeat(uint64_t nowMs, const PushKey& pushKey) {
    if (!heldArrow_ || nowMs < nextRepeatMs_) return;
    pushKey(0);
    pushKey(uint8_t(heldArrow_));
    nextRepeatMs_ = nowMs + uint64_t(repeatIntervalMs_);
}

int GamepadKeys::MsUntilRepeat(uint64_t nowMs) const {
    if (!heldArrow_) return -1;
    return nowMs >= nextRepeatMs_ ? 0 : int(nextRepeatMs_ - nowMs);
}

}  // namespace vela
