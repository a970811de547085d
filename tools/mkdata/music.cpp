#include "music.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iostream>
#include <sstream>

#include "builders.h"
#include "common.h"

namespace mkdata {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGate = 0.9;  // a note sounds for this share of its length, then releases

bool parseNumber(const std::string& s, double& out) {
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return !s.empty() && end && *end == '\0';
}

bool parseInstrument(std::istringstream& in, Instrument& ins, std::string& error) {
    static const std::map<std::string, Instrument::Wave> kWaves = {
        {"sine", Instrument::kSine}, {"pulse", Instrument::kPulse}, {"triangle", Instrument::kTriangle},
        {"saw", Instrument::kSaw},   {"fm", Instrument::kFm},       {"noise", Instrument::kNoise}};
    std::string wave;
    in >> wave;
    auto w = kWaves.find(wave);
    if (w == kWaves.end()) return error = "unknown wave '" + wave + "'", false;
    ins.wave = w->second;
    std::map<std::string, double*> fields = {
        {"duty", &ins.duty},       {"ratio", &ins.ratio},     {"index", &ins.index},   {"attack", &ins.attack},
        {"decay", &ins.decay},     {"sustain", &ins.sustain}, {"release", &ins.release}, {"volume", &ins.volume},
        {"cutoff", &ins.cutoff},   {"vibrato", &ins.vibrato}};
    for (std::string setting; in >> setting;) {
        std::size_t eq = setting.find('=');
        auto f = eq == std::string::npos ? fields.end() : fields.find(setting.substr(0, eq));
        if (f == fields.end() || !parseNumber(setting.substr(eq + 1), *f->second))
            return error = "bad setting '" + setting + "'", false;
    }
    return true;
}

// One voice line of a pattern: note tokens after the instrument name.
//   o4 < >   octave (c of o4 is middle C), down, up
//   l8 l4.   default length      v12   velocity 0..15
//   c d+ e- f#8 g4. a^8   notes with sharps, flats, length, dots, ^ ties
//   r4       rest        |  bar line, ignored
bool parseVoice(const std::string& text, const std::string& instrument, Pattern& pattern, std::string& error) {
    int octave = 4;
    double length = 1, velocity = 0.8, beat = 0;
    std::size_t i = 0;
    auto number = [&](double fallback) {
        std::size_t start = i;
        while (i < text.size() && std::isdigit(uint8_t(text[i]))) ++i;
        return i > start ? std::stod(text.substr(start, i - start)) : fallback;
    };
    auto duration = [&]() {
        double n = number(0);
        double beats = n > 0 ? 4.0 / n : length;
        for (double add = beats / 2; i < text.size() && text[i] == '.'; ++i, add /= 2) beats += add;
        return beats;
    };
    while (i < text.size()) {
        char c = char(std::tolower(uint8_t(text[i++])));
        if (c == ' ' || c == '|') continue;
        if (c == 'o') octave = int(number(octave));
        else if (c == '<') --octave;
        else if (c == '>') ++octave;
        else if (c == 'l') length = duration();
        else if (c == 'v') velocity = number(12) / 15.0;
        else if (c == 'r') beat += duration();
        else if (c == '^') {
            double extra = duration();
            if (pattern.notes.empty() || pattern.notes.back().instrument != instrument)
                return error = "a tie '^' with no note before it", false;
            pattern.notes.back().length += extra;
            beat += extra;
        } else if (c >= 'a' && c <= 'g') {
            static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
            int midi = 12 * (octave + 1) + kSemitone[c - 'a'];
            for (; i < text.size() && (text[i] == '+' || text[i] == '#' || text[i] == '-'); ++i)
                midi += text[i] == '-' ? -1 : 1;
            double beats = duration();
            pattern.notes.push_back({beat, beats, double(midi), velocity, instrument});
            beat += beats;
        } else {
            return error = std::string("unknown note token '") + c + "'", false;
        }
    }
    pattern.beats = std::max(pattern.beats, beat);
    return true;
}

double envelope(const Instrument& ins, double t, double gate) {
    auto held = [&](double u) {
        if (u < ins.attack) return u / std::max(ins.attack, 1e-4);
        u -= ins.attack;
        if (u < ins.decay) return 1 - (1 - ins.sustain) * u / std::max(ins.decay, 1e-4);
        return ins.sustain;
    };
    if (t < gate) return held(t);
    double r = (t - gate) / std::max(ins.release, 1e-4);
    return r >= 1 ? 0 : held(gate) * (1 - r);
}

void renderNote(const Instrument& ins, const Note& note, double secondsPerBeat, std::vector<float>& out) {
    double gate = note.length * secondsPerBeat * kGate;
    std::size_t first = std::size_t(note.start * secondsPerBeat * kMusicRate);
    std::size_t count = std::size_t((gate + ins.release) * kMusicRate);
    double freq = 440.0 * std::pow(2.0, (note.midi - 69) / 12.0);
    double phase = 0, modPhase = 0, filtered = 0;
    double alpha = ins.cutoff > 0 ? 1 - std::exp(-2 * kPi * ins.cutoff / kMusicRate) : 1;
    uint32_t noise = 0x9E3779B9u ^ uint32_t(first);
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        double t = double(k) / kMusicRate;
        double env = envelope(ins, t, gate);
        double f = freq * std::pow(2.0, ins.vibrato * std::sin(2 * kPi * 5 * t) * std::min(t, 1.0) / 12.0);
        phase += f / kMusicRate;
        phase -= std::floor(phase);
        double s = 0;
        switch (ins.wave) {
            case Instrument::kSine: s = std::sin(2 * kPi * phase); break;
            case Instrument::kPulse: s = phase < ins.duty ? 0.7 : -0.7; break;
            case Instrument::kTriangle: s = 4 * std::abs(phase - 0.5) - 1; break;
            case Instrument::kSaw: s = 2 * phase - 1; break;
            case Instrument::kFm:
                modPhase += f * ins.ratio / kMusicRate;
                modPhase -= std::floor(modPhase);
                s = std::sin(2 * kPi * phase + ins.index * env * std::sin(2 * kPi * modPhase));
                break;
            case Instrument::kNoise:
                noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
                s = double(noise) / 2147483648.0 - 1;
                break;
        }
        filtered += alpha * (s - filtered);
        out[first + k] += float(filtered * env * ins.volume * note.velocity);
    }
}

// A note starts with '#' at the start of a line or after a blank; a '#'
// right after a letter is a sharp.
std::string withoutNote(const std::string& line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(uint8_t(line[i - 1])))) return line.substr(0, i);
    return line;
}

void putLe(std::vector<uint8_t>& v, uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) v.push_back(uint8_t(value >> (8 * b)));
}

}  // namespace

Tune ParseTune(const std::vector<std::string>& lines, std::vector<std::string>& errors) {
    Tune tune;
    Pattern* open = nullptr;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        std::string line = withoutNote(lines[n]);
        std::istringstream in(line);
        std::string word, error;
        if (!(in >> word)) continue;
        auto fail = [&](const std::string& what) { errors.push_back("line " + std::to_string(n + 1) + ": " + what); };
        if (open) {
            if (word == "end") {
                open = nullptr;
            } else if (!tune.instruments.count(word)) {
                fail("unknown instrument '" + word + "'");
            } else {
                std::string rest;
                std::getline(in, rest);
                if (!parseVoice(rest, word, *open, error)) fail(error);
            }
            continue;
        }
        std::string arg;
        in >> arg;
        double value = 0;
        if (word == "file") {
            tune.file = arg;
        } else if ((word == "tempo" || word == "echo") && parseNumber(arg, value)) {
            (word == "tempo" ? tune.tempo : tune.echo) = value;
        } else if (word == "instrument") {
            std::istringstream settings(line.substr(line.find(arg) + arg.size()));
            if (!parseInstrument(settings, tune.instruments[arg], error)) fail(error);
        } else if (word == "pattern" && !arg.empty()) {
            open = &tune.patterns[arg];
        } else if (word == "song") {
            for (std::string name = arg; !name.empty(); name.clear(), in >> name) {
                if (!tune.patterns.count(name)) fail("unknown pattern '" + name + "' in the song");
                tune.song.push_back(name);
            }
        } else {
            fail("cannot read '" + line + "'");
        }
    }
    if (open) errors.push_back("a pattern is not closed with 'end'");
    if (tune.file.empty()) errors.push_back("no 'file' line names the output");
    if (tune.song.empty()) errors.push_back("no 'song' line");
    if (tune.tempo < 20 || tune.tempo > 300) errors.push_back("tempo outside 20..300");
    return tune;
}

std::vector<float> RenderTune(const Tune& tune) {
    double secondsPerBeat = 60.0 / tune.tempo;
    double beats = 0;
    for (const std::string& name : tune.song) beats += tune.patterns.at(name).beats;
    std::vector<float> out(std::size_t((beats * secondsPerBeat + 3) * kMusicRate), 0.0f);
    double at = 0;
    for (const std::string& name : tune.song) {
        const Pattern& p = tune.patterns.at(name);
        for (Note note : p.notes) {
            note.start += at;
            renderNote(tune.instruments.at(note.instrument), note, secondsPerBeat, out);
        }
        at += p.beats;
    }
    // A short echo gives the small synthesizer some room.
    std::size_t delay = std::size_t(0.375 * secondsPerBeat * kMusicRate);
    if (tune.echo > 0 && delay > 0)
        for (std::size_t k = delay; k < out.size(); ++k) out[k] += float(tune.echo) * out[k - delay];
    float peak = 0;
    for (float s : out) peak = std::max(peak, std::abs(s));
    if (peak > 0)
        for (float& s : out) s *= 0.89f / peak;
    return out;
}

std::vector<uint8_t> EncodeOgg(const std::vector<float>& samples) {
    std::vector<uint8_t> bytes;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, kMusicRate, 0.0f) != 0) {
        vorbis_info_clear(&info);
        return bytes;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "vela-mkdata");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_page page;
    ogg_packet packet;
    auto append = [&bytes](const ogg_page& p) {
        bytes.insert(bytes.end(), p.header, p.header + p.header_len);
        bytes.insert(bytes.end(), p.body, p.body + p.body_len);
    };
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    while (ogg_stream_flush(&stream, &page)) append(page);

    constexpr std::size_t kChunk = 4096;
    for (std::size_t at = 0;; at += kChunk) {
        std::size_t n = at < samples.size() ? std::min(kChunk, samples.size() - at) : 0;
        if (n > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, int(n));
            std::memcpy(buffer[0], samples.data() + at, n * sizeof(float));
        }
        vorbis_analysis_wrote(&dsp, int(n));
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) append(page);
            }
        }
        if (n == 0) break;
    }
    while (ogg_stream_flush(&stream, &page)) append(page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return bytes;
}

std::vector<uint8_t> EncodeWav(const std::vector<float>& samples) {
    std::vector<uint8_t> v;
    uint32_t dataBytes = uint32_t(samples.size() * 2);
    v.insert(v.end(), {'R', 'I', 'F', 'F'});
    putLe(v, 36 + dataBytes, 4);
    v.insert(v.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLe(v, 16, 4);
    putLe(v, 1, 2);                // PCM
    putLe(v, 1, 2);                // mono
    putLe(v, kMusicRate, 4);
    putLe(v, kMusicRate * 2, 4);   // bytes per second
    putLe(v, 2, 2);
    putLe(v, 16, 2);
    v.insert(v.end(), {'d', 'a', 't', 'a'});
    putLe(v, dataBytes, 4);
    for (float s : samples) putLe(v, uint32_t(uint16_t(int16_t(std::clamp(s, -1.0f, 1.0f) * 32767))), 2);
    return v;
}

int BuildMusic(const fs::path& data, const fs::path& out) {
    int failed = 0;
    fs::path dir = data / "music";
    if (!fs::exists(dir)) return 0;
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    // Rendering takes seconds, so a tune newer than its source and than the
    // builder itself is kept.
    std::error_code ec;
    auto builderTime = fs::last_write_time("/proc/self/exe", ec);
    for (const fs::path& source : sources) {
        std::vector<std::string> errors;
        Tune tune = ParseTune(ReadLines(source), errors);
        for (const std::string& e : errors) std::cerr << source.string() << ": " << e << '\n';
        if (!errors.empty()) {
            failed = 1;
            continue;
        }
        fs::path target = out / tune.file;
        if (fs::exists(target) && fs::last_write_time(target) > fs::last_write_time(source) &&
            (ec || fs::last_write_time(target) > builderTime))
            continue;
        std::vector<uint8_t> ogg = EncodeOgg(RenderTune(tune));
        if (ogg.empty() || !WriteBinary(target, ogg)) {
            std::cerr << source.string() << ": cannot encode or write " << target.string() << '\n';
            failed = 1;
        }
    }
    return failed;
}

int RenderMusicCommand(const std::vector<std::string>& args) {
    if (args.size() != 2) {
        std::cerr << "usage: vela-mkdata render-music SOURCE.txt out.wav\n";
        return 2;
    }
    std::vector<std::string> errors;
    Tune tune = ParseTune(ReadLines(args[0]), errors);
    for (const std::string& e : errors) std::cerr << args[0] << ": " << e << '\n';
    if (!errors.empty()) return 1;
    std::vector<float> samples = RenderTune(tune);
    std::cout << args[0] << ": " << samples.size() / kMusicRate << " s\n";
    return WriteBinary(args[1], EncodeWav(samples)) ? 0 : 1;
}

}  // namespace mkdata
