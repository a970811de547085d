// The two ways the SDL window shows the game's surface.
//
// By default each frame is converted straight into the window's own surface,
// scaled by a whole number with nearest-neighbour copies and centred on black
// when the window is larger (fullscreen), and only the rows that changed are
// sent to the window system. No renderer and no 3D library is involved: the
// game starts faster, stays smaller and presents faster on machines without a
// graphics card.
//
// The accelerated way draws through an SDL renderer and a streaming texture,
// for those who prefer their GPU to scale the picture.
#pragma once

#include <cstdint>
#include <memory>

struct SDL_Window;

namespace vela {

enum class PresentWay { kWindowSurface, kRenderer };

class WindowPresenter {
public:
    virtual ~WindowPresenter() = default;
    // Shows frame, of which rows top .. bottom - 1 changed since the last call.
    virtual void Show(const uint16_t* frame, int top, int bottom) = 0;
    // Shows frame again after the window was exposed, resized or switched to
    // or from fullscreen.
    virtual void Refresh(const uint16_t* frame) = 0;
    // "x11/window surface", "x11/opengl": what the frames go through.
    virtual const char* Name() const = 0;
};

// Falls back from the window surface to the renderer when the video driver
// offers no usable window surface; throws std::runtime_error when SDL cannot
// present at all.
std::unique_ptr<WindowPresenter> MakeWindowPresenter(SDL_Window* window, PresentWay way);

}  // namespace vela
