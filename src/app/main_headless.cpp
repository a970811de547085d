// vela-headless: the game without a window, driven by a key script.
//   vela-headless [--keys TEXT | --keys-file F | --replay F] [--seed N] [--realtime] [--save-step-ms N]
//                 [--shot F.png] [--transcript F.txt] [--state F.json]
//                 [--sample NAME] [--route X,Y] [game arguments such as /g]
//
// --route prints, once the keys are spent, the keys that walk the party from
// where it stands to square X,Y of its map (empty when there is no such walk).
// --replay plays a window's recording (its seed and game words included)
// and ends where the recording ends.
// Exit status: 0 when the script ran out while the game waited, 3 when the
// game halted, 4 on an error, among them an output file (--shot, a scripted
// shot, --transcript, --state) that cannot be written, 5 when a replay
// drifted from its recording (the line is named on standard error).
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <stdexcept>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "files/durable_file.h"
#include "game/save/saved_game.h"
#include "game/state/random.h"
#include "game/state/state_json.h"
#include "game/world/map_data.h"
#include "platform/headless_platform.h"
#include "screen/gfx.h"
#include "screen/johab.h"
#include "screen/png_file.h"
#include "screen/text_output.h"
#include "runtime/halt.h"
#include "runtime/key_queue.h"
#include "runtime/settings.h"
#include "app/recording.h"
#include "app/route.h"
#include "app/play_game.h"
#include "app/samples.h"

namespace {

using namespace vela;

struct Options {
    std::string keys, replay, shot, transcript, state, sample, route;
    uint64_t seed = 0;
    bool realtime = false;
    int saveStepMs = 0;  // the crash test stretches each step of a save
    std::vector<std::string> gameArgs;
};

// An output file the harness cannot write is an error: the reason goes to
// standard error and the exit status is 4.
struct Outputs {
    int status = 0;
    void fail(const std::string& reason) {
        std::cerr << "vela-headless: " << reason << '\n';
        status = 4;
    }
    void shot(const std::string& path) {
        std::string error;
        if (!WritePng(path, RgbFrom555(Screen.data(), 640, 480), &error)) fail(error);
    }
};

// A window's recording: its lines of keys, with the seed and the game's
// words taken into the options.
std::deque<ScriptStep> readRecording(const std::string& path, Options& opt) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read the recording " + path);
    std::deque<ScriptStep> steps;
    std::string settings;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.starts_with('#')) continue;
        try {
            for (ScriptStep& step : ParseKeyScript(line, number)) {
                if (step.kind == ScriptStep::kSeed)
                    opt.seed = std::stoull(step.name);
                else if (step.kind == ScriptStep::kArg)
                    opt.gameArgs.push_back(step.name);
                else if (step.kind == ScriptStep::kSetting)
                    settings += step.name + "\n";
                else
                    steps.push_back(std::move(step));
            }
        } catch (const std::exception& e) {
            throw std::runtime_error(path + ":" + std::to_string(number) + ": " + e.what());
        }
    }
    UserSettings = ParseSettings(settings, path);
    return steps;
}

int usage() {
    std::cerr << "usage: vela-headless [--keys TEXT | --keys-file F | --replay F] [--seed N] [--realtime] [--save-step-ms N]\n"
                 "                     [--shot F.png] [--transcript F.txt] [--state F.json] [--sample text|image]\n"
                 "                     [--route X,Y] [/g]\n";
    return 4;
}

}  // namespace

int main(int argc, char** argv) {
    Options opt;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--keys") {
            opt.keys = value();
        } else if (a == "--keys-file") {
            std::ifstream in(value());
            if (!in) return usage();
            // Line ends only lay the script out (Enter is {enter}); a line
            // that starts with # is a note.
            for (std::string line; std::getline(in, line);) {
                std::erase(line, '\r');
                if (!line.starts_with('#')) opt.keys += line;
            }
        } else if (a == "--replay") {
            opt.replay = value();
        } else if (a == "--seed") {
            std::string n = value();
            if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos) return usage();
            opt.seed = std::stoull(n);
        } else if (a == "--realtime") {
            opt.realtime = true;
        } else if (a == "--save-step-ms") {
            std::string n = value();
            if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos) return usage();
            opt.saveStepMs = std::stoi(n);
        } else if (a == "--shot") {
            opt.shot = value();
        } else if (a == "--transcript") {
            opt.transcript = value();
        } else if (a == "--state") {
            opt.state = value();
        } else if (a == "--route") {
            opt.route = value();
        } else if (a == "--sample") {
            opt.sample = value();
        } else if (a == "--help" || a == "-h") {
            return usage();
        } else {
            opt.gameArgs.push_back(a);
        }
    }

    std::deque<ScriptStep> script;
    try {
        script = opt.replay.empty() ? ParseKeyScript(opt.keys) : readRecording(opt.replay, opt);
    } catch (const std::exception& e) {
        std::cerr << "vela-headless: " << e.what() << '\n';
        return 4;
    }
    HeadlessPlatform platform(opt.seed, opt.realtime);
    platform.SetScript(std::move(script));
    if (!opt.replay.empty()) {
        platform.drawCount = RandomDraws;
        platform.stateCheck = StateCheck;
    }
    SetPlatform(&platform);
    if (opt.saveStepMs > 0)
        SetSaveFaultHook([ms = opt.saveStepMs](SaveStep) {
            std::this_thread::sleep_for(std::chrono::milliseconds(ms));
            return false;
        });
    SeedRandom(uint32_t(opt.seed));
    Outputs outputs;
    platform.onShot = [&outputs](const std::string& name) { outputs.shot(name + ".png"); };

    std::ofstream transcript;
    if (!opt.transcript.empty()) {
        transcript.open(opt.transcript);
        if (!transcript) {
            std::cerr << "vela-headless: cannot write " << opt.transcript << ": " << std::strerror(errno) << '\n';
            return 4;
        }
        SetTextObserver([&transcript](int x, int y, int colour, std::string_view johab) {
            transcript << x << ' ' << y << ' ' << colour << ' ' << JohabToUtf8(johab) << '\n';
        });
        platform.onMusic = [&transcript](const std::string& event) { transcript << "music " << event << '\n'; };
    }

    int status = 0;
    try {
        if (!opt.sample.empty()) {
            InitTextOutput();
            if (!DrawSample(opt.sample)) {
                std::cerr << "vela-headless: no sample named " << opt.sample << '\n';
                return 4;
            }
            for (;;) ReadKey();
        }
        PlayGame(opt.gameArgs);
    } catch (const ScriptExhausted&) {
        status = 0;
    } catch (const ReplayDrift& drift) {
        std::cerr << "vela-headless: " << opt.replay << ": " << drift.what << ": the replay drifted here\n";
        status = 5;
    } catch (const ProgramHalt&) {
        status = 3;
        if (!opt.replay.empty() && platform.KeysLeft()) {
            std::cerr << "vela-headless: " << opt.replay << ": the game ended before line "
                      << platform.NextLine() << ": the replay drifted here\n";
            status = 5;
        }
    } catch (const IoError& e) {
        std::cerr << "vela-headless: input/output error: " << e.what() << '\n';
        status = 4;
    } catch (const std::exception& e) {
        std::cerr << "vela-headless: " << e.what() << '\n';
        status = 4;
    }

    if (!opt.shot.empty()) outputs.shot(opt.shot);
    std::string error;
    if (!opt.state.empty() && !ReplaceFile(opt.state, StateJson(MapKind, MapWidth, MapHeight) + '\n', error))
        outputs.fail(error);
    if (!opt.route.empty()) {
        int x = 0, y = 0;
        if (std::sscanf(opt.route.c_str(), "%d,%d", &x, &y) != 2) {
            std::cerr << "vela-headless: --route wants X,Y\n";
            return 2;
        }
        std::cout << RouteKeys(x, y) << '\n';
    }
    if (transcript.is_open()) {
        transcript.close();
        if (!transcript) outputs.fail("cannot write " + opt.transcript);
    }
    return outputs.status == 0 ? status : outputs.status;
}
