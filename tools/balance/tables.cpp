#include "tables.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vela::balance {

namespace {

std::vector<std::string> split(const std::string& line, char sep) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, sep)) fields.push_back(field);
    return fields;
}

// Rows of a tab-separated file, without the header and blank or # lines.
std::vector<std::vector<std::string>> rows(const std::string& path, std::size_t columns) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error(path + ": cannot open");
    std::vector<std::vector<std::string>> out;
    std::string line;
    int number = 0;
    bool header = true;
    while (std::getline(in, line)) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        auto fields = split(line, '\t');
        if (fields.size() != columns)
            throw std::runtime_error(path + ":" + std::to_string(number) + ": expected " + std::to_string(columns) +
                                     " columns, found " + std::to_string(fields.size()));
        out.push_back(fields);
    }
    return out;
}

int number(const std::string& s) {
    std::size_t used = 0;
    int v = std::stoi(s, &used);
    if (used != s.size()) throw std::invalid_argument(s);
    return v;
}

// "9*7 14 -1": seven of enemy 9, one of 14, and a copy of member 1.
std::vector<int> foeList(const std::string& text) {
    std::vector<int> foes;
    for (const std::string& item : split(text, ' ')) {
        if (item.empty()) continue;
        auto star = item.find('*');
        int kind = number(item.substr(0, star));
        int count = star == std::string::npos ? 1 : number(item.substr(star + 1));
        for (int i = 0; i < count; ++i) foes.push_back(kind);
    }
    return foes;
}

}  // namespace

Tables ReadTables(const std::string& folder) {
    Tables t;
    // party name sex family class str men con end res agi acc luck level weapon shield armour s1..s6 reason
    for (const auto& f : rows(folder + "/parties.tsv", 24)) {
        ReferenceParty& p = t.parties[f[0]];
        if (p.name.empty()) {
            p.name = f[0];
            t.partyOrder.push_back(f[0]);
        }
        Hero h;
        h.name = f[1];
        int* values[] = {&h.sex,      &h.family,  &h.cls,   &h.strength, &h.mentality, &h.concentration,
                         &h.endurance, &h.resistance, &h.agility, &h.accuracy, &h.luck, &h.level,
                         &h.weapon,   &h.shield,  &h.armour};
        for (int i = 0; i < 15; ++i) *values[i] = number(f[2 + i]);
        for (int i = 0; i < 6; ++i) h.skills[i] = number(f[17 + i]);
        p.members.push_back(h);
        if (!f[23].empty() && f[23] != "-") p.reason = f[23];
    }
    // name kind foes party weaker note
    for (const auto& f : rows(folder + "/fights.tsv", 6)) {
        Fight fight;
        fight.name = f[0];
        fight.kind = f[1];
        if (f[2].rfind("map ", 0) == 0)
            fight.map = number(f[2].substr(4));
        else
            for (const std::string& wave : split(f[2], '|')) fight.waves.push_back(foeList(wave));
        fight.party = f[3];
        fight.weaker = f[4];
        fight.note = f[5];
        for (const std::string& p : {fight.party, fight.weaker})
            if (p != "-" && !t.parties.count(p)) throw std::runtime_error("fight " + fight.name + ": no party " + p);
        t.fights.push_back(fight);
    }
    return t;
}

}  // namespace vela::balance
