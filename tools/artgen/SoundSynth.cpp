// SPDX-License-Identifier: MIT
#include "tools/artgen/SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

namespace artgen {

namespace {

struct Tone {
    double start;      // seconds
    double frequency;  // Hz of the fundamental
    double amplitude;
    double decay;   // seconds for the fundamental to fall to 1/e
    double attack;  // seconds of the raised-cosine rise
};

// Relative strength of the harmonics: a few, falling fast, for a bright but soft bell-like tone.
constexpr double harmonicLevels[] = {1.0, 0.38, 0.16, 0.07};

double raisedCosine(double fraction) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(fraction, 0.0, 1.0));
}

void addTone(std::vector<double>& mix, const Tone& tone, std::size_t harmonics) {
    const auto first = static_cast<std::size_t>(std::lround(tone.start * soundSampleRate));
    for (std::size_t i = first; i < mix.size(); ++i) {
        const double t = static_cast<double>(i - first) / soundSampleRate;
        const double rise = raisedCosine(t / tone.attack);
        double value = 0;
        for (std::size_t k = 1; k <= std::min(harmonics, std::size(harmonicLevels)); ++k) {
            const double multiple = static_cast<double>(k);
            const double frequency = tone.frequency * multiple;
            if (frequency >= soundSampleRate / 2.0)
                break;
            const double decay = tone.decay / std::pow(multiple, 0.8);
            value += harmonicLevels[k - 1] * std::exp(-t / decay) * std::sin(2 * std::numbers::pi * frequency * t);
        }
        mix[i] += tone.amplitude * rise * value;
    }
}

// Scales the mix to `peak` of full scale, fades both ends to silence and rounds to 16 bits.
std::vector<std::int16_t> finish(std::vector<double> mix, double peak, double fadeInSeconds, double fadeOutSeconds) {
    double loudest = 0;
    for (const double value : mix)
        loudest = std::max(loudest, std::abs(value));
    const double gain = loudest > 0 ? peak / loudest : 0;

    const double fadeIn = fadeInSeconds * soundSampleRate;
    const double fadeOut = fadeOutSeconds * soundSampleRate;
    std::vector<std::int16_t> samples(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double fromStart = static_cast<double>(i);
        const double toEnd = static_cast<double>(mix.size() - 1 - i);
        const double envelope = raisedCosine(fromStart / fadeIn) * raisedCosine(toEnd / fadeOut);
        const double value = std::clamp(mix[i] * gain * envelope * 32767.0, -32767.0, 32767.0);
        samples[i] = static_cast<std::int16_t>(std::lround(value));
    }
    return samples;
}

}  // namespace

std::vector<std::int16_t> clickSamples() {
    std::vector<double> mix(clickSampleCount, 0.0);
    addTone(mix, {0.0, 1180.0, 1.0, 0.010, 0.0012}, 2);
    addTone(mix, {0.0, 590.0, 0.55, 0.018, 0.0012}, 2);
    return finish(std::move(mix), 0.36, 0.0008, 0.012);
}

std::vector<std::int16_t> fanfareSamples() {
    std::vector<double> mix(fanfareSampleCount, 0.0);
    constexpr double c5 = 523.25;
    constexpr double e5 = 659.26;
    constexpr double g5 = 783.99;
    constexpr double c6 = 1046.50;
    // The arpeggio rises a note every 100 ms; its last note rings longest.
    addTone(mix, {0.00, c5, 1.00, 0.40, 0.006}, 4);
    addTone(mix, {0.10, e5, 0.95, 0.40, 0.006}, 4);
    addTone(mix, {0.20, g5, 0.90, 0.45, 0.006}, 4);
    addTone(mix, {0.30, c6, 1.00, 0.80, 0.006}, 4);
    // A soft chord swells in under the top note and carries the ringing tail.
    for (const double note : {c5, e5, g5})
        addTone(mix, {0.36, note, 0.35, 0.70, 0.060}, 3);
    return finish(std::move(mix), 0.6, 0.002, 0.15);
}

}  // namespace artgen
