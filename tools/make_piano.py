#!/usr/bin/python3
"""Renders the 73 piano samples of Velondo7/Piano from the General MIDI
grand piano.

Sample n sounds MIDI key 23 + n: sample 1 is "DO" (key 24), sample 37 is
"DO3", middle C (key 60), sample 73 is "DO6" (key 96).  Each sample starts
on its attack (the keyboard must answer at once), lasts at most 2.5 s with a
faded tail, and is levelled against the others so that no region of the
keyboard sounds louder.

Usage: make_piano.py OUTPUT_DIR
"""
import os
import sys
import tempfile

import soundlib as sl

NAMES = ['do', 'do#', 're', 're#', 'mi', 'fa', 'fa#', 'sol', 'sol#', 'la',
         'la#', 'si']
LENGTH = 2.5          # seconds kept
HOLD = 2.3            # key held this long before release
FADE = 0.6            # tail fade, seconds
TARGET_RMS_DB = -15.0  # over the first 150 ms, the heard attack
VELOCITY = 90


def sample_name(n):
    return '%02d%s.wav' % (n, NAMES[(n - 1) % 12])


def midi_key(n):
    return 23 + n


def make_sample(n, out_dir, work):
    mid = os.path.join(work, 'p%02d.mid' % n)
    raw = os.path.join(work, 'p%02d.wav' % n)
    sl.write_midi(mid, [sl.program(0, 0, 0)] +
                  sl.note(0.0, HOLD, 0, midi_key(n), VELOCITY) +
                  [sl.control(HOLD + 0.7, 0, 123, 0)])
    sl.render_midi(mid, raw, reverb=True)
    s, rate = sl.read_wav(raw)
    # start half a millisecond before the attack crosses -54 dBFS
    start = max(0, sl.onset(s, 0.002) - rate // 2000)
    s = s[start:start + round(LENGTH * rate)]
    s = sl.match_level(s, TARGET_RMS_DB, window=round(0.15 * rate))
    sl.fade_in(s, rate // 1000)
    sl.fade_out(s, round(FADE * rate))
    sl.write_wav(os.path.join(out_dir, sample_name(n)), s, rate)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        for n in range(1, 74):
            make_sample(n, out, work)


if __name__ == '__main__':
    main()
