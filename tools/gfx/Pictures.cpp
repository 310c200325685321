#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace v3gfx {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A small deterministic generator: the pictures are the same on every build.
class Lcg {
public:
    explicit Lcg(uint32_t seed) : s_(seed) {}
    double Next() {
        s_ = s_ * 1664525u + 1013904223u;
        return (s_ >> 8) / double(1 << 24);
    }
    double Range(double a, double b) { return a + (b - a) * Next(); }

private:
    uint32_t s_;
};

// ---- the pitch in perspective: X across (-34..34 m), Z away from the viewer (0..105 m)

struct Camera {
    double horizon = 160, ky = 9086, kx = 763, z0 = 24.8, cx = 320;
    double scale = 1.0;  // for pictures of another size
    QPointF P(double x, double z) const {
        double d = z + z0;
        return {(cx + x * kx / d) * scale, (horizon + ky / d) * scale};
    }
    double Px(double z) const { return kx / (z + z0) * scale; }  // pixels per metre at depth z
};

void DrawLine(QPainter& p, const Camera& c, double x0, double z0, double x1, double z1, QColor col) {
    const int steps = 24;
    for (int i = 0; i < steps; ++i) {
        double t0 = double(i) / steps, t1 = double(i + 1) / steps;
        double za = z0 + (z1 - z0) * t0, zb = z0 + (z1 - z0) * t1;
        QPen pen(col, std::max(0.8, 0.14 * c.Px((za + zb) / 2)), Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.drawLine(c.P(x0 + (x1 - x0) * t0, za), c.P(x0 + (x1 - x0) * t1, zb));
    }
}

void DrawArc(QPainter& p, const Camera& c, double cx, double cz, double r, double a0, double a1, QColor col) {
    const int steps = 48;
    for (int i = 0; i < steps; ++i) {
        double t0 = a0 + (a1 - a0) * i / steps, t1 = a0 + (a1 - a0) * (i + 1) / steps;
        double za = cz + r * std::sin(t0), zb = cz + r * std::sin(t1);
        p.setPen(QPen(col, std::max(0.8, 0.14 * c.Px((za + zb) / 2)), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c.P(cx + r * std::cos(t0), za), c.P(cx + r * std::cos(t1), zb));
    }
}

void DrawPitch(QPainter& p, const Camera& c, int w, int h) {
    const double top = c.P(0, 140).y();
    // Grass: bands across the depth, alternately mown.
    for (int i = 0; i < 30; ++i) {
        double za = 140 - i * 5.25, zb = za - 5.25;
        double ya = c.P(0, za).y(), yb = zb <= -c.z0 + 1 ? h : c.P(0, std::max(zb, -20.0)).y();
        QColor g = (i % 2) ? QColor(38, 112, 46) : QColor(46, 128, 54);
        p.fillRect(QRectF(0, ya, w, std::min<double>(yb, h) - ya + 1), g);
    }
    (void)top;
    // Lines of the far half and the near penalty area.
    QColor line(236, 242, 236, 215);
    DrawLine(p, c, -34, 105, 34, 105, line);
    DrawLine(p, c, -34, 0, -34, 105, line);
    DrawLine(p, c, 34, 0, 34, 105, line);
    DrawLine(p, c, -34, 52.5, 34, 52.5, line);
    DrawArc(p, c, 0, 52.5, 9.15, 0, 2 * kPi, line);
    DrawLine(p, c, -20.16, 105, -20.16, 88.5, line);
    DrawLine(p, c, 20.16, 105, 20.16, 88.5, line);
    DrawLine(p, c, -20.16, 88.5, 20.16, 88.5, line);
    DrawLine(p, c, -9.16, 105, -9.16, 99.5, line);
    DrawLine(p, c, 9.16, 105, 9.16, 99.5, line);
    DrawLine(p, c, -9.16, 99.5, 9.16, 99.5, line);
    DrawArc(p, c, 0, 94, 9.15, kPi + 0.93, 2 * kPi - 0.93, line);
    DrawLine(p, c, -20.16, 0, -20.16, 16.5, line);
    DrawLine(p, c, 20.16, 0, 20.16, 16.5, line);
    DrawLine(p, c, -20.16, 16.5, 20.16, 16.5, line);
    DrawArc(p, c, 0, 11, 9.15, 0.93, kPi - 0.93, line);
    // Spots.
    p.setPen(Qt::NoPen);
    p.setBrush(line);
    for (auto [x, z] : {std::pair{0.0, 52.5}, {0.0, 94.0}, {0.0, 11.0}}) {
        QPointF q = c.P(x, z);
        double r = std::max(1.0, 0.11 * c.Px(z));
        p.drawEllipse(q, r * 1.5, r);
    }
    // The far goal with its net.
    double gz = 105, gx = 3.66, gh = 2.44, gd = 2.0;
    auto up = [&](double x, double z, double hh) { return c.P(x, z) - QPointF(0, hh * c.Px(z) * 0.92); };
    QPolygonF net{up(-gx, gz, gh), up(gx, gz, gh), up(gx, gz + gd, gh * 0.8), up(-gx, gz + gd, gh * 0.8)};
    p.setBrush(QColor(220, 225, 230, 60));
    p.setPen(QPen(QColor(230, 235, 240, 90), 0.6));
    p.drawPolygon(net);
    QPolygonF back{up(-gx, gz + gd, gh * 0.8), up(gx, gz + gd, gh * 0.8), c.P(gx, gz + gd), c.P(-gx, gz + gd)};
    p.setBrush(QColor(220, 225, 230, 70));
    p.drawPolygon(back);
    p.setPen(QPen(QColor(250, 250, 250), std::max(1.0, 0.12 * c.Px(gz)) * 1.3));
    p.drawLine(c.P(-gx, gz), up(-gx, gz, gh));
    p.drawLine(c.P(gx, gz), up(gx, gz, gh));
    p.drawLine(up(-gx, gz, gh), up(gx, gz, gh));
}

void DrawSky(QPainter& p, int w, double horizon, uint32_t seed) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(5, 12, 32));
    sky.setColorAt(0.6, QColor(12, 32, 66));
    sky.setColorAt(1, QColor(28, 62, 96));
    p.fillRect(QRectF(0, 0, w, horizon + 1), sky);
    Lcg r(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        double x = r.Range(0, w), y = r.Range(0, horizon * 0.75);
        int a = int(r.Range(40, 160));
        p.setBrush(QColor(220, 230, 255, a));
        double s = r.Range(0.6, 1.5);
        p.drawEllipse(QPointF(x, y), s, s);
    }
}

// Stands from y0 to y1 with a roof and a crowd of small dots; boards in front.
void DrawStands(QPainter& p, int w, double y0, double y1, uint32_t seed, double scale) {
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, QColor(18, 22, 34));
    g.setColorAt(1, QColor(38, 40, 52));
    QPainterPath stand;
    stand.moveTo(0, y0 + 14 * scale);
    stand.cubicTo(w * 0.3, y0 - 4 * scale, w * 0.7, y0 - 4 * scale, w, y0 + 14 * scale);
    stand.lineTo(w, y1);
    stand.lineTo(0, y1);
    stand.closeSubpath();
    p.fillPath(stand, g);
    // Crowd: rows of dots, brighter towards the lit pitch.
    p.save();
    p.setClipPath(stand);
    Lcg r(seed);
    p.setPen(Qt::NoPen);
    const QColor shirts[] = {QColor(200, 40, 40), QColor(230, 230, 230), QColor(40, 80, 190),
                             QColor(230, 190, 40), QColor(60, 60, 60), QColor(190, 120, 80)};
    for (double y = y0; y < y1 - 8 * scale; y += 3.0 * scale) {
        double light = 0.35 + 0.65 * (y - y0) / (y1 - y0);
        for (double x = r.Range(0, 3); x < w; x += r.Range(2.2, 3.6) * scale) {
            QColor c = shirts[int(r.Next() * 6) % 6];
            c.setRgbF(c.redF() * light * 0.8, c.greenF() * light * 0.8, c.blueF() * light * 0.8);
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y + r.Range(-0.8, 0.8)), 1.1 * scale, 1.1 * scale);
        }
    }
    p.restore();
    // Roof edge.
    QPainterPath roof;
    roof.moveTo(0, y0 + 8 * scale);
    roof.cubicTo(w * 0.3, y0 - 10 * scale, w * 0.7, y0 - 10 * scale, w, y0 + 8 * scale);
    p.setPen(QPen(QColor(120, 130, 150), 2.0 * scale));
    p.setBrush(Qt::NoBrush);
    p.drawPath(roof);
    // Boards along the pitch.
    const char* texts[] = {"VOLTARO 3", "DATENEDITOR", "FUSSBALL", "VOLTARO 3", "LIGA", "DATENEDITOR", "TOR"};
    const QColor boards[] = {QColor(200, 30, 40), QColor(20, 60, 160), QColor(240, 200, 30), QColor(30, 140, 70),
                             QColor(230, 230, 235), QColor(120, 30, 140), QColor(240, 120, 20)};
    double bh = 8 * scale, by = y1 - bh;
    double bw = w / 7.0;
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(std::max(5, int(6 * scale)));
    p.setFont(f);
    for (int i = 0; i < 7; ++i) {
        QRectF b(i * bw + 1, by, bw - 2, bh);
        p.fillRect(b, boards[i]);
        p.setPen(i == 2 || i == 4 ? QColor(20, 20, 30) : QColor(250, 250, 250));
        p.drawText(b, Qt::AlignCenter, texts[i]);
    }
}

void DrawFloodlight(QPainter& p, double x, double y, double scale) {
    // Pole.
    p.setPen(QPen(QColor(30, 34, 46), 3 * scale));
    p.drawLine(QPointF(x, y + 20 * scale), QPointF(x, y + 110 * scale));
    // Glow.
    QRadialGradient glow(QPointF(x, y + 8 * scale), 90 * scale);
    glow.setColorAt(0, QColor(255, 250, 225, 170));
    glow.setColorAt(0.25, QColor(255, 245, 210, 60));
    glow.setColorAt(1, QColor(255, 245, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, y + 8 * scale), 90 * scale, 90 * scale);
    // Lamp bank: 3 x 4 lamps.
    p.setBrush(QColor(40, 44, 58));
    p.drawRoundedRect(QRectF(x - 17 * scale, y, 34 * scale, 18 * scale), 2 * scale, 2 * scale);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            QPointF q(x - 12 * scale + c * 8 * scale, y + 4 * scale + r * 5 * scale);
            QRadialGradient lamp(q, 3.2 * scale);
            lamp.setColorAt(0, QColor(255, 255, 255));
            lamp.setColorAt(1, QColor(255, 240, 190, 0));
            p.setBrush(lamp);
            p.drawEllipse(q, 3.2 * scale, 3.2 * scale);
        }
}

void DrawLightPools(QPainter& p, int w, int h, double top) {
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (auto [cx, cy, rx] : {std::tuple{w * 0.2, top + 90.0, 260.0}, {w * 0.8, top + 90.0, 260.0},
                              {w * 0.5, top + 160.0, 300.0}}) {
        // An elliptical pool: the gradient is drawn in a squeezed frame so it
        // reaches black all around its edge.
        p.save();
        p.translate(cx, cy);
        p.scale(1, 0.6);
        QRadialGradient g(QPointF(0, 0), rx);
        g.setColorAt(0, QColor(34, 38, 26, 255));
        g.setColorAt(1, QColor(0, 0, 0, 255));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), rx, rx);
        p.restore();
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    (void)h;
}

void Vignette(QPainter& p, int w, int h, int alpha) {
    QRadialGradient v(QPointF(w / 2.0, h / 2.0), std::hypot(w, h) / 2);
    v.setColorAt(0.55, QColor(0, 0, 0, 0));
    v.setColorAt(1, QColor(0, 0, 0, alpha));
    p.fillRect(QRect(0, 0, w, h), v);
}

void DrawStadium(QPainter& p, int w, int h, double scale) {
    Camera c;
    c.scale = scale;
    double standTop = 138 * scale, standBottom = 214 * scale;
    DrawSky(p, w, standTop + 10 * scale, 7);
    DrawFloodlight(p, 70 * scale, 52 * scale, scale);
    DrawFloodlight(p, w - 70 * scale, 52 * scale, scale);
    p.save();
    p.setClipRect(QRectF(0, standBottom, w, h));
    DrawPitch(p, c, w, h);
    DrawLightPools(p, w, h, standBottom);
    p.restore();
    DrawStands(p, w, standTop, standBottom, 11, scale);
    // A soft haze where the lights meet the stands.
    QLinearGradient haze(0, standTop - 30 * scale, 0, standBottom);
    haze.setColorAt(0, QColor(255, 250, 230, 0));
    haze.setColorAt(1, QColor(255, 250, 230, 28));
    p.fillRect(QRectF(0, standTop - 30 * scale, w, standBottom - standTop + 30 * scale), haze);
}

// ---- the ball

struct V3 {
    double x, y, z;
};
V3 Norm(V3 v) {
    double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / l, v.y / l, v.z / l};
}
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V3 RotY(V3 v, double a) { return {v.x * std::cos(a) + v.z * std::sin(a), v.y, -v.x * std::sin(a) + v.z * std::cos(a)}; }
V3 RotX(V3 v, double a) { return {v.x, v.y * std::cos(a) - v.z * std::sin(a), v.y * std::sin(a) + v.z * std::cos(a)}; }

// A football at `c` with radius r; `spin` turns its pattern; sx, sy squash it.
void DrawBall(QPainter& p, QPointF c, double r, double spin, double sx = 1, double sy = 1) {
    p.save();
    p.translate(c);
    p.scale(sx, sy);
    QPainterPath circle;
    circle.addEllipse(QPointF(0, 0), r, r);
    QRadialGradient base(QPointF(-r * 0.35, -r * 0.4), r * 1.5);
    base.setColorAt(0, QColor(255, 255, 255));
    base.setColorAt(0.55, QColor(228, 230, 235));
    base.setColorAt(1, QColor(120, 126, 140));
    p.setPen(Qt::NoPen);
    p.fillPath(circle, base);
    p.setClipPath(circle);
    // The twelve patches sit on the corners of an icosahedron.
    const double phi = (1 + std::sqrt(5.0)) / 2;
    std::vector<V3> centres;
    for (int a : {-1, 1})
        for (int b : {-1, 1}) {
            centres.push_back(Norm({0, double(a), b * phi}));
            centres.push_back(Norm({double(a), b * phi, 0}));
            centres.push_back(Norm({b * phi, 0, double(a)}));
        }
    for (V3 cc : centres) {
        V3 v = RotX(RotY(cc, spin), 0.5);
        if (v.z <= -0.05) continue;
        V3 ref = std::abs(v.y) < 0.9 ? V3{0, 1, 0} : V3{1, 0, 0};
        V3 u = Norm(Cross(v, ref)), w = Cross(v, u);
        QPolygonF pent;
        const double ang = 0.36;
        for (int k = 0; k < 5; ++k) {
            double t = k * 2 * kPi / 5 + spin * 0.3;
            V3 q = Norm({v.x * std::cos(ang) + (u.x * std::cos(t) + w.x * std::sin(t)) * std::sin(ang),
                         v.y * std::cos(ang) + (u.y * std::cos(t) + w.y * std::sin(t)) * std::sin(ang),
                         v.z * std::cos(ang) + (u.z * std::cos(t) + w.z * std::sin(t)) * std::sin(ang)});
            pent << QPointF(q.x * r, -q.y * r);
        }
        int shade = int(25 + 40 * (1 - std::clamp(v.z, 0.0, 1.0)));
        p.setBrush(QColor(shade, shade, shade + 8));
        p.drawPolygon(pent);
    }
    // Light from the upper left, shade to the lower right.
    QRadialGradient light(QPointF(-r * 0.4, -r * 0.45), r * 1.4);
    light.setColorAt(0, QColor(255, 255, 255, 110));
    light.setColorAt(0.35, QColor(255, 255, 255, 0));
    light.setColorAt(0.8, QColor(0, 0, 20, 40));
    light.setColorAt(1, QColor(0, 0, 20, 120));
    p.fillPath(circle, light);
    p.setClipping(false);
    p.setPen(QPen(QColor(40, 44, 60, 140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
}

void DrawShadow(QPainter& p, QPointF c, double rx, double ry, int alpha) {
    QRadialGradient g(c, rx);
    g.setColorAt(0, QColor(0, 20, 0, alpha));
    g.setColorAt(1, QColor(0, 20, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.save();
    p.translate(c);
    p.scale(1, ry / rx);
    p.translate(-c);
    p.drawEllipse(c, rx, rx);
    p.restore();
}

// A fading streak from `tail` to the ball, with two faint ghost balls.
void DrawTrail(QPainter& p, QPointF tail, QPointF ball, double r, double spin) {
    QPointF d = ball - tail;
    double len = std::hypot(d.x(), d.y());
    if (len < 1) return;
    QPointF n(-d.y() / len, d.x() / len);
    QPainterPath streak;
    streak.moveTo(tail);
    streak.quadTo(ball - d * 0.3 + n * r * 0.5, ball + n * r * 0.85);
    streak.lineTo(ball - n * r * 0.85);
    streak.quadTo(ball - d * 0.3 - n * r * 0.5, tail);
    QLinearGradient g(tail, ball);
    g.setColorAt(0, QColor(255, 255, 255, 0));
    g.setColorAt(0.7, QColor(230, 240, 255, 70));
    g.setColorAt(1, QColor(255, 255, 255, 150));
    p.setPen(Qt::NoPen);
    p.fillPath(streak, g);
    for (auto [t, a] : {std::pair{0.45, 0.07}, {0.7, 0.14}}) {
        p.save();
        p.setOpacity(a);
        DrawBall(p, tail + d * t, r * (0.75 + 0.2 * t), spin - 0.8 * (1 - t));
        p.restore();
    }
}

void DrawSpray(QPainter& p, QPointF at, double spread, double height, uint32_t seed) {
    Lcg r(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        double a = r.Range(kPi * 1.05, kPi * 1.95);
        double dist = r.Range(0.2, 1.0);
        QPointF q = at + QPointF(std::cos(a) * spread * dist, std::sin(a) * height * dist);
        bool earth = r.Next() < 0.3;
        QColor c = earth ? QColor(150, 110, 70, int(r.Range(120, 220))) : QColor(70, 160, 70, int(r.Range(130, 230)));
        p.setBrush(c);
        double s = r.Range(0.8, 2.2);
        p.drawEllipse(q, s, s * 0.7);
    }
}

void DrawRing(QPainter& p, QPointF c, double rx, double ry, int alpha) {
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, alpha / (i + 1)), 2.0 - i * 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, rx * (1 - i * 0.18), ry * (1 - i * 0.18));
    }
}

void DrawBurst(QPainter& p, QPointF c, double radius, uint32_t seed) {
    QRadialGradient glow(c, radius);
    glow.setColorAt(0, QColor(255, 250, 220, 200));
    glow.setColorAt(0.3, QColor(255, 220, 120, 90));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, radius, radius);
    Lcg r(seed);
    for (int i = 0; i < 14; ++i) {
        double a = i * 2 * kPi / 14 + r.Range(-0.1, 0.1);
        double len = radius * r.Range(0.7, 0.98);
        QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * len;
        QPointF side(-std::sin(a) * 3.5, std::cos(a) * 3.5);
        QLinearGradient g(c, tip);
        g.setColorAt(0, QColor(255, 250, 230, 170));
        g.setColorAt(1, QColor(255, 240, 200, 0));
        p.setBrush(g);
        p.drawPolygon(QPolygonF{c + side, tip, c - side});
    }
    for (int i = 0; i < 16; ++i) {
        double a = r.Range(0, 2 * kPi), d = r.Range(0.35, 0.85) * radius;
        QPointF q = c + QPointF(std::cos(a), std::sin(a)) * d;
        double s = r.Range(1.5, 3.5);
        p.setBrush(QColor(255, 255, 240, int(r.Range(140, 230))));
        p.drawPolygon(QPolygonF{q + QPointF(0, -s * 2), q + QPointF(s * 0.5, 0), q + QPointF(0, s * 2),
                                q + QPointF(-s * 0.5, 0)});
        p.drawPolygon(QPolygonF{q + QPointF(-s * 2, 0), q + QPointF(0, s * 0.5), q + QPointF(s * 2, 0),
                                q + QPointF(0, -s * 0.5)});
    }
}

constexpr std::array<std::array<int, 4>, 10> kFrames = {{{236, 116, 400, 289}, {221, 144, 327, 262},
                                                         {234, 224, 192, 184}, {224, 290, 160, 125},
                                                         {185, 338, 201, 99},  {184, 356, 198, 81},
                                                         {127, 228, 172, 196}, {96, 171, 157, 207},
                                                         {41, 126, 201, 212},  {4, 113, 282, 171}}};

}  // namespace

QImage MainBackground() {
    QImage img(640, 480, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawStadium(p, 640, 480, 1.0);
    Vignette(p, 640, 480, 150);
    return img;
}

QImage AnimationFrame(const QImage& background, int i) {
    const auto& f = kFrames[size_t(i)];
    QImage img = background.copy(f[0], f[1], f[2], f[3]).convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-f[0], -f[1]);
    p.setClipRect(QRect(f[0], f[1], f[2], f[3]));
    const double spin = i * 0.55;
    switch (i) {
    case 0:
        DrawShadow(p, {362, 397}, 30, 5, 70);
        DrawTrail(p, {612, 140}, {345, 298}, 34, spin);
        DrawBall(p, {345, 298}, 34, spin);
        break;
    case 1:
        DrawShadow(p, {318, 398}, 26, 5, 90);
        DrawTrail(p, {525, 168}, {305, 342}, 30, spin);
        DrawBall(p, {305, 342}, 30, spin);
        break;
    case 2:
        DrawShadow(p, {308, 401}, 22, 4.5, 110);
        DrawTrail(p, {412, 238}, {302, 369}, 25, spin);
        DrawBall(p, {302, 369}, 25, spin);
        break;
    case 3:
        DrawShadow(p, {296, 411}, 22, 3.5, 140);
        DrawTrail(p, {372, 302}, {294, 389}, 22, spin);
        DrawBall(p, {294, 389}, 22, spin);
        break;
    case 4:
        DrawShadow(p, {284, 413}, 28, 4, 150);
        DrawRing(p, {284, 413}, 58, 9, 160);
        DrawSpray(p, {284, 412}, 80, 58, 5);
        DrawBall(p, {284, 395}, 22, spin, 1.14, 0.84);
        break;
    case 5:
        DrawRing(p, {290, 414}, 78, 12, 70);
        DrawSpray(p, {290, 414}, 70, 40, 9);
        DrawShadow(p, {252, 415}, 20, 3.5, 120);
        DrawTrail(p, {290, 412}, {246, 390}, 21, spin);
        DrawBall(p, {246, 390}, 21, spin);
        break;
    case 6:
        DrawShadow(p, {222, 413}, 18, 3.5, 90);
        DrawTrail(p, {280, 405}, {202, 292}, 21, spin);
        DrawBall(p, {202, 292}, 21, spin);
        break;
    case 7:
        DrawShadow(p, {182, 368}, 18, 3.5, 70);
        DrawTrail(p, {236, 360}, {152, 227}, 22, spin);
        DrawBall(p, {152, 227}, 22, spin);
        break;
    case 8:
        DrawShadow(p, {138, 329}, 18, 3.5, 55);
        DrawTrail(p, {226, 322}, {98, 178}, 24, spin);
        DrawBall(p, {98, 178}, 24, spin);
        break;
    case 9:
        DrawBurst(p, {104, 192}, 74, 3);
        DrawBall(p, {104, 192}, 27, spin);
        break;
    }
    return img;
}

QImage DialogBackground() {
    const int w = 800, h = 600;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, w * 0.6, h);
    g.setColorAt(0, QColor(226, 238, 222));
    g.setColorAt(1, QColor(178, 204, 176));
    p.fillRect(img.rect(), g);
    // Faint mown stripes.
    for (int x = -h; x < w; x += 64) {
        QPolygonF band{QPointF(x, 0), QPointF(x + 32, 0), QPointF(x + 32 + h * 0.35, h), QPointF(x + h * 0.35, h)};
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawPolygon(band);
    }
    // A whole pitch drawn as a watermark, so that small dialogs show its left
    // half and large ones all of it.
    const QColor mark(255, 255, 255, 150);
    const QColor markShade(40, 90, 40, 40);
    for (int pass = 0; pass < 2; ++pass) {
        p.setPen(QPen(pass ? mark : markShade, pass ? 2.5 : 4.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(30, 30, w - 60, h - 60));
        p.drawLine(QPointF(w / 2.0, 30), QPointF(w / 2.0, h - 30));
        p.drawEllipse(QPointF(w / 2.0, h / 2.0), 92, 92);
        for (int side : {0, 1}) {
            double x0 = side ? w - 30 : 30, dir = side ? -1 : 1;
            p.drawRect(QRectF(std::min(x0, x0 + dir * 165), h / 2.0 - 200, 165, 400));
            p.drawRect(QRectF(std::min(x0, x0 + dir * 55), h / 2.0 - 90, 55, 180));
            QRectF arc(x0 + dir * 110 - 92, h / 2.0 - 92, 184, 184);
            p.drawArc(arc, side ? 127 * 16 : -53 * 16, 106 * 16);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(mark);
    p.drawEllipse(QPointF(w / 2.0, h / 2.0), 4, 4);
    // A soft darker edge keeps the controls framed.
    QRadialGradient v(QPointF(w * 0.35, h * 0.35), std::hypot(w, h) * 0.75);
    v.setColorAt(0.6, QColor(0, 40, 0, 0));
    v.setColorAt(1, QColor(0, 40, 0, 40));
    p.fillRect(img.rect(), v);
    return img;
}

QImage ProgressBackground() {
    const int w = 320, h = 96;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(16, 56, 30));
    g.setColorAt(1, QColor(8, 30, 16));
    p.fillRect(img.rect(), g);
    for (int x = 0; x < w; x += 40) p.fillRect(QRect(x, 0, 20, h), QColor(255, 255, 255, 8));
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawEllipse(QPointF(w - 40, h / 2.0), 34, 34);
    p.drawLine(QPointF(w - 40, 0), QPointF(w - 40, h));
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setItalic(true);
    f.setPixelSize(15);
    p.setFont(f);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(QPointF(25, 27), "VOLTARO 3");
    p.setPen(QColor(250, 250, 250));
    p.drawText(QPointF(24, 26), "VOLTARO 3");
    const double nameEnd = 24 + QFontMetricsF(f).horizontalAdvance("VOLTARO 3");
    f.setPixelSize(11);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(200, 225, 200));
    p.drawText(QPointF(nameEnd + 8, 26), "Dateneditor");
    p.setPen(QPen(QColor(140, 190, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
    return img;
}

QImage AboutPicture() {
    const int w = 420, h = 300;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    DrawStadium(p, w, h, w / 640.0);
    Vignette(p, w, h, 120);
    // The name, large, over the sky.
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setItalic(true);
    f.setPixelSize(40);
    p.setFont(f);
    QRectF title(0, 14, w, 50);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(title.translated(2, 2), Qt::AlignHCenter | Qt::AlignVCenter, "VOLTARO 3");
    QLinearGradient gold(0, 20, 0, 60);
    gold.setColorAt(0, QColor(255, 246, 200));
    gold.setColorAt(1, QColor(236, 184, 60));
    p.setPen(QPen(QBrush(gold), 1));
    p.drawText(title, Qt::AlignHCenter | Qt::AlignVCenter, "VOLTARO 3");
    f.setPixelSize(15);
    f.setItalic(false);
    f.setBold(false);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    p.setFont(f);
    p.setPen(QColor(235, 240, 250));
    p.drawText(QRectF(0, 62, w, 22), Qt::AlignHCenter | Qt::AlignVCenter, "DATENEDITOR");
    // The ball resting on the pitch.
    DrawShadow(p, {w * 0.78, 196}, 26, 5, 150);
    DrawBall(p, {w * 0.78, 176}, 21, 0.9);
    // A calm band at the bottom for the texts.
    QLinearGradient band(0, h - 150, 0, h);
    band.setColorAt(0, QColor(0, 12, 4, 0));
    band.setColorAt(0.18, QColor(0, 12, 4, 195));
    band.setColorAt(1, QColor(0, 12, 4, 235));
    p.fillRect(QRectF(0, h - 150, w, 150), band);
    p.setPen(QPen(QColor(236, 184, 60, 200), 1));
    p.drawLine(QPointF(24, h - 128), QPointF(w - 24, h - 128));
    return img;
}

QImage MarkerPicture() {
    QImage img(16, 14, QImage::Format_ARGB32);
    img.fill(QColor(255, 255, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPointF c(8, 7);
    QRadialGradient sea(QPointF(6, 5), 8);
    sea.setColorAt(0, QColor(110, 170, 240));
    sea.setColorAt(1, QColor(20, 70, 160));
    p.setPen(QPen(QColor(10, 40, 100), 0.8));
    p.setBrush(sea);
    p.drawEllipse(c, 6.2, 6.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 70));
    p.drawEllipse(QPointF(6, 5), 2.4, 1.8);
    p.drawEllipse(QPointF(10, 9), 2.0, 2.4);
    p.drawEllipse(QPointF(4.5, 9.5), 1.2, 1.0);
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 2.6, 6.2);
    p.drawLine(QPointF(1.8, 7), QPointF(14.2, 7));
    return img;
}

namespace {

// Paints the regions of a kit template without smoothing (every pixel keeps
// its key), then shades the areas: brighter towards a light from the upper
// left, darker at the outer edges, and an outline around each area.
struct KitTemplate {
    QImage img;
    explicit KitTemplate(int w, int h) : img(w, h, QImage::Format_RGB32) { img.fill(QColor(255, 0, 255)); }
    void Fill(const QPainterPath& path, int key) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, key));
        p.drawPath(path);
    }
    QImage Shaded(double wrinkles) {
        const int w = img.width(), h = img.height();
        QImage out = img.copy();
        auto key = [&](int x, int y) {
            if (x < 0 || y < 0 || x >= w || y >= h) return -1;
            QRgb c = img.pixel(x, y);
            return qRed(c) == 255 && qGreen(c) == 0 ? -1 : qBlue(c);
        };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int k = key(x, y);
                if (k < 0) continue;
                if (key(x - 1, y) != k || key(x + 1, y) != k || key(x, y - 1) != k || key(x, y + 1) != k) {
                    out.setPixel(x, y, qRgb(60, 60, 0));
                    continue;
                }
                const double nx = double(x) / w, ny = double(y) / h;
                double shade = 0.93 - 0.16 * nx - 0.08 * ny + wrinkles * 0.05 * std::sin(nx * 19 + ny * 7);
                shade = std::clamp(shade, 0.55, 1.0);
                const int v = int(std::lround(shade * 255));
                out.setPixel(x, y, qRgb(v, v, k));
            }
        return out;
    }
};

}  // namespace

QImage KitShirt() {
    KitTemplate t(96, 84);
    QPainterPath sleeves;
    sleeves.moveTo(24, 6);
    sleeves.lineTo(2, 22);
    sleeves.lineTo(12, 40);
    sleeves.lineTo(26, 32);
    sleeves.closeSubpath();
    sleeves.moveTo(72, 6);
    sleeves.lineTo(94, 22);
    sleeves.lineTo(84, 40);
    sleeves.lineTo(70, 32);
    sleeves.closeSubpath();
    t.Fill(sleeves, 128);
    QPainterPath body;
    body.moveTo(24, 4);
    body.lineTo(38, 2);
    body.quadTo(48, 12, 58, 2);
    body.lineTo(72, 4);
    body.lineTo(72, 82);
    body.lineTo(24, 82);
    body.closeSubpath();
    t.Fill(body, 255);
    return t.Shaded(1.0);
}

QImage KitShorts() {
    KitTemplate t(72, 40);
    QPainterPath shorts;
    shorts.moveTo(4, 2);
    shorts.lineTo(68, 2);
    shorts.lineTo(71, 38);
    shorts.lineTo(40, 38);
    shorts.lineTo(36, 20);
    shorts.lineTo(32, 38);
    shorts.lineTo(1, 38);
    shorts.closeSubpath();
    t.Fill(shorts, 255);
    return t.Shaded(0.5);
}

QImage KitSock() {
    KitTemplate t(20, 44);
    QPainterPath sock;
    sock.moveTo(3, 1);
    sock.lineTo(15, 1);
    sock.lineTo(15, 34);
    sock.lineTo(19, 38);
    sock.lineTo(19, 43);
    sock.lineTo(1, 43);
    sock.lineTo(3, 34);
    sock.closeSubpath();
    t.Fill(sock, 255);
    return t.Shaded(0.0);
}



namespace {

// One mark of a flag picture inside the square `r`: 0 champion (gold star),
// 1 unused number (grey dot), 2 relegated (red arrow down), 3 promoted (green
// arrow up), 4 runner-up (silver star).
void DrawStatusMark(QPainter& p, const QRectF& r, int mark) {
    const QPointF c = r.center();
    const double h = r.height() / 2;
    p.setPen(QPen(QColor(40, 40, 40), 0.7));
    if (mark == 0 || mark == 4) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = -kPi / 2 + i * kPi / 5;
            const double rad = i % 2 ? h * 0.45 : h;
            const QPointF pt(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a) + h * 0.08);
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setBrush(mark == 0 ? QColor(240, 190, 20) : QColor(190, 195, 205));
        p.drawPath(star);
    } else if (mark == 2 || mark == 3) {
        const double s = mark == 3 ? -1 : 1;  // up or down
        QPolygonF arrow;
        arrow << QPointF(c.x(), c.y() + s * h) << QPointF(c.x() - h, c.y() + s * h * 0.05)
              << QPointF(c.x() - h * 0.4, c.y() + s * h * 0.05) << QPointF(c.x() - h * 0.4, c.y() - s * h)
              << QPointF(c.x() + h * 0.4, c.y() - s * h) << QPointF(c.x() + h * 0.4, c.y() + s * h * 0.05)
              << QPointF(c.x() + h, c.y() + s * h * 0.05);
        p.setBrush(mark == 3 ? QColor(40, 170, 60) : QColor(210, 40, 40));
        p.drawPolygon(arrow);
    } else {
        p.setBrush(QColor(150, 150, 150));
        p.drawEllipse(c, h * 0.5, h * 0.5);
    }
}

// A cup inside the square `r`: 0 winner (gold), 1 finalist (silver), 2
// participant (blue outline).
void DrawCupMark(QPainter& p, const QRectF& r, int cup) {
    const double x = r.left(), y = r.top(), w = r.width(), h = r.height();
    QPainterPath bowl;
    bowl.moveTo(x + w * 0.1, y + h * 0.05);
    bowl.lineTo(x + w * 0.9, y + h * 0.05);
    bowl.quadTo(x + w * 0.9, y + h * 0.62, x + w * 0.5, y + h * 0.62);
    bowl.quadTo(x + w * 0.1, y + h * 0.62, x + w * 0.1, y + h * 0.05);
    bowl.addRect(QRectF(x + w * 0.42, y + h * 0.6, w * 0.16, h * 0.22));
    bowl.addRect(QRectF(x + w * 0.2, y + h * 0.8, w * 0.6, h * 0.18));
    const QColor colour = cup == 0 ? QColor(240, 190, 20) : cup == 1 ? QColor(190, 195, 205) : QColor(255, 255, 255);
    p.setPen(QPen(cup == 2 ? QColor(30, 80, 200) : QColor(40, 40, 40), cup == 2 ? 1.2 : 0.7));
    p.setBrush(colour);
    p.drawPath(bowl.simplified());
}

}  // namespace

QImage FlagPictures() {
    constexpr int kSize = 12, kCount = 23;
    QImage img(kSize * kCount, kSize, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 255));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int e = 0; e < kCount; ++e) {
        const QRectF full(e * kSize + 0.5, 0.5, kSize - 1, kSize - 1);
        if (e < 5) {
            DrawStatusMark(p, full, e);
        } else if (e < 8) {
            DrawCupMark(p, full, e - 5);
        } else {
            // A status mark with a cup: the mark on the left, the cup on the right.
            DrawStatusMark(p, QRectF(e * kSize + 0.5, 0.5, 6.5, 7), (e - 8) / 3);
            DrawCupMark(p, QRectF(e * kSize + 5.5, 4, 6, 7.5), (e - 8) % 3);
        }
    }
    return img;
}

}  // namespace v3gfx
