// Writes the program's sound cues as small 16-bit mono wave files into the folder given as
// the only argument. Every cue is a short sequence of soft, decaying tones so that no two
// cues sound alike and none is harsh; the key click is a few milliseconds of damped noise.
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Tone {
    double hz;   // 0 = damped noise burst
    int startMs; // offset from the start of the cue
    int lengthMs;
    double decay; // envelope time constant in ms
    double level; // 0..1
};

struct Cue {
    const char* name;
    std::vector<Tone> tones;
};

std::vector<double> render(const Cue& cue) {
    int totalMs = 0;
    for (const Tone& t : cue.tones)
        totalMs = std::max(totalMs, t.startMs + t.lengthMs);
    std::vector<double> mix(static_cast<size_t>(totalMs * kRate / 1000 + 1), 0.0);
    std::uint32_t noise = 12345;
    for (const Tone& t : cue.tones) {
        const int first = t.startMs * kRate / 1000;
        const int count = t.lengthMs * kRate / 1000;
        for (int i = 0; i < count; ++i) {
            const double ms = 1000.0 * i / kRate;
            const double attack = std::min(1.0, ms / 4.0);
            const double release = std::min(1.0, (t.lengthMs - ms) / 6.0);
            const double env = attack * release * std::exp(-ms / t.decay) * t.level;
            double s;
            if (t.hz > 0) {
                const double phase = 2.0 * std::numbers::pi * t.hz * i / kRate;
                s = std::sin(phase) + 0.25 * std::sin(2 * phase) + 0.08 * std::sin(3 * phase);
                s /= 1.33;
            } else {
                noise = noise * 1664525u + 1013904223u;
                s = (static_cast<double>(noise >> 8) / (1u << 24)) * 2.0 - 1.0;
            }
            mix[static_cast<size_t>(first + i)] += s * env;
        }
    }
    return mix;
}

void put16(std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWave(const std::string& path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : samples) {
        const double clipped = std::max(-1.0, std::min(1.0, s));
        put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(clipped * 30000)));
    }
    return static_cast<bool>(out);
}

// Notes of the equal-tempered scale used below.
constexpr double C5 = 523.25, E5 = 659.25, G5 = 783.99, A5 = 880.0, C6 = 1046.5, E6 = 1318.5,
                 G4 = 392.0, E4 = 329.63, C4 = 261.63, A4 = 440.0, D5 = 587.33, F5 = 698.46,
                 B5 = 987.77;

const std::vector<Cue>& cues() {
    static const std::vector<Cue> all = {
        {"Son000", {{A5, 0, 140, 90, 0.55}, {E5, 120, 220, 120, 0.55}}}, // alert
        {"Son001", {{E5, 0, 130, 90, 0.5}, {A5, 120, 260, 140, 0.5}}},   // question
        {"Son002", {{C6, 0, 420, 160, 0.45}, {E6, 30, 400, 140, 0.3}}},  // words written
        {"Son003", {{0, 0, 90, 40, 0.25}, {G4, 0, 90, 40, 0.15}}},       // eraser
        {"Son004", {{E4, 0, 160, 120, 0.6}, {C4, 170, 260, 160, 0.6}}},  // error
        {"Son005", {{C5, 0, 110, 80, 0.45}, {E5, 100, 110, 80, 0.45}, {G5, 200, 300, 150, 0.45}}},
        {"Son006", {{G5, 0, 110, 80, 0.45}, {C6, 100, 300, 150, 0.45}}}, // direct print
        {"Son007", {{0, 0, 12, 2.5, 0.35}}},                             // key click
        {"Son008", {{B5, 0, 70, 40, 0.3}}},
        {"Son009", {{F5, 0, 70, 40, 0.3}}},
        {"Son010", {{G5, 0, 150, 110, 0.45}, {E5, 140, 150, 110, 0.45}, {C5, 280, 380, 180, 0.45}}},
        {"Son011", {{E5, 0, 120, 90, 0.45}, {B5, 100, 320, 160, 0.45}}}, // success
        {"Alarm05", {{A5, 0, 120, 80, 0.5}, {A5, 200, 120, 80, 0.5}, {A5, 400, 120, 80, 0.5}}},
        {"Alarm08", {{D5, 0, 200, 150, 0.5}, {A5, 220, 200, 150, 0.5}, {D5, 440, 200, 150, 0.5}}},
        {"Ring06",
         {{E6, 0, 90, 70, 0.4},
          {C6, 90, 90, 70, 0.4},
          {E6, 180, 90, 70, 0.4},
          {C6, 270, 200, 110, 0.4}}},
        {"Ring08", {{G5, 0, 160, 120, 0.45}, {C6, 160, 160, 120, 0.45}, {E6, 320, 300, 160, 0.45}}},
        {"Ring10",
         {{C6, 0, 80, 60, 0.4},
          {G5, 100, 80, 60, 0.4},
          {C6, 200, 80, 60, 0.4},
          {A4, 300, 300, 160, 0.4}}},
    };
    return all;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: GenerateSoundCues <folder>\n";
        return 1;
    }
    for (const Cue& cue : cues()) {
        const std::string path = std::string(argv[1]) + "/" + cue.name + ".wav";
        if (!writeWave(path, render(cue))) {
            std::cerr << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
