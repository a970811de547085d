// The glossary of docs/CONTENT.md against every text of the game: no string
// of src/ and no line of data/ may hold a rejected form, apart from a few old
// system lines that keep their wording.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vela {
namespace {

struct Entry {
    std::string word;
    std::vector<std::string> rejected;
};

// The rows of the table under "## Glossary": thing | word | rejected forms.
std::vector<Entry> glossary() {
    std::ifstream doc(VELA_SOURCE_DIR "/docs/CONTENT.md");
    std::string line;
    while (std::getline(doc, line) && line != "## Glossary") {
    }
    std::vector<Entry> entries;
    bool header = true;
    while (std::getline(doc, line) && line.rfind("## ", 0) != 0) {
        if (line.rfind("|", 0) != 0 || line.find("---") != std::string::npos) continue;
        std::vector<std::string> cells;
        std::stringstream in(line.substr(1));
        for (std::string cell; std::getline(in, cell, '|');) {
            std::size_t from = cell.find_first_not_of(' '), to = cell.find_last_not_of(' ');
            cells.push_back(from == std::string::npos ? "" : cell.substr(from, to - from + 1));
        }
        if (std::exchange(header, false) || cells.size() != 3) continue;
        Entry entry{cells[1], {}};
        std::stringstream forms(cells[2]);
        for (std::string form; std::getline(forms, form, ',');)
            if (std::size_t from = form.find_first_not_of(' '); from != std::string::npos)
                entry.rejected.push_back(form.substr(from));
        entries.push_back(entry);
    }
    return entries;
}

struct Text {
    std::string where;  // file:line
    std::string text;
};

std::string shortName(const std::filesystem::path& file) {
    return std::filesystem::relative(file, VELA_SOURCE_DIR).string();
}

// The string literals of a C++ source, with the line each starts on;
// comments and character literals are passed over.
std::vector<Text> literalsOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<Text> found;
    const std::string name = shortName(file);
    int line = 1;
    for (std::size_t i = 0; i < source.size(); ++i) {
        char c = source[i];
        if (c == '\n') {
            ++line;
        } else if (source.compare(i, 2, "//") == 0) {
            while (i + 1 < source.size() && source[i + 1] != '\n') ++i;
        } else if (source.compare(i, 2, "/*") == 0) {
            for (i += 2; i + 1 < source.size() && source.compare(i, 2, "*/") != 0; ++i) line += source[i] == '\n';
            ++i;
        } else if (c == '"' || c == '\'') {
            std::string text;
            for (++i; i < source.size() && source[i] != c; ++i) {
                if (source[i] == '\\') text += source[i++];
                text += source[i];
            }
            if (c == '"') found.push_back({name + ":" + std::to_string(line), text});
        }
    }
    return found;
}

// Every line of a data source.
std::vector<Text> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<Text> found;
    const std::string name = shortName(file);
    int n = 0;
    for (std::string line; std::getline(in, line);) found.push_back({name + ":" + std::to_string(++n), line});
    return found;
}

// The texts of the files under a folder of the source tree with one of the
// extensions, read by the reader.
std::vector<Text> textsUnder(const char* folder, std::set<std::string> extensions,
                             std::vector<Text> (*read)(const std::filesystem::path&)) {
    std::vector<Text> texts;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::string(VELA_SOURCE_DIR "/") + folder))
        if (extensions.count(entry.path().extension().string()))
            for (Text& t : read(entry.path())) texts.push_back(std::move(t));
    return texts;
}

// The old system lines that keep their wording: the save slots and their
// message, and one line of the battle log.
std::set<std::string> oldLines() {
    std::set<std::string> lines = {"본 게임 데이타", "저장된 데이타가 없습니다 !", "의 마법에 의해 의식불능이 되었다"};
    for (int slot = 1; slot <= 8; ++slot) lines.insert("게임 데이타 " + std::to_string(slot) + " (부)");
    return lines;
}

TEST(Glossary, NoTextOfTheGameUsesARejectedForm) {
    std::vector<Entry> entries = glossary();
    ASSERT_GE(entries.size(), 10u) << "the glossary of docs/CONTENT.md";
    std::vector<Text> texts = textsUnder("src", {".cpp", ".h"}, literalsOf);
    ASSERT_GT(texts.size(), 3000u) << "the string literals of the game";
    for (Text& t : textsUnder("data", {".tsv", ".txt"}, linesOf)) texts.push_back(std::move(t));
    const std::set<std::string> old = oldLines();
    std::set<std::string> oldSeen;
    for (const Text& t : texts) {
        if (old.count(t.text)) {
            oldSeen.insert(t.text);
            continue;
        }
        for (const Entry& e : entries)
            for (const std::string& form : e.rejected)
                EXPECT_EQ(t.text.find(form), std::string::npos)
                    << t.where << ": \"" << t.text << "\" says " << form << ", not " << e.word;
    }
    // Every exception is a line the game still says, word for word.
    for (const std::string& line : old) EXPECT_TRUE(oldSeen.count(line)) << line;
}

}  // namespace
}  // namespace vela
