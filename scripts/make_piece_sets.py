#!/usr/bin/env python3
"""Writes the piece-set files shipped in data/pltes.

Each set is drawn in its solved arrangement inside the 160-unit layout square
(the loader adds 176 to the start placements, which centres that square on the
512-pixel board). Every piece is stored in its own coordinates, with its
bounding box at the origin and its pivot at its centroid, and its start
placement puts it back into the solved shape at angle 0.

Files are CP932 text with CR LF after every line, as the editor writes them.
Run from the repository root: scripts/make_piece_sets.py
"""

from pathlib import Path

VERSION = "2.13"
OUT = Path(__file__).resolve().parent.parent / "data" / "pltes"


def scaled(points, unit, offset=(0, 0)):
    return [(x * unit + offset[0], y * unit + offset[1]) for x, y in points]


# The classic seven pieces, shaped and pivoted exactly as the built-in set, so
# that documents look alike in both; only the start arrangement differs: here
# it closes the square exactly.
TANGRAM7 = {
    "name": "tangram7",
    "display": "七巧板",
    "step": 90,
    "lines": [
        "3,28,28,0,0,0,80,80,0",
        "3,40,14,0,0,40,40,80,0",
        "4,40,40,40,0,0,40,40,80,80,40",
        "3,14,40,0,0,0,80,40,40",
        "4,20,60,0,40,0,120,40,80,40,0",
        "3,56,80,0,80,80,160,80,0",
        "3,80,56,80,0,0,80,160,80",
    ],
    "start": [(28, 28), (120, 14), (80, 40), (54, 80), (20, 100), (136, 80), (80, 136)],
}


def t_puzzle():
    # A T three units wide and three high, bar and stem one unit thick. The
    # key pentagon lies across the junction at 45 degrees, one unit wide, its
    # notch on the right inner corner of the T. Its slanted width is a * sqrt 2;
    # a = 53 makes that 74.95, so 75 keeps every vertex on a pixel.
    a, d = 53, 75
    return [
        [(0, 0), (a, a), (0, a)],                                   # triangle
        [(0, 0), (d, 0), (a + d, a), (2 * a, a), (2 * a, 2 * a)],   # notched pentagon
        [(d, 0), (3 * a, 0), (3 * a, a), (a + d, a)],               # bar trapezoid
        [(a, a), (2 * a, 2 * a), (2 * a, 3 * a), (a, 3 * a)],       # stem trapezoid
    ]


def stomachion():
    # Archimedes' square on a 12 x 12 grid: corners A B C D, side midpoints
    # E F G H, J K L the midpoints of HB, HF, HC, M = AC x HB, N the midpoint
    # of AM, P of BF, Q = AP x HB, R = BL x DC, S = FL x AC. Piece areas are
    # 3, 3, 6, 6, 6, 6, 9, 12, 12, 12, 12, 12, 21 and 24 of 144.
    A, B, C, D = (0, 0), (12, 0), (12, 12), (0, 12)
    F, G, H = (12, 6), (6, 12), (0, 6)
    J, K, L, M, N = (6, 3), (6, 6), (6, 9), (4, 4), (2, 2)
    P, Q, R, S = (12, 3), (8, 2), (4, 12), (8, 8)
    pieces = [
        [A, B, N], [N, B, M], [A, M, H], [H, M, K], [Q, B, P], [J, Q, P],
        [M, J, P, F, K], [H, K, S, L], [L, S, C], [K, F, S], [S, F, C],
        [H, L, R, D], [L, G, R], [L, C, G],
    ]
    # 13 pixels a unit: a 156-pixel square, centred in the layout square.
    return [scaled(p, 13, (2, 2)) for p in pieces]


def sei_shonagon():
    # The square on a 4 x 4 grid: two medium triangles in opposite corners and
    # between them, along the other diagonal, the isosceles trapezoid, the
    # parallelogram, the right trapezoid, the square and the small triangle.
    pieces = [
        [(0, 2), (0, 0), (2, 0)],            # medium triangle
        [(2, 4), (4, 2), (4, 4)],            # medium triangle
        [(0, 4), (0, 2), (1, 1), (3, 1)],    # isosceles trapezoid
        [(1, 1), (2, 0), (4, 0), (3, 1)],    # parallelogram
        [(0, 4), (2, 2), (3, 3), (2, 4)],    # right trapezoid
        [(2, 2), (3, 1), (4, 2), (3, 3)],    # square
        [(3, 1), (4, 0), (4, 2)],            # small triangle
    ]
    return [scaled(p, 40) for p in pieces]


def centroid(points):
    """Area centroid, rounded to the nearest pixel."""
    a = cx = cy = 0
    n = len(points)
    for i in range(n):
        x0, y0 = points[i]
        x1, y1 = points[(i + 1) % n]
        c = x0 * y1 - x1 * y0
        a += c
        cx += (x0 + x1) * c
        cy += (y0 + y1) * c
    return round(cx / (3 * a)), round(cy / (3 * a))


def from_solved(name, display, step, pieces):
    """Piece lines and start placements for pieces given where they lie solved."""
    lines, start = [], []
    for points in pieces:
        left = min(x for x, _ in points)
        top = min(y for _, y in points)
        local = [(x - left, y - top) for x, y in points]
        px, py = centroid(local)
        numbers = [len(local), px, py] + [v for p in local for v in p]
        lines.append(",".join(map(str, numbers)))
        start.append((left + px, top + py))
    return {"name": name, "display": display, "step": step, "lines": lines, "start": start}


def write(piece_set):
    start = ",".join(f"{x},{y},0,1" for x, y in piece_set["start"])
    lines = [VERSION, piece_set["name"], str(len(piece_set["lines"])), *piece_set["lines"], start,
             piece_set["display"], str(piece_set["step"])]
    data = "".join(line + "\r\n" for line in lines).encode("cp932")
    (OUT / (piece_set["name"] + ".plt")).write_bytes(data)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    # Every set here has its edges at multiples of 45 degrees, or (the
    # Stomachion) at angles no step can match; 45-degree snapping turns pieces
    # exactly onto the grid and its diagonals, and the edge straightening it
    # switches on only ever touches edges that those turns make diagonal.
    write(TANGRAM7)
    write(from_solved("tpuzzle", "Tパズル", 90, t_puzzle()))
    write(from_solved("stomachion", "ストマキオン", 90, stomachion()))
    write(from_solved("seishonagon", "清少納言知恵の板", 90, sei_shonagon()))


if __name__ == "__main__":
    main()
