#!/usr/bin/env python3
"""Synthesises the program's two sounds as mono 16-bit 22050 Hz WAV files:
"shot.wav", a short two-stage shutter click, and "timer.wav", a soft tick.
The noise is seeded, so every build writes the same bytes.

usage: make_sounds.py OUTPUT_FOLDER
"""
import math
import os
import random
import struct
import sys

RATE = 22050


def envelope(t, attack, decay):
    if t < attack:
        return t / attack
    return math.exp(-(t - attack) / decay)


def click(t, rng, tone, noise_decay, tone_decay, tone_level):
    """A filtered noise burst with a short damped tone under it."""
    noise = rng.uniform(-1.0, 1.0) * envelope(t, 0.0005, noise_decay)
    body = math.sin(2 * math.pi * tone * t) * envelope(t, 0.001, tone_decay) * tone_level
    return noise * 0.6 + body


def shot(rng):
    # The opening and the closing curtain, 55 ms apart; the second is softer.
    samples = []
    smooth = 0.0
    for i in range(int(RATE * 0.16)):
        t = i / RATE
        value = click(t, rng, 2100, 0.006, 0.007, 0.3)
        if t >= 0.055:
            value += 0.7 * click(t - 0.055, rng, 1500, 0.008, 0.009, 0.25)
        smooth += (value - smooth) * 0.55  # gentle low-pass takes the hiss off
        samples.append(smooth)
    return samples


def tick(rng):
    samples = []
    smooth = 0.0
    for i in range(int(RATE * 0.06)):
        t = i / RATE
        value = math.sin(2 * math.pi * 1250 * t) * envelope(t, 0.0008, 0.009) * 0.8
        value += rng.uniform(-1.0, 1.0) * envelope(t, 0.0003, 0.002) * 0.25
        smooth += (value - smooth) * 0.45
        samples.append(smooth)
    return samples


def wav(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    data = b"".join(struct.pack("<h", int(round(s / top * peak * 32767))) for s in samples)
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE", b"fmt ", 16, 1, 1,
                         RATE, RATE * 2, 2, 16, b"data", len(data))
    return header + data


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, samples, peak in (("shot.wav", shot(random.Random(7)), 0.7),
                                ("timer.wav", tick(random.Random(11)), 0.35)):
        path = os.path.join(folder, name)
        with open(path + ".tmp", "wb") as f:
            f.write(wav(samples, peak))
        os.replace(path + ".tmp", path)


if __name__ == "__main__":
    main()
