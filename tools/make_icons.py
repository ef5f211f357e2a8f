#!/usr/bin/env python3
"""Draws the application icon: a treble clef (chiave di violino) and a key (chiave), on
a cream tile.  Writes ICON_DIR/scalable/<id>.svg and, rendered from it by ImageMagick,
ICON_DIR/{48x48,128x128,256x256}/<id>.png.

    make_icons.py ICON_DIR [APP_ID]

The clef's outline is taken from Noto Music (fonts-noto-core) with fontTools
(python3-fonttools); MUSIC_FONT overrides the font's path."""
import os
import subprocess
import sys
import tempfile

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

MUSIC_FONT = os.environ.get(
    'MUSIC_FONT', '/usr/share/fonts/truetype/noto/NotoMusic-Regular.ttf')
G_CLEF = 0x1D11E
SIZE = 256                      # the drawing's units: one per pixel of the largest PNG
PNG_SIZES = (48, 128, 256)

CREAM = '#faf0cd'               # the splash's background
DARK_RED = '#961414'            # the title of the logo and splash
STAFF = '#b49a78'
GOLD = '#d9a521'
GOLD_DARK = '#7a5408'


def clef_path(height, centre_x, top):
    """The clef glyph as SVG path data, scaled to `height` units, its ink centred on
    centre_x and starting at `top`."""
    font = TTFont(MUSIC_FONT)
    glyphs = font.getGlyphSet()
    name = font.getBestCmap()[G_CLEF]
    bounds = BoundsPen(glyphs)
    glyphs[name].draw(bounds)
    x0, y0, x1, y1 = bounds.bounds
    k = height / (y1 - y0)
    # font units grow upwards, the drawing's downwards
    dx = centre_x - k * (x0 + x1) / 2
    dy = top + k * y1
    pen = SVGPathPen(glyphs, ntos=lambda v: ('%.2f' % v).rstrip('0').rstrip('.'))
    glyphs[name].draw(TransformPen(pen, (k, 0, 0, -k, dx, dy)))
    return pen.getCommands()


def key_shapes():
    """A key standing on the right: a ring bow, a shaft and two bits, as SVG elements.
    Strokes stay at least 2.5 px wide at 48 px, so the key reads at the smallest size."""
    cx, cy, r = 190, 70, 30
    shaft_w, shaft_bottom = 18, 228
    ring = ('<circle cx="%d" cy="%d" r="%d" fill="none" stroke="%s" stroke-width="30"/>'
            '<circle cx="%d" cy="%d" r="%d" fill="none" stroke="%s" stroke-width="18"/>'
            % (cx, cy, r, GOLD_DARK, cx, cy, r, GOLD))
    x = cx - shaft_w / 2
    body = ('<path d="M%g %d h%d v%d h-%d z" fill="%s" stroke="%s" stroke-width="6" '
            'stroke-linejoin="round"/>'
            % (x, cy + r + 6, shaft_w, shaft_bottom - cy - r - 6, shaft_w, GOLD, GOLD_DARK))
    bits = ''.join('<rect x="%g" y="%d" width="%d" height="%d" fill="%s" stroke="%s" '
                   'stroke-width="6" stroke-linejoin="round"/>'
                   % (cx + shaft_w / 2 - 3, y, w, 18, GOLD, GOLD_DARK)
                   for y, w in ((176, 30), (206, 24)))
    return ring + bits + body


def svg(app_id):
    staff = ''.join('<line x1="22" x2="234" y1="%d" y2="%d" stroke="%s" stroke-width="5"/>'
                    % (y, y, STAFF) for y in (82, 108, 134, 160, 186))
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" '
            'viewBox="0 0 {s} {s}">\n'
            '<title>{id}</title>\n'
            '<rect x="8" y="8" width="240" height="240" rx="44" fill="{cream}" '
            'stroke="{red}" stroke-width="10"/>\n'
            '{staff}\n'
            '<path d="{clef}" fill="{red}"/>\n'
            '{key}\n'
            '</svg>\n').format(s=SIZE, id=app_id, cream=CREAM, red=DARK_RED, staff=staff,
                               clef=clef_path(208, 92, 24), key=key_shapes())


def main():
    out = os.path.abspath(sys.argv[1])
    app_id = sys.argv[2] if len(sys.argv) > 2 else 'it.velondo.Velondo'
    os.makedirs(os.path.join(out, 'scalable'), exist_ok=True)
    svg_path = os.path.join(out, 'scalable', app_id + '.svg')
    with open(svg_path, 'w') as f:
        f.write(svg(app_id))
    with tempfile.TemporaryDirectory() as tmp:
        # rendered once large, then reduced: the reduction does the smoothing
        big = os.path.join(tmp, 'big.png')
        subprocess.run(['convert', '-background', 'none', '-density', '384', svg_path,
                        '-resize', '1024x1024', big], check=True)
        for px in PNG_SIZES:
            folder = os.path.join(out, '%dx%d' % (px, px))
            os.makedirs(folder, exist_ok=True)
            subprocess.run(['convert', big, '-filter', 'Lanczos', '-resize',
                            '%dx%d' % (px, px), '-strip', 'PNG32:' + os.path.join(
                                folder, app_id + '.png')], check=True)
    print('icons -> %s' % out)


if __name__ == '__main__':
    main()
