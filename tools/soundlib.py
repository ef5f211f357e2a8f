"""Small helpers shared by the sound generators: a Standard MIDI File
writer, rendering through fluidsynth, and 16-bit WAV reading, shaping and
writing done in plain Python so that the results do not depend on tool
versions beyond the synthesiser itself."""
import array
import math
import os
import subprocess
import wave

SOUNDFONT = '/usr/share/sounds/sf2/FluidR3_GM.sf2'
RATE = 44100


# --- MIDI ----------------------------------------------------------------

def _varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def write_midi(path, events, tpq=480, bpm=120):
    """events: (seconds, status, data1, data2) tuples.  A note-off sorts
    before a note-on at the same instant so repeated notes restart."""
    ticks_per_s = tpq * bpm / 60
    ev = sorted(events, key=lambda e: (e[0], 0 if e[1] & 0xF0 == 0x80 else 1))
    tempo = round(60_000_000 / bpm)
    body = b'\x00\xff\x51\x03' + tempo.to_bytes(3, 'big')
    now = 0
    for t, status, d1, d2 in ev:
        tick = round(t * ticks_per_s)
        body += _varlen(tick - now)
        now = tick
        if status & 0xF0 in (0xC0, 0xD0):
            body += bytes((status, d1))
        else:
            body += bytes((status, d1, d2))
    body += b'\x00\xff\x2f\x00'
    with open(path, 'wb') as f:
        f.write(b'MThd' + (6).to_bytes(4, 'big') + (0).to_bytes(2, 'big') +
                (1).to_bytes(2, 'big') + tpq.to_bytes(2, 'big'))
        f.write(b'MTrk' + len(body).to_bytes(4, 'big') + body)


def program(t, ch, prog):
    return (t, 0xC0 | ch, prog, 0)


def control(t, ch, cc, value):
    return (t, 0xB0 | ch, cc, value)


def note(t, dur, ch, key, vel):
    return [(t, 0x90 | ch, key, vel), (t + dur, 0x80 | ch, key, 0)]


def render_midi(mid, wav, reverb=False, gain=0.6):
    """Renders a MIDI file to a stereo 16-bit WAV with the GM soundfont."""
    cmd = ['fluidsynth', '-n', '-i', '-q', '-g', str(gain), '-r', str(RATE),
           '-O', 's16', '-T', 'wav', '-F', wav]
    if not reverb:
        cmd += ['-R', '0', '-C', '0']
    cmd += [SOUNDFONT, mid]
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)


# --- samples ---------------------------------------------------------------

def read_wav(path):
    """Returns (mono float samples in -1..1, rate)."""
    with wave.open(path, 'rb') as w:
        ch, width, rate, n = (w.getnchannels(), w.getsampwidth(),
                              w.getframerate(), w.getnframes())
        raw = w.readframes(n)
    if width != 2:
        raise ValueError('%s: expected 16-bit samples' % path)
    a = array.array('h', raw)
    if ch == 1:
        return [v / 32768 for v in a], rate
    return [sum(a[i:i + ch]) / (32768 * ch) for i in range(0, len(a), ch)], rate


def write_wav(path, samples, rate=RATE):
    a = array.array('h', (max(-32767, min(32767, round(v * 32767)))
                          for v in samples))
    tmp = path + '.tmp'
    with wave.open(tmp, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(a.tobytes())
    os.replace(tmp, path)


def peak(samples):
    return max((abs(v) for v in samples), default=0.0)


def rms(samples):
    if not samples:
        return 0.0
    return math.sqrt(sum(v * v for v in samples) / len(samples))


def db(x):
    return 20 * math.log10(x) if x > 0 else -200.0


def fade_in(samples, n):
    """Raised-cosine fade over the first n samples; sample 0 becomes 0."""
    n = min(n, len(samples))
    for i in range(n):
        samples[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n)


def fade_out(samples, n):
    """Raised-cosine fade over the last n samples, ending at 0."""
    n = min(n, len(samples))
    total = len(samples)
    for i in range(n):
        samples[total - n + i] *= 0.5 + 0.5 * math.cos(math.pi * (i + 1) / n)


def onset(samples, threshold):
    for i, v in enumerate(samples):
        if abs(v) >= threshold:
            return i
    return 0


def scale(samples, g):
    return [v * g for v in samples]


def match_level(samples, target_rms_db, peak_db=-1.0, window=None):
    """Gain so that the RMS (of the first `window` samples, if given) meets
    the target, never letting the peak rise above peak_db."""
    part = samples[:window] if window else samples
    r = rms(part)
    if r == 0:
        return samples
    g = 10 ** (target_rms_db / 20) / r
    p = peak(samples)
    if p * g > 10 ** (peak_db / 20):
        g = 10 ** (peak_db / 20) / p
    return scale(samples, g)
