#!/usr/bin/python3
"""Makes the voices and effect sounds of Velondo7/Suoni.

Voices are spoken by espeak-ng in Italian, music is played by the General
MIDI soundfont, and the noises (click, applause, cough) are synthesised
here from a fixed random seed, so every run gives the same files.  All
files are mono 16-bit PCM at 44.1 kHz, shorter than six seconds, and
levelled to a common loudness (short signals to a common peak).

Usage: make_effects.py OUTPUT_DIR
"""
import math
import os
import random
import subprocess
import sys
import tempfile

import soundlib as sl

RATE = sl.RATE
VOICE_RMS_DB = -18.0
MUSIC_RMS_DB = -18.0
NOISE_RMS_DB = -20.0


def sox(*args):
    # -R: repeatable mode, fixed seeds for anything random inside sox
    subprocess.run(['sox', '-R', '-V1'] + list(args), check=True)


def trim_silence(s, threshold=0.003, lead=0.01, tail=0.05):
    """Drops silence before and after the sound, keeping short margins."""
    first = sl.onset(s, threshold)
    last = len(s) - sl.onset(list(reversed(s)), threshold)
    return s[max(0, first - round(lead * RATE)):
             min(len(s), last + round(tail * RATE))]


def finish(path, s, rms_db=None, peak_db=-1.0, fade_ms=5, max_s=5.9):
    s = s[:round(max_s * RATE)]
    if rms_db is None:
        s = sl.scale(s, 10 ** (peak_db / 20) / sl.peak(s))
    else:
        s = sl.match_level(s, rms_db, peak_db)
    sl.fade_in(s, round(RATE * 0.001))
    sl.fade_out(s, round(RATE * fade_ms / 1000))
    sl.write_wav(path, s)


def speak(work, text, pitch=50, speed=150, variant=''):
    raw = os.path.join(work, 'voice_raw.wav')
    wav = os.path.join(work, 'voice.wav')
    subprocess.run(['espeak-ng', '-v', 'it' + variant, '-p', str(pitch),
                    '-s', str(speed), '-a', '150', '-w', raw, text],
                   check=True)
    sox(raw, '-r', str(RATE), '-c', '1', '-b', '16', wav, 'rate', '-v')
    s, _ = sl.read_wav(wav)
    return trim_silence(s)


def midi_sound(work, name, events, length, reverb=True, gain=0.6):
    mid = os.path.join(work, name + '.mid')
    raw = os.path.join(work, name + '.wav')
    sl.write_midi(mid, events)
    sl.render_midi(mid, raw, reverb=reverb, gain=gain)
    s, _ = sl.read_wav(raw)
    s = s[sl.onset(s, 0.001):]
    s = s[:round(length * RATE)]
    return s


def mix(*parts):
    """parts: (offset seconds, samples, gain)."""
    n = max(round(off * RATE) + len(s) for off, s, _ in parts)
    out = [0.0] * n
    for off, s, g in parts:
        o = round(off * RATE)
        for i, v in enumerate(s):
            out[o + i] += v * g
    return out


# --- synthesised noises ------------------------------------------------------

class Resonator:
    """Two-pole band-pass resonance at f Hz with bandwidth bw Hz."""

    def __init__(self, f, bw):
        r = math.exp(-math.pi * bw / RATE)
        self.a1 = 2 * r * math.cos(2 * math.pi * f / RATE)
        self.a2 = -r * r
        self.g = 1 - r
        self.y1 = self.y2 = 0.0

    def __call__(self, x):
        y = self.g * x + self.a1 * self.y1 + self.a2 * self.y2
        self.y2, self.y1 = self.y1, y
        return y


def click():
    """A dry button click: a damped 2.4 kHz ping on a very short noise tick."""
    rnd = random.Random(11)
    n = round(0.025 * RATE)
    res = Resonator(2400, 600)
    out = []
    for i in range(n):
        t = i / RATE
        noise = rnd.uniform(-1, 1) * math.exp(-t / 0.0006)
        ping = math.sin(2 * math.pi * 2400 * t) * math.exp(-t / 0.003)
        out.append(0.6 * ping + res(noise) * 6)
    return out


def applause(seconds=3.6, clappers=14):
    """Hand claps of several people: each clap a short burst of noise through
    the clapper's own hand resonance, at the clapper's own irregular pace;
    the crowd swells in and dies away."""
    rnd = random.Random(1234)
    n = round(seconds * RATE)
    out = [0.0] * n
    for _ in range(clappers):
        f = rnd.uniform(900, 2200)
        period = rnd.uniform(0.17, 0.28)
        t = rnd.uniform(0.0, 0.25)
        loud = rnd.uniform(0.5, 1.0)
        stop = seconds - rnd.uniform(0.2, 0.9)
        while t < stop:
            res = Resonator(f * rnd.uniform(0.9, 1.1), f * 0.8)
            start = round(t * RATE)
            decay = rnd.uniform(0.004, 0.009)
            amp = loud * rnd.uniform(0.6, 1.0)
            for i in range(round(0.04 * RATE)):
                if start + i >= n:
                    break
                e = math.exp(-i / (decay * RATE))
                out[start + i] += res(rnd.uniform(-1, 1)) * e * amp
            t += period * rnd.uniform(0.8, 1.2)
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / 0.35) * min(1.0, (seconds - t) / 1.2)
        out[i] *= env
    return out


def cough():
    """Two coughs: a burst of breath noise shaped by the throat's formants
    with a short voiced rasp, the second weaker."""
    rnd = random.Random(77)
    out = []
    for strength, length in ((1.0, 0.40), (0.7, 0.36)):
        formants = [Resonator(f, bw) for f, bw in
                    ((620, 180), (1250, 250), (2600, 400))]
        voiced = [Resonator(f, bw) for f, bw in ((650, 120), (1150, 150))]
        phase = 0.0
        n = round(length * RATE)
        for i in range(n):
            t = i / RATE
            env = min(1.0, t / 0.006) * math.exp(-t / 0.07)
            x = rnd.uniform(-1, 1)
            breath = sum(r(x) for r in formants)
            f0 = 170 - 250 * t          # the rasp falls in pitch
            phase += f0 / RATE
            pulse = 1.0 if phase >= 1.0 else 0.0
            phase -= math.floor(phase)
            rasp = sum(r(pulse * 40) for r in voiced) * math.exp(-t / 0.05)
            out.append(strength * env * (breath * 3 + rasp))
        out.extend([0.0] * round(0.12 * RATE))
    return out


# --- music ---------------------------------------------------------------

def chant_events():
    """A short plainchant phrase in the Dorian mode sung by the choir,
    doubled an octave below."""
    q = 0.38
    tune = [(62, 1), (65, 1), (67, 1), (69, 2), (72, 1), (69, 1), (67, 1),
            (65, 1), (64, 1), (62, 3)]
    ev = [sl.program(0, 0, 52), sl.program(0, 1, 52),
          sl.control(0, 0, 91, 90), sl.control(0, 1, 91, 90)]
    t = 0.0
    for key, beats in tune:
        d = beats * q
        ev += sl.note(t, d * 0.98, 0, key, 88)
        ev += sl.note(t, d * 0.98, 1, key - 12, 70)
        t += d
    return ev


def record_events():
    """A brass fanfare climbing the major chord to a held chord with a
    timpani stroke."""
    ev = [sl.program(0, 0, 56), sl.program(0, 1, 61), sl.program(0, 2, 47)]
    t = 0.0
    for key, d in ((67, 0.14), (72, 0.14), (76, 0.14), (79, 0.42),
                   (76, 0.14), (79, 0.14)):
        ev += sl.note(t, d * 0.9, 0, key, 110)
        t += d
    ev += sl.note(t, 1.3, 0, 84, 115)
    for key in (60, 64, 67, 72):
        ev += sl.note(t, 1.3, 1, key, 100)
    ev += sl.note(t, 0.8, 2, 48, 120)
    return ev


def fine_events():
    """Three quick trumpet calls and a held major chord."""
    ev = [sl.program(0, 0, 56), sl.program(0, 1, 61)]
    t = 0.0
    for key, d in ((72, 0.12), (72, 0.12), (72, 0.12), (79, 0.9)):
        ev += sl.note(t, d * 0.85, 0, key, 110)
        t += d
    for key in (55, 64, 72):
        ev += sl.note(0.36, 0.9, 1, key, 95)
    return ev


def warning_events():
    """Two vibraphone strokes falling a major third, then again."""
    ev = [sl.program(0, 0, 11)]
    for t, key in ((0.0, 76), (0.28, 72)):
        ev += sl.note(t, 0.9, 0, key, 105)
    return ev


def tick_events():
    # high wood block of the percussion channel
    return sl.note(0.0, 0.1, 9, 76, 110)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)

    def path(name):
        return os.path.join(out, name)

    with tempfile.TemporaryDirectory() as work:
        finish(path('CLICK.WAV'), click(), peak_db=-8.0, fade_ms=3)
        finish(path('Tic.WAV'),
               midi_sound(work, 'tic', tick_events(), 0.12, reverb=False),
               peak_db=-4.0, fade_ms=20)
        finish(path('Avviso.wav'),
               midi_sound(work, 'avviso', warning_events(), 1.6),
               rms_db=MUSIC_RMS_DB, fade_ms=300)
        finish(path('No.wav'), speak(work, 'No!', pitch=38, speed=130),
               rms_db=VOICE_RMS_DB)
        finish(path('Vai1.wav'), speak(work, 'Via!', pitch=55, speed=150),
               rms_db=VOICE_RMS_DB)
        finish(path('Vai2.wav'), speak(work, 'Vai!', pitch=65, speed=150,
                                       variant='+m3'),
               rms_db=VOICE_RMS_DB)
        finish(path('Vai3.wav'), speak(work, 'Forza!', pitch=48, speed=150,
                                       variant='+m7'),
               rms_db=VOICE_RMS_DB)
        finish(path('Benvenuto.wav'),
               speak(work, 'Benvenuto!', pitch=50, speed=140),
               rms_db=VOICE_RMS_DB)
        finish(path('Intro.wav'),
               midi_sound(work, 'intro', chant_events(), 5.6),
               rms_db=MUSIC_RMS_DB, fade_ms=600)
        finish(path('Record.wav'),
               midi_sound(work, 'record', record_events(), 3.0),
               rms_db=MUSIC_RMS_DB, fade_ms=400)
        bravo = speak(work, 'Bravo!', pitch=70, speed=135)
        brass = midi_sound(work, 'fine', fine_events(), 2.4)
        finish(path('Fine.wav'),
               mix((0.0, bravo, 1.0), (0.55, brass, 0.6)),
               rms_db=MUSIC_RMS_DB, fade_ms=400)

        # the noises get their room from sox: a band limit and a reverb
        for name, samples in (('Class.wav', applause()),
                              ('Tosse.WAV', cough())):
            dry = os.path.join(work, 'dry.wav')
            wet = os.path.join(work, 'wet.wav')
            sl.write_wav(dry, sl.scale(samples, 0.5 / sl.peak(samples)))
            sox(dry, wet, 'highpass', '250', 'lowpass', '7000',
                'reverb', '30', '50', '40', 'channels', '1')
            s, _ = sl.read_wav(wet)
            finish(path(name), trim_silence(s, 0.001, tail=0.2),
                   rms_db=NOISE_RMS_DB, fade_ms=150)


if __name__ == '__main__':
    main()
