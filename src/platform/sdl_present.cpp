#include "platform/sdl_present.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/platform.h"

namespace vela {

namespace {

// Every 5-5-5 value as a pixel of the target format.
std::vector<uint32_t> conversionTable(const SDL_PixelFormat* format) {
    std::vector<uint32_t> table(1 << 15);
    for (uint32_t p = 0; p < table.size(); ++p) {
        auto wide = [](uint32_t five) { return Uint8(five << 3 | five >> 2); };
        table[p] = SDL_MapRGB(format, wide(p >> 10 & 31), wide(p >> 5 & 31), wide(p & 31));
    }
    return table;
}

// Where and how large the frame lands on a target of pixels: scaled by
// `scale`, its top-left at (left, top), only the first columns and rows that
// fit.
struct Placement {
    int scale = 1, left = 0, top = 0, columns = kScreenWidth, rows = kScreenHeight;
};

Placement centred(int width, int height) {
    Placement p;
    p.scale = std::max(1, std::min(width / kScreenWidth, height / kScreenHeight));
    p.left = std::max(0, (width - kScreenWidth * p.scale) / 2);
    p.top = std::max(0, (height - kScreenHeight * p.scale) / 2);
    p.columns = std::min(kScreenWidth, (width - p.left) / p.scale);
    p.rows = std::min(kScreenHeight, (height - p.top) / p.scale);
    return p;
}

// Converts frame rows first .. last - 1 into target through the table.
template <typename Pixel>
void convertRows(const uint16_t* frame, int first, int last, const std::vector<uint32_t>& table, uint8_t* target,
                 int pitch, const Placement& at) {
    last = std::min(last, at.rows);
    const std::size_t rowBytes = std::size_t(at.columns) * std::size_t(at.scale) * sizeof(Pixel);
    for (int y = first; y < last; ++y) {
        const uint16_t* src = frame + y * kScreenWidth;
        uint8_t* line = target + std::size_t(at.top + y * at.scale) * std::size_t(pitch);
        Pixel* out = reinterpret_cast<Pixel*>(line) + at.left;
        if (at.scale == 1) {
            for (int x = 0; x < at.columns; ++x) out[x] = Pixel(table[src[x] & 0x7FFF]);
        } else {
            for (int x = 0; x < at.columns; ++x) {
                Pixel value = Pixel(table[src[x] & 0x7FFF]);
                std::fill_n(out + x * at.scale, at.scale, value);
            }
        }
        for (int k = 1; k < at.scale; ++k)
            std::memcpy(line + std::size_t(k) * std::size_t(pitch) + at.left * sizeof(Pixel), out, rowBytes);
    }
}

class SurfacePresenter : public WindowPresenter {
public:
    explicit SurfacePresenter(SDL_Window* window) : window_(window) {
        // Without this SDL backs the window surface with an OpenGL texture.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface) throw std::runtime_error(SDL_GetError());
        int bytes = surface->format->BytesPerPixel;
        if (bytes != 2 && bytes != 4)
            throw std::runtime_error("window surface of " + std::to_string(bytes) + " bytes per pixel");
        name_ = std::string(SDL_GetCurrentVideoDriver()) + "/window surface";
    }

    void Show(const uint16_t* frame, int top, int bottom) override {
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface) return;
        if (fitTo(surface))
            drawWhole(surface, frame);
        else if (top < bottom)
            draw(surface, frame, top, bottom);
    }

    void Refresh(const uint16_t* frame) override {
        SDL_Surface* surface = SDL_GetWindowSurface(window_);
        if (!surface) return;
        if (fitTo(surface))
            drawWhole(surface, frame);
        else
            SDL_UpdateWindowSurface(window_);  // the surface still holds the frame
    }

    const char* Name() const override { return name_.c_str(); }

private:
    // Converts rows top .. bottom - 1 and sends them to the window.
    void draw(SDL_Surface* surface, const uint16_t* frame, int top, int bottom) {
        convert(surface, frame, top, bottom);
        SDL_Rect changed{at_.left, at_.top + top * at_.scale, at_.columns * at_.scale,
                         (std::min(bottom, at_.rows) - top) * at_.scale};
        if (changed.h > 0) SDL_UpdateWindowSurfaceRects(window_, &changed, 1);
    }

    // The frame and the black around it.
    void drawWhole(SDL_Surface* surface, const uint16_t* frame) {
        convert(surface, frame, 0, kScreenHeight);
        SDL_UpdateWindowSurface(window_);
    }

    void convert(SDL_Surface* surface, const uint16_t* frame, int top, int bottom) {
        if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
        auto* pixels = static_cast<uint8_t*>(surface->pixels);
        if (surface->format->BytesPerPixel == 4)
            convertRows<uint32_t>(frame, top, bottom, table_, pixels, surface->pitch, at_);
        else
            convertRows<uint16_t>(frame, top, bottom, table_, pixels, surface->pitch, at_);
        if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    }

    // Places the frame on a new or resized surface, clearing it to black.
    // True when the whole frame must be drawn again.
    bool fitTo(SDL_Surface* surface) {
        if (surface == surface_ && surface->w == width_ && surface->h == height_) return false;
        if (!surface_ || surface->format->format != formatCode_) table_ = conversionTable(surface->format);
        surface_ = surface;
        width_ = surface->w;
        height_ = surface->h;
        formatCode_ = surface->format->format;
        at_ = centred(width_, height_);
        SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
        return true;
    }

    SDL_Window* window_;
    SDL_Surface* surface_ = nullptr;
    int width_ = 0, height_ = 0;
    Uint32 formatCode_ = 0;
    std::vector<uint32_t> table_;
    Placement at_;
    std::string name_;
};

class RendererPresenter : public WindowPresenter {
public:
    explicit RendererPresenter(SDL_Window* window) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        renderer_ = SDL_CreateRenderer(window, -1, 0);  // no vsync: a present never waits
        if (!renderer_) renderer_ = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
        if (!renderer_) throw std::runtime_error(SDL_GetError());
        SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
        SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, kScreenWidth,
                                     kScreenHeight);
        if (!texture_) throw std::runtime_error(SDL_GetError());
        SDL_PixelFormat* argb = SDL_AllocFormat(SDL_PIXELFORMAT_ARGB8888);
        table_ = conversionTable(argb);
        SDL_FreeFormat(argb);
        SDL_RendererInfo info{};
        SDL_GetRendererInfo(renderer_, &info);
        name_ = std::string(SDL_GetCurrentVideoDriver()) + "/" + info.name;
    }

    ~RendererPresenter() override {
        if (texture_) SDL_DestroyTexture(texture_);
        if (renderer_) SDL_DestroyRenderer(renderer_);
    }

    void Show(const uint16_t* frame, int top, int bottom) override {
        if (top >= bottom) return;
        SDL_Rect rows{0, top, kScreenWidth, bottom - top};
        void* target = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture_, &rows, &target, &pitch) == 0) {
            // The locked pointer is the first changed row.
            convertRows<uint32_t>(frame + top * kScreenWidth, 0, bottom - top, table_, static_cast<uint8_t*>(target),
                                  pitch, Placement{});
            SDL_UnlockTexture(texture_);
        }
        render();
    }

    void Refresh(const uint16_t*) override { render(); }

    const char* Name() const override { return name_.c_str(); }

private:
    void render() {
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
        SDL_RenderPresent(renderer_);
    }

    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    std::vector<uint32_t> table_;
    std::string name_;
};

}  // namespace

std::unique_ptr<WindowPresenter> MakeWindowPresenter(SDL_Window* window, PresentWay way) {
    if (way == PresentWay::kWindowSurface) {
        try {
            return std::make_unique<SurfacePresenter>(window);
        } catch (const std::runtime_error& e) {
            // A video driver without window surfaces, or an unusual pixel
            // format: the renderer can still show the game.
            std::fprintf(stderr, "vela: no window surface (%s); drawing through the renderer\n", e.what());
        }
    }
    return std::make_unique<RendererPresenter>(window);
}

}  // namespace vela
