#!/usr/bin/env python3
"""Writes Zelvik's built-in resources: dice faces, window icon, sounds, .qrc.

Standard library only, and deterministic: every run writes the same bytes, so
the generated files are committed and a build needs no extra tools.

    python3 resources/generate.py          # (re)write every file
    python3 resources/generate.py --check  # exit 1 if a committed file differs
"""

import io
import math
import os
import random
import struct
import sys
import wave
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The board's green: the die corners must blend into it.
BOARD_GREEN = (0, 128, 0)

# ---------------------------------------------------------------------------
# Image containers and encoders
# ---------------------------------------------------------------------------


def encode_bmp8(width, height, rgb_rows):
    """Encodes rows of (r, g, b) tuples, top row first, as an 8-bit BMP.

    The palette always has 256 entries (a classic 256-colour bitmap); colours
    are numbered in sorted order so the file does not depend on drawing order.
    """
    colours = sorted({c for row in rgb_rows for c in row})
    if len(colours) > 256:
        raise ValueError("image has %d colours, more than 256" % len(colours))
    index = {c: i for i, c in enumerate(colours)}
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    palette += b"\0" * (4 * (256 - len(colours)))
    stride = (width + 3) & ~3
    pixels = bytearray()
    for row in reversed(rgb_rows):  # BMP rows run bottom-up
        line = bytes(index[c] for c in row)
        pixels += line + b"\0" * (stride - width)
    offset = 14 + 40 + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack(
        "<IiiHHIIiiII",
        40,  # header size
        width,
        height,  # positive: bottom-up rows
        1,  # planes
        8,  # bits per pixel
        0,  # BI_RGB, uncompressed
        len(pixels),
        2835,  # 72 dpi
        2835,
        256,  # colours used
        0,  # all colours important
    )
    return file_header + info_header + palette + bytes(pixels)


def _png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def encode_png_palette(width, height, rows, palette, transparent=None):
    """Encodes rows of palette indices as a 4-bit palettised PNG.

    `transparent` is the palette index drawn see-through, or None. The pixel
    data is stored uncompressed (deflate level 0): the icons are tiny, and
    stored blocks are byte-identical under every zlib version, which keeps the
    regeneration check meaningful on any machine.
    """
    if len(palette) > 16:
        raise ValueError("icon has %d colours, more than 16" % len(palette))
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type: none
        for x in range(0, width, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < width else 0
            raw.append((hi << 4) | lo)
    out = b"\x89PNG\r\n\x1a\n"
    out += _png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0))
    out += _png_chunk(b"PLTE", b"".join(struct.pack("BBB", *c) for c in palette))
    if transparent is not None:
        alpha = bytes(0 if i == transparent else 255 for i in range(transparent + 1))
        out += _png_chunk(b"tRNS", alpha)
    out += _png_chunk(b"IDAT", zlib.compress(bytes(raw), 0))
    out += _png_chunk(b"IEND", b"")
    return out


def encode_wav(rate, sample_width, samples):
    """Encodes mono samples in [-1, 1] as PCM: 8-bit unsigned or 16-bit signed."""
    if sample_width == 1:
        data = bytes(max(0, min(255, 128 + round(s * 127))) for s in samples)
    else:
        data = b"".join(
            struct.pack("<h", max(-32767, min(32767, round(s * 32767)))) for s in samples
        )
    buffer = io.BytesIO()
    with wave.open(buffer, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(sample_width)
        w.setframerate(rate)
        w.writeframes(data)
    return buffer.getvalue()


# ---------------------------------------------------------------------------
# Dice faces
# ---------------------------------------------------------------------------

SUPERSAMPLE = 6  # sub-samples per pixel side for smooth pip and corner edges

LIGHT_STYLE = {
    "body": (247, 240, 214),  # ivory
    "rim": (168, 140, 92),
    "ink": (112, 62, 14),  # brown pips
    "word": (0, 0, 0),
}
DARK_STYLE = {
    "body": (128, 76, 24),  # brown
    "rim": (64, 36, 6),
    "ink": (255, 255, 255),  # white pips
    "word": (255, 255, 255),
}

CORNER_RADIUS = 4.5
RIM_WIDTH = 1.0
PIP_RADIUS = 2.6
PIP_OFFSET = 7.0  # distance of the outer pips from the face centre

# Pip positions on a 3 x 3 grid, (column, row) in -1..1.
PIP_LAYOUTS = {
    1: [(0, 0)],
    2: [(1, -1), (-1, 1)],
    3: [(1, -1), (0, 0), (-1, 1)],
    4: [(-1, -1), (1, -1), (-1, 1), (1, 1)],
    5: [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)],
    6: [(-1, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (1, 1)],
}

# The word "Roll" in a hand-made pixel font with two-pixel stems, which stays
# legible when a 28-pixel face is stretched to about 50 pixels.
ROLL_GLYPHS = {
    "R": [
        "######.",
        "#######",
        "##...##",
        "##...##",
        "#######",
        "######.",
        "##.##..",
        "##..##.",
        "##...##",
        "##...##",
    ],
    "o": [
        ".####.",
        "######",
        "##..##",
        "##..##",
        "##..##",
        "######",
        ".####.",
    ],
    "l": ["##"] * 10,
}
ROLL_TEXT = [("R", 0), ("o", 1), ("l", 1), ("l", 2)]  # glyph, gap before it


def _inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if x < left or x > right or y < top or y > bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


def _roll_mask(width, height):
    """Pixels of the word "Roll", centred on the face, as a set of (x, y)."""
    text_width = sum(len(ROLL_GLYPHS[g][0]) + gap for g, gap in ROLL_TEXT)
    text_height = max(len(ROLL_GLYPHS[g]) for g, _ in ROLL_TEXT)
    x0 = (width - text_width) // 2
    baseline = (height - text_height) // 2 + text_height  # row below the text
    mask = set()
    x = x0
    for glyph, gap in ROLL_TEXT:
        x += gap
        rows = ROLL_GLYPHS[glyph]
        top = baseline - len(rows)
        for dy, line in enumerate(rows):
            for dx, ch in enumerate(line):
                if ch == "#":
                    mask.add((x + dx, top + dy))
        x += len(rows[0])
    return mask


def render_die(width, height, style, value):
    """Draws one die face; value 0 is the "Roll" face."""
    cx, cy = width / 2.0, height / 2.0
    pips = [(cx + c * PIP_OFFSET, cy + r * PIP_OFFSET) for c, r in PIP_LAYOUTS.get(value, [])]
    word = _roll_mask(width, height) if value == 0 else set()
    n = SUPERSAMPLE
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            if (px, py) in word:
                row.append(style["word"])
                continue
            acc = [0, 0, 0]
            for sy in range(n):
                y = py + (sy + 0.5) / n
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    if not _inside_rounded_rect(x, y, 0, 0, width, height, CORNER_RADIUS):
                        colour = BOARD_GREEN
                    elif not _inside_rounded_rect(
                        x,
                        y,
                        RIM_WIDTH,
                        RIM_WIDTH,
                        width - RIM_WIDTH,
                        height - RIM_WIDTH,
                        CORNER_RADIUS - RIM_WIDTH,
                    ):
                        colour = style["rim"]
                    elif any((x - qx) ** 2 + (y - qy) ** 2 <= PIP_RADIUS**2 for qx, qy in pips):
                        colour = style["ink"]
                    else:
                        colour = style["body"]
                    for i in range(3):
                        acc[i] += colour[i]
            row.append(tuple(round(a / (n * n)) for a in acc))
        rows.append(row)
    return rows


def dice_files():
    files = {}
    for base, style in ((10, LIGHT_STYLE), (20, DARK_STYLE)):
        for value in range(7):
            number = base + value
            # Dark's "Roll" face and face one are 29 pixels wide; the desktop
            # program stretches every face to its die's square regardless.
            width = 29 if number in (20, 21) else 28
            rows = render_die(width, 28, style, value)
            files["dice/%d.bmp" % number] = encode_bmp8(width, 28, rows)
    return files


# ---------------------------------------------------------------------------
# Window icon: point triangles, two dice and a playing card, 16 colours
# ---------------------------------------------------------------------------

ICON_PALETTE = [
    (0, 0, 0),  # 0 transparent (outside the rounded board)
    (0, 128, 0),  # 1 board green
    (127, 88, 10),  # 2 frame brown
    (176, 137, 0),  # 3 light point
    (118, 106, 0),  # 4 dark point
    (247, 240, 214),  # 5 ivory die
    (112, 62, 14),  # 6 brown pip
    (128, 76, 24),  # 7 brown die
    (255, 255, 255),  # 8 white: card, Dark pips
    (0, 0, 0),  # 9 black outline
    (200, 16, 32),  # 10 red suit
    (64, 36, 6),  # 11 dark rim of the brown die
    (168, 140, 92),  # 12 rim of the ivory die
]
ICON_TRANSPARENT = 0


def _icon_die(u, v, left, top, size, body, rim, pip, pips):
    """Colour of a die at design point (u, v), or None if outside it.

    Pips sit on whole design units three apart and are two units square, so
    at 32 pixels every pip is a crisp 2 x 2 block.
    """
    if not _inside_rounded_rect(u, v, left, top, left + size, top + size, 1.6):
        return None
    if not _inside_rounded_rect(u, v, left + 1, top + 1, left + size - 1, top + size - 1, 0.8):
        return rim
    cx, cy = left + size / 2, top + size / 2
    for c, r in pips:
        if abs(u - (cx + 3 * c)) <= 1 and abs(v - (cy + 3 * r)) <= 1:
            return pip
    return body


def _icon_colour(u, v):
    """Palette index of the icon at a point of its 32 x 32 design square."""
    if not _inside_rounded_rect(u, v, 0, 0, 32, 32, 3):
        return ICON_TRANSPARENT
    # The brown die lies on the ivory one, both on the board; the card stands
    # apart on the right.
    colour = _icon_die(u, v, 11, 17, 12, 7, 11, 8, PIP_LAYOUTS[3])
    if colour is not None:
        return colour
    colour = _icon_die(u, v, 3, 12, 12, 5, 12, 6, PIP_LAYOUTS[5])
    if colour is not None:
        return colour
    if 18 <= u <= 29 and 3 <= v <= 20:  # the card
        if u < 19 or u > 28 or v < 4 or v > 19:
            return 9
        if abs(u - 23.5) / 3.2 + abs(v - 11.5) / 4.8 <= 1:  # a red diamond
            return 10
        return 8
    if u < 2 or u > 30 or v < 2 or v > 30:  # frame
        return 2
    # Four points seven units wide hang from the top edge and four rise from
    # the bottom edge; facing points differ in colour.
    column = min(3, int((u - 2) / 7))
    offset = abs(u - (5.5 + 7 * column))
    top_row = v < 16
    depth = v - 2 if top_row else 30 - v
    if depth <= 12 and offset <= 3.5 * (1 - depth / 12):
        return 3 if (column % 2 == 0) == top_row else 4
    return 1


def render_icon(size):
    scale = size / 32.0
    return [
        [_icon_colour((x + 0.5) / scale, (y + 0.5) / scale) for x in range(size)]
        for y in range(size)
    ]


def icon_files():
    files = {}
    for name, size in (("icon/zelvik.png", 32), ("icon/zelvik-64.png", 64)):
        files[name] = encode_png_palette(
            size, size, render_icon(size), ICON_PALETTE, ICON_TRANSPARENT
        )
    return files


# ---------------------------------------------------------------------------
# Sounds
# ---------------------------------------------------------------------------


def _remove_dc(samples):
    mean = sum(samples) / len(samples)
    return [s - mean for s in samples]


def _normalise(samples, peak):
    top = max(abs(s) for s in samples)
    return [s * peak / top for s in samples] if top else samples


def _fade(samples, rate, fade_in, fade_out):
    """Short linear ramps so the sound starts and ends at silence (no pops)."""
    n = len(samples)
    a, b = int(fade_in * rate), int(fade_out * rate)
    out = list(samples)
    for i in range(min(a, n)):
        out[i] *= i / a
    for i in range(min(b, n)):
        out[n - 1 - i] *= i / b
    return out


def _add_clack(out, rate, start, amplitude, rnd):
    """Adds one hard plastic clack: a short decaying resonance plus a burst of
    noise, 40 ms long at most."""
    freq = rnd.uniform(1900.0, 3300.0)
    decay = rnd.uniform(0.004, 0.009)
    for i in range(min(int(0.04 * rate), len(out) - start)):
        tt = i / rate
        tone = math.exp(-tt / decay) * math.sin(2 * math.pi * freq * tt)
        noise = rnd.uniform(-1.0, 1.0) * math.exp(-tt / 0.002)
        out[start + i] += amplitude * (0.6 * tone + 0.5 * noise)


def dice_roll_sound():
    """About 1.12 s of dice rattling: clicks that thin out and fade."""
    rate, length = 11025, 1.12
    n = round(rate * length)
    rnd = random.Random(27)
    out = [0.0] * n
    t = 0.015
    while t < length - 0.06:
        progress = t / length
        amplitude = (0.2 + 0.8 * (1.0 - progress) ** 1.5) * rnd.uniform(0.55, 1.0)
        _add_clack(out, rate, int(t * rate), amplitude, rnd)
        if rnd.random() < 0.5:  # the other die knocks a moment later
            lag = rnd.uniform(0.005, 0.015)
            _add_clack(out, rate, int((t + lag) * rate), 0.6 * amplitude, rnd)
        # Clicks come fast while the dice tumble and slow down as they settle.
        t += rnd.uniform(0.018, 0.045) + 0.09 * progress**2
    # Light high-pass (first difference blend) keeps the rattle crisp, not boomy.
    filtered, prev = [], 0.0
    for s in out:
        filtered.append(s - 0.5 * prev)
        prev = s
    samples = _fade(_remove_dc(filtered), rate, 0.002, 0.03)
    return encode_wav(rate, 1, _normalise(samples, 0.9))


def _bell(freq, t, rate):
    """A bright bell-like tone: a fundamental with quickly fading inharmonic
    partials; partials at or above half the sample rate are left out, since
    they would fold back as off-key tones."""
    s = 0.0
    for ratio, level, decay in ((1.0, 1.0, 1e9), (2.76, 0.35, 0.06), (5.40, 0.15, 0.03)):
        if freq * ratio < rate / 2:
            s += level * math.sin(2 * math.pi * freq * ratio * t) * math.exp(-t / decay)
    return s


def doubles_sound():
    """About 0.66 s: a rising two-note chime."""
    rate, length = 11025, 0.66
    n = round(rate * length)
    notes = [(0.0, 1318.5), (0.14, 1760.0)]  # E6 then A6
    out = []
    for i in range(n):
        t = i / rate
        s = 0.0
        for start, freq in notes:
            if t >= start:
                tt = t - start
                attack = min(1.0, tt / 0.004)
                s += 0.5 * attack * math.exp(-tt / 0.16) * _bell(freq, tt, rate)
        out.append(s)
    samples = _fade(_remove_dc(out), rate, 0.0, 0.05)
    return encode_wav(rate, 1, _normalise(samples, 0.85))


def click_sound():
    """About 0.11 s: a short woody tick."""
    rate, length = 22050, 0.11
    n = round(rate * length)
    rnd = random.Random(29)
    out = []
    for i in range(n):
        t = i / rate
        body = math.exp(-t / 0.012) * (
            math.sin(2 * math.pi * 820.0 * t) + 0.45 * math.sin(2 * math.pi * 1930.0 * t)
        )
        knock = rnd.uniform(-1.0, 1.0) * math.exp(-t / 0.0015)
        out.append(body + 0.6 * knock)
    samples = _fade(_remove_dc(out), rate, 0.0005, 0.02)
    return encode_wav(rate, 1, _normalise(samples, 0.9))


def _note_envelope(t, duration):
    """Soft attack, gentle decay while held, smooth release after `duration`."""
    attack, release = 0.015, 0.12
    if t < 0:
        return 0.0
    level = min(1.0, t / attack) * (0.7 + 0.3 * math.exp(-t / 0.12)) * math.exp(-t / 2.0)
    if t > duration:
        level *= max(0.0, 1.0 - (t - duration) / release) ** 2
    return level


def _warm_tone(freq, t):
    vibrato = 1.0 + 0.003 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.3)
    phase = 2 * math.pi * freq * t * vibrato
    return math.sin(phase) + 0.3 * math.sin(2 * phase) + 0.12 * math.sin(3 * phase)


def fanfare_sound():
    """About 2.15 s: a cheerful rising arpeggio ending on a held major chord."""
    rate, length = 22050, 2.15
    n = round(rate * length)
    c5, e5, g5, c6, e6 = 523.25, 659.26, 783.99, 1046.5, 1318.5
    # (start s, held s, frequency, loudness)
    notes = [
        (0.00, 0.12, c5, 0.8),
        (0.14, 0.12, e5, 0.8),
        (0.28, 0.12, g5, 0.8),
        (0.42, 0.26, c6, 0.9),
        (0.72, 0.10, g5, 0.7),
        (0.86, 1.05, c6, 0.9),
        (0.86, 1.05, e5, 0.5),
        (0.86, 1.05, g5, 0.5),
        (0.86, 1.05, e6, 0.35),
    ]
    out = []
    for i in range(n):
        t = i / rate
        s = 0.0
        for start, held, freq, loud in notes:
            tt = t - start
            if 0 <= tt <= held + 0.2:
                s += loud * _note_envelope(tt, held) * _warm_tone(freq, tt)
        out.append(s)
    samples = _fade(_remove_dc(out), rate, 0.0, 0.05)
    return encode_wav(rate, 2, _normalise(samples, 0.8))


def sound_files():
    return {
        "sounds/27.wav": dice_roll_sound(),
        "sounds/28.wav": doubles_sound(),
        "sounds/29.wav": click_sound(),
        "sounds/30.wav": fanfare_sound(),
    }


# ---------------------------------------------------------------------------
# Resource list and notes
# ---------------------------------------------------------------------------


def qrc_file(names):
    lines = ["<!DOCTYPE RCC>", '<RCC version="1.0">', '<qresource prefix="/">']
    for name in names:
        lines.append('    <file alias="%s">%s</file>' % (name, name))
    lines += ["</qresource>", "</RCC>", ""]
    return "\n".join(lines).encode("ascii")


README = (
    b"Zelvik's built-in resources: dice faces (dice/), window icon (icon/),"
    b" sounds (sounds/) and their Qt resource list (zelvik.qrc).\n"
    b"All are generated: `python3 resources/generate.py` regenerates them"
    b" (`--check` verifies the committed files against a fresh run).\n"
)


def all_files():
    files = {}
    files.update(dice_files())
    files.update(icon_files())
    files.update(sound_files())
    files["zelvik.qrc"] = qrc_file(sorted(files))
    files["README.md"] = README
    return files


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    for name, data in sorted(all_files().items()):
        path = os.path.join(HERE, name)
        if check:
            try:
                with open(path, "rb") as f:
                    if f.read() == data:
                        continue
            except OSError:
                pass
            stale.append(name)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if check:
        for name in stale:
            print("differs from a fresh generation: resources/%s" % name)
        print("resources: %s" % ("out of date" if stale else "up to date"))
        return 1 if stale else 0
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
