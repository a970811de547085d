#include "game/ui/messages.h"

#include <limits>
#include <string>

#include "game/state/party.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/text_output.h"
#include "runtime/key_queue.h"

namespace vela {

void ClearMessages() {
    Bar(kMessageLeft, kMessageTop, kMessageRight, kMessageBottom);
    TextCursor.y = kMessageStartY;
}

void PressAnyKey() {
    WriteLineNoScroll(260, 272, TextColour::Prompt, "아무키나 누르십시오 ..."_j);
    // Keys typed before the prompt showed are not an answer to it.
    DiscardKeys(&LastKey);
    LastKey = ReadKey();
    if (LastKey == 0) LastKey = ReadKey();
    ClearMessages();
}

void WriteMessage(TextColour colour, std::string_view text) {
    TextCursor.y += 16;
    TextCursor.x = kMessageX;
    WriteContinue(colour, text);
}

// An empty text draws nothing, so its colour does not matter.
void WriteBlankLine() { WriteMessage(TextColour::Narration, ""); }

void WriteMessagePart(TextColour colour, std::string_view text, bool newLine) {
    if (newLine) {
        WriteMessage(colour, text);
        return;
    }
    WriteContinue(colour, text);
}

void WriteMessage3(TextColour colour1, TextColour colour2, std::string_view text1, std::string_view text2,
                   std::string_view text3) {
    WriteMessagePart(colour1, text1, true);
    WriteMessagePart(colour2, text2, false);
    WriteMessagePart(colour1, text3, false);
}

void ClearAndWrite(TextColour colour, std::string_view text) {
    ClearMessages();
    WriteMessage(colour, text);
}

void GainGold(int32_t amount) {
    ClearMessages();
    WriteMessage(TextColour::Scene, std::string("당신은 금화 "_j) + std::to_string(amount) + std::string("개를 발견했다."_j));
    // Gold stays a signed 32-bit count; a huge find saturates instead of
    // wrapping the purse negative.
    int64_t gold = int64_t(Party.Gold) + amount;
    if (gold > std::numeric_limits<int32_t>::max()) gold = std::numeric_limits<int32_t>::max();
    if (gold < std::numeric_limits<int32_t>::min()) gold = std::numeric_limits<int32_t>::min();
    Party.Gold = int32_t(gold);
}

void SayAsYouWish() { ClearAndWrite(TextColour::Speech, "당신이 바란다면 ..."_j); }
void SayNotEnoughMoney() { ClearAndWrite(TextColour::Refusal, "당신은 충분한 돈이 없습니다."_j); }
void SayThankYou() { ClearAndWrite(TextColour::Speech, "매우 고맙습니다."_j); }

}  // namespace vela
