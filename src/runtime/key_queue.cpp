#include "runtime/key_queue.h"

#include "runtime/platform.h"
#include "runtime/presenter.h"

namespace vela {

namespace {

struct KeyQueue {
    uint8_t slots[kKeySlots] = {};
    int head = 0;  // oldest byte
    int tail = 0;  // where the next byte goes
    bool empty() const { return head == tail; }
};

KeyQueue KeyQueueState;

// The exploration loop polls KeyPressed again and again while the player
// thinks. A poll that finds the queue empty right after another empty poll
// is the game waiting for a key (the headless platform delivers its next
// scripted key then); when nothing was drawn in between either, it sleeps
// until the next window event (or tick) instead of spinning a core.
bool lastPollEmpty = false;
uint64_t lastPollStamp = 0;
uint64_t polls = 0;
KeyObserver keyObserver;

int advance(int index) { return index == kKeySlots - 1 ? 0 : index + 1; }

}  // namespace

void PushKey(uint8_t key) {
    int next = advance(KeyQueueState.tail);
    if (next == KeyQueueState.head) return;
    KeyQueueState.slots[KeyQueueState.tail] = key;
    KeyQueueState.tail = next;
}

bool KeyPressed(IdleWait idle) {
    Platform& platform = CurrentPlatform();
    bool waiting = KeyQueueState.empty() && lastPollEmpty;
    if (waiting && DrawingStamp() == lastPollStamp) {
        PresentIfPending();
        platform.WaitEvent(idle == IdleWait::kUntilEvent ? -1 : kPresentTickMs);
    }
    ++polls;
    if (keyObserver)
        platform.PumpEvents(
            [](uint8_t key) {
                keyObserver(polls, key);
                PushKey(key);
            },
            waiting);
    else
        platform.PumpEvents(PushKey, waiting);
    PresentIfPending();
    lastPollEmpty = KeyQueueState.empty();
    lastPollStamp = DrawingStamp();
    return !KeyQueueState.empty();
}

uint8_t ReadKey() {
    while (!KeyPressed(IdleWait::kUntilEvent)) {
    }
    uint8_t key = KeyQueueState.slots[KeyQueueState.head];
    KeyQueueState.head = advance(KeyQueueState.head);
    return key;
}

uint8_t PeekKey() { return KeyQueueState.slots[KeyQueueState.head]; }

void DiscardKeys(uint8_t* lastKey) {
    lastPollEmpty = false;
    while (KeyPressed()) {
        uint8_t key = ReadKey();
        if (lastKey) *lastKey = key;
    }
    lastPollEmpty = false;
}

void Delay(int milliseconds) {
    PresentIfPending();
    if (milliseconds / 2 > 0) CurrentPlatform().SleepMs(milliseconds / 2);
}

void Beep() { CurrentPlatform().Tone(500, 200); }
void Sound(int) {}
void NoSound() {}

uint64_t PollCount() { return polls; }
void SetKeyObserver(KeyObserver observer) { keyObserver = std::move(observer); }

int QueuedKeyCount() { return (KeyQueueState.tail - KeyQueueState.head + kKeySlots) % kKeySlots; }

void ResetKeyQueue() {
    KeyQueueState = KeyQueue{};
    lastPollEmpty = false;
    lastPollStamp = 0;
    polls = 0;
}

}  // namespace vela
