// The town services a keeper's talk block opens: the four shops, the
// hospital, the guild with its schools and class-change offices, and the
// training ground. Each is one blocking screen in the message window.
#pragma once

#include <cstdint>
#include <string>

namespace vela {

void FoodShop();
void ArmsShop();
// The arms shop's prices; 0 for what it does not sell.
int32_t WeaponPrice(int weapon);
int32_t ShieldPrice(int shield);
int32_t ArmourPrice(int armour);
void HerbShop();
void GoodsShop();

void Hospital();
// What each treatment costs member m; the price of healing rounds a half to
// the even neighbour.
int32_t HealPrice(int slot);
int32_t CurePrice(int slot);
int32_t WakePrice(int slot);
int32_t RevivePrice(int slot);

void Guild();
void FighterSchool();
void MageSchool();
void FighterClassChange();
void MageClassChange();
// The highest value class 1..7 may train skill 1..6 to at each school; 0:
// not at all.
int SchoolMax(bool mageSchool, int cls, int skill);

void TrainingGround();

// The number right-aligned in `width` characters, as the price lists show it.
std::string RightAligned(int32_t n, int width);

}  // namespace vela
