// The keyboard as a text-mode game sees it: a ring of 100 byte slots filled
// from the window's key events and read one byte at a time, plus the delay
// and the beep.
#pragma once

#include <cstdint>
#include <functional>

namespace vela {

constexpr int kKeySlots = 100;

// An arrow key arrives as two bytes: 0, then one of these.
constexpr uint8_t kKeyUp = 72, kKeyDown = 80, kKeyLeft = 75, kKeyRight = 77;
constexpr uint8_t kKeyEnter = 13, kKeyEsc = 27, kKeyBackspace = 8, kKeySpace = 32;

// How an idle poll waits (the second poll in a row to find the queue empty,
// with nothing drawn in between): for the next window event but at most one
// 10 ms tick, so a loop that animates or rolls dice between polls keeps its
// pace; or for the next window event however long it takes, for a caller
// with nothing to do until the player acts. Either way whatever is drawn
// but not yet shown is presented first.
enum class IdleWait { kTick, kUntilEvent };

void PushKey(uint8_t key);        // drops the byte when the queue is full
// Handles window events, then: is a byte waiting?
bool KeyPressed(IdleWait idle = IdleWait::kTick);
uint8_t ReadKey();                // waits for a byte (without ticking) and takes it
uint8_t PeekKey();                // the oldest waiting byte, left in place; call after KeyPressed() said one waits
// Reads every waiting byte (the last one into *lastKey when given). Use it
// for every "discard pending keys": it never counts as the game waiting, so
// two discards in a row cannot make the harness deliver a key to be eaten.
void DiscardKeys(uint8_t* lastKey = nullptr);
void Delay(int milliseconds);     // sleeps half the given time, without events
void Beep();                      // 500 Hz for 200 ms
void Sound(int frequency);        // accepted, silent
void NoSound();                   // accepted, silent

// Every KeyPressed polls the window's events once; the polls are counted
// from the start. A session's recording notes the poll at which each key
// byte arrived, and its replay delivers the byte at that same poll.
uint64_t PollCount();
using KeyObserver = std::function<void(uint64_t poll, uint8_t key)>;
void SetKeyObserver(KeyObserver observer);  // sees every byte the window types

int QueuedKeyCount();
void ResetKeyQueue();             // tests: empty queue, fresh idle state

}  // namespace vela
