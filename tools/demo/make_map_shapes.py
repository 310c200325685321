#!/usr/bin/env python3
# Generates MapShapes.cpp, the country outlines of the demo maps.
import json, math, sys, unicodedata
# Usage: make_map_shapes.py countries-50m.json MapShapes.cpp
#   (countries-50m.json and countries-10m.json beside it: Natural Earth country
#   outlines as TopoJSON, public domain)
class Atlas:
    def __init__(self, path):
        d = json.load(open(path))
        sx, sy = d['transform']['scale']; tx, ty = d['transform']['translate']
        self.arcs = []
        for a in d['arcs']:
            x = y = 0; pts = []
            for dx, dy in a:
                x += dx; y += dy
                pts.append((x * sx + tx, y * sy + ty))
            self.arcs.append(pts)
        self.geoms = {g['properties']['name']: g for g in d['objects']['countries']['geometries']}
    def arc(self, i):
        return self.arcs[i] if i >= 0 else self.arcs[~i][::-1]
    def ring(self, idx):
        pts = []
        for i in idx:
            a = self.arc(i)
            pts.extend(a if not pts else a[1:])
        return pts
    def polys(self, name):
        g = self.geoms[name]
        if g['type'] == 'Polygon': ps = [g['arcs']]
        elif g['type'] == 'MultiPolygon': ps = g['arcs']
        else: return []
        return [self.ring(p[0]) for p in ps]   # outer rings only (holes ignored)
# The 1:50m outlines, and the 1:10m ones for the countries shown at a large scale.
COARSE = Atlas(sys.argv[1])
FINE = Atlas(sys.argv[1].replace('50m', '10m'))
FINE_NAMES = {'Malta', 'Luxembourg', 'Cyprus', 'N. Cyprus', 'Israel', 'Slovenia', 'United Kingdom', 'Ireland',
              'Belgium', 'Switzerland', 'Netherlands', 'Montenegro', 'Kosovo', 'Bosnia and Herz.'}
geoms = COARSE.geoms
def polys(name):
    return (FINE if name in FINE_NAMES else COARSE).polys(name)
def dp(pts, tol):
    if len(pts) < 4: return pts
    keep = [False]*len(pts); keep[0] = keep[-1] = True
    st = [(0, len(pts)-1)]
    while st:
        a, b = st.pop()
        ax, ay = pts[a]; bx, by = pts[b]
        dx, dy = bx-ax, by-ay; L = math.hypot(dx, dy)
        best, bi = -1, -1
        for i in range(a+1, b):
            px, py = pts[i]
            dist = abs(dy*(px-ax) - dx*(py-ay))/L if L > 0 else math.hypot(px-ax, py-ay)
            if dist > best: best, bi = dist, i
        if best > tol:
            keep[bi] = True; st.append((a, bi)); st.append((bi, b))
    return [p for p, k in zip(pts, keep) if k]
def clip(poly, a, b, c):  # keep a*x + b*y + c >= 0 (Sutherland-Hodgman)
    out = []
    n = len(poly)
    for i in range(n):
        p = poly[i]; q = poly[(i+1) % n]
        fp = a*p[0]+b*p[1]+c; fq = a*q[0]+b*q[1]+c
        if fp >= 0: out.append(p)
        if (fp >= 0) != (fq >= 0):
            t = fp/(fp-fq); out.append((p[0]+t*(q[0]-p[0]), p[1]+t*(q[1]-p[1])))
    return out
def halfplane(p, q):  # keeps the left side of the directed line p->q
    a = -(q[1]-p[1]); b = q[0]-p[0]; c = -(a*p[0] + b*p[1])
    return a, b, c
def bbox_ok(poly, box):
    xs = [p[0] for p in poly]; ys = [p[1] for p in poly]
    return not (max(xs) < box[0] or min(xs) > box[2] or max(ys) < box[1] or min(ys) > box[3])

# ---- maps: (name, lon0, lat0, lon1, lat1, targets)
MAPS = [
 ('ger', 5.8,47.2,15.1,55.1, ['Germany']),
 ('eng', -5.8,49.9,1.8,55.9, ['England']),
 ('fra', -5.2,41.3,9.6,51.1, ['France']),
 ('ita', 6.6,36.6,18.6,47.1, ['Italy']),
 ('spa', -9.4,35.9,4.4,43.8, ['Spain']),
 ('por', -9.6,36.9,-6.1,42.2, ['Portugal']),
 ('ni', 3.3,50.7,7.3,53.6, ['Netherlands']),
 ('tur', 25.6,35.8,44.9,42.2, ['Turkey']),
 ('a', 9.5,46.3,17.2,49.1, ['Austria']),
 ('sco', -7.7,54.6,-0.7,60.9, ['Scotland']),
 ('ch', 5.9,45.8,10.5,47.9, ['Switzerland']),
 ('bel', 2.5,49.4,6.5,51.6, ['Belgium']),
 ('rus', 19.6,41.1,180.0,78.0, ['Russia']),
 ('rum', 20.2,43.6,29.8,48.3, ['Romania']),
 ('gri', 19.3,34.8,28.3,41.8, ['Greece']),
 ('dan', 8.0,54.5,15.2,57.8, ['Denmark']),
 ('swe', 10.9,55.3,24.2,69.1, ['Sweden']),
 ('pol', 14.1,49.0,24.2,54.9, ['Poland']),
 ('bul', 22.3,41.2,28.7,44.3, ['Bulgaria']),
 ('hun', 16.1,45.7,22.9,48.6, ['Hungary']),
 ('fin', 20.5,59.7,31.6,70.1, ['Finland']),
 ('isr', 34.2,29.4,35.9,33.4, ['Israel']),
 ('isl', -24.6,63.3,-13.4,66.6, ['Iceland']),
 ('nor', 4.5,57.9,31.2,71.2, ['Norway']),
 ('kro', 13.4,42.3,19.5,46.6, ['Croatia']),
 ('zyp', 32.2,34.5,34.7,35.8, ['Cyprus', 'N. Cyprus']),
 ('ukr', 22.1,44.3,40.3,52.4, ['Ukraine']),
 ('nir', -8.2,54.0,-5.4,55.35, ['NorthernIreland']),
 ('mal', 14.15,35.78,14.6,36.1, ['Malta']),
 ('irl', -10.7,51.4,-5.9,55.4, ['Ireland']),
 ('lux', 5.7,49.4,6.6,50.2, ['Luxembourg']),
 ('swk', 16.8,47.7,22.6,49.7, ['Slovakia']),
 ('slo', 13.3,45.4,16.7,46.9, ['Slovenia']),
 ('tsc', 12.0,48.5,18.9,51.1, ['Czechia']),
 ('wal', -5.4,51.3,-2.6,53.5, ['Wales']),
 ('bos', 15.7,42.5,19.7,45.3, ['Bosnia and Herz.']),
 ('jug', 18.4,41.8,23.1,46.2, ['Serbia', 'Montenegro', 'Kosovo']),
 ('usa', -125.0,24.0,-66.5,49.5, ['United States of America']),
 ('jp', 129.0,30.9,146.0,45.6, ['Japan']),
 ('arg', -73.6,-55.1,-53.6,-21.7, ['Argentina']),
 ('bra', -74.0,-33.8,-34.7,5.3, ['Brazil']),
]
W, H = 440, 330
def view(m):
    _, x0, y0, x1, y1, _t = m
    lat0 = (y0 + y1) / 2; k = math.cos(math.radians(lat0))
    w = (x1 - x0) * k; h = (y1 - y0)
    s = min(W * 0.92 / w, H * 0.92 / h)   # pixels per degree of latitude
    cx = (x0 + x1) / 2; cy = (y0 + y1) / 2
    hw = W / 2 / s / k; hh = H / 2 / s
    return (cx - hw, cy - hh, cx + hw, cy + hh, 1.0 / (s))
VIEWS = [view(m) for m in MAPS]

regions = {}
def add(name, rings):
    regions.setdefault(name, []).extend(r for r in rings if len(r) >= 3)
SOLWAY, BERWICK = (-3.07, 54.98), (-2.03, 55.81)
WN, WS = (-3.08, 53.33), (-2.65, 51.6)
CW, CE = (-5.5, 51.25), (-2.65, 51.35)
DEE = 53.45
for r in polys('United Kingdom'):
    xs = [p[0] for p in r]
    if max(xs) < -5.4 and min(p[1] for p in r) > 53.9 and max(p[1] for p in r) < 55.5:
        add('NorthernIreland', [r]); continue
    add('Scotland', [clip(r, *halfplane(SOLWAY, BERWICK))])
    south = clip(r, *halfplane(BERWICK, SOLWAY))
    if len(south) < 3: continue
    # Wales: west of the border line, north of the Bristol Channel, south of the Dee.
    add('England', [clip(south, *halfplane(WN, WS))])
    west = clip(south, *halfplane(WS, WN))
    if len(west) >= 3:
        add('England', [clip(west, *halfplane(CE, CW))])
        north = clip(west, *halfplane(CW, CE))
        if len(north) >= 3:
            add('Wales', [clip(north, 0, -1, DEE)])
            add('England', [clip(north, 0, 1, -DEE)])
for name in geoms:
    if name in ('United Kingdom', 'Antarctica'): continue
    add(name, polys(name))

out_rings = []  # (region, pts)
for name, rings in regions.items():
    for r in rings:
        # A ring that crosses the date line continues eastwards past 180 degrees.
        if max(p[0] for p in r) - min(p[0] for p in r) > 180:
            r = [(x + 360 if x < 0 else x, y) for x, y in r]
        hits = []
        for v in VIEWS:
            ex = (v[2]-v[0]) * 0.08; ey = (v[3]-v[1]) * 0.08
            box = (v[0]-ex, v[1]-ey, v[2]+ex, v[3]+ey)
            if bbox_ok(r, box): hits.append((box, v[4]))
        if not hits: continue
        box = (min(h[0][0] for h in hits), min(h[0][1] for h in hits), max(h[0][2] for h in hits), max(h[0][3] for h in hits))
        tol = min(h[1] for h in hits) * 0.8
        c = r
        c = clip(c, 1, 0, -box[0]); c = clip(c, -1, 0, box[2]) if len(c) >= 3 else c
        c = clip(c, 0, 1, -box[1]) if len(c) >= 3 else c
        c = clip(c, 0, -1, box[3]) if len(c) >= 3 else c
        if len(c) < 3: continue
        s = dp(c + [c[0]], tol)[:-1]
        if len(s) >= 3: out_rings.append((name, s))
names = sorted({n for n, _ in out_rings})
print(len(out_rings), sum(len(p) for _, p in out_rings), len(names), file=sys.stderr)
for m in MAPS:
    for t in m[5]: assert t in names, t
def area(p):
    return abs(sum(p[i][0]*p[(i+1)%len(p)][1]-p[(i+1)%len(p)][0]*p[i][1] for i in range(len(p))))/2
final = []
for name, pts in out_rings:
    # largest pixel area over the maps that show it
    best = 0
    for v in VIEWS:
        if bbox_ok(pts, (v[0], v[1], v[2], v[3])):
            k = math.cos(math.radians((v[1]+v[3])/2))
            best = max(best, area(pts) * k / (v[4]*v[4]))
    if best >= 3: final.append((name, pts))
print(len(final), sum(len(p) for _, p in final), file=sys.stderr)
ALPHA = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/'
def enc(v):
    z = (v << 1) if v >= 0 else ((-v << 1) - 1)
    s = ''
    while True:
        g = z & 31; z >>= 5
        if z: s += ALPHA[g | 32]
        else: s += ALPHA[g]; break
    return s
final.sort(key=lambda t: t[0])
names = sorted({n for n, _ in final})
stream = ''
rings = []
for name, pts in final:
    q = []
    for x, y in pts:
        p = (round(x * 1000), round(y * 1000))
        if not q or q[-1] != p: q.append(p)
    if len(q) < 3: continue
    px = py = 0
    for x, y in q:
        stream += enc(x - px) + enc(y - py); px, py = x, y
    rings.append((names.index(name), len(q)))
lines = [stream[i:i+110] for i in range(0, len(stream), 110)]
with open(sys.argv[2], 'w') as f:
    f.write('// Outlines of the countries drawn on the demo maps, generated by\n')
    f.write('// make_map_shapes.py from Natural Earth 1:50m country outlines (public domain),\n')
    f.write('// clipped to the map views and simplified to the maps\' resolution.\n')
    f.write('// Each point is two numbers (longitude, latitude in 1/1000 degree) stored as\n')
    f.write('// differences to the ring\'s previous point, zigzag-coded, 5 bits a character of\n')
    f.write('// the base-64 alphabet with 32 set on every character but a number\'s last.\n')
    f.write('#include "MapShapes.h"\n\nnamespace v3::demo {\n\n')
    f.write('const char* const kShapeRegionNames[] = {\n')
    for n in names:
        a = unicodedata.normalize('NFKD', n).encode('ascii', 'ignore').decode()
        f.write('    "%s",\n' % a.replace('"', ''))
    f.write('};\nconst int kShapeRegionCount = %d;\n\n' % len(names))
    f.write('const ShapeRing kShapeRings[] = {\n')
    for i in range(0, len(rings), 8):
        f.write('    ' + ' '.join('{%d, %d},' % r for r in rings[i:i+8]) + '\n')
    f.write('};\nconst int kShapeRingCount = %d;\n\n' % len(rings))
    f.write('const char kShapePoints[] =\n')
    for l in lines: f.write('    "%s"\n' % l)
    f.write('    ;\n\n}  // namespace v3::demo\n')
print(len(stream), len(rings), file=sys.stderr)
