#!/usr/bin/env python3
"""Draws the program's own icons and background bitmap into res/images/.

Every image is drawn here from simple shapes; run it again after changing a
drawing and commit the files it writes. Needs only the standard library.
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "images")
SUPER = 4  # samples per pixel side, for smooth edges


class Canvas:
    """An RGBA canvas drawn with coverage-sampled shapes."""

    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def shape(self, inside, colour):
        """Paints colour over every pixel by the share of its samples inside."""
        n = self.size
        for y in range(n):
            for x in range(n):
                hits = 0
                for sy in range(SUPER):
                    for sx in range(SUPER):
                        u = (x + (sx + 0.5) / SUPER) / n
                        v = (y + (sy + 0.5) / SUPER) / n
                        hits += inside(u, v)
                if hits:
                    self.blend(x, y, colour, hits / (SUPER * SUPER))

    def blend(self, x, y, colour, cover):
        r, g, b = colour
        pr, pg, pb, pa = self.px[y][x]
        a = cover * 255 + pa * (1 - cover)
        if a <= 0:
            return
        mix = lambda c, p: (c * cover * 255 + p * pa * (1 - cover)) / a
        self.px[y][x] = (round(mix(r, pr)), round(mix(g, pg)), round(mix(b, pb)), round(a))


def circle(cx, cy, r):
    return lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def ring(cx, cy, r, w):
    return lambda u, v: (r - w) ** 2 <= (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def rect(x0, y0, x1, y1, radius=0.0):
    def inside(u, v):
        if not (x0 <= u <= x1 and y0 <= v <= y1):
            return False
        cx = min(max(u, x0 + radius), x1 - radius)
        cy = min(max(v, y0 + radius), y1 - radius)
        return (u - cx) ** 2 + (v - cy) ** 2 <= radius * radius + 1e-12
    return inside


def segment(ax, ay, bx, by, w):
    def inside(u, v):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((u - ax) * dx + (v - ay) * dy) / (dx * dx + dy * dy)))
        return (u - ax - t * dx) ** 2 + (v - ay - t * dy) ** 2 <= (w / 2) ** 2
    return inside


def polygon(points):
    def inside(u, v):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def arc(cx, cy, r, w, start, end):
    """A ring between two angles in degrees (0 = right, counter-clockwise)."""
    def inside(u, v):
        if not ring(cx, cy, r, w)(u, v):
            return False
        a = math.degrees(math.atan2(cy - v, u - cx)) % 360
        return (a - start) % 360 <= (end - start) % 360
    return inside


WHITE = (255, 255, 255)
DARK = (40, 52, 70)
BUTTON_ICON = 24  # pixels; the main window's buttons are 27 to 29 pixels high


def robot(c):
    c.shape(rect(0.06, 0.18, 0.94, 0.94, 0.16), (38, 102, 178))
    c.shape(segment(0.5, 0.18, 0.5, 0.06, 0.07), (38, 102, 178))
    c.shape(circle(0.5, 0.06, 0.06), (250, 190, 60))
    c.shape(circle(0.32, 0.46, 0.1), WHITE)
    c.shape(circle(0.68, 0.46, 0.1), WHITE)
    c.shape(circle(0.34, 0.47, 0.045), DARK)
    c.shape(circle(0.70, 0.47, 0.045), DARK)
    c.shape(rect(0.26, 0.68, 0.74, 0.78, 0.04), WHITE)


def run(c):
    c.shape(circle(0.5, 0.5, 0.46), (46, 150, 70))
    c.shape(polygon([(0.38, 0.27), (0.38, 0.73), (0.76, 0.5)]), WHITE)


def add(c):
    c.shape(circle(0.5, 0.5, 0.46), (46, 150, 70))
    c.shape(rect(0.42, 0.22, 0.58, 0.78), WHITE)
    c.shape(rect(0.22, 0.42, 0.78, 0.58), WHITE)


def edit(c):
    c.shape(segment(0.24, 0.76, 0.78, 0.22, 0.22), (240, 180, 40))
    c.shape(segment(0.74, 0.26, 0.84, 0.16, 0.22), (220, 90, 90))
    c.shape(polygon([(0.08, 0.92), (0.14, 0.66), (0.34, 0.86)]), (235, 210, 160))
    c.shape(polygon([(0.08, 0.92), (0.1, 0.82), (0.18, 0.9)]), DARK)


def help_icon(c):
    c.shape(circle(0.5, 0.5, 0.46), (38, 102, 178))
    c.shape(arc(0.5, 0.38, 0.18, 0.1, 330, 180), WHITE)
    c.shape(segment(0.64, 0.46, 0.5, 0.56, 0.1), WHITE)
    c.shape(segment(0.5, 0.56, 0.5, 0.64, 0.1), WHITE)
    c.shape(circle(0.5, 0.78, 0.065), WHITE)


def remove(c):
    c.shape(circle(0.5, 0.5, 0.46), (200, 55, 50))
    c.shape(segment(0.32, 0.32, 0.68, 0.68, 0.14), WHITE)
    c.shape(segment(0.68, 0.32, 0.32, 0.68, 0.14), WHITE)


def schedule(c):
    c.shape(circle(0.5, 0.5, 0.46), DARK)
    c.shape(circle(0.5, 0.5, 0.38), WHITE)
    c.shape(segment(0.5, 0.5, 0.5, 0.22, 0.08), DARK)
    c.shape(segment(0.5, 0.5, 0.7, 0.6, 0.08), (200, 55, 50))
    c.shape(circle(0.5, 0.5, 0.05), DARK)


def icon_entry(size, draw):
    """One icon image: BITMAPINFOHEADER, 32-bit BGRA rows bottom-up, AND mask."""
    c = Canvas(size)
    draw(c)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(c.px) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    # Transparent only where nothing is drawn (and the colour is black): a
    # drawing by the mask then adds no stray colour around the shape.
    mask = bytearray()
    for row in reversed(c.px):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def write_icon(name, draw, sizes=(32, 16)):
    images = [icon_entry(size, draw) for size in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(out + b"".join(images))


def background():
    """650 x 343, 8 bits per pixel: a header band with an orange line under it,
    above a light body. The six command buttons stand on the body (the top
    three from y 46, the bottom three from y 280, each up to 30 pixels high),
    so no edge of the picture runs under a button and black captions read."""
    width, height = 650, 343
    palette = []

    def index_of(colour):
        if colour not in palette:
            palette.append(colour)
        return palette.index(colour)

    def lerp(a, b, t):
        return tuple(round(x + (y - x) * t) for x, y in zip(a, b))

    band, line = 34, 37  # header rows, then the orange line's last row + 1
    rows = []
    for y in range(height):
        if y < band:
            colour = lerp((30, 80, 150), (70, 130, 200), y / (band - 1))
        elif y < line:
            colour = (250, 190, 60)
        else:
            colour = lerp((240, 244, 250), (218, 227, 240), (y - line) / (height - 1 - line))
        rows.append([index_of(colour)] * width)
    assert len(palette) <= 256

    data = bytearray()
    stride = (width + 3) & ~3
    for row in reversed(rows):  # bottom-up
        data += bytes(row) + b"\x00" * (stride - width)

    # Exactly biClrUsed entries: a resource's pixels follow the palette.
    colours = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(data), 2835, 2835,
                       len(palette), 0)
    offset = 14 + len(info) + len(colours)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(os.path.join(OUT, "background.bmp"), "wb") as f:
        f.write(file_header + info + colours + bytes(data))


# --- The editor's item pane: its skin (151) and its collapsed and expanded
# icons (153, 154). The skin's outside is magenta, which the program cuts away,
# so its edges are drawn hard (a blended edge pixel would stay in the outline).
# Its width sizes the pane and so the key page inside it.

MAGENTA = (255, 0, 255)
PANE_WIDTH, PANE_HEIGHT = 264, 25


def write_bmp24(name, width, height, pixel, folder=OUT):
    """A 24-bit bitmap; pixel(x, y) gives (r, g, b), y from the top."""
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(height)):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        data += row + b"\x00" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(file_header + info + bytes(data))


def item_pane_skin(x, y):
    """A caption bar with rounded top corners, dark blue to lighter blue."""
    radius = 6
    if y < radius and (x < radius or x >= PANE_WIDTH - radius):
        cx = radius - 0.5 if x < radius else PANE_WIDTH - radius - 0.5
        if (x - cx) ** 2 + (y - (radius - 0.5)) ** 2 > radius * radius:
            return MAGENTA
    t = y / (PANE_HEIGHT - 1)
    top, bottom = (52, 96, 170), (92, 140, 210)
    colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
    if y == PANE_HEIGHT - 1:
        colour = (40, 70, 130)  # a darker line under the bar
    return colour


def pane_icon(expanded):
    """A white chevron on black (the icon is ORed onto the skin): pointing
    down when the pane is shut (it opens), up when it is open."""
    def pixel(x, y):
        u, v = (x + 0.5) / 16, (y + 0.5) / 16
        if (u - 0.5) ** 2 + (v - 0.5) ** 2 > 0.46 ** 2:
            return (0, 0, 0)
        ring = (u - 0.5) ** 2 + (v - 0.5) ** 2 > 0.36 ** 2
        a, b = (0.3, 0.62), (0.5, 0.42)
        c = (0.7, 0.62)
        if not expanded:
            a, b, c = (0.3, 0.4), (0.5, 0.6), (0.7, 0.4)
        on_arm = any(segment(*p, *q, 0.13)(u, v) for p, q in ((a, b), (b, c)))
        if on_arm:
            return (255, 255, 255)
        return (120, 150, 200) if ring else (0, 0, 0)
    return pixel


def item_pane_images():
    write_bmp24("item_pane.bmp", PANE_WIDTH, PANE_HEIGHT, item_pane_skin)
    write_bmp24("pane_collapsed.bmp", 16, 16, pane_icon(False))
    write_bmp24("pane_expanded.bmp", 16, 16, pane_icon(True))


# --- The image menu tests' toolbar strip: three 16 x 15 images, a red, a
# green and a blue square on the grey that toolbar bitmaps have around them.

TESTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "controls")


def menu_toolbar(x, y):
    colours = ((255, 0, 0), (0, 160, 0), (0, 0, 255))
    inside = 3 <= x % 16 < 13 and 3 <= y < 12
    return colours[x // 16] if inside else (192, 192, 192)


# --- The link cursor of the about box: a pointing hand, 1 bit per pixel ---

def hand(c):
    c.shape(rect(0.34, 0.06, 0.48, 0.56, 0.07), WHITE)   # pointing finger
    c.shape(rect(0.48, 0.34, 0.6, 0.6, 0.06), WHITE)
    c.shape(rect(0.6, 0.38, 0.72, 0.62, 0.06), WHITE)
    c.shape(rect(0.72, 0.42, 0.84, 0.66, 0.06), WHITE)
    c.shape(segment(0.18, 0.5, 0.36, 0.72, 0.13), WHITE)  # thumb
    c.shape(rect(0.3, 0.5, 0.84, 0.94, 0.12), WHITE)     # palm


def write_cursor(name, draw, hotspot):
    """A 32 x 32 monochrome cursor: white shape with a black outline."""
    size = 32
    c = Canvas(size)
    draw(c)
    inside = [[c.px[y][x][3] >= 128 for x in range(size)] for y in range(size)]

    def edge(x, y):
        return any(not (0 <= x + dx < size and 0 <= y + dy < size and inside[y + dy][x + dx])
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))

    stride = 4
    xor_rows, and_rows = bytearray(), bytearray()
    for y in reversed(range(size)):
        xor_bits, and_bits = bytearray(stride), bytearray(b"\xff" * stride)
        for x in range(size):
            if inside[y][x]:
                and_bits[x // 8] &= ~(0x80 >> (x % 8)) & 0xFF
                if not edge(x, y):
                    xor_bits[x // 8] |= 0x80 >> (x % 8)
        xor_rows += xor_bits
        and_rows += and_bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    data = header + palette + bytes(xor_rows) + bytes(and_rows)
    out = struct.pack("<HHH", 0, 2, 1)
    out += struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(data), 22)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(out + data)


def main():
    os.makedirs(OUT, exist_ok=True)
    write_icon("robot.ico", robot)
    # The command buttons' icons: one size that fits a button's height.
    for name, draw in (("run.ico", run), ("add.ico", add), ("edit.ico", edit),
                       ("help.ico", help_icon), ("remove.ico", remove),
                       ("schedule.ico", schedule)):
        write_icon(name, draw, sizes=(BUTTON_ICON,))
    background()
    item_pane_images()
    write_cursor("hand.cur", hand, (13, 2))
    write_bmp24("menu-toolbar.bmp", 48, 15, menu_toolbar, folder=TESTS)


if __name__ == "__main__":
    main()
