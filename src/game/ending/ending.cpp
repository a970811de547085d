#include "game/ending/ending.h"

#include <array>
#include <string_view>

#include "audio/music.h"
#include "game/ui/speech.h"
#include "game/state/party.h"
#include "game/state/random.h"
#include "game/ui/messages.h"
#include "game/world/map_data.h"
#include "game/world/map_view.h"
#include "screen/fonts.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"
#include "game/ui/quit.h"

namespace vela {

namespace {

// Palette entry 6 is the lightning: dull brown at rest, pale blue in a flash.
constexpr int kLightning = 6;
constexpr Rgb kRest{40, 20, 0}, kFlash{10, 20, 63};

// A single key wait that keeps a key typed while the text was written.
void waitKey() {
    if (ReadKey() == 0) ReadKey();
}

// The palette holds indices, not the pixels: a flash redraws the bolt over
// the sky of the speech screen in the lightning colour.
void lightning(Rgb c) {
    SetPaletteEntry(kLightning, c.r, c.g, c.b);
    SetColor(kLightning);
    constexpr int bolt[][2] = {{560, 0}, {540, 40}, {556, 44}, {528, 96}, {546, 100}, {510, 170}};
    for (std::size_t i = 1; i < std::size(bolt); ++i) Line(bolt[i - 1][0], bolt[i - 1][1], bolt[i][0], bolt[i][1]);
    Present();
}

void speech() {
    Curtain();
    ClearMessages();
    Say(TextColour::Scene, {" 일행은 남은 힘을 모두 모아 당신을"_j,
                            "에레보스의 공간으로 밀어 보냈다. 차원의"_j,
                            "틈이 열리자 살을 에는 어둠이 당신을"_j,
                            "휘감았고, 당신의 갑옷은 종잇장처럼"_j,
                            "부서져 흩어졌다."_j,
                            "",
                            " 그리고 어둠 한가운데에서 그가 기다렸다."_j});
    waitKey();

    LoadHangulFont(0);
    ClearDevice();
    const std::string_view words[] = {
        "어리석은 것. 스스로 나의 공간에 발을 들이다니."_j,
        "이곳에는 빛도, 시간도, 너를 기억할 자도 없다."_j,
        "네 아비도 저 제단 앞에서 똑같은 눈을 하고 있었지."_j,
        "그리고 그도 결국 나를 막지 못했다."_j,
        "스물여섯 해 동안 나는 봉인 너머에서 기다렸다."_j,
        "너희가 평화라고 부른 그 시간은 나의 잠이었을 뿐."_j,
        "네 동료들은 저 위에서 내 문이 닫히기를 빌고 있겠지."_j,
        "하지만 이 문은 안에서만 닫힌다."_j,
        "그리고 안에 남는 자는 나와 함께 사라진다."_j,
        "너의 이름이, 너의 발자취가,"_j,
        "너를 기억하는 모든 이의 기억이 함께 지워진다."_j,
        "아무도 너를 부르지 않을 것이고, 아무도"_j,
        "네가 있었다는 것조차 모를 것이다. 그래도 하겠느냐?"_j,
    };
    int y = 50;
    for (std::string_view line : words) {
        WriteAt(50, y, TextColour::DarkWords, line, false);
        y += 20;
    }
    // The hero's answer, and the words that close the gate.
    const std::string_view answer[] = {
        "\"...좋다. 그렇다면 함께 무로 돌아가자!\""_j,
        "\"닫혀라, 세계의 틈이여. 빛은 빛으로, 어둠은 무로!\""_j,
    };
    y += 10;
    for (std::string_view line : answer) {
        WriteAt(50, y, TextColour::HeroWords, line, false);
        y += 20;
    }
    y += 10;
    const std::string_view fall[] = {
        "당신의 몸이 빛이 되어 부서지는 순간, 에레보스의 비명이"_j,
        "여덟 갈래로 찢어지며 어둠과 함께 스러졌다."_j,
        "그리고 세상은 다시 쓰였다. 처음부터 에레보스라는"_j,
        "존재가 없었던 세상으로. 당신이 없었던 세상으로."_j,
    };
    for (std::string_view line : fall) {
        WriteAt(50, y, TextColour::Scene, line, false);
        y += 20;
    }

    // Keys pressed while he spoke are not an answer to anything.
    DiscardKeys();
    lightning(kFlash);
    Delay(40);
    lightning(kRest);
    Delay(100);
    lightning(kFlash);
    Delay(100);
    lightning(kRest);
}

void waitUnderLightning() {
    LoadHangulFont(2);
    Party.MapNumber = kTarn;
    Party.SavedX = 91;
    Party.SavedY = 80;
    lightning(kRest);
    while (!KeyPressed()) {
        if (Random(1000) != 0) continue;
        if (Random(100) != 0) continue;
        lightning(kFlash);
        Delay(20 + Random(100));
        lightning(kRest);
    }
    waitKey();
}

constexpr int kFigureX = 98;
constexpr int kFigureTile = 50, kGroundTile = 47;

const std::string_view kClosingTail[] = {
    " 오늘은 하늘이 참 맑구먼. 동쪽 바다 위에"_j,
    "별 하나 떠오르지 않는 밤이 벌써 몇 해째야."_j,
    "",
    " 그런데 말이야, 가끔 이상한 꿈을 꿔."_j,
    "누군가 우리를 위해 먼 길을 떠났던 꿈."_j,
    "얼굴도 이름도 생각나지 않는데, 깨고 나면"_j,
    "괜히 고맙다는 생각이 들더라고."_j,
    "",
    " 꿈이겠지. 자, 일이나 하세. 오늘도 타른은"_j,
    "평화로우니까."_j,
};

void writeClosingTalk() {
    ClearMessages();
    // The one line that names the hero: a name a friend half remembers.
    WriteMessage3(TextColour::Speech, TextColour::Speech, " ", Member[1].Name.str(), "... 어디서 들어 본 이름 같은데."_j);
    for (std::string_view line : kClosingTail) WriteMessage(TextColour::Speech, line);
}

// The peaceful town, as the fade redraws it.
void drawPeacefulTown(bool figureArrived) {
    SetFillStyle(1, 8);
    Bar(0, 0, kMaxX, kMaxY);
    DrawMapView(false);
    if (figureArrived) PutTile(kFigureX, 24 * 6, TileImage(kFigureTile), false);
}

void peacefulTown() {
    LoadMap();
    SoundOn = 0;
    Party.Flags[FlagTorch] = 255;
    drawPeacefulTown(false);
    PressAnyKey();

    PutTile(kFigureX, 264, TileImage(kFigureTile), false);
    for (int k = 10; k >= 6; --k) {
        Delay(1000);
        PutTile(kFigureX, 24 * (k + 1), TileImage(kGroundTile), false);
        PutTile(kFigureX, 24 * k, TileImage(kFigureTile), false);
    }
    writeClosingTalk();
    waitKey();

    for (int level = 0; level <= 310; level += 10) {
        for (int entry = 0; entry <= 14; ++entry) {
            Rgb c = FadeToWhiteColour(entry, level);
            SetPaletteEntry(entry, c.r, c.g, c.b);
        }
        drawPeacefulTown(true);
        writeClosingTalk();
        Present();
        Delay(50);
    }
}

}  // namespace

Rgb FadeToWhiteColour(int entry, int level) {
    auto a = uint8_t(level / 5), b = uint8_t(level / 15 + 42), c = uint8_t(2 * level / 15 + 21), d = uint8_t(62);
    const std::array<Rgb, 15> ramps = {{{a, a, a}, {a, a, b}, {a, b, a}, {a, b, b}, {b, a, a}, {b, a, b},
                                        {b, c, a}, {b, b, b}, {c, c, c}, {a, a, d}, {a, d, a}, {a, d, d},
                                        {d, a, a}, {d, a, d}, {d, d, a}}};
    return ramps[std::size_t(entry)];
}

void Ending() {
    speech();
    waitUnderLightning();
    peacefulTown();
    StopMusic();
    QuitGame();
}

}  // namespace vela
