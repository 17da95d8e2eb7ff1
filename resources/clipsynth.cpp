// Writes the round clock's music as a 16-bit PCM RIFF WAVE file: 30.5 seconds at 120 beats
// per minute, a melody with bass and a soft pad over a steady clock tick, ending on a full
// C major chord at the 30-second mark. Usage: tallyrun_clipsynth OUT.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 48000;
constexpr double kLength = 30.5;     // seconds
constexpr double kBeat = 0.5;        // seconds per beat at 120 bpm
constexpr double kFinalChord = 30.0; // seconds

struct Note {
    int midi;
    double beats;
};

double frequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

constexpr int C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, A4 = 69, B4 = 71;
constexpr int up(int midi, int octaves) {
    return midi + 12 * octaves;
}

// One bar of four beats per entry; the chord root drives bass and pad.
struct Bar {
    int root; // MIDI note of the bass root
    std::vector<int> chord;
    std::vector<Note> melody;
};

std::vector<Bar> score() {
    const int c5 = up(C4, 1), d5 = up(D4, 1), e5 = up(E4, 1), f5 = up(F4, 1), g5 = up(G4, 1),
              a5 = up(A4, 1), b5 = up(B4, 1), c6 = up(C4, 2), d6 = up(D4, 2), e6 = up(E4, 2),
              f6 = up(F4, 2), g6 = up(G4, 2);
    const std::vector<int> cMaj{C4, E4, G4}, gMaj{G4 - 12, B4 - 12, D4}, aMin{A4 - 12, C4, E4},
        fMaj{F4 - 12, A4 - 12, C4}, dMin{D4, F4, A4 - 12}, eMin{E4, G4, B4 - 12};
    return {
        {C4 - 24, cMaj, {{e5, 1}, {g5, 1}, {c6, 1}, {g5, 1}}},
        {G4 - 36, gMaj, {{d5, 1}, {g5, 1}, {b5, 1}, {g5, 1}}},
        {A4 - 36, aMin, {{c5, 1}, {e5, 1}, {a5, 1.5}, {g5, 0.5}}},
        {F4 - 36, fMaj, {{f5, 1}, {e5, 1}, {d5, 1}, {c5, 1}}},
        {C4 - 24, cMaj, {{e5, 0.5}, {e5, 0.5}, {g5, 1}, {c6, 1}, {e6, 1}}},
        {G4 - 36, gMaj, {{d6, 1}, {b5, 1}, {g5, 1}, {d5, 1}}},
        {A4 - 36, aMin, {{e5, 0.5}, {a5, 0.5}, {c6, 1}, {b5, 1}, {a5, 1}}},
        {F4 - 36, fMaj, {{f5, 1}, {a5, 1}, {g5, 2}}},
        {D4 - 24, dMin, {{a5, 1}, {f5, 0.5}, {d5, 0.5}, {a5, 1}, {d6, 1}}},
        {E4 - 24, eMin, {{b5, 1}, {g5, 0.5}, {e5, 0.5}, {b5, 1}, {e6, 1}}},
        {F4 - 36, fMaj, {{c6, 0.5}, {a5, 0.5}, {f5, 0.5}, {a5, 0.5}, {c6, 1}, {f6, 1}}},
        {G4 - 36, gMaj, {{d6, 0.5}, {b5, 0.5}, {g5, 0.5}, {b5, 0.5}, {d6, 1}, {g6, 1}}},
        {A4 - 36,
         aMin,
         {{e6, 0.5}, {c6, 0.5}, {a5, 0.5}, {c6, 0.5}, {e6, 0.5}, {c6, 0.5}, {a5, 0.5}, {c6, 0.5}}},
        {F4 - 36,
         fMaj,
         {{f6, 0.5}, {c6, 0.5}, {a5, 0.5}, {c6, 0.5}, {f6, 0.5}, {c6, 0.5}, {a5, 0.5}, {c6, 0.5}}},
        {G4 - 36,
         gMaj,
         {{g5, 0.5}, {a5, 0.5}, {b5, 0.5}, {c6, 0.5}, {d6, 0.5}, {e6, 0.5}, {f6, 0.5}, {g6, 0.5}}},
    };
}

class Mixer {
public:
    Mixer() : m_samples(static_cast<std::size_t>(kLength * kRate), 0.0) {}

    // A plucked, slightly bell-like tone: a few harmonics under an attack/decay envelope.
    void tone(double start, double duration, double freq, double gain, double brightness,
              double release = 0.08) {
        const int first = static_cast<int>(start * kRate);
        const int count = static_cast<int>((duration + release) * kRate);
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double attack = std::min(1.0, t / 0.008);
            double env = attack * std::exp(-t * 2.2);
            if (t > duration)
                env *= std::max(0.0, 1.0 - (t - duration) / release);
            const double vibrato = 1.0 + 0.003 * std::sin(2 * std::numbers::pi * 5.5 * t);
            const double phase = 2 * std::numbers::pi * freq * vibrato * t;
            const double wave = std::sin(phase) + brightness * 0.5 * std::sin(2 * phase) +
                                brightness * 0.25 * std::sin(3 * phase) +
                                brightness * 0.12 * std::sin(4 * phase);
            add(first + i, gain * env * wave);
        }
    }

    // The clock tick: a short high click with a woody body.
    void tick(double start, double gain) {
        const int first = static_cast<int>(start * kRate);
        std::uint32_t noise = 0x9E3779B9u + static_cast<std::uint32_t>(first);
        for (int i = 0; i < kRate / 20; ++i) {
            const double t = static_cast<double>(i) / kRate;
            noise = noise * 1664525u + 1013904223u;
            const double white = (static_cast<double>(noise >> 8) / (1 << 24)) * 2.0 - 1.0;
            const double body = std::sin(2 * std::numbers::pi * 1850.0 * t) * std::exp(-t * 90.0);
            const double click = white * std::exp(-t * 400.0);
            add(first + i, gain * (0.8 * body + 0.35 * click));
        }
    }

    void normalise(double peak) {
        double most = 0.0;
        for (double s : m_samples)
            most = std::max(most, std::abs(s));
        if (most <= 0.0)
            return;
        for (double& s : m_samples)
            s *= peak / most;
        // A short fade at the very end so that the clip never stops on a click.
        const int fade = kRate / 50;
        for (int i = 0; i < fade; ++i)
            m_samples[m_samples.size() - 1 - i] *= static_cast<double>(i) / fade;
    }

    const std::vector<double>& samples() const { return m_samples; }

private:
    void add(int index, double value) {
        if (index >= 0 && index < static_cast<int>(m_samples.size()))
            m_samples[static_cast<std::size_t>(index)] += value;
    }

    std::vector<double> m_samples;
};

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWave(const char* path, const std::vector<double>& samples) {
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);        // fmt chunk size
    putLe(out, 1, 2);         // PCM
    putLe(out, 1, 2);         // mono
    putLe(out, kRate, 4);     // samples per second
    putLe(out, kRate * 2, 4); // bytes per second
    putLe(out, 2, 2);         // block align
    putLe(out, 16, 2);        // bits per sample
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (double s : samples) {
        const long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        putLe(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(v)) & 0xFFFF, 2);
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tallyrun_clipsynth OUT.wav\n");
        return 2;
    }
    Mixer mix;
    const std::vector<Bar> bars = score();
    for (std::size_t b = 0; b < bars.size(); ++b) {
        const double barStart = static_cast<double>(b) * 4 * kBeat;
        const Bar& bar = bars[b];
        const double drive = 1.0 + 0.5 * static_cast<double>(b) / bars.size(); // builds up
        double at = barStart;
        for (const Note& n : bar.melody) {
            mix.tone(at, n.beats * kBeat * 0.9, frequency(n.midi), 0.30 * drive, 0.8);
            at += n.beats * kBeat;
        }
        for (int half = 0; half < 2; ++half)
            mix.tone(barStart + half * 2 * kBeat, 2 * kBeat * 0.95, frequency(bar.root), 0.34, 0.5,
                     0.05);
        for (int beat = 1; beat < 4; beat += 2)
            for (int note : bar.chord)
                mix.tone(barStart + beat * kBeat, kBeat * 0.6, frequency(note), 0.07 * drive, 0.3);
    }
    // A tick on every second, a softer one between; the last five seconds tick harder.
    for (int half = 0; half < static_cast<int>(kFinalChord / kBeat); ++half) {
        const double t = half * kBeat;
        const bool onSecond = half % 2 == 0;
        const double gain = (onSecond ? 0.55 : 0.25) * (t >= kFinalChord - 5.0 ? 1.5 : 1.0);
        mix.tick(t, gain);
    }
    for (int note : {C4 - 24, C4 - 12, C4, E4, G4, C4 + 12, E4 + 12, G4 + 12, C4 + 24})
        mix.tone(kFinalChord, kLength - kFinalChord, frequency(note), 0.22, 0.7, 0.01);
    mix.tick(kFinalChord, 0.9);
    mix.normalise(0.85);
    if (!writeWave(argv[1], mix.samples())) {
        std::fprintf(stderr, "tallyrun_clipsynth: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
