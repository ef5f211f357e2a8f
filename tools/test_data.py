#!/usr/bin/python3
"""Checks the generated data against the window's geometry and the
keyboard's pitches, measuring the files themselves.

- every note picture puts its head on its staff position and carries
  exactly the ledger lines of that position, never the five staff lines;
- C clefs are centred on their line, F clefs have their dots round theirs,
  no clef is clipped by its box;
- the clef table's staff lies where the panel draws its lines;
- every piano sample starts on its attack, stays within 2.5 s, is level with
  the others, and a few of them sound the pitch their name says;
- the effect sounds are 16-bit 44.1 kHz PCM, audible, under six seconds.

Usage: test_data.py [DATA_DIR]   (default: data/Velondo7 of this repository)
"""
import math
import os
import sys
import unittest
import wave
import array

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', 'data', 'Velondo7')

TW = 7.5                 # twips per stored pixel (pictures are at 2x)
SPACE_PX = 315 / TW      # line spacing in stored pixels
LINE_PX = 30 / TW        # line thickness


def grafica(name):
    return os.path.join(DATA, 'Grafica', name)


def ink(path):
    """Boolean rows of the picture: True where it is not transparent."""
    with Image.open(path) as img:
        assert img.format == 'GIF', path
        t = img.info.get('transparency')
        assert t is not None, path + ': no transparent colour'
        w, h = img.size
        px = img.load()
        return [[px[x, y] != t for x in range(w)] for y in range(h)], w, h


def runs(column):
    """(first, last) row of every ink run of a column."""
    out, start = [], None
    for y, v in enumerate(column + [False]):
        if v and start is None:
            start = y
        elif not v and start is not None:
            out.append((start, y - 1))
            start = None
    return out


def centre(run):
    return (run[0] + run[1] + 1) / 2      # pixel rows cover [y, y+1)


def position_px(p):
    # position 12, the bottom staff line, is 3465 twips below the top
    return (3465 - (p - 12) * 157.5) / TW


def ledgers(p):
    if p <= 10:
        return [q for q in range(10, 0, -2) if q >= p]
    if p >= 22:
        return [q for q in range(22, 32, 2) if q <= p]
    return []


class NotePictures(unittest.TestCase):

    def head_columns(self, rows, w, p):
        """Columns of ink near the note's centre, leaving out the rows where
        a line (staff or ledger) could lie."""
        yc = position_px(p)
        line_rows = set()
        for q in range(0, 33, 2):
            y = position_px(q)
            line_rows.update(range(math.floor(y - 3), math.ceil(y + 3)))
        cols = set()
        for y in range(math.floor(yc - 15), math.ceil(yc + 15)):
            if y not in line_rows:
                cols.update(x for x in range(w) if rows[y][x])
        return min(cols), max(cols)

    def test_naturals_sit_on_their_position(self):
        for p in range(1, 32):
            with self.subTest(p=p):
                rows, w, h = ink(grafica('%02d.gif' % p))
                self.assertEqual((w, h), (128, 758))
                for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
                    self.assertFalse(rows[y][x], 'corner not transparent')
                hx0, hx1 = self.head_columns(rows, w, p)
                self.assertGreater(hx0, w / 3, 'head should stand right')
                # the head is one line spacing tall around the position
                col = [r[(hx0 + hx1) // 2] for r in rows]
                yc = position_px(p)
                head = [r for r in runs(col) if r[0] <= yc <= r[1] + 1]
                self.assertEqual(len(head), 1)
                self.assertAlmostEqual(centre(head[0]), yc, delta=1.5)
                self.assertAlmostEqual(head[0][1] - head[0][0] + 1,
                                       SPACE_PX, delta=8)
                # beside the head only ledger lines, each on its position
                side = [r[min(w - 1, hx1 + 3)] for r in rows]
                found = runs(side)
                expect = sorted(position_px(q) for q in ledgers(p))
                self.assertEqual(len(found), len(expect), found)
                for run, y in zip(found, expect):
                    self.assertAlmostEqual(centre(run), y, delta=1)
                    self.assertAlmostEqual(run[1] - run[0] + 1, LINE_PX,
                                           delta=1)

    def test_accidentals_stand_left_of_the_head(self):
        for p in range(1, 32):
            natural, w, h = ink(grafica('%02d.gif' % p))
            hx0, _ = self.head_columns(natural, w, p)
            for suffix in ('di', 'be', 'dd', 'db'):
                with self.subTest(p=p, suffix=suffix):
                    rows, w2, h2 = ink(grafica('%02d%s.gif' % (p, suffix)))
                    self.assertEqual((w2, h2), (w, h))
                    # the head and its right side are those of the natural
                    for y in range(h):
                        self.assertEqual(rows[y][hx0 + 4:], natural[y][hx0 + 4:])
                    left = [(x, y) for y in range(h) for x in range(hx0 - 2)
                            if rows[y][x]]
                    self.assertTrue(left, 'no accidental')
                    xs = [x for x, _ in left]
                    ys = [y for _, y in left]
                    self.assertGreater(min(xs), 0)
                    self.assertGreater(min(ys), 0, 'clipped at the top')
                    self.assertLess(max(ys), h - 1, 'clipped at the bottom')
                    self.assertLess(min(ys), position_px(p))
                    self.assertGreater(max(ys), position_px(p))


class ClefPictures(unittest.TestCase):
    LINES = [(1890 - 315 * k) / TW for k in range(5)]     # lines 1..5

    def bbox(self, rows):
        pts = [(x, y) for y, r in enumerate(rows) for x, v in enumerate(r) if v]
        return (min(x for x, _ in pts), min(y for _, y in pts),
                max(x for x, _ in pts), max(y for _, y in pts))

    def test_clefs_fit_their_box(self):
        for c in range(1, 8):
            with self.subTest(clef=c):
                rows, w, h = ink(grafica('Ch%02d.gif' % c))
                self.assertEqual((w, h), (104, 338))
                x0, y0, x1, y1 = self.bbox(rows)
                self.assertTrue(x0 > 0 and y0 > 0 and x1 < w - 1 and
                                y1 < h - 1, 'clef touches its box')

    def test_c_clefs_centre_on_their_line(self):
        for c, line in ((2, 1), (3, 2), (4, 3), (5, 4)):
            with self.subTest(clef=c):
                rows, _, _ = ink(grafica('Ch%02d.gif' % c))
                _, y0, _, y1 = self.bbox(rows)
                self.assertAlmostEqual((y0 + y1 + 1) / 2, self.LINES[line - 1],
                                       delta=2)

    def test_f_clef_dots_round_their_line(self):
        for c, line in ((6, 3), (7, 4)):
            with self.subTest(clef=c):
                rows, _, _ = ink(grafica('Ch%02d.gif' % c))
                _, _, x1, _ = self.bbox(rows)
                col = [any(r[x1 - 4:x1 + 1]) for r in rows]
                dots = runs(col)
                self.assertEqual(len(dots), 2, dots)
                mid = (centre(dots[0]) + centre(dots[1])) / 2
                self.assertAlmostEqual(mid, self.LINES[line - 1], delta=2)
                # one dot in each space next to the line
                self.assertLess(dots[0][1], self.LINES[line - 1])
                self.assertGreater(dots[1][0], self.LINES[line - 1])

    def test_g_clef_spans_the_staff(self):
        rows, _, _ = ink(grafica('Ch01.gif'))
        _, y0, _, y1 = self.bbox(rows)
        self.assertLess(y0, self.LINES[4] - SPACE_PX / 2)
        self.assertGreater(y1, self.LINES[0] + SPACE_PX / 2)


class TablePicture(unittest.TestCase):

    def test_staff_lies_on_the_panel_lines(self):
        rows, w, h = ink(grafica('Tavola.gif'))
        self.assertEqual((w, h), (1808, 674))
        col = [r[4] for r in rows]
        # panel lines at 2415 ... 3675 twips, the picture's top at 525
        expect = [(t - 525) / TW for t in (2415, 2730, 3045, 3360, 3675)]
        found = runs(col)
        self.assertEqual(len(found), 5, found)
        for run, y in zip(found, expect):
            self.assertAlmostEqual(centre(run), y, delta=1)


def read_wav(path):
    with wave.open(path, 'rb') as w:
        params = (w.getnchannels(), w.getsampwidth(), w.getframerate())
        data = array.array('h', w.readframes(w.getnframes()))
    return params, [v / 32768 for v in data]


def rms(s):
    return math.sqrt(sum(v * v for v in s) / len(s))


def db(x):
    return 20 * math.log10(x) if x > 0 else -200


NAMES = ['do', 'do#', 're', 're#', 'mi', 'fa', 'fa#', 'sol', 'sol#', 'la',
         'la#', 'si']


def piano(n):
    return os.path.join(DATA, 'Piano', '%02d%s.wav' % (n, NAMES[(n - 1) % 12]))


class PianoSamples(unittest.TestCase):

    def test_format_attack_and_level(self):
        levels = {}
        for n in range(1, 74):
            with self.subTest(n=n):
                params, s = read_wav(piano(n))
                self.assertEqual(params, (1, 2, 44100))
                self.assertLessEqual(len(s), 2.5 * 44100)
                self.assertGreater(len(s), 1.0 * 44100)
                self.assertLess(abs(s[0]), 0.001, 'click at the start')
                self.assertLess(abs(s[-1]), 0.001, 'tail cut off')
                first = next(i for i, v in enumerate(s) if abs(v) > 0.01)
                self.assertLess(first, 0.002 * 44100, 'late attack')
                levels[n] = db(rms(s[:round(0.15 * 44100)]))
        self.assertLess(max(levels.values()) - min(levels.values()), 6,
                        levels)

    def autocorr(self, s, lag):
        a = s[:4096]
        b = s[lag:lag + 4096]
        return sum(x * y for x, y in zip(a, b)) / math.sqrt(
            sum(x * x for x in a) * sum(y * y for y in b))

    def test_samples_sound_their_keys(self):
        # sample n is MIDI key 23 + n: 37 is middle C.  Ten periods on, the
        # tone lines up with itself; a semitone off it is out of phase by
        # half a period, and half a period on it is in phase only if it
        # sounds an octave higher.
        for n in (22, 34, 37, 46, 58):
            with self.subTest(n=n):
                _, s = read_wav(piano(n))
                s = s[round(0.1 * 44100):]
                period = 44100 / (440 * 2 ** ((23 + n - 69) / 12))

                def r(periods):
                    return self.autocorr(s, round(periods * period))
                right = r(10)
                self.assertGreater(right, 0.6)
                self.assertLess(r(10 * 2 ** (1 / 12)), right - 0.3)
                self.assertLess(r(10 / 2 ** (1 / 12)), right - 0.3)
                self.assertLess(r(10.5), 0, 'an octave too high?')


EFFECTS = ['CLICK.WAV', 'Tic.WAV', 'Avviso.wav', 'No.wav', 'Vai1.wav',
           'Vai2.wav', 'Vai3.wav', 'Intro.wav', 'Record.wav', 'Fine.wav',
           'Class.wav', 'Tosse.WAV', 'Benvenuto.wav']


class EffectSounds(unittest.TestCase):

    def test_effects(self):
        for name in EFFECTS:
            with self.subTest(name=name):
                params, s = read_wav(os.path.join(DATA, 'Suoni', name))
                self.assertEqual(params, (1, 2, 44100))
                self.assertLess(len(s), 6 * 44100)
                self.assertGreater(max(abs(v) for v in s), 0.25)
        _, intro = read_wav(os.path.join(DATA, 'Suoni', 'Intro.wav'))
        self.assertGreaterEqual(len(intro), 3 * 44100)


if __name__ == '__main__':
    if len(sys.argv) > 1 and not sys.argv[1].startswith('-'):
        DATA = sys.argv.pop(1)
    unittest.main(verbosity=1)
