#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws finger.cur: a 32 x 32 pointing-finger mouse pointer, hot spot at the fingertip.

Run it from this folder to write finger.cur; the program loads that file from its
current directory. Standard library only.
"""
import struct

SIZE = 32
HOT_X, HOT_Y = 10, 1  # the tip of the index finger


def in_hand(x, y):
    """True where the hand is: an upright index finger over a fist with a thumb."""
    # index finger with a rounded tip
    if 8 <= x <= 12 and 3 <= y <= 16:
        return True
    if (x - 10) ** 2 + (y - 3) ** 2 <= 5:
        return True
    # three folded fingers, each a knuckle rising out of the fist
    for left in (13, 17, 21):
        if left <= x <= left + 3 and 11 <= y <= 16:
            return True
        if (x - (left + 1.5)) ** 2 + (y - 11) ** 2 <= 3:
            return True
    # the fist
    if 8 <= x <= 24 and 15 <= y <= 26:
        return True
    # the wrist narrows a little
    if 10 <= x <= 23 and 26 <= y <= 29:
        return True
    # the thumb lies along the left of the fist
    if 3 <= x <= 8 and 15 <= y <= 19 and x + y >= 19:
        return True
    return False


def pixel(x, y):
    """BGRA of one pixel: white hand, black outline and creases, clear elsewhere."""
    if in_hand(x, y):
        crease = (y == 16 and 13 <= x <= 24) or (x in (16, 20) and 11 <= y <= 16) or (x == 13 and 11 <= y <= 16)
        return (0, 0, 0, 255) if crease else (255, 255, 255, 255)
    for dx in (-1, 0, 1):
        for dy in (-1, 0, 1):
            if 0 <= x + dx < SIZE and 0 <= y + dy < SIZE and in_hand(x + dx, y + dy):
                return (0, 0, 0, 255)
    return (0, 0, 0, 0)


def cursor_bytes():
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    colour = b"".join(bytes(rows[y][x]) for y in reversed(range(SIZE)) for x in range(SIZE))
    mask = bytearray()
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if rows[y][x][3] == 0 else 0)
        mask += struct.pack(">I", bits)  # 32 pixels make one padded row
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOT_X, HOT_Y, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    with open("finger.cur", "wb") as out:
        out.write(cursor_bytes())
