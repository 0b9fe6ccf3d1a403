#!/usr/bin/env python3
"""Synthesise Darvista's four click sounds into content/Sounds/.

    click.wav  soft short tick, opening a page
    mouse.wav  lighter, higher tap, switching tabs
    titr.wav   gentle two-note chime, opening a section
    fall.wav   warm rising bell arpeggio, drawing a fortune

Every file is 16-bit PCM, mono, 44100 Hz, with a plain 44-byte RIFF header,
so any WAV player (QSoundEffect included) can load it. The synthesis is pure
arithmetic with no randomness: running the script twice writes identical
bytes. Each sound starts and ends on an exact zero with smooth envelopes, and
is normalised to a peak of -6 dBFS.

Usage: python3 tools/make_sounds.py   (from any working directory)
"""

import math
import struct
import wave
from pathlib import Path

RATE = 44100
PEAK_DBFS = -6.0
OUT_DIR = Path(__file__).resolve().parent.parent / "content" / "Sounds"


def raised_cosine(x):
    """0 at x <= 0, 1 at x >= 1, a half-cosine in between (no corners)."""
    if x <= 0.0:
        return 0.0
    if x >= 1.0:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


def blank(seconds):
    return [0.0] * int(round(seconds * RATE))


def add_glide(buf, start, length, f0, f1, gain, attack, tau):
    """A sine gliding exponentially from f0 to f1 Hz over `length` seconds,
    with a raised-cosine attack and an exponential decay of time constant
    `tau`. The phase is integrated, so the glide has no discontinuities."""
    first = int(round(start * RATE))
    count = min(int(round(length * RATE)), len(buf) - first)
    phase = 0.0
    for i in range(count):
        t = i / RATE
        freq = f0 * (f1 / f0) ** (t / length)
        env = raised_cosine(t / attack) * math.exp(-t / tau)
        buf[first + i] += gain * env * math.sin(phase)
        phase += 2.0 * math.pi * freq / RATE


# Partials of a soft bell: (frequency ratio, relative gain, decay factor).
# The slightly stretched upper partials and the faint inharmonic one give the
# shimmer; higher partials die away faster, leaving a warm fundamental.
BELL_PARTIALS = (
    (1.0, 1.00, 1.00),
    (2.0, 0.28, 0.55),
    (3.01, 0.10, 0.35),
    (4.17, 0.04, 0.22),
)


def add_bell(buf, start, freq, gain, attack, tau, partials=BELL_PARTIALS,
             detune=0.0):
    """A bell note starting at `start` seconds and ringing to the end of
    `buf`. With `detune` > 0 each partial is doubled by a copy tuned
    `detune` higher, which beats slowly for a gentle chorus."""
    first = int(round(start * RATE))
    for ratio, rel, decay in partials:
        copies = ((1.0, 1.0),) if detune <= 0.0 else ((1.0, 0.6),
                                                      (1.0 + detune, 0.4))
        for tune, share in copies:
            f = freq * ratio * tune
            if f >= RATE / 2.0 * 0.9:
                continue
            w = 2.0 * math.pi * f / RATE
            t_decay = tau * decay
            a = gain * rel * share
            for i in range(len(buf) - first):
                t = i / RATE
                env = raised_cosine(t / attack) * math.exp(-t / t_decay)
                buf[first + i] += a * env * math.sin(w * i)


def finish(buf, fade):
    """Fade the last `fade` seconds to silence, force exact zeros at both
    ends, and scale so the highest absolute sample sits at PEAK_DBFS."""
    n = len(buf)
    fade_n = int(round(fade * RATE))
    for i in range(fade_n):
        buf[n - fade_n + i] *= raised_cosine(1.0 - (i + 1) / fade_n)
    buf[0] = 0.0
    buf[-1] = 0.0
    peak = max(abs(s) for s in buf)
    scale = 10.0 ** (PEAK_DBFS / 20.0) / peak
    return [s * scale for s in buf]


def write_wav(name, samples):
    frames = b"".join(
        struct.pack("<h", max(-32767, min(32767, int(round(s * 32767.0)))))
        for s in samples)
    path = OUT_DIR / name
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)
    return path


def make_click():
    # A soft wooden tick: a short sine dropping from 1500 to 1050 Hz with a
    # quieter octave below for body; about 50 ms.
    buf = blank(0.050)
    add_glide(buf, 0.0, 0.050, 1500.0, 1050.0, 1.0, 0.0015, 0.0085)
    add_glide(buf, 0.0, 0.050, 750.0, 560.0, 0.45, 0.0020, 0.0110)
    return finish(buf, 0.012)


def make_mouse():
    # A lighter, higher tap: brighter and quicker than the click; 40 ms.
    buf = blank(0.040)
    add_glide(buf, 0.0, 0.040, 2600.0, 2150.0, 1.0, 0.0010, 0.0055)
    add_glide(buf, 0.0, 0.040, 3900.0, 3300.0, 0.25, 0.0010, 0.0035)
    return finish(buf, 0.010)


def make_titr():
    # Two soft chime notes a fourth apart, G5 then C6; 360 ms.
    buf = blank(0.360)
    add_bell(buf, 0.000, 783.99, 0.85, 0.004, 0.110)
    add_bell(buf, 0.110, 1046.50, 1.00, 0.004, 0.120)
    return finish(buf, 0.070)


def make_fall():
    # A rising C-major arpeggio of warm, slightly chorused bells, C5 E5 G5
    # C6, topped with a faint E6 sparkle; 650 ms.
    buf = blank(0.650)
    notes = ((0.000, 523.25, 0.80), (0.085, 659.26, 0.80),
             (0.170, 783.99, 0.85), (0.255, 1046.50, 0.90))
    for start, freq, gain in notes:
        add_bell(buf, start, freq, gain, 0.005, 0.190, detune=0.0035)
    add_bell(buf, 0.300, 1318.51, 0.18, 0.015, 0.140,
             partials=((1.0, 1.0, 1.0),), detune=0.004)
    return finish(buf, 0.130)


def main():
    OUT_DIR.mkdir(parents=True, exist_ok=True)
    for name, make in (("click.wav", make_click), ("mouse.wav", make_mouse),
                       ("titr.wav", make_titr), ("fall.wav", make_fall)):
        path = write_wav(name, make())
        print(f"{path.relative_to(OUT_DIR.parent.parent)}: "
              f"{path.stat().st_size} bytes")


if __name__ == "__main__":
    main()
