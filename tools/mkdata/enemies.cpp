// The enemy table: data/enemies.tsv (one row per enemy, names in UTF-8)
// becomes foedata.dat, 75 records of 29 bytes. Every rule the battle code
// leans on is checked here, so a bad row fails the build instead of a fight.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "builders.h"
#include "common.h"
#include "game/state/enemy_rules.h"
#include "screen/johab.h"

namespace mkdata {

namespace {

constexpr int kEnemies = vela::kEnemyCount;
constexpr int kNameBytes = sizeof vela::EnemyRecord::Name;
constexpr int kStats = 12;

// Column order of the source, which is also the byte order of a record.
constexpr std::array<std::string_view, kStats> kStatNames = {
    "Strength", "Mentality",     "Endurance",   "Resistance", "Agility",        "Accuracy",
    "MagicAccuracy", "ArmourClass", "SpecialAttack", "MagicLevel", "SpecialAbility", "Level"};

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

// A plain decimal number 0..999999, or -1.
long ParseNumber(const std::string& text) {
    if (text.empty() || text.size() > 6) return -1;
    long v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}

struct Row {
    std::string name;  // Johab
    std::array<int, kStats> stat{};
};

// The record the game reads; the statistics follow the name in column order.
vela::EnemyRecord ToRecord(const Row& row) {
    vela::EnemyRecord record{};
    record.NameLength = uint8_t(row.name.size());
    std::copy(row.name.begin(), row.name.end(), record.Name);
    unsigned char* stats = reinterpret_cast<unsigned char*>(&record) + offsetof(vela::EnemyRecord, Strength);
    for (int s = 0; s < kStats; ++s) stats[s] = uint8_t(row.stat[s]);
    return record;
}

// Checks one data row; returns false (with errors added) when it is unusable.
bool ParseRow(const std::vector<std::string>& f, int expectedNumber, const std::string& where, Row& row,
              Errors& errors) {
    const std::size_t columns = 2 + kStats + 1;
    if (f.size() != columns) {
        errors.add(where, "expected " + std::to_string(columns) + " tab-separated columns, found " +
                              std::to_string(f.size()));
        return false;
    }
    bool ok = true;
    if (ParseNumber(f[0]) != expectedNumber) {
        errors.add(where, "number '" + f[0] + "' where enemy " + std::to_string(expectedNumber) +
                              " belongs (rows run 1..75 in order)");
        ok = false;
    }
    int length = vela::johab_detail::johabLength(f[1]);
    if (f[1].empty())
        errors.add(where, "empty name"), ok = false;
    else if (length < 0)
        errors.add(where, "name '" + f[1] + "' holds a character Johab cannot encode"), ok = false;
    else if (length > kNameBytes)
        errors.add(where, "name '" + f[1] + "' takes " + std::to_string(length) + " Johab bytes, at most 16"),
            ok = false;
    else
        row.name = vela::Utf8ToJohab(f[1]);

    for (int s = 0; s < kStats; ++s) {
        long v = ParseNumber(f[2 + s]);
        if (v < 0 || v > 255) {
            errors.add(where, std::string(kStatNames[s]) + " '" + f[2 + s] + "' is not a number 0..255");
            ok = false;
            continue;
        }
        row.stat[s] = int(v);
    }
    if (!ok) return false;

    for (const std::string& fault : vela::EnemyRecordFaults(expectedNumber, ToRecord(row))) {
        errors.add(where, fault);
        ok = false;
    }
    return ok;
}

}  // namespace

int BuildEnemies(const fs::path& data, const fs::path& out) {
    Errors errors;
    const fs::path source = data / "enemies.tsv";
    const std::string file = source.string();
    if (!fs::exists(source)) {
        errors.add(file, "missing");
        return errors.report();
    }
    std::vector<std::string> lines = ReadLines(source);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();

    std::vector<std::string> header = lines.empty() ? std::vector<std::string>{} : SplitTabs(lines[0]);
    bool headerOk = header.size() == 2 + kStats + 1 && header[0] == "number" && header[1] == "name";
    for (int s = 0; headerOk && s < kStats; ++s) headerOk = header[2 + s] == kStatNames[s];
    if (!headerOk) {
        std::string expected = "number\tname";
        for (auto n : kStatNames) expected += "\t" + std::string(n);
        errors.add(file + ":1", "header must be: " + expected + "\tnote");
    }

    std::vector<uint8_t> bytes;
    bytes.reserve(sizeof vela::EnemyTable);
    int rows = 0;
    int expected = 1;  // follows the numbers written, so one missing row is reported once
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ++rows;
        const std::string where = file + ":" + std::to_string(i + 1) + " (row " + std::to_string(rows) + ")";
        if (rows > kEnemies) {
            errors.add(where, "more than 75 enemy rows");
            break;
        }
        std::vector<std::string> fields = SplitTabs(lines[i]);
        Row row;
        bool ok = ParseRow(fields, expected, where, row, errors);
        long written = ParseNumber(fields[0]);
        expected = (written >= 1 && written <= kEnemies ? int(written) : expected) + 1;
        if (!ok) continue;
        vela::EnemyRecord record = ToRecord(row);
        const auto* recordBytes = reinterpret_cast<const uint8_t*>(&record);
        bytes.insert(bytes.end(), recordBytes, recordBytes + sizeof record);
    }
    if (rows < kEnemies) errors.add(file, "only " + std::to_string(rows) + " enemy rows; the table needs 75");

    if (!errors.any() && !WriteBinary(out / "foedata.dat", bytes)) errors.add((out / "foedata.dat").string(), "cannot write");
    return errors.report();
}

}  // namespace mkdata
