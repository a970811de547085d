#include <algorithm>
#include <array>
#include <string>

#include "game/state/party_goods.h"
#include "game/state/names.h"
#include "game/state/party.h"
#include "game/state/particles.h"
#include "game/state/rules.h"
#include "game/town/services.h"
#include "game/ui/menus.h"
#include "game/ui/messages.h"
#include "game/ui/party_panel.h"
#include "screen/johab.h"
#include "screen/text_output.h"

namespace vela {

namespace {

constexpr std::array<int32_t, 28> kWeaponPrices = {
    500,  3000, 5000,  7000,  12000, 40000, 70000,  500,  3000, 5000, 10000, 30000, 60000, 100000,
    100, 1000, 1500, 4000, 8000, 35000, 50000, 200, 300, 800, 2000, 5000, 10000, 30000,
};
constexpr std::array<int32_t, 5> kShieldPrices = {3000, 15000, 45000, 80000, 150000};
constexpr std::array<int32_t, 10> kArmourPrices = {2000,   5000,   22000,  45000,  75000,
                                                   100000, 140000, 200000, 350000, 500000};
constexpr std::array<int32_t, 5> kHerbPrices = {2000, 3000, 1000, 5000, 10000};
constexpr std::array<int32_t, 6> kGoodsPrices = {500, 4000, 300, 500, 1000, 5000};

std::string number(int32_t n) { return std::to_string(n); }

void writePrice(int y, int32_t price, int width) {
    std::string text = std::string("금 "_j) + (width > 0 ? RightAligned(price, width) : number(price)) + std::string(" 개"_j);
    WriteLineNoScroll(420, y, TextColour::Price, text);
}

// One piece of equipment bought for a member: false when nothing changed.
enum class Piece { Weapon, Shield, Armour };

void buyPiece(Piece piece, int which, int32_t price) {
    if (price > Party.Gold) {
        SayNotEnoughMoney();
        PressAnyKey();
        ClearMessages();
        return;
    }
    std::string name = piece == Piece::Weapon ? WeaponName(which) : piece == Piece::Shield ? ShieldName(which) : ArmourName(which);
    WriteMessage(TextColour::Keeper, std::string("누가 이 "_j) + WithParticle(name, Particle::Object) + std::string(" 사용하시겠습니까 ?"_j));
    int slot = SelectMember(false);
    if (slot == 0) {
        SayAsYouWish();
        PressAnyKey();
        ClearMessages();
        return;
    }
    std::string who = Member[slot].Name.str();
    bool fits = piece == Piece::Weapon ? CanUseWeapon(slot, which) : piece == Piece::Shield ? CanUseShield(slot) : CanUseArmour(slot, which);
    if (!fits) {
        if (piece == Piece::Weapon) {
            ClearMessages();
            WriteMessage(TextColour::Refusal, std::string(" 이 무기는 "_j) + who + std::string("에게는 맞지 않습니다."_j));
        } else {
            WriteMessage(TextColour::Refusal,
                         WithParticle(who, Particle::Topic) +
                             (piece == Piece::Shield ? std::string(" 이 방패를 사용 할 수 없습니다."_j)
                                                     : std::string(" 이 갑옷을 사용 할 수 없습니다."_j)));
        }
        PressAnyKey();
        return;
    }
    if (piece == Piece::Weapon) Member[slot].Weapon = uint8_t(which);
    if (piece == Piece::Shield) Member[slot].Shield = uint8_t(which);
    if (piece == Piece::Armour) Member[slot].Armour = uint8_t(which);
    UpdateEquipment(slot);
    Party.Gold -= price;
    ClearMessages();
}

void weaponList(int kind) {
    for (;;) {
        TextCursor.y = 15;
        WriteMessage(TextColour::Keeper, "어떤 무기를 원하십니까 ?"_j);
        MenuItems[0].clear();
        for (int i = 1; i <= 7; ++i) MenuItems[i] = WeaponName((kind - 1) * 7 + i);
        for (int i = 8; i <= kMenuChoices; ++i) MenuItems[i].clear();
        for (int i = 1; i <= 7; ++i) writePrice(70 + 16 * (i - 1), kWeaponPrices[(kind - 1) * 7 + i - 1], 0);
        int choice = Select(70, 7, 7, false, true);
        if (choice == 0) return;
        int weapon = (kind - 1) * 7 + choice;
        buyPiece(Piece::Weapon, weapon, kWeaponPrices[weapon - 1]);
    }
}

void shieldOrArmourList(Piece piece) {
    bool shields = piece == Piece::Shield;
    int count = shields ? 5 : 10;
    int y = shields ? 90 : 80;
    for (;;) {
        WriteMessage(TextColour::Keeper,
                     shields ? std::string_view("어떤 방패를 원하십니까 ?"_j) : std::string_view("어떤 갑옷을 원하십니까 ?"_j));
        MenuItems[0].clear();
        for (int i = 1; i <= kMenuChoices; ++i)
            MenuItems[i] = i > count ? std::string() : shields ? ShieldName(i) : ArmourName(i);
        for (int i = 1; i <= count; ++i) writePrice(y + 16 * (i - 1), shields ? kShieldPrices[i - 1] : kArmourPrices[i - 1], 6);
        int choice = Select(y, count, count, false, true);
        if (choice == 0) return;
        buyPiece(piece, choice, shields ? kShieldPrices[choice - 1] : kArmourPrices[choice - 1]);
    }
}

// The herb and goods shops: a kind, then a count of 1..10.
struct CountShop {
    std::string_view welcome, prompt;
    std::initializer_list<std::string_view> names;
    const int32_t* prices;
    bool arrowsFirst;  // entry 1 is arrows, sold ten at a time
    int firstItem;     // Party.Items index of the first (other) entry
};

void countShop(const CountShop& shop) {
    int kinds = int(shop.names.size());
    ClearMessages();
    for (;;) {
        WriteMessage(TextColour::Keeper, shop.welcome);
        WriteBlankLine();
        WriteMessage(TextColour::Keeper, shop.prompt);
        MenuItems[0].clear();
        int i = 1;
        for (std::string_view name : shop.names) MenuItems[i++] = std::string(name);
        for (; i <= kMenuChoices; ++i) MenuItems[i].clear();
        int kind = Select(116, kinds, kinds, false, true);
        if (kind == 0) return;
        bool arrows = shop.arrowsFirst && kind == 1;
        std::string name = MenuItems[kind];
        int32_t price = shop.prices[kind - 1];
        WriteMessage(TextColour::Keeper, " 갯수를 지정 하십시오."_j);
        MenuItems[0].clear();
        for (int q = 1; q <= 10; ++q)
            MenuItems[q] = name + "  " + RightAligned(arrows ? 10 * q : q, 2) + std::string("개 : "_j) + std::string("금 "_j) +
                           number(price * q) + std::string(" 개"_j);
        int q = Select(100, 10, 10, false, true);
        if (q == 0) continue;
        if (Party.Gold >= price * q) {
            Party.Gold -= price * q;
            if (arrows)
                AddArrows(10 * q);
            else
                AddItem(shop.firstItem + kind - (shop.arrowsFirst ? 2 : 1), q);
        } else {
            WriteMessage(TextColour::Refusal, " 당신에게는 이 것을 살 돈이 없습니다."_j);
            PressAnyKey();
        }
    }
}

}  // namespace

int32_t WeaponPrice(int weapon) {
    return weapon >= 1 && weapon <= int(kWeaponPrices.size()) ? kWeaponPrices[weapon - 1] : 0;
}
int32_t ShieldPrice(int shield) {
    return shield >= 1 && shield <= int(kShieldPrices.size()) ? kShieldPrices[shield - 1] : 0;
}
int32_t ArmourPrice(int armour) {
    return armour >= 1 && armour <= int(kArmourPrices.size()) ? kArmourPrices[armour - 1] : 0;
}

std::string RightAligned(int32_t n, int width) {
    std::string s = number(n);
    return std::string(std::max<int>(0, width - int(s.size())), ' ') + s;
}

void FoodShop() {
    WriteMessage(TextColour::Keeper, "여기는 식료품점 입니다."_j);
    WriteMessage(TextColour::Keeper, "몇개를 원하십니까 ?"_j);
    MenuItems[0].clear();
    MenuItems[1] = "필요 없습니다"_j;
    for (int n = 1; n <= 5; ++n)
        MenuItems[n + 1] = number(10 * n) + std::string(" 인분 : 금 "_j) + number(100 * n) + std::string(" 개"_j);
    for (int i = 7; i <= kMenuChoices; ++i) MenuItems[i].clear();
    int answer = Select(95, 6, 6, false, true);
    if (answer < 2) {
        SayAsYouWish();
        return;
    }
    int n = answer - 1;
    if (100 * n > Party.Gold) {
        SayNotEnoughMoney();
        return;
    }
    Party.Gold -= 100 * n;
    AddFood(10 * n);
    SayThankYou();
}

void ArmsShop() {
    for (;;) {
        WriteMessage(TextColour::Keeper, "여기는 무기상점입니다."_j);
        WriteMessage(TextColour::Keeper, "우리들은 무기, 방패, 갑옷을 팔고있습니다."_j);
        WriteMessage(TextColour::Keeper, "어떤 종류를 원하십니까 ?"_j);
        SetMenuItems("", {"베는 무기류"_j, "찍는 무기류"_j, "찌르는 무기류"_j, "쏘는 무기류"_j, "방패류"_j, "갑옷류"_j});
        int kind = Select(120, 6, 6, false, true);
        if (kind == 0) {
            DrawPartyPanel();
            ClearMessages();
            return;
        }
        if (kind <= 4) weaponList(kind);
        if (kind == 5) shieldOrArmourList(Piece::Shield);
        if (kind == 6) shieldOrArmourList(Piece::Armour);
    }
}

void HerbShop() {
    countShop({" 여기는 약초를 파는 곳입니다."_j,
               " 당신이 사고 싶은 약이나 약초를 고르십시오."_j,
               {"체력 회복약"_j, "마법 회복약"_j, "해독의 약초"_j, "의식의 약초"_j, "부활의 약초"_j},
               kHerbPrices.data(), false, 1});
}

void GoodsShop() {
    countShop({" 여기는 여러가지 물품을 파는 곳입니다."_j,
               " 당신이 사고 싶은 물건을 고르십시오."_j,
               {"화살"_j, "소환 문서"_j, "대형 횃불"_j, "수정 구슬"_j, "비행 부츠"_j, "이동 구슬"_j},
               kGoodsPrices.data(), true, 6});
}

}  // namespace vela
