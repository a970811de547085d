#include "game/ui/quit.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <system_error>

#include "screen/gfx.h"
#include "runtime/halt.h"

namespace vela {

namespace fs = std::filesystem;

namespace {

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Game files are looked up without regard to letter case.
fs::path findInCurrentFolder(const std::string& name) {
    std::error_code ec;
    for (fs::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec))
        if (sameNameIgnoringCase(it->path().filename().string(), name)) return it->path();
    return {};
}

void renameOrFail(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (fs::exists(to, ec)) throw IoError("cannot rename " + from.string() + ": " + to.string() + " exists");
    fs::rename(from, to, ec);
    if (ec) throw IoError("cannot rename " + from.string() + " to " + to.string() + ": " + ec.message());
}

}  // namespace

void TouchEndCommand() {
    fs::path command = findInCurrentFolder("End.cmd");
    if (command.empty()) return;
    fs::path touched = command.parent_path() / "End.com";
    renameOrFail(command, touched);
    renameOrFail(touched, command);
}

void QuitGame() {
    TouchEndCommand();
    ClrScr();
    throw ProgramHalt{0};
}

}  // namespace vela
