// What drawing costs: one 24 x 24 image, one message-window line of Hangul,
// one scroll of the message area, one redraw of the map view, and presents
// through the real SDL window both ways. bench/report.sh turns one run into
// ratios between them.
//
// The drawing benchmarks run on HeadlessPlatform, so they measure our own
// pixel work (the presents they request are only counted). The present
// benchmarks open a real SdlPlatform window: on the X display in DISPLAY
// when there is one (e.g. under Xvfb), else on SDL's offscreen video driver.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "game/state/party.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "platform/headless_platform.h"
#include "platform/sdl_platform.h"
#include "screen/fonts.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace {

using namespace vela;

// A fresh screen on the headless platform; the fonts come from the built
// data, read the way the game reads them, from the current directory.
struct HeadlessScreen {
    HeadlessPlatform platform{0, false};
    HeadlessScreen() {
        SetPlatform(&platform);
        ResetKeyQueue();
        InitGraph(0, 0);
        ResetPalette();
    }
    ~HeadlessScreen() {
        CloseGraph();
        SetPlatform(nullptr);
    }
};

void loadFonts() {
    static bool loaded = false;
    if (loaded) return;
    std::filesystem::current_path(VELA_DATA_DIR);
    LoadAsciiFont();
    LoadHangulFont(2);
    loaded = true;
}

// A 24 x 24 four-plane image (3 bytes per plane row) with every colour used.
std::array<uint8_t, 4 + 24 * 4 * 3> makeImage() {
    std::array<uint8_t, 4 + 24 * 4 * 3> image{};
    image[0] = 23;
    image[2] = 23;
    uint32_t x = 12345;
    for (std::size_t i = 4; i < image.size(); ++i) {
        x = x * 1103515245u + 12345u;
        image[i] = uint8_t(x >> 16);
    }
    return image;
}

void BM_PutImage24(benchmark::State& state) {
    HeadlessScreen screen;
    auto image = makeImage();
    for (auto _ : state) {
        PutImage(300, 200, image.data(), kPutCopy);
        benchmark::DoNotOptimize(Screen.data());
    }
}
BENCHMARK(BM_PutImage24);

void BM_MessageLine20Hangul(benchmark::State& state) {
    loadFonts();
    HeadlessScreen screen;
    ResetTextState();
    // Twenty syllables, 320 pixels: one full line of the message window.
    static constexpr auto johab = "어둠의성으로향하는용사들이마침내도착했다"_j;
    static_assert(johab.view().size() == 40);
    const std::string_view line = johab.view();
    for (auto _ : state) {
        WriteLineNoScroll(TextWindow.left, TextWindow.top, TextColour::Narration, line);
        benchmark::DoNotOptimize(Screen.data());
    }
}
BENCHMARK(BM_MessageLine20Hangul);

void BM_ScrollTextWindow(benchmark::State& state) {
    HeadlessScreen screen;
    ResetTextState();
    SetWaitOnScroll(0);
    for (auto _ : state) {
        ScrollTextWindow();
        benchmark::DoNotOptimize(Screen.data());
    }
    ResetTextState();
}
BENCHMARK(BM_ScrollTextWindow);

// The 9 x 11 cells of the map view in 타른 by day, the party in the middle.
void BM_MapViewRedraw(benchmark::State& state) {
    loadFonts();
    HeadlessScreen screen;
    ResetGameState();
    ResetMapState();
    Party.MapNumber = kTarn;
    Party.SavedX = 10;
    Party.SavedY = 48;
    LoadMap();
    Party.Hour = 12;
    SoundOn = 0;
    for (auto _ : state) {
        DrawMapView(true);
        benchmark::DoNotOptimize(Screen.data());
    }
}
BENCHMARK(BM_MapViewRedraw);

// Presents through SdlPlatform, `rows` rows changed each time (480: the
// whole screen; 264: the rows of the map view).
void sdlPresent(benchmark::State& state, PresentWay way, int rows) {
    // No X display: the offscreen driver still runs SdlPlatform's real
    // conversion and presenting code.
    if (!std::getenv("DISPLAY") && !std::getenv("SDL_VIDEODRIVER")) setenv("SDL_VIDEODRIVER", "offscreen", 1);
    std::unique_ptr<SdlPlatform> platform;
    try {
        platform = std::make_unique<SdlPlatform>(way);
    } catch (const std::exception& e) {
        state.SkipWithError((std::string("no SDL window: ") + e.what()).c_str());
        return;
    }
    // A busy screen, different every frame, so nothing can be skipped.
    std::array<uint16_t, 640 * 480> frame{};
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = uint16_t(i * 2654435761u >> 17);
    uint32_t frameNo = 0;
    int top = rows == 480 ? 0 : 24;
    for (auto _ : state) {
        frame[std::size_t(top * 640) + frameNo++ % std::size_t(rows * 640)] ^= 0x7FFF;
        platform->Present(frame.data(), top, top + rows);
    }
    state.SetLabel(platform->PresenterName());
}

void BM_PresentWindowSurface(benchmark::State& state) { sdlPresent(state, PresentWay::kWindowSurface, 480); }
BENCHMARK(BM_PresentWindowSurface)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_PresentWindowSurfaceMapRows(benchmark::State& state) { sdlPresent(state, PresentWay::kWindowSurface, 264); }
BENCHMARK(BM_PresentWindowSurfaceMapRows)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_PresentRenderer(benchmark::State& state) { sdlPresent(state, PresentWay::kRenderer, 480); }
BENCHMARK(BM_PresentRenderer)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
