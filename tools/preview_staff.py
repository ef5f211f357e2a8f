#!/usr/bin/python3
"""Composes the drill staff as the window lays it out, from the pictures in
a Grafica folder, to look at how notes, ledger lines and clefs meet the
window's own staff lines.

Usage: preview_staff.py GRAFICA_DIR OUT.png CLEF POS[suffix] ... (13 at most)
e.g.   preview_staff.py data/Velondo7/Grafica /tmp/staff.png 1 14 12 09di 31db
"""
import os
import sys

from PIL import Image, ImageDraw

SCALE = 2 / 15            # preview pixels per twip (twice the design size)
AREA = (60, 1995, 15360, 8310)    # staff area of the window, twips


def px(v):
    return round(v * SCALE)


def main():
    grafica, out, clef = sys.argv[1], sys.argv[2], int(sys.argv[3])
    notes = sys.argv[4:17]
    ox, oy = AREA[0], AREA[1]
    img = Image.new('RGBA', (px(AREA[2] - ox), px(AREA[3] - oy)), 'white')
    d = ImageDraw.Draw(img)
    line = px(30)            # 2 design pixels
    for y in (4410, 4725, 5040, 5355, 5670):
        yc = px(y - oy)
        d.rectangle((px(210 - ox), yc - line // 2, px(15030 - ox),
                     yc + line // 2 - 1), fill='black')
    for b in range(12):
        x = px(2265 + 1050 * b - ox)
        d.rectangle((x - line // 2, px(4410 - oy), x + line // 2 - 1,
                     px(5670 - oy)), fill=(170, 170, 170))

    def put(name, left, top, w, h):
        pic = Image.open(os.path.join(grafica, name)).convert('RGBA')
        pic = pic.resize((px(w), px(h)), Image.LANCZOS)
        img.alpha_composite(pic, (px(left - ox), px(top - oy)))

    put('Ch%02d.gif' % clef, 315, 3780, 780, 2535)
    for s, name in enumerate(notes):
        put(name + '.gif', 1260 + 1050 * s, 2205, 960, 5685)
        d.text((px(1365 + 1050 * s - ox), px(7800 - oy)), name, fill='blue')
    img.convert('RGB').save(out)


if __name__ == '__main__':
    main()
