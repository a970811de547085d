#include "tables.h"

#include <algorithm>
#include <filesystem>
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

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(path.string() + ": cannot open (run the playthrough with PLAYTHROUGH_OUTPUTS)");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text) { return split(text, '\n'); }

// True when a member of the state is dead ("Dead" above 0): a rest does not
// raise the dead, so a party read from it is not what the next stage meets.
bool holdsTheDead(const std::string& json) {
    const std::string key = "\"Dead\":";
    for (std::size_t at = json.find(key); at != std::string::npos; at = json.find(key, at + 1)) {
        std::size_t digit = json.find_first_not_of(' ', at + key.size());
        if (digit != std::string::npos && json[digit] >= '1' && json[digit] <= '9') return true;
    }
    return false;
}

// The playthrough's outputs: the stages it kept, and what they hold.
class Playthrough {
public:
    explicit Playthrough(const std::filesystem::path& folder) : folder_(folder) {
        if (!std::filesystem::is_directory(folder)) return;
        const std::string suffix = ".state.json";
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::string file = entry.path().filename().string();
            if (file.size() > suffix.size() && file.ends_with(suffix))
                stages_.push_back(file.substr(0, file.size() - suffix.size()));
        }
        std::sort(stages_.begin(), stages_.end());
    }
    bool has(const std::string& stage) const {
        return std::find(stages_.begin(), stages_.end(), stage) != stages_.end();
    }
    // The party that enters the stage: the state the stage before left.
    ReferenceParty entering(const std::string& stage) const {
        std::string before = StageBefore(stages_, stage);
        if (before.empty()) throw std::runtime_error("no stage is played before " + stage);
        ReferenceParty p;
        p.name = stage;
        std::string json = readFile(folder_ / (before + ".state.json"));
        p.image = StateImage(json);
        p.reason = "The party that enters " + stage + ", as " + before + " left it, rested.";
        if (holdsTheDead(json))
            p.reason += " It had a member dead, whom the simulator raises; in play only a hospital or a healer's spell does.";
        return p;
    }
    // The party as the stage left it.
    ReferenceParty left(const std::string& stage) const {
        ReferenceParty p;
        p.name = stage;
        p.image = StateImage(readFile(folder_ / (stage + ".state.json")));
        p.reason = "The party as " + stage + " left it.";
        return p;
    }
    const std::vector<std::string>& stages() const { return stages_; }
    // The longest run of random encounters between two rests in the stage.
    int longestStretch(const std::string& stage) const {
        if (!has(stage)) throw std::runtime_error("the playthrough has no stage " + stage);
        std::vector<std::string> all = lines(readFile(folder_ / (stage + ".transcript.txt")));
        // A stage's transcript starts with the whole transcript of the stage before.
        std::string before = StageBefore(stages_, stage);
        std::size_t skip = before.empty() ? 0 : lines(readFile(folder_ / (before + ".transcript.txt"))).size();
        std::vector<int> counts = Stretches({all.begin() + std::min(skip, all.size()), all.end()});
        return counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    }

private:
    std::filesystem::path folder_;
    std::vector<std::string> stages_;
};

}  // namespace

std::vector<uint8_t> StateImage(const std::string& json) {
    std::size_t at = json.find("\"raw\"");
    if (at != std::string::npos) at = json.find('"', json.find(':', at));
    if (at == std::string::npos) throw std::runtime_error("a state without its raw image");
    std::size_t end = json.find('"', ++at);
    if (end == std::string::npos || (end - at) % 2) throw std::runtime_error("a state with a broken raw image");
    std::vector<uint8_t> image;
    for (std::size_t i = at; i < end; i += 2) image.push_back(uint8_t(std::stoi(json.substr(i, 2), nullptr, 16)));
    return image;
}

std::vector<int> Stretches(const std::vector<std::string>& transcript) {
    std::vector<int> counts{0};
    for (const std::string& line : transcript) {
        if (line.find("적이 출현했다 !!!") != std::string::npos) ++counts.back();
        // The rest's question: how many hours to rest.
        if (line.find(" 시간 동안") != std::string::npos) counts.push_back(0);
    }
    return counts;
}

std::string StageBefore(const std::vector<std::string>& stages, const std::string& stage) {
    auto number = [](const std::string& s) { return s.substr(0, s.find('_')); };
    std::string before;
    for (const std::string& s : stages)
        if (number(s) < number(stage) && s > before) before = s;
    return before;
}

Tables ReadTables(const std::string& folder, const std::string& playFolder) {
    Playthrough play(playFolder);
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
        if (f[2].rfind("map ", 0) == 0) {
            // "map 12" or, for a den, "map 12 @16_clue".
            auto words = split(f[2], ' ');
            fight.map = number(words.at(1));
            if (words.size() > 2) {
                fight.stretch = words[2].substr(1);
                // A stage that met none still leaves the den's wanderers to be met once.
                fight.chain = std::max(play.longestStretch(fight.stretch), 1);
            }
        } else
            for (const std::string& wave : split(f[2], '|')) fight.waves.push_back(foeList(wave));
        fight.party = f[3];
        fight.weaker = f[4];
        fight.note = f[5];
        for (const std::string& p : {fight.party, fight.weaker}) {
            if (p == "-" || t.parties.count(p)) continue;
            if (!play.has(p)) throw std::runtime_error("fight " + fight.name + ": no party " + p);
            t.parties[p] = play.entering(p);
            t.partyOrder.push_back(p);
        }
        t.fights.push_back(fight);
    }
    for (const std::string& stage : play.stages())
        if (stage >= kFirstLateStage) t.late.push_back(play.left(stage));
    return t;
}

}  // namespace vela::balance
