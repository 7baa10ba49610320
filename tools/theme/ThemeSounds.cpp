#include "ThemeSounds.h"

#include "ThemeArt.h"
#include "WavWriter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tilvora {

namespace {

constexpr double two_pi = 2 * std::numbers::pi;

samples_t Silence(double seconds) {
    return samples_t(static_cast<size_t>(seconds * sound_rate), 0.0f);
}

double Time(size_t i) {
    return static_cast<double>(i) / sound_rate;
}

// Short linear ramps at both ends, so a one-shot sound starts and stops without a click.
samples_t Faded(samples_t samples) {
    const size_t in = sound_rate / 1000;
    const size_t out = std::min(samples.size() / 2, size_t{sound_rate * 4 / 1000});
    for (size_t i = 0; i < in && i < samples.size(); ++i)
        samples[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < out; ++i)
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / out;
    return samples;
}

// A bell-like note: a few harmonics under an exponential decay, added at offset (wrapping).
void AddBell(samples_t& out, double start, double frequency, double level, double decay) {
    const auto first = static_cast<size_t>(start * sound_rate);
    const size_t length = static_cast<size_t>(decay * 6 * sound_rate);
    for (size_t i = 0; i < length; ++i) {
        const double t = Time(i);
        const double envelope = std::min(1.0, t * 400) * std::exp(-t / decay);
        const double tone = std::sin(two_pi * frequency * t) +
                            0.35 * std::sin(two_pi * 2 * frequency * t) * std::exp(-t / 0.12) +
                            0.12 * std::sin(two_pi * 3 * frequency * t) * std::exp(-t / 0.06);
        out[(first + i) % out.size()] += static_cast<float>(level * envelope * tone);
    }
}

double Note(int semitones_from_a4) {
    return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0);
}

} // namespace

samples_t PickSound() {
    samples_t out = Silence(0.09);
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        phase += two_pi * (700 + 500 * t / 0.09) / sound_rate;
        const double envelope = std::exp(-t / 0.028);
        out[i] = static_cast<float>(0.5 * envelope * (std::sin(phase) + 0.3 * std::sin(2 * phase)));
    }
    return Faded(out);
}

samples_t MoveSound() {
    samples_t out = Silence(0.4); // 220, 330 and 5 Hz all complete whole cycles in 0.4 s
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        const double swell = 0.6 + 0.4 * std::cos(two_pi * 5 * t);
        const double tone = std::sin(two_pi * 220 * t) + 0.5 * std::sin(two_pi * 330 * t) +
                            0.2 * std::sin(two_pi * 660 * t);
        out[i] = static_cast<float>(0.16 * swell * tone);
    }
    return out;
}

samples_t NoPathSound() {
    samples_t out = Silence(0.3);
    const std::array<double, 2> pitches{196, 147};
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        const size_t note = t < 0.13 ? 0 : 1;
        const double local = t - note * 0.13;
        const double f = pitches[note];
        double tone = 0;
        for (int h = 1; h <= 7; h += 2)
            tone += std::sin(two_pi * f * h * local) / h;
        out[i] = static_cast<float>(0.32 * std::exp(-local / 0.07) * tone);
    }
    return Faded(out);
}

samples_t ExplosionSound() {
    samples_t out = Silence(0.6);
    ArtRandom random(99);
    double smooth = 0;
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        const double cutoff = 0.05 + 0.45 * std::exp(-t / 0.08);
        smooth += cutoff * ((random.Next() * 2 - 1) - smooth);
        phase += two_pi * (40 + 70 * std::exp(-t / 0.06)) / sound_rate;
        const double envelope = std::min(1.0, t * 600) * std::exp(-t / 0.16);
        out[i] = static_cast<float>(envelope * (0.7 * smooth * 2.2 + 0.45 * std::sin(phase)));
    }
    return Faded(out);
}

samples_t LevelUpSound() {
    samples_t out = Silence(1.1);
    const std::array<int, 5> arpeggio{3, 7, 10, 15, 19}; // C5 E5 G5 C6 E6
    for (size_t n = 0; n < arpeggio.size(); ++n)
        AddBell(out, 0.075 * n, Note(arpeggio[n]), 0.2, n + 1 == arpeggio.size() ? 0.3 : 0.16);
    AddBell(out, 0.075 * arpeggio.size(), Note(22), 0.1, 0.25);
    return Faded(out);
}

samples_t ButtonOverSound() {
    samples_t out = Silence(0.035);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        out[i] = static_cast<float>(0.22 * std::exp(-t / 0.008) * std::sin(two_pi * 1760 * t));
    }
    return Faded(out);
}

samples_t ButtonDownSound() {
    samples_t out = Silence(0.08);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = Time(i);
        const double click = std::sin(two_pi * (950 - 3000 * t) * t) * std::exp(-t / 0.012);
        const double body = std::sin(two_pi * 210 * t) * std::exp(-t / 0.025);
        out[i] = static_cast<float>(0.35 * click + 0.3 * body);
    }
    return Faded(out);
}

samples_t MusicTrack() {
    constexpr double beat = 0.5;
    // Am, F, C, G: the chord tones in semitones from A4, bass an octave and more below.
    const std::array<std::array<int, 3>, 4> chords{
        {{0, 3, 7}, {-4, 0, 3}, {-9, -5, -2}, {-2, 2, 5}}};
    const std::array<int, 8> pattern{0, 1, 2, 1, 0, 2, 1, 2};
    samples_t out = Silence(2 * chords.size() * 4 * beat);
    for (size_t pass = 0; pass < 2; ++pass) {
        for (size_t c = 0; c < chords.size(); ++c) {
            const double bar = (pass * chords.size() + c) * 4 * beat;
            const auto& chord = chords[c];
            for (size_t k = 0; k < 8; ++k) {
                const int octave = (k >= 4 && pass == 1) ? 24 : 12;
                AddBell(out, bar + k * beat / 2, Note(chord[pattern[k]] + octave), 0.09, 0.35);
            }
            AddBell(out, bar, Note(chord[0] - 24), 0.22, 0.9);
            AddBell(out, bar + 2 * beat, Note(chord[0] - 24), 0.14, 0.7);
            for (int tone : chord)
                AddBell(out, bar, Note(tone), 0.05, 1.2);
        }
    }
    const float peak = *std::max_element(
        out.begin(), out.end(), [](float a, float b) { return std::abs(a) < std::abs(b); });
    for (float& sample : out)
        sample *= 0.7f / std::abs(peak);
    return out;
}

} // namespace tilvora
