// vela-balance: plays seeded battles of the real battle code against the
// reference parties and prints docs/BALANCE.md.
//   vela-balance DATA_DIR TABLES_DIR [BATTLES]
// DATA_DIR holds the built foedata.dat; TABLES_DIR parties.tsv and fights.tsv.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "game/state/enemy_table.h"
#include "simulation.h"
#include "tables.h"

namespace {

using namespace vela::balance;

struct Target {
    std::string text;
    bool met;
};

// What the fight must come to for the party expected there and for a
// party one phase weaker.
Target judge(const Fight& fight, const Outcome& expected, const Outcome* weaker) {
    double win = expected.winRate();
    if (fight.kind == "encounter") {
        bool met = win >= 0.9 && expected.medianHpLost >= 0.1 && expected.medianHpLost <= 0.5;
        return {"win >= 90 %, lose 10-50 % HP", met};
    }
    if (fight.kind == "boss") {
        bool met = win >= 0.5 && (!weaker || weaker->winRate() < 0.1);
        return {"win >= 50 %; weaker < 10 %", met};
    }
    if (fight.kind == "final") return {"win < 1 %", win < 0.01};
    return {"win >= 50 %", win >= 0.5};
}

std::string percent(double v) { return std::to_string(int(v * 100 + 0.5)) + " %"; }
std::string fixed1(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", v);
    return buffer;
}

std::string waveText(const std::vector<int>& foes) {
    std::string s;
    for (std::size_t i = 0; i < foes.size();) {
        std::size_t j = i;
        while (j < foes.size() && foes[j] == foes[i]) ++j;
        if (!s.empty()) s += " ";
        s += foes[i] < 0 ? "copy of member " + std::to_string(-foes[i]) : std::to_string(foes[i]);
        if (j - i > 1) s += " x" + std::to_string(j - i);
        i = j;
    }
    return s;
}

std::string foesText(const Fight& f) {
    if (f.map > 0) return "map " + std::to_string(f.map) + " table";
    std::string s;
    for (const std::vector<int>& wave : f.waves) s += (s.empty() ? "" : ", then ") + waveText(wave);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: vela-balance DATA_DIR TABLES_DIR [BATTLES]\n");
        return 2;
    }
    int battles = argc > 3 ? std::stoi(argv[3]) : 600;
    try {
        Tables tables = ReadTables(argv[2]);
        std::filesystem::path here = std::filesystem::current_path();
        std::filesystem::current_path(argv[1]);
        vela::LoadEnemyTable();
        std::filesystem::current_path(here);
        InstallPlayerPolicy();

        std::printf("# Balance\n\n");
        std::printf("Written by `make balance` (vela-balance): %d seeded battles of the real battle code per row,\n", battles);
        std::printf("the reference parties of `tools/balance/parties.tsv` against the fights of\n");
        std::printf("`tools/balance/fights.tsv`. Fighters strike the first foe standing; mages cast the best\n");
        std::printf("attack spell they can afford, or the group spell when three or more foes stand; nobody\n");
        std::printf("flees, heals or uses herbs. Random encounters have up to five foes, as a new game sets.\n\n");
        std::printf("| fight | foes | party | win | rounds | HP lost (median) | exp / battle | gold / battle | target | met |\n");
        std::printf("|---|---|---|---|---|---|---|---|---|---|\n");
        int met = 0, rows = 0;
        unsigned seed = 1;
        for (const Fight& f : tables.fights) {
            Outcome expected = Simulate(f, tables.parties.at(f.party), battles, seed);
            Outcome weaker;
            bool hasWeaker = f.weaker != "-";
            if (hasWeaker) weaker = Simulate(f, tables.parties.at(f.weaker), battles, seed);
            seed += 100000;
            Target t = judge(f, expected, hasWeaker ? &weaker : nullptr);
            ++rows;
            met += t.met;
            auto row = [&](const std::string& party, const Outcome& o, const std::string& target,
                           const std::string& verdict) {
                std::printf("| %s | %s | %s | %s | %s | %s | %.0f | %.0f | %s | %s |\n", f.name.c_str(),
                            foesText(f).c_str(), party.c_str(), percent(o.winRate()).c_str(), fixed1(o.rounds).c_str(),
                            percent(o.medianHpLost).c_str(), o.experience, o.gold, target.c_str(), verdict.c_str());
            };
            row(f.party, expected, t.text, t.met ? "yes" : "**no**");
            if (hasWeaker) row(f.weaker + " (weaker)", weaker, "", "");
        }
        std::printf("\n%d of %d fights meet their targets.\n\n", met, rows);
        std::printf("## Fights\n\n");
        for (const Fight& f : tables.fights) std::printf("- **%s**: %s\n", f.name.c_str(), f.note.c_str());
        std::printf("\n## Reference parties\n\n");
        for (const std::string& name : tables.partyOrder) {
            const ReferenceParty& p = tables.parties.at(name);
            std::printf("- **%s** (%zu %s, level %d): %s\n", name.c_str(), p.members.size(),
                        p.members.size() == 1 ? "member" : "members", p.members.empty() ? 0 : p.members[0].level,
                        p.reason.c_str());
        }
        // Hand-written notes on the act's economy follow the measured tables.
        std::filesystem::path economy = std::filesystem::path(argv[2]) / "economy.md";
        if (std::FILE* notes = std::fopen(economy.string().c_str(), "rb")) {
            std::printf("\n");
            char chunk[4096];
            for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, notes)) > 0;) std::fwrite(chunk, 1, n, stdout);
            std::fclose(notes);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vela-balance: %s\n", e.what());
        return 1;
    }
    return 0;
}
