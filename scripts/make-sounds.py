#!/usr/bin/env python3
"""Writes the application's three notification sounds into resources/sounds/.

    scripts/make-sounds.py [output-folder]

The sounds are synthesised rather than recorded so that anyone can rebuild them from this
file alone, bit for bit: the noise comes from a fixed-seed generator, not the random
module. Each is 16-bit mono PCM at 44.1 kHz, well under a second long, peaks at -6 dBFS,
starts and ends on silence and fades in and out smoothly, so it never clicks.

  Submarine  a soft, low ping that mellows as it rings (played when a break starts)
  Blow       an airy swell of breath-like noise over a soft tone (played with reminders)
  Glass      a bright, bell-like chime of a few inharmonic partials
"""

import math
import os
import struct
import sys
import wave

SAMPLE_RATE = 44100
PEAK_DBFS = -6.0
FADE_OUT_SECONDS = 0.06  # the tail is brought to zero so the last sample is silence


def seconds_to_samples(seconds):
    return int(round(seconds * SAMPLE_RATE))


def raised_cosine(progress):
    """0 at 0, 1 at 1, with zero slope at both ends: a fade that adds no click."""
    progress = min(max(progress, 0.0), 1.0)
    return 0.5 - 0.5 * math.cos(math.pi * progress)


def envelope(t, attack, decay, length):
    """Smooth attack, exponential decay, and a short fade to silence at the very end."""
    rise = raised_cosine(t / attack)
    fall = math.exp(-max(t - attack, 0.0) / decay)
    tail = raised_cosine((length - t) / FADE_OUT_SECONDS)
    return rise * fall * tail


def submarine():
    length = 0.75
    fundamental = 392.0  # G4: low enough to be soft, high enough for small speakers
    samples = []
    for n in range(seconds_to_samples(length)):
        t = n / SAMPLE_RATE
        # The upper partials fade first, so the ping mellows as it rings.
        tone = math.sin(2 * math.pi * fundamental * t)
        tone += 0.18 * math.exp(-t / 0.06) * math.sin(2 * math.pi * 2 * fundamental * t)
        tone += 0.06 * math.exp(-t / 0.03) * math.sin(2 * math.pi * 3 * fundamental * t)
        samples.append(tone * envelope(t, 0.012, 0.17, length))
    return samples


class NoiseSource:
    """A 32-bit linear congruential generator: the same noise on every machine."""

    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (1664525 * self.state + 1013904223) & 0xFFFFFFFF
        return self.state / 2147483648.0 - 1.0


class BandPass:
    """A two-pole resonator (constant peak gain) that turns white noise into a breath."""

    def __init__(self, centre, bandwidth):
        radius = math.exp(-math.pi * bandwidth / SAMPLE_RATE)
        self.a1 = -2 * radius * math.cos(2 * math.pi * centre / SAMPLE_RATE)
        self.a2 = radius * radius
        self.gain = 1 - radius
        self.y1 = 0.0
        self.y2 = 0.0

    def process(self, x):
        y = self.gain * x - self.a1 * self.y1 - self.a2 * self.y2
        self.y2, self.y1 = self.y1, y
        return y


def blow():
    length = 0.6
    noise = NoiseSource(20240611)
    low = BandPass(700.0, 500.0)
    high = BandPass(1600.0, 900.0)
    samples = []
    for n in range(seconds_to_samples(length)):
        t = n / SAMPLE_RATE
        white = noise.next()
        breath = low.process(white) + 0.6 * high.process(white)
        tone = 0.05 * math.sin(2 * math.pi * 587.33 * t)  # D5, just under the breath
        samples.append((breath + tone) * envelope(t, 0.16, 0.11, length))
    return samples


def glass():
    length = 0.85
    fundamental = 1318.5  # E6
    # Ratios of a struck glass: the upper partials are quieter and die away sooner.
    partials = [(1.0, 1.0, 0.22), (2.32, 0.35, 0.12), (4.25, 0.12, 0.06), (6.63, 0.05, 0.035)]
    samples = []
    for n in range(seconds_to_samples(length)):
        t = n / SAMPLE_RATE
        value = 0.0
        for ratio, level, decay in partials:
            value += level * math.exp(-t / decay) * math.sin(2 * math.pi * fundamental * ratio * t)
        samples.append(value * envelope(t, 0.004, 10.0, length))
    return samples


def to_pcm(samples):
    """Scales to the target peak and rounds to 16-bit integers."""
    peak = max(abs(value) for value in samples)
    scale = 32767 * 10 ** (PEAK_DBFS / 20) / peak
    return [int(round(value * scale)) for value in samples]


def write_wav(path, pcm):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(SAMPLE_RATE)
        out.writeframes(struct.pack("<%dh" % len(pcm), *pcm))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sounds")
    os.makedirs(folder, exist_ok=True)
    for name, make in (("Submarine", submarine), ("Blow", blow), ("Glass", glass)):
        pcm = to_pcm(make())
        path = os.path.join(folder, name + ".wav")
        write_wav(path, pcm)
        print("%s: %d samples, %.2f s" % (os.path.normpath(path), len(pcm), len(pcm) / SAMPLE_RATE))


if __name__ == "__main__":
    main()
