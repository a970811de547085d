#include "game/state/state_json.h"

#include <cstdio>

#include "game/state/party.h"
#include "screen/johab.h"

namespace vela {

namespace {

class JsonObject {
public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }

    void key(const char* name) {
        if (!first_) out_ += ',';
        first_ = false;
        out_ += '"';
        out_ += name;
        out_ += "\":";
    }
    void number(const char* name, long long value) {
        key(name);
        out_ += std::to_string(value);
    }
    void text(const char* name, std::string_view utf8) {
        key(name);
        appendString(out_, utf8);
    }
    template <typename List>
    void numbers(const char* name, const List& values) {
        key(name);
        out_ += '[';
        bool firstValue = true;
        for (auto v : values) {
            if (!firstValue) out_ += ',';
            firstValue = false;
            out_ += std::to_string(int(v));
        }
        out_ += ']';
    }

    static void appendString(std::string& out, std::string_view s) {
        out += '"';
        for (char c : s) {
            unsigned char u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out += '\\';
                out += c;
            } else if (u < 0x20 || u == 0x7F) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                out += buf;
            } else {
                out += c;
            }
        }
        out += '"';
    }

private:
    std::string& out_;
    bool first_ = true;
};

std::string hex(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    s.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

void writeParty(std::string& out) {
    JsonObject o(out);
    o.number("Year", Party.Year);
    o.number("Day", Party.Day);
    o.number("Hour", Party.Hour);
    o.number("Minute", Party.Minute);
    o.number("Second", Party.Second);
    o.number("MapNumber", Party.MapNumber);
    o.number("SavedX", Party.SavedX);
    o.number("SavedY", Party.SavedY);
    o.number("Food", Party.Food);
    o.number("Gold", Party.Gold);
    o.number("Arrows", Party.Arrows);
    o.number("PartyChecksum", Party.PartyChecksum);
    o.number("MemberChecksum", Party.MemberChecksum);
    o.numbers("Items", Party.Items);
    o.numbers("Flags", Party.Flags);
}

void writeMember(std::string& out, const MemberRecord& m) {
    JsonObject o(out);
    o.text("Name", JohabToUtf8(m.Name.str()));
    o.number("Sex", m.Sex);
    o.number("Class", m.Class);
    o.number("Strength", m.Strength);
    o.number("Mentality", m.Mentality);
    o.number("Concentration", m.Concentration);
    o.number("Endurance", m.Endurance);
    o.number("Resistance", m.Resistance);
    o.number("Agility", m.Agility);
    o.number("Accuracy", m.Accuracy);
    o.number("Luck", m.Luck);
    o.number("Poison", m.Poison);
    o.number("Unconscious", m.Unconscious);
    o.number("Dead", m.Dead);
    o.number("HP", m.HP);
    o.number("SP", m.SP);
    o.number("AC", m.AC);
    o.number("Level", m.Level);
    o.number("Experience", m.Experience);
    o.number("TrainedExperience", m.TrainedExperience);
    o.number("Weapon", m.Weapon);
    o.number("Shield", m.Shield);
    o.number("Armour", m.Armour);
    o.number("BaseAC", m.BaseAC);
    o.number("WeaponPower", m.WeaponPower);
    o.number("ShieldValue", m.ShieldValue);
    o.number("ArmourValue", m.ArmourValue);
    o.number("Family", m.Family);
    o.numbers("Skills", m.Skills);
}

}  // namespace

std::string StateJson(int mapKind, int mapWidth, int mapHeight) {
    std::string out;
    {
        JsonObject o(out);
        o.text("raw", hex(SavedGameImage()));
        o.number("PartyX", PartyX);
        o.number("PartyY", PartyY);
        o.number("MapKind", mapKind);
        o.number("MapWidth", mapWidth);
        o.number("MapHeight", mapHeight);
        o.key("party");
        writeParty(out);
        o.key("members");
        out += '[';
        for (int slot = 1; slot <= kMemberSlots; ++slot) {
            if (slot > 1) out += ',';
            writeMember(out, Member[slot]);
        }
        out += ']';
    }
    out += '\n';
    return out;
}

}  // namespace vela
