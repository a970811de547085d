// What a member's body and mind can hold, and the words the camp writes
// about a member.
#pragma once

#include <cstdint>
#include <string>

namespace vela {

// Full hit points: Endurance x Level x 10.
int FullHP(int slot);
// Full magic points: Mentality x Level x 10 for the mage family, x 5 for a
// class-7 fighter, 0 for everyone else.
int FullSP(int slot);
// The mage family and class-7 fighters have magic points.
bool HasMagic(int slot);
// A value kept in an i16 field, saturated instead of wrapped.
int16_t ClampToI16(long value);

// The member's name followed by 은/는 as its last syllable wants.
std::string NameTopic(int slot);

}  // namespace vela
