#!/usr/bin/env python3
"""Draws the bitmaps and cursors the controls load by name and writes them as
PNG files into platform/draw/resources/, with the resource file that lists
them. The pictures are our own; run this after changing one."""
import math
import os
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'platform', 'draw')
OUT = os.path.join(ROOT, 'resources')

# The sixteen colours of a 16-colour bitmap.
BLACK, MAROON, GREEN, OLIVE = (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0)
NAVY, PURPLE, TEAL, GRAY = (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128)
SILVER, RED, LIME, YELLOW = (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0)
BLUE, FUCHSIA, AQUA, WHITE = (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)
CLEAR = None


class Picture:
    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, l, t, r, b, c):
        for y in range(t, b):
            for x in range(l, r):
                self.set(x, y, c)

    def frame(self, l, t, r, b, c):
        for x in range(l, r):
            self.set(x, t, c)
            self.set(x, b - 1, c)
        for y in range(t, b):
            self.set(l, y, c)
            self.set(r - 1, y, c)

    def line(self, x0, y0, x1, y1, c, thick=1):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            x = round(x0 + (x1 - x0) * i / n)
            y = round(y0 + (y1 - y0) * i / n)
            for dy in range(thick):
                for dx in range(thick):
                    self.set(x + dx, y + dy, c)

    def polygon(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(min(ys), max(ys) + 1):
            xs = []
            for i in range(len(pts)):
                (xa, ya), (xb, yb) = pts[i], pts[(i + 1) % len(pts)]
                if ya != yb and min(ya, yb) <= y + 0.5 < max(ya, yb):
                    xs.append(xa + (y + 0.5 - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[::2], xs[1::2]):
                for x in range(math.ceil(a - 0.5), math.floor(b - 0.5) + 1):
                    self.set(x, y, c)

    def disc(self, cx, cy, r, c, ring=None):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r and (ring is None or d > r - ring):
                    self.set(x, y, c)

    def paste(self, other, ox, oy):
        for y in range(other.h):
            for x in range(other.w):
                if other.px[y][x] is not CLEAR:
                    self.set(ox + x, oy + y, other.px[y][x])

    def png(self, path):
        alpha = any(c is CLEAR for row in self.px for c in row)
        raw = b''
        for row in self.px:
            raw += b'\0'
            for c in row:
                if alpha:
                    raw += bytes((0, 0, 0, 0)) if c is CLEAR else bytes(c + (255,))
                else:
                    raw += bytes(c)

        def chunk(kind, data):
            body = kind + data
            return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack('>IIBBBBB', self.w, self.h, 8, 6 if alpha else 2, 0, 0, 0)
        data = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b'')
        with open(path, 'wb') as f:
            f.write(data)


# ---- Button glyphs: two 18-pixel frames, normal and disabled -------------

def glyph_frame(draw, h, disabled):
    p = Picture(18, h, FUCHSIA)
    if disabled:
        shade = Picture(18, h, CLEAR)
        draw(shade, WHITE)
        p.paste(shade, 1, 1)
        shade = Picture(18, h, CLEAR)
        draw(shade, GRAY)
        p.paste(shade, 0, 0)
    else:
        draw(p, None)
    return p


def pick(mono, colour):
    return mono if mono else colour


def tick(p, m, dx=0):
    p.line(3 + dx, 9, 6 + dx, 12, pick(m, GREEN), 2)
    p.line(6 + dx, 12, 13 + dx, 4, pick(m, GREEN), 2)


def cross(p, m):
    p.line(4, 4, 13, 13, pick(m, RED), 2)
    p.line(13, 4, 4, 13, pick(m, RED), 2)


def question(p, m):
    c = pick(m, NAVY)
    p.line(5, 5, 7, 3, c, 2)
    p.line(7, 3, 11, 3, c, 2)
    p.line(12, 4, 12, 7, c, 2)
    p.line(11, 8, 9, 10, c, 2)
    p.fill(8, 13, 10, 15, c)


def no_sign(p, m):
    p.disc(9, 9, 7, pick(m, RED), ring=2)
    p.line(5, 13, 13, 5, pick(m, RED), 2)


def close_door(p, m):
    p.frame(3, 2, 14, 16, pick(m, MAROON))
    p.fill(4, 3, 13, 15, pick(m, OLIVE))
    p.fill(10, 8, 12, 10, pick(m, YELLOW))


def stop_sign(p, m):
    p.polygon([(6, 2), (12, 2), (16, 6), (16, 12), (12, 16), (6, 16), (2, 12), (2, 6)], pick(m, RED))
    p.fill(5, 8, 13, 10, pick(m, WHITE) if not m else FUCHSIA)


def retry(p, m):
    c = pick(m, TEAL)
    p.disc(9, 9, 6, c, ring=2)
    p.fill(9, 2, 16, 8, FUCHSIA if not m else CLEAR)
    p.polygon([(10, 1), (15, 5), (10, 8)], c)


def ignore(p, m):
    c = pick(m, BLUE)
    p.line(2, 9, 11, 9, c, 2)
    p.polygon([(11, 4), (16, 9.5), (11, 15)], c)


def all_ticks(p, m):
    tick(p, m, -2)
    tick(p, m, 3)


GLYPHS = {'LBOK': tick, 'LBCANCEL': cross, 'LBHELP': question, 'LBYES': tick, 'LBNO': no_sign,
          'LBCLOSE': close_door, 'LBABORT': stop_sign, 'LBRETRY': retry, 'LBIGNORE': ignore, 'LBALL': all_ticks}


def button_glyphs():
    out = {}
    for name, draw in GLYPHS.items():
        h = 19 if name == 'LBALL' else 18
        strip = Picture(36, h, FUCHSIA)
        strip.paste(glyph_frame(lambda p, m: draw(p, m), h, False), 0, 0)
        strip.paste(glyph_frame(lambda p, m: draw(p, m), h, True), 18, 0)
        out[name] = strip
    arrow = Picture(5, 3, FUCHSIA)
    arrow.fill(0, 0, 5, 1, BLACK)
    arrow.fill(1, 1, 4, 2, BLACK)
    arrow.set(2, 2, BLACK)
    out['LBARROW'] = arrow
    return out


# ---- Colour spectrum --------------------------------------------------------

def spectrum():
    p = Picture(128, 128, WHITE)
    for x in range(128):
        h = x / 128 * 6
        i, f = int(h), h - int(h)
        hue = [(1, f, 0), (1 - f, 1, 0), (0, 1, f), (0, 1 - f, 1), (f, 0, 1), (1, 0, 1 - f)][i % 6]
        for y in range(128):
            if y <= 64:
                t = y / 64
                c = tuple(round(255 * (1 - t) + 255 * ch * t) for ch in hue)
            else:
                t = (y - 64) / 63
                c = tuple(round(255 * ch * (1 - t)) for ch in hue)
            p.set(x, y, c)
    return p


# ---- Check images of the tree: 25 squares of 16 ------------------------------

def check_set(border, inside, mark, hot, tick_mark=False, flat=False, gradient=None):
    strip = Picture(400, 16, FUCHSIA)
    for n in range(1, 25):
        kind, state = (n - 1) // 4, (n - 1) % 4
        cell = Picture(16, 16, FUCHSIA)
        edge = hot if state == 1 else (GRAY if state == 3 else border)
        fill = SILVER if state in (2, 3) else inside
        ink = GRAY if state == 3 else mark
        if kind in (0, 1):
            cell.disc(8, 8, 6.5, fill)
            cell.disc(8, 8, 6.5, edge, ring=1.2)
            if kind == 1:
                cell.disc(8, 8, 2.5, ink)
        elif kind in (2, 3, 4):
            cell.fill(2, 2, 15, 15, fill)
            if gradient and state < 2:
                for y in range(3, 14):
                    t = (y - 3) / 10
                    cell.fill(3, y, 14, y + 1, tuple(round(a + (b - a) * t) for a, b in zip(gradient[0], gradient[1])))
            cell.frame(2, 2, 15, 15, edge)
            if not flat:
                cell.frame(3, 3, 14, 14, SILVER if border != BLACK else GRAY)
            if kind == 3:
                if tick_mark:
                    cell.line(5, 8, 7, 10, ink, 2)
                    cell.line(7, 10, 11, 5, ink, 2)
                else:
                    cell.line(5, 5, 11, 11, ink, 2)
                    cell.line(11, 5, 5, 11, ink, 2)
            elif kind == 4:
                cell.fill(5, 5, 12, 12, ink if state != 3 else GRAY)
        else:
            cell.fill(1, 1, 15, 15, SILVER)
            cell.frame(1, 1, 15, 15, GRAY)
            if state != 2:
                cell.line(1, 1, 14, 1, WHITE)
                cell.line(1, 1, 1, 14, WHITE)
            if state == 1:
                cell.frame(2, 2, 14, 14, hot)
        strip.paste(cell, n * 16, 0)
    return strip


def utilities():
    strip = Picture(144, 16, FUCHSIA)
    cells = [Picture(16, 16, FUCHSIA) for _ in range(9)]
    cells[0].polygon([(2, 3), (8, 8), (2, 13)], NAVY)          # drop mark, left
    cells[1].polygon([(14, 3), (8, 8), (14, 13)], NAVY)        # drop mark, right
    cells[2].polygon([(3, 6), (13, 6), (8, 11)], GRAY)         # sort descending
    cells[3].polygon([(3, 11), (13, 11), (8, 6)], GRAY)        # sort ascending
    cells[4].polygon([(5, 7), (11, 7), (8, 10)], BLACK)        # small descending
    cells[5].polygon([(5, 10), (11, 10), (8, 7)], BLACK)       # small ascending
    cells[6].disc(8, 8, 3, GRAY)
    cells[7].frame(4, 4, 12, 12, GRAY)
    cells[8].line(4, 8, 12, 8, GRAY, 2)
    for i, c in enumerate(cells):
        strip.paste(c, i * 16, 0)
    return strip


def xp_button(plus):
    p = Picture(9, 9, WHITE)
    for y in range(9):
        g = round(255 - 40 * y / 8)
        p.fill(1, y, 8, y + 1, (g, g, g))
    p.frame(0, 0, 9, 9, (120, 152, 181))
    p.fill(2, 4, 7, 5, BLACK)
    if plus:
        p.fill(4, 2, 5, 7, BLACK)
    return p


# ---- Node glyphs of the string grid ------------------------------------------------

def xp_node(collapsed):
    """A 9 x 9 box with rounded corners (the corner colour is the cell's)."""
    p = Picture(9, 9, FUCHSIA)
    for y in range(1, 8):
        g = round(255 - 48 * (y - 1) / 6)
        p.fill(1, y, 8, y + 1, (g, g, g))
    p.frame(0, 0, 9, 9, (120, 152, 181))
    for x, y in ((0, 0), (8, 0), (0, 8), (8, 8)):
        p.set(x, y, FUCHSIA)
    p.fill(2, 4, 7, 5, NAVY)
    if collapsed:
        p.fill(4, 2, 5, 7, NAVY)
    return p


def leaf_node(collapsed):
    """A 16 x 16 folder, closed or open; the corner colour is the cell's."""
    p = Picture(16, 16, FUCHSIA)
    p.fill(1, 3, 7, 5, OLIVE)                              # the tab
    p.fill(1, 4, 15, 14, YELLOW)
    p.frame(1, 4, 15, 14, OLIVE)
    if not collapsed:
        p.polygon([(3, 8), (15, 8), (13, 14), (1, 14)], (255, 255, 160))
        p.line(3, 8, 15, 8, OLIVE)
        p.line(15, 8, 13, 13, OLIVE)
    return p


def node_glyphs(bitmaps):
    bitmaps['XPNODEC'] = xp_node(True)
    bitmaps['XPNODEO'] = xp_node(False)
    bitmaps['ESGLEAFCLOSE'] = leaf_node(True)
    bitmaps['ESGLEAFOPEN'] = leaf_node(False)


# ---- The string grid's filter button -----------------------------------------------

def filter_funnel():
    """A 16 x 16 funnel; the corner colour is the header's."""
    p = Picture(16, 16, FUCHSIA)
    p.polygon([(3, 4), (12, 4), (9, 8), (9, 12), (7, 13), (7, 8)], GRAY)
    p.line(3, 4, 12, 4, BLACK)
    p.line(3, 4, 7, 8, BLACK)
    p.line(12, 4, 9, 8, BLACK)
    p.line(7, 8, 7, 13, BLACK)
    p.line(9, 8, 9, 12, BLACK)
    return p


# ---- Panning pictures and cursors -----------------------------------------------

ARROWS = {'N': (0, -1), 'S': (0, 1), 'E': (1, 0), 'W': (-1, 0),
          'NE': (1, -1), 'NW': (-1, -1), 'SE': (1, 1), 'SW': (-1, 1)}


def arrow_head(p, cx, cy, dx, dy, c, dist=11, size=4):
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    tip = (cx + ux * dist, cy + uy * dist)
    base = (cx + ux * (dist - size), cy + uy * (dist - size))
    px, py = -uy, ux
    p.polygon([(round(tip[0]), round(tip[1])), (round(base[0] + px * size), round(base[1] + py * size)),
               (round(base[0] - px * size), round(base[1] - py * size))], c)


def panning(directions, background):
    p = Picture(32, 32, background)
    p.disc(16, 16, 2.5, BLACK)
    for d in directions:
        arrow_head(p, 15.5, 15.5, *ARROWS[d], BLACK)
    return p


def split_cursor(vertical_bar):
    p = Picture(32, 32, CLEAR)
    if vertical_bar:
        p.fill(15, 6, 17, 26, BLACK)
        for d in ('E', 'W'):
            arrow_head(p, 15.5, 15.5, *ARROWS[d], BLACK, dist=10, size=4)
    else:
        p.fill(6, 15, 26, 17, BLACK)
        for d in ('N', 'S'):
            arrow_head(p, 15.5, 15.5, *ARROWS[d], BLACK, dist=10, size=4)
    return p


def pointer_cursor():
    p = Picture(32, 32, CLEAR)
    p.disc(16, 16, 6, WHITE, ring=3)
    p.disc(16, 16, 5, BLACK, ring=1)
    p.fill(15, 4, 17, 10, BLACK)
    p.fill(15, 22, 17, 28, BLACK)
    p.fill(4, 15, 10, 17, BLACK)
    p.fill(22, 15, 28, 17, BLACK)
    return p


def main():
    os.makedirs(os.path.join(OUT, 'bitmaps'), exist_ok=True)
    os.makedirs(os.path.join(OUT, 'cursors'), exist_ok=True)
    bitmaps = button_glyphs()
    bitmaps['FENLO_SPECTRUM'] = spectrum()
    bitmaps['LT_CHECK_LIGHT'] = check_set(GRAY, WHITE, BLACK, (51, 153, 255))
    bitmaps['LT_CHECK_DARK'] = check_set(BLACK, WHITE, BLACK, NAVY)
    bitmaps['LT_TICK_LIGHT'] = check_set(GRAY, WHITE, GREEN, (51, 153, 255), tick_mark=True)
    bitmaps['LT_TICK_DARK'] = check_set(BLACK, WHITE, BLACK, NAVY, tick_mark=True)
    bitmaps['LT_FLAT'] = check_set(GRAY, WHITE, BLACK, BLACK, tick_mark=True, flat=True)
    bitmaps['LT_XP'] = check_set((28, 81, 128), (246, 246, 240), (33, 161, 33), (255, 200, 60), tick_mark=True,
                                 flat=True, gradient=((220, 220, 215), (255, 255, 255)))
    bitmaps['LT_UTILITIES'] = utilities()
    bitmaps['LT_XPBUTTONPLUS'] = xp_button(True)
    bitmaps['LT_XPBUTTONMINUS'] = xp_button(False)
    bitmaps['LT_MOVEALL'] = panning(('N', 'S', 'E', 'W'), FUCHSIA)
    bitmaps['LT_MOVEEW'] = panning(('E', 'W'), FUCHSIA)
    bitmaps['LT_MOVENS'] = panning(('N', 'S'), FUCHSIA)
    node_glyphs(bitmaps)
    bitmaps['ESGFILT'] = filter_funnel()
    cursors = {'FENLO_POINTER': pointer_cursor(), 'LT_HEADERSPLIT': split_cursor(True),
               'LT_VERTSPLIT': split_cursor(False), 'LT_MOVEALL': panning(('N', 'S', 'E', 'W'), CLEAR),
               'LT_MOVEEW': panning(('E', 'W'), CLEAR), 'LT_MOVENS': panning(('N', 'S'), CLEAR)}
    for d in ARROWS:
        cursors['LT_MOVE' + d] = panning((d,), CLEAR)
    entries = []
    for name, pic in sorted(bitmaps.items()):
        pic.png(os.path.join(OUT, 'bitmaps', name + '.png'))
        entries.append('resources/bitmaps/%s.png' % name)
    for name, pic in sorted(cursors.items()):
        pic.png(os.path.join(OUT, 'cursors', name + '.png'))
        entries.append('resources/cursors/%s.png' % name)
    entries += hand_added_entries(entries)
    with open(os.path.join(ROOT, 'draw_resources.qrc'), 'w') as f:
        f.write('<RCC>\n  <qresource prefix="/draw">\n')
        for e in entries:
            f.write('    <file alias="%s">%s</file>\n' % (e[len('resources/'):], e))
        f.write('  </qresource>\n</RCC>\n')


def hand_added_entries(drawn):
    """The files the resource list names that this script does not draw
    (pictures added by hand), kept in their order."""
    path = os.path.join(ROOT, 'draw_resources.qrc')
    if not os.path.exists(path):
        return []
    kept = []
    with open(path) as f:
        for line in f:
            start = line.find('">')
            end = line.find('</file>')
            if start < 0 or end < 0:
                continue
            e = line[start + 2:end]
            if e not in drawn and e not in kept and os.path.exists(os.path.join(ROOT, e)):
                kept.append(e)
    return kept


if __name__ == '__main__':
    main()
