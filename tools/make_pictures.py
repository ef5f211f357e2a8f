#!/usr/bin/python3
"""Draws every picture of Velondo7/Grafica.

All geometry is written in twips of the design window (15 twips per pixel)
so that it can be read against the window layout directly.  Pictures are
stored at twice the design size; the window stretches them to their boxes.
Shapes are drawn on a supersampled coverage mask and box-filtered down, so
lines and glyphs land on the staff with sub-pixel accuracy.

Usage: make_pictures.py OUTPUT_DIR
"""
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFont

FONT_DIR = '/usr/share/fonts/truetype/noto/'
MUSIC_FONT = FONT_DIR + 'NotoMusic-Regular.ttf'
TITLE_FONT = FONT_DIR + 'NotoSerifDisplay-BoldItalic.ttf'
TEXT_FONT = FONT_DIR + 'NotoSans-Regular.ttf'
TEXT_FONT_ITALIC = FONT_DIR + 'NotoSerif-Italic.ttf'

TWIPS_PER_PX = 15
OUT_SCALE = 2          # stored pixels per design pixel
SPACE = 315            # staff line spacing, twips
STEP = SPACE / 2       # one staff position
LINE = 30              # staff and ledger line thickness: 2 design pixels

# Noto Music draws most of its glyphs for a staff whose bottom line is the
# baseline and whose spaces are a quarter of the 1000-unit em (the F clef
# is the exception: it is placed by its dots).
UNITS_PER_SPACE = 250
TW_PER_UNIT = SPACE / UNITS_PER_SPACE

G_CLEF = '\U0001D11E'
C_CLEF = '\U0001D121'
F_CLEF = '\U0001D122'
SHARP = '\u266F'
FLAT = '\u266D'
DOUBLE_SHARP = '\U0001D12A'
DOUBLE_FLAT = '\U0001D12B'
NOTEHEAD = '\U0001D158'   # filled black note head

# --- note place (one slot of the drill staff) -----------------------------
NOTE_W, NOTE_H = 960, 5685
BOTTOM_LINE_Y = 3465      # position 12 inside the note picture
HEAD_LEFT, HEAD_W = 445, 425
LEDGER_OVERHANG = 75      # ledger lines run this far beyond the head
ACC_GAP = 45              # clear space between accidental and head
ACC_LEFT_LIMIT = 15

# accidental: glyph, ink height in spaces, ink width in twips, anchor rule
ACCIDENTALS = {
    '':   None,
    'di': (SHARP, 2.5, 360, 'centre'),
    'be': (FLAT, 2.0, 280, 'space'),
    'dd': (DOUBLE_SHARP, None, 300, 'centre'),
    'db': (DOUBLE_FLAT, 2.0, 375, 'space'),
}

# --- clef box ----------------------------------------------------------------
CLEF_W, CLEF_H = 780, 2535
CLEF_LINES = [1890, 1575, 1260, 945, 630]   # lines 1..5, bottom first

# clef number: glyph, staff line its reference sits on, vertical scale
# against the font's natural size, ink width (twips).  The G and C clefs are
# drawn by the font for a staff whose bottom line is the baseline (G on the
# second line, C on the third); the F clef is placed by its dots.
CLEFS = {
    1: (G_CLEF, 2, 0.92, 730),
    2: (C_CLEF, 1, 0.97, 690),
    3: (C_CLEF, 2, 0.97, 690),
    4: (C_CLEF, 3, 0.97, 690),
    5: (C_CLEF, 4, 0.97, 690),
    6: (F_CLEF, 3, 0.98, 700),
    7: (F_CLEF, 4, 0.98, 700),
}
FONT_CLEF_LINE = {G_CLEF: 2, C_CLEF: 3}

# --- clef table picture (panel coordinates shifted by the picture's origin)
TABLE_X, TABLE_Y = 1260, 525
TABLE_W, TABLE_H = 13560, 5055
TABLE_BOTTOM_LINE = 3675 - TABLE_Y
TABLE_STAFF_RIGHT = 14835 - TABLE_X
TABLE_END_BAR = 14805 - TABLE_X
LABEL_W = 645
LOWER_LABEL_LEFTS = [1365, 2190, 3040, 3890, 4740, 5590, 6440, 7290, 8140,
                     8990, 9845, 10710, 11550, 12390, 13230, 14070]
UPPER_LABEL_LEFTS = [2205, 3045, 3885, 4725, 5565, 6420, 7290, 8145, 8985,
                     9840, 10680, 11520, 12375, 13215, 14070]


class Glyph:
    """A music glyph rasterised once at a large size, measured in font units
    with y growing downwards from the baseline."""
    RENDER_PX = 2000          # font size used for the master raster

    _cache = {}

    def __init__(self, ch):
        font = ImageFont.truetype(MUSIC_FONT, self.RENDER_PX)
        pad = self.RENDER_PX
        img = Image.new('L', (3 * pad, 3 * pad), 0)
        ImageDraw.Draw(img).text((pad, 2 * pad), ch, font=font, fill=255,
                                 anchor='ls')
        box = img.getbbox()
        self.mask = img.crop(box)
        upx = 1000 / self.RENDER_PX     # font units per raster pixel
        self.left = (box[0] - pad) * upx
        self.top = (box[1] - 2 * pad) * upx
        self.bottom = (box[3] - 2 * pad) * upx
        self.width = (box[2] - box[0]) * upx

    @classmethod
    def get(cls, ch):
        if ch not in cls._cache:
            cls._cache[ch] = Glyph(ch)
        return cls._cache[ch]

    @property
    def height(self):
        return self.bottom - self.top

    def dots_centre(self):
        """Height (font units below the baseline) halfway between the two
        dots at the right of an F clef: where its line must pass."""
        w, h = self.mask.size
        strip = self.mask.crop((w - w // 12, 0, w, h))
        rows = [any(v > 127 for v in strip.crop((0, y, strip.width, y + 1))
                    .getdata()) for y in range(h)]
        dots, start = [], None
        for y, v in enumerate(rows + [False]):
            if v and start is None:
                start = y
            elif not v and start is not None:
                dots.append((start + y) / 2)
                start = None
        if len(dots) != 2:
            raise ValueError('F clef: expected two dots, found %d' % len(dots))
        upx = 1000 / self.RENDER_PX
        return self.top + (dots[0] + dots[1]) / 2 * upx


class Canvas:
    """Coverage mask in twips, supersampled `ss` times over the stored size."""

    def __init__(self, w_tw, h_tw, ss=8):
        self.ss = ss
        self.k = OUT_SCALE * ss / TWIPS_PER_PX    # mask pixels per twip
        self.out_size = (round(w_tw * OUT_SCALE / TWIPS_PER_PX),
                         round(h_tw * OUT_SCALE / TWIPS_PER_PX))
        self.mask = Image.new('L', (self.out_size[0] * ss,
                                    self.out_size[1] * ss), 0)
        self.draw = ImageDraw.Draw(self.mask)

    def px(self, v):
        return round(v * self.k)

    def rect(self, x0, y0, x1, y1):
        self.draw.rectangle((self.px(x0), self.px(y0),
                             self.px(x1) - 1, self.px(y1) - 1), fill=255)

    def hline(self, yc, x0, x1, thick=LINE):
        self.rect(x0, yc - thick / 2, x1, yc + thick / 2)

    def vline(self, xc, y0, y1, thick=LINE):
        self.rect(xc - thick / 2, y0, xc + thick / 2, y1)

    def glyph(self, ch, x_left, ink_w, tw_per_unit, anchor_y, anchor_units):
        """Draws glyph ch with its ink starting at x_left, ink_w twips wide,
        scaled vertically by tw_per_unit, so that the point anchor_units
        (font units below the baseline) lands on anchor_y."""
        g = Glyph.get(ch)
        top = anchor_y - (anchor_units - g.top) * tw_per_unit
        h = g.height * tw_per_unit
        x0, y0 = self.px(x_left), self.px(top)
        size = (self.px(x_left + ink_w) - x0, self.px(top + h) - y0)
        scaled = g.mask.resize(size, Image.LANCZOS)
        region = (x0, y0, x0 + size[0], y0 + size[1])
        self.mask.paste(ImageChops.lighter(self.mask.crop(region), scaled),
                        region)

    def coverage(self):
        return self.mask.reduce(self.ss)

    def save_gif(self, path):
        save_transparent_gif(self.coverage(), path)


def save_transparent_gif(cov, path):
    """Black ink on a transparent background.  GIF transparency is all or
    nothing, so faint edge pixels are dropped and the others keep a grey that
    blends the ink with the white staff area."""
    levels = 16
    palette = [255, 255, 255]                 # index 0: transparent
    for i in range(1, levels + 1):
        g = round(255 * (levels - i) / levels)
        palette += [g, g, g]
    palette += [0] * (768 - len(palette))
    lut = []
    for c in range(256):
        lut.append(0 if c < 48 else max(1, min(levels, round(c * levels / 255))))
    idx = cov.point(lut)
    img = Image.frombytes('P', idx.size, idx.tobytes())
    img.putpalette(palette)
    img.save(path, transparency=0, optimize=False)


# --- staff positions --------------------------------------------------------

def position_y(p, bottom_line_y):
    """Centre of staff position p; position 12 is the bottom line."""
    return bottom_line_y - (p - 12) * STEP


def ledger_positions(p):
    """Ledger lines a note at position p needs (the five staff lines are
    drawn by the window)."""
    if p <= 10:
        return list(range(10, p - 1, -2))
    if p >= 22:
        return list(range(22, p + 1, 2))
    return []


def draw_note(cv, p, bottom_line_y, head_left, ledger_left=None):
    yc = position_y(p, bottom_line_y)
    if ledger_left is None:
        ledger_left = head_left - LEDGER_OVERHANG
    for q in ledger_positions(p):
        cv.hline(position_y(q, bottom_line_y), ledger_left,
                 head_left + HEAD_W + LEDGER_OVERHANG)
    head = Glyph.get(NOTEHEAD)
    # the head is exactly one line spacing tall
    cv.glyph(NOTEHEAD, head_left, HEAD_W, SPACE / head.height, yc,
             (head.top + head.bottom) / 2)


def draw_accidental(cv, suffix, yc, right):
    ch, height_sp, ink_w, anchor = ACCIDENTALS[suffix]
    g = Glyph.get(ch)
    if height_sp is None:            # keep the glyph's own proportions
        scale = ink_w / g.width
    else:
        scale = height_sp * SPACE / g.height
    if anchor == 'centre':
        anchor_units = (g.top + g.bottom) / 2
    else:
        # flats are drawn by the font for a note in the first space: the
        # bowl is centred half a space above the baseline
        anchor_units = -UNITS_PER_SPACE / 2
    left = max(ACC_LEFT_LIMIT, right - ink_w)
    cv.glyph(ch, left, right - left, scale, yc, anchor_units)
    return left


def note_picture(p, suffix):
    cv = Canvas(NOTE_W, NOTE_H)
    ledger_left = None
    if suffix:
        acc_right = HEAD_LEFT - ACC_GAP
        draw_accidental(cv, suffix, position_y(p, BOTTOM_LINE_Y), acc_right)
        # ledger lines stop short of the accidental
        ledger_left = max(acc_right + 20, HEAD_LEFT - LEDGER_OVERHANG)
    draw_note(cv, p, BOTTOM_LINE_Y, HEAD_LEFT, ledger_left)
    return cv


def draw_clef(cv, number, lines_y, x_centre):
    ch, line, vscale, ink_w = CLEFS[number]
    tw_per_unit = TW_PER_UNIT * vscale
    if ch == F_CLEF:
        own_units = Glyph.get(ch).dots_centre()
    else:
        own_units = -(FONT_CLEF_LINE[ch] - 1) * UNITS_PER_SPACE
    cv.glyph(ch, x_centre - ink_w / 2, ink_w, tw_per_unit, lines_y[line - 1],
             own_units)


def clef_picture(number):
    cv = Canvas(CLEF_W, CLEF_H)
    draw_clef(cv, number, CLEF_LINES, CLEF_W / 2)
    return cv


def table_note_centres():
    """x of the note of each position, under (1..16) or over (17..31) the
    staff, in the columns of the name labels."""
    xs = {}
    for i, left in enumerate(LOWER_LABEL_LEFTS):
        xs[i + 1] = left + LABEL_W / 2 - TABLE_X
    for i, left in enumerate(UPPER_LABEL_LEFTS):
        xs[i + 17] = left + LABEL_W / 2 - TABLE_X
    return xs


def table_picture():
    cv = Canvas(TABLE_W, TABLE_H, ss=4)
    # the staff of the panel, drawn again here so that the picture stands
    # on its own; it coincides with the panel's lines
    for q in (12, 14, 16, 18, 20):
        cv.hline(position_y(q, TABLE_BOTTOM_LINE), 0,
                 min(TABLE_W, TABLE_STAFF_RIGHT))
    cv.vline(TABLE_END_BAR, position_y(20, TABLE_BOTTOM_LINE) - LINE / 2,
             position_y(20, TABLE_BOTTOM_LINE) + 1275 - LINE / 2)
    for p, xc in table_note_centres().items():
        draw_note(cv, p, TABLE_BOTTOM_LINE, xc - HEAD_W / 2)
    return cv


# --- logo and splash -------------------------------------------------------

def music_staff(draw, x0, x1, top, space, colour, width):
    for i in range(5):
        y = top + i * space
        draw.line((x0, y, x1, y), fill=colour, width=width)


def stamp(img, ch, x, yc, space, colour, anchor='centre'):
    """Draws a music glyph with its ink starting at x and its anchor (ink
    centre, or the font's first-space note position) at height yc."""
    g = Glyph.get(ch)
    upx = space / UNITS_PER_SPACE          # pixels per font unit
    anchor_units = ((g.top + g.bottom) / 2 if anchor == 'centre'
                    else -UNITS_PER_SPACE / 2)
    font = ImageFont.truetype(MUSIC_FONT, round(space * 4))
    ImageDraw.Draw(img).text((x - g.left * upx, yc - anchor_units * upx), ch,
                             font=font, fill=colour, anchor='ls')
    return g.width * upx


def melody(img, d, x0, dx, bottom, space, notes, colour, line_col, lw):
    """Filled heads along a staff; notes are (position, accidental or '')."""
    accid = {'#': (SHARP, 'centre'), 'b': (FLAT, 'space')}
    for i, (p, acc) in enumerate(notes):
        x = x0 + i * dx
        yc = bottom - (p - 12) * space / 2
        head_w = Glyph.get(NOTEHEAD).width * space / UNITS_PER_SPACE
        for q in ledger_positions(p):
            y = bottom - (q - 12) * space / 2
            d.line((x - 0.3 * space, y, x + head_w + 0.3 * space, y),
                   fill=line_col, width=lw)
        stamp(img, NOTEHEAD, x, yc, space, colour)
        if acc:
            ch, anchor = accid[acc]
            s = space * 0.8
            w = Glyph.get(ch).width * s / UNITS_PER_SPACE
            stamp(img, ch, x - w - 0.25 * space, yc, s, colour, anchor)


def vertical_gradient(size, top, bottom):
    w, h = size
    img = Image.new('RGB', size)
    d = ImageDraw.Draw(img)
    for y in range(h):
        t = y / max(1, h - 1)
        d.line((0, y, w, y), fill=tuple(round(a + (b - a) * t)
                                        for a, b in zip(top, bottom)))
    return img


def clef_on_staff(img, ch, x, bottom, space, colour):
    # the font draws clefs for a staff whose bottom line is the baseline
    font = ImageFont.truetype(MUSIC_FONT, round(space * 4))
    ImageDraw.Draw(img).text((x, bottom), ch, font=font, fill=colour,
                             anchor='ls')


def logo_picture():
    # logo area of the window: 3585 x 1695 twips on RGB(253,247,215);
    # the picture takes its upper part, the credit lines go below it
    w, h = 480, 200
    ss = 4
    paper = (253, 247, 215)
    img = Image.new('RGB', (w * ss, h * ss), paper)
    d = ImageDraw.Draw(img)
    space = 11 * ss
    staff_top = 118 * ss
    bottom = staff_top + 4 * space
    line_col = (150, 120, 90)
    music_staff(d, 12 * ss, (w - 12) * ss, staff_top, space, line_col, 2 * ss)
    clef_on_staff(img, G_CLEF, 20 * ss, bottom, space, (110, 30, 30))
    scale = [(p, '') for p in range(12, 20)]
    melody(img, d, 90 * ss, 46 * ss, bottom, space, scale, (40, 40, 40),
           line_col, 2 * ss)
    title = ImageFont.truetype(TITLE_FONT, 96 * ss)
    d.text((w * ss / 2, 96 * ss), 'Velondo', font=title, fill=(150, 20, 20),
           anchor='ms')
    sub = ImageFont.truetype(TEXT_FONT_ITALIC, 19 * ss)
    d.text((w * ss / 2, 194 * ss), 'le note in sette chiavi', font=sub,
           fill=(80, 60, 40), anchor='ms')
    return img.resize((w, h), Image.LANCZOS)


def splash_picture():
    w, h = 640, 480
    ss = 3
    img = vertical_gradient((w * ss, h * ss), (250, 240, 205), (193, 209, 177))
    d = ImageDraw.Draw(img)
    # a wide staff across the lower half, G clef and a little melody
    space = 22 * ss
    staff_top = 292 * ss
    bottom = staff_top + 4 * space
    line_col = (90, 70, 50)
    ink = (50, 30, 20)
    music_staff(d, 30 * ss, (w - 30) * ss, staff_top, space, line_col, 2 * ss)
    clef_on_staff(img, G_CLEF, 42 * ss, bottom, space, ink)
    tune = [(10, ''), (12, ''), (14, ''), (16, ''), (19, 'b'), (18, ''),
            (20, ''), (17, '#'), (15, ''), (13, '')]
    melody(img, d, 132 * ss, 46 * ss, bottom, space, tune, (30, 30, 30),
           line_col, 2 * ss)
    d.line(((w - 38) * ss, staff_top, (w - 38) * ss, bottom), fill=line_col,
           width=2 * ss)
    d.line(((w - 31) * ss, staff_top, (w - 31) * ss, bottom), fill=line_col,
           width=6 * ss)
    title = ImageFont.truetype(TITLE_FONT, 120 * ss)
    d.text((w * ss / 2 + 3 * ss, 175 * ss), 'Velondo', font=title,
           fill=(150, 140, 110), anchor='ms')
    d.text((w * ss / 2, 172 * ss), 'Velondo', font=title,
           fill=(150, 20, 20), anchor='ms')
    sub = ImageFont.truetype(TEXT_FONT_ITALIC, 26 * ss)
    d.text((w * ss / 2, 225 * ss), 'Lettura delle note in sette chiavi',
           font=sub, fill=(70, 50, 30), anchor='ms')
    names = ImageFont.truetype(TEXT_FONT, 15 * ss)
    d.text((w * ss / 2, 448 * ss),
           'Violino  \u00b7  Soprano  \u00b7  Mezzosoprano  \u00b7  '
           'Contralto  \u00b7  Tenore  \u00b7  Baritono  \u00b7  Basso',
           font=names, fill=(60, 70, 50), anchor='ms')
    return img.resize((w, h), Image.LANCZOS)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for p in range(1, 32):
        for suffix in ACCIDENTALS:
            note_picture(p, suffix).save_gif(
                os.path.join(out, '%02d%s.gif' % (p, suffix)))
    for number in CLEFS:
        clef_picture(number).save_gif(os.path.join(out, 'Ch%02d.gif' % number))
    table_picture().save_gif(os.path.join(out, 'Tavola.gif'))
    logo_picture().save(os.path.join(out, 'Logo.jpg'), quality=92)
    splash_picture().save(os.path.join(out, 'Schermata.jpg'), quality=92)


if __name__ == '__main__':
    main()
