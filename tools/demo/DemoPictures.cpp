#include "DemoPictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

#include "Canvas.h"

namespace v3::demo {
namespace {

constexpr double kC = kCrestSize / 2.0;  // centre line of a crest

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{20, 20, 24};
const Rgb kGold{214, 176, 58};

double Luma(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }
Rgb Contrast(Rgb on) { return Luma(on) > 150 ? Rgb{24, 26, 36} : kWhite; }
double Dist(Rgb a, Rgb b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }

// Small deterministic generator for the designs (independent of the program's
// random source, so a crest depends on its seed alone).
struct Mix32 {
    uint32_t s;
    uint32_t Next() {
        s += 0x9E3779B9u;
        uint32_t z = s;
        z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
        z = (z ^ (z >> 13)) * 0xC2B2AE35u;
        return z ^ (z >> 16);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
};

// ---- crest outlines; `inset` shrinks them evenly (the rim is the difference)

Inside Heater(double inset) {
    return [inset](double x, double y) {
        const double top = 2.0 + inset, shoulder = 14.0, bottom = 30.5 - inset * 1.5, full = 13.5 - inset;
        if (y < top || y > bottom) return false;
        double hw = full;
        if (y > shoulder) hw = full * (1.0 - std::pow((y - shoulder) / (bottom - shoulder), 1.7));
        return std::abs(x - kC) <= hw;
    };
}

Inside RoundShield(double inset) {
    return [inset](double x, double y) {
        const double top = 2.0 + inset, shoulder = 17.0, bottom = 30.5 - inset, full = 13.0 - inset;
        if (y < top || y > bottom) return false;
        double hw = full;
        if (y > shoulder) {
            const double t = (y - shoulder) / (bottom - shoulder);
            hw = full * std::sqrt(std::max(0.0, 1.0 - t * t));
        }
        return std::abs(x - kC) <= hw;
    };
}

// A shield whose top corners rise to points and whose top dips in the middle.
Inside PointedTop(double inset) {
    return [inset](double x, double y) {
        const double dx = std::abs(x - kC), full = 13.5 - inset;
        const double top = 4.0 + inset - 2.5 * std::pow(dx / 13.5, 2.0);
        const double shoulder = 15.0, bottom = 30.5 - inset * 1.5;
        if (y < top || y > bottom) return false;
        double hw = full;
        if (y > shoulder) hw = full * (1.0 - std::pow((y - shoulder) / (bottom - shoulder), 1.4));
        return dx <= hw;
    };
}

Inside Roundel(double inset) { return Circle(kC, kC, 14.5 - inset); }

Inside Diamond(double inset) {
    return [inset](double x, double y) { return std::abs(x - kC) + std::abs(y - kC) <= 15.0 - inset * 1.4; };
}

// A football: white ball with dark patches.
void DrawBall(Canvas& c, double cx, double cy, double r) {
    c.Fill(Circle(cx, cy, r), {245, 245, 245});
    c.Fill(Star(cx, cy, r * 0.42, r * 0.34, 5, 0), {30, 30, 34});
    for (int k = 0; k < 5; ++k) {
        const double a = (-90.0 + 36.0 + 72.0 * k) * M_PI / 180.0;
        c.Fill(And(Circle(cx + std::cos(a) * r * 0.98, cy + std::sin(a) * r * 0.98, r * 0.32), Circle(cx, cy, r)),
               {30, 30, 34});
    }
    c.Fill(Ring(cx, cy, r, r - 0.8), {60, 60, 66});
}

std::string Letters(const std::string& initials) {
    std::string out;
    for (unsigned char ch : initials) {
        char a = 0;
        if (ch >= 'a' && ch <= 'z') a = static_cast<char>(ch - 'a' + 'A');
        else if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')) a = static_cast<char>(ch);
        else if (ch == 0xC4 || ch == 0xE4) a = 'A';
        else if (ch == 0xD6 || ch == 0xF6) a = 'O';
        else if (ch == 0xDC || ch == 0xFC) a = 'U';
        else if (ch >= 0xC0 && ch <= 0xC5) a = 'A';
        else if (ch >= 0xC8 && ch <= 0xCB) a = 'E';
        if (a && out.size() < 3) out += a;
    }
    return out;
}

void Centred(Canvas& c, const std::string& text, int y, int scale, Rgb colour) {
    const int w = TextWidth(text, scale);
    DrawText(c, text, (kCrestSize - w) / 2 + (w % 2 == 0 ? 0 : 0), y, scale, colour);
}

// Light from the upper left over everything that is not background.
void Gloss(Canvas& c, const Inside& outer) {
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (outer(x + 0.5, y + 0.5)) {
                const double f = 1.0 + 0.16 * (0.5 - (x + y) / double(2 * kCrestSize));
                c.At(x, y) = Scale(c.At(x, y), f);
            }
}

std::string ToBmp(const Canvas& c) { return WriteBmp(ToIndexed8(c.ToImage())); }

}  // namespace

BmpColour KitColour(int k) {
    static constexpr std::array<BmpColour, 13> kit = {{
        {245, 245, 245}, {204, 28, 36},  {250, 208, 30}, {28, 64, 170}, {110, 200, 80},
        {20, 120, 60},   {0, 160, 160},  {100, 170, 230}, {120, 72, 36}, {110, 50, 150},
        {240, 120, 20},  {25, 25, 28},   {120, 20, 45},
    }};
    return (k >= 0 && k < 13) ? kit[k] : BmpColour{128, 128, 128};
}

std::string MakeCrest(uint32_t seed, int kit1, int kit2, const std::string& initials) {
    Mix32 rng{seed * 2654435761u + 12345u};
    Rgb c1 = FromBmp(KitColour(kit1));
    Rgb c2 = FromBmp(KitColour(kit2));
    if (Dist(c1, c2) < 90) c2 = Luma(c1) > 128 ? Rgb{28, 40, 90} : kWhite;
    if (rng.Below(4) == 0) std::swap(c1, c2);
    const std::string text = Letters(initials);
    const Rgb darker = Luma(c1) < Luma(c2) ? c1 : c2;
    const Rgb rim = rng.Below(3) == 0 ? kGold : Scale(darker, 0.45);

    Canvas cv(kCrestSize, kCrestSize, kWhite);
    const int outline = rng.Below(5);  // 0..2 shields, 3 roundel, 4 diamond
    const auto shape = [&](double inset) -> Inside {
        switch (outline) {
        case 0: return Heater(inset);
        case 1: return RoundShield(inset);
        case 2: return PointedTop(inset);
        case 3: return Roundel(inset);
        default: return Diamond(inset);
        }
    };
    const Inside outer = shape(0.0), field = shape(1.8);
    cv.Fill(outer, rim);
    cv.Fill(field, c1);

    const int design = rng.Below(10);
    int textY = -1, textScale = 1;
    Rgb textOn = c1;
    // Where a band with initials goes: near the top of a shield, lower in a
    // roundel, across the middle of a diamond (the only place wide enough).
    const double bandTop = outline == 4 ? 12 : outline == 3 ? 8 : 5;
    switch (design) {
    case 0: {  // vertical stripes
        const double w = 3.0 + rng.Below(2);
        cv.Fill(And(field, [w](double x, double) { return std::fmod(x + 64.0 - kC + w / 2, 2 * w) < w; }), c2);
        cv.Fill(And(field, Rect(0, bandTop, 32, bandTop + 7)), c2);
        textY = static_cast<int>(bandTop);
        textOn = c2;
        break;
    }
    case 1:  // halved, initials across
        cv.Fill(And(field, Rect(kC, 0, 32, 32)), c2);
        cv.Fill(And(field, Rect(0, 12, 32, 21)), Scale(rim, 1.0));
        textY = 13;
        textOn = rim;
        break;
    case 2:  // diagonal band
        cv.Fill(And(field, Band(0, 0, 32, 32, 4.2)), c2);
        cv.Fill(And(field, Band(0, 0, 32, 32, 1.0)), Scale(c2, 0.8));
        break;
    case 3:  // chevron
        cv.Fill(And(field, Polygon({{3, 26}, {16, 12}, {29, 26}, {29, 20}, {16, 6}, {3, 20}})), c2);
        break;
    case 4:  // hoops
        cv.Fill(And(field, [](double, double y) { return std::fmod(y, 8.0) >= 4.0; }), c2);
        break;
    case 5:  // quartered
        cv.Fill(And(field, Or(Rect(0, 0, kC, kC + 1), Rect(kC, kC + 1, 32, 32))), c2);
        break;
    case 6:  // cross
        cv.Fill(And(field, Or(Rect(kC - 3, 0, kC + 3, 32), Rect(0, 11, 32, 17))), c2);
        break;
    case 7:  // one big initial
        textScale = 2;
        textY = 9;
        break;
    case 8:  // ball over a band (a diamond shows the ball alone)
        if (outline != 4) {
            cv.Fill(And(field, Rect(0, bandTop, 32, bandTop + 7)), c2);
            textY = static_cast<int>(bandTop);
            textOn = c2;
        }
        DrawBall(cv, kC, outline == 4 ? kC : bandTop + 14.5, outline == 4 ? 8.0 : 6.5);
        break;
    default:  // star with a chief
        if (outline == 4) {
            cv.Fill(Star(kC, kC, 9.5, 4.0, 5, 0), c2);
            break;
        }
        cv.Fill(And(field, Rect(0, 0, 32, bandTop + 7)), c2);
        cv.Fill(Star(kC, bandTop + 15, 7.0, 3.0, 5, 0), outline == 3 ? c2 : kGold);
        textY = static_cast<int>(bandTop) - 1;
        textOn = c2;
        break;
    }
    // Designs without a text place of their own show the initials on a plate.
    if (textY < 0 && !text.empty() && rng.Below(3) != 0) {
        const int w = TextWidth(text, 1) + 4;
        const double x0 = (kCrestSize - w) / 2.0;
        cv.Fill(Rect(x0, 11, x0 + w, 22), Scale(rim, 1.0));
        cv.Fill(Rect(x0 + 1, 12, x0 + w - 1, 21), kWhite);
        textY = 13;
        textOn = kWhite;
    }
    Gloss(cv, outer);
    if (textY >= 0 && !text.empty()) {
        std::string t = textScale == 2 ? text.substr(0, 1) : text;
        if (textScale == 2) textOn = c1;
        Centred(cv, t, textY, textScale, Contrast(textOn));
    } else if (design == 7) {
        DrawBall(cv, kC, 15, 7);
    }
    return ToBmp(cv);
}

// ---- flags

namespace {

void HStripes(Canvas& c, std::initializer_list<Rgb> colours) {
    const double h = double(kCrestSize) / colours.size();
    int i = 0;
    for (Rgb col : colours) {
        c.Fill(Rect(0, i * h, 32, (i + 1) * h), col);
        ++i;
    }
}
void VStripes(Canvas& c, std::initializer_list<Rgb> colours) {
    const double w = double(kCrestSize) / colours.size();
    int i = 0;
    for (Rgb col : colours) {
        c.Fill(Rect(i * w, 0, (i + 1) * w, 32), col);
        ++i;
    }
}
void NordicCross(Canvas& c, Rgb bg, Rgb cross, const Rgb* border) {
    c.Fill(Rect(0, 0, 32, 32), bg);
    if (border) c.Fill(Or(Rect(7, 0, 17, 32), Rect(0, 11, 32, 21)), *border);
    const double w = border ? 2.5 : 3.0;
    c.Fill(Or(Rect(12 - w, 0, 12 + w, 32), Rect(0, 16 - w, 32, 16 + w)), cross);
}
void Shield(Canvas& c, double cx, double cy, double w, double h, Rgb fill, Rgb edge) {
    auto sh = [=](double inset) -> Inside {
        return [=](double x, double y) {
            const double top = cy - h / 2 + inset, bottom = cy + h / 2 - inset, hw = w / 2 - inset;
            if (y < top || y > bottom) return false;
            const double t = (y - top) / (bottom - top);
            const double half = t < 0.5 ? hw : hw * std::sqrt(std::max(0.0, 1 - std::pow((t - 0.5) / 0.5, 2)));
            return std::abs(x - cx) <= half;
        };
    };
    c.Fill(sh(0), edge);
    c.Fill(sh(0.8), fill);
}

const Rgb kRed{206, 17, 38}, kBlue{0, 56, 147}, kGreen{0, 140, 69}, kYellow{252, 209, 22}, kSky{117, 170, 219},
    kOrange{255, 136, 62};

using Painter = void (*)(Canvas&);

const std::map<std::string, Painter>& Flags() {
    static const std::map<std::string, Painter> flags = {
        {"ger.bmp", [](Canvas& c) { HStripes(c, {{0, 0, 0}, {221, 0, 0}, {255, 206, 0}}); }},
        {"eng.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), kWhite);
             c.Fill(Or(Rect(13, 0, 19, 32), Rect(0, 13, 32, 19)), kRed);
         }},
        {"fra.bmp", [](Canvas& c) { VStripes(c, {{0, 35, 149}, kWhite, {237, 41, 57}}); }},
        {"ita.bmp", [](Canvas& c) { VStripes(c, {{0, 146, 70}, kWhite, {206, 43, 55}}); }},
        {"spa.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {170, 21, 27});
             c.Fill(Rect(0, 8, 32, 24), {241, 191, 0});
             Shield(c, 10, 16, 6, 8, {170, 21, 27}, {150, 110, 20});
         }},
        {"por.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {255, 0, 0});
             c.Fill(Rect(0, 0, 13, 32), {0, 102, 0});
             c.Fill(Ring(13, 16, 7, 5.4), {255, 255, 0});
             Shield(c, 13, 16, 7, 8, kWhite, {255, 0, 0});
             c.Fill(Rect(12, 14, 14, 18), {0, 56, 168});
         }},
        {"ni.bmp", [](Canvas& c) { HStripes(c, {{174, 28, 40}, kWhite, {33, 70, 139}}); }},
        {"tur.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {227, 10, 23});
             c.Fill(And(Circle(12, 16, 8), Not(Circle(14, 16, 6.4))), kWhite);
             c.Fill(Star(21, 16, 3.8, 1.6, 5, -90), kWhite);
         }},
        {"a.bmp", [](Canvas& c) { HStripes(c, {{237, 41, 57}, kWhite, {237, 41, 57}}); }},
        {"sco.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {0, 94, 184});
             c.Fill(Or(Band(0, 0, 32, 32, 3.2), Band(0, 32, 32, 0, 3.2)), kWhite);
         }},
        {"ch.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {255, 0, 0});
             c.Fill(Or(Rect(13, 6, 19, 26), Rect(6, 13, 26, 19)), kWhite);
         }},
        {"bel.bmp", [](Canvas& c) { VStripes(c, {{0, 0, 0}, {253, 218, 36}, {239, 51, 64}}); }},
        {"rus.bmp", [](Canvas& c) { HStripes(c, {kWhite, {0, 57, 166}, {213, 43, 30}}); }},
        {"rum.bmp", [](Canvas& c) { VStripes(c, {{0, 43, 127}, kYellow, {206, 17, 38}}); }},
        {"gri.bmp",
         [](Canvas& c) {
             const Rgb blue{13, 94, 175};
             for (int i = 0; i < 9; ++i) c.Fill(Rect(0, i * 32.0 / 9, 32, (i + 1) * 32.0 / 9), i % 2 ? kWhite : blue);
             c.Fill(Rect(0, 0, 17.8, 17.8), blue);
             c.Fill(Or(Rect(7.1, 0, 10.7, 17.8), Rect(0, 7.1, 17.8, 10.7)), kWhite);
         }},
        {"dan.bmp", [](Canvas& c) { NordicCross(c, {198, 12, 48}, kWhite, nullptr); }},
        {"swe.bmp", [](Canvas& c) { NordicCross(c, {0, 106, 167}, {254, 204, 0}, nullptr); }},
        {"pol.bmp", [](Canvas& c) { HStripes(c, {kWhite, {220, 20, 60}}); }},
        {"bul.bmp", [](Canvas& c) { HStripes(c, {kWhite, {0, 150, 110}, {214, 38, 18}}); }},
        {"hun.bmp", [](Canvas& c) { HStripes(c, {{206, 41, 57}, kWhite, {71, 112, 80}}); }},
        {"fin.bmp", [](Canvas& c) { NordicCross(c, kWhite, {0, 47, 108}, nullptr); }},
        {"isr.bmp",
         [](Canvas& c) {
             const Rgb blue{0, 56, 184};
             c.Fill(Rect(0, 0, 32, 32), kWhite);
             c.Fill(Or(Rect(0, 3, 32, 7), Rect(0, 25, 32, 29)), blue);
             const Inside up = Polygon({{16, 9.5}, {22, 19.5}, {10, 19.5}});
             const Inside down = Polygon({{16, 22.5}, {22, 12.5}, {10, 12.5}});
             const Inside upIn = Polygon({{16, 11.8}, {20.1, 18.6}, {11.9, 18.6}});
             const Inside downIn = Polygon({{16, 20.2}, {20.1, 13.4}, {11.9, 13.4}});
             c.Fill(Or(And(up, Not(upIn)), And(down, Not(downIn))), blue);
         }},
        {"isl.bmp",
         [](Canvas& c) {
             const Rgb w = kWhite;
             NordicCross(c, {2, 82, 156}, {220, 30, 53}, &w);
         }},
        {"nor.bmp",
         [](Canvas& c) {
             const Rgb w = kWhite;
             NordicCross(c, {186, 12, 47}, {0, 32, 91}, &w);
         }},
        {"kro.bmp",
         [](Canvas& c) {
             HStripes(c, {{255, 0, 0}, kWhite, {23, 23, 150}});
             const Inside sh = And(Rect(11, 8, 21, 24), Or(Rect(0, 0, 32, 18), Circle(16, 16, 8)));
             c.Fill(sh, kWhite);
             c.Fill(And(sh, [](double x, double y) { return (int(std::floor((x - 11) / 2.5)) + int(std::floor((y - 8) / 2.5))) % 2 == 0; }),
                    {255, 0, 0});
         }},
        {"zyp.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), kWhite);
             c.Fill(Polygon({{6, 15}, {12, 12}, {19, 11}, {27, 8}, {23, 13}, {21, 17}, {15, 18}, {9, 19}}), {212, 120, 0});
             c.Fill(And(Ring(16, 14, 10, 8.8), Rect(0, 21, 32, 32)), {75, 86, 32});
         }},
        {"ukr.bmp", [](Canvas& c) { HStripes(c, {{0, 87, 183}, {255, 215, 0}}); }},
        {"nir.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), kWhite);
             c.Fill(Or(Rect(13, 0, 19, 32), Rect(0, 13, 32, 19)), kRed);
             c.Fill(Star(16, 16, 6.5, 4.5, 6, 0), kWhite);
             c.Fill(Or(Rect(14.3, 13.5, 17.7, 19), Circle(16, 13.8, 1.8)), kRed);
         }},
        {"mal.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), kWhite);
             c.Fill(Rect(16, 0, 32, 32), {207, 20, 43});
             c.Fill(Or(Rect(4, 2.5, 7, 10.5), Rect(1.5, 5, 9.5, 8)), {160, 160, 165});
             c.Fill(Ring(5.5, 6.5, 4.8, 4.0), {200, 30, 40});
         }},
        {"irl.bmp", [](Canvas& c) { VStripes(c, {{22, 155, 98}, kWhite, kOrange}); }},
        {"lux.bmp", [](Canvas& c) { HStripes(c, {{237, 41, 57}, kWhite, {0, 161, 222}}); }},
        {"swk.bmp",
         [](Canvas& c) {
             HStripes(c, {kWhite, {11, 78, 162}, {238, 28, 37}});
             Shield(c, 11, 16, 11, 14, {238, 28, 37}, kWhite);
             c.Fill(Or(Rect(10.2, 11, 11.8, 20), Or(Rect(8, 13, 14, 14.4), Rect(7.5, 15.8, 14.5, 17.2))), kWhite);
             c.Fill(And(Circle(11, 22.2, 3.6), Rect(0, 19.4, 32, 32)), {11, 78, 162});
         }},
        {"slo.bmp",
         [](Canvas& c) {
             HStripes(c, {kWhite, {0, 93, 164}, {237, 28, 36}});
             Shield(c, 9, 11, 8, 10, {0, 93, 164}, {237, 28, 36});
             c.Fill(Polygon({{6, 14}, {9, 9}, {12, 14}}), kWhite);
         }},
        {"tsc.bmp",
         [](Canvas& c) {
             HStripes(c, {kWhite, {215, 20, 26}});
             c.Fill(Polygon({{0, 0}, {16, 16}, {0, 32}}), {17, 69, 126});
         }},
        {"wal.bmp",
         [](Canvas& c) {
             HStripes(c, {kWhite, {0, 177, 64}});
             const Rgb red{200, 16, 46};
             c.Fill(Polygon({{6, 20}, {9, 14}, {14, 13}, {19, 10}, {22, 7}, {25, 8}, {23, 11}, {25, 13}, {21, 14},
                             {20, 18}, {24, 21}, {27, 19}, {26, 24}, {22, 24}, {19, 21}, {14, 22}, {11, 25}, {8, 24}}),
                    red);
             c.Fill(Polygon({{12, 14}, {15, 8}, {18, 11}}), red);
         }},
        {"bos.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {0, 35, 149});
             c.Fill(Polygon({{9, 0}, {27, 0}, {27, 32}}), {254, 203, 0});
             for (int i = 0; i < 6; ++i) c.Fill(Star(6.5 + i * 3.6, 1.5 + i * 5.8, 2.0, 0.8, 5, 0), kWhite);
         }},
        {"jug.bmp", [](Canvas& c) { HStripes(c, {{0, 56, 147}, kWhite, {206, 17, 38}}); }},
        {"usa.bmp",
         [](Canvas& c) {
             for (int i = 0; i < 13; ++i)
                 c.Fill(Rect(0, i * 32.0 / 13, 32, (i + 1) * 32.0 / 13), i % 2 ? kWhite : Rgb{178, 34, 52});
             c.Fill(Rect(0, 0, 15, 17.2), {60, 59, 110});
             for (int y = 0; y < 5; ++y)
                 for (int x = 0; x < (y % 2 ? 3 : 4); ++x)
                     c.Fill(Circle((y % 2 ? 3.8 : 2.0) + x * 3.6, 2.0 + y * 3.3, 0.75), kWhite);
         }},
        {"jp.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), kWhite);
             c.Fill(Circle(16, 16, 8.5), {188, 0, 45});
         }},
        {"arg.bmp",
         [](Canvas& c) {
             HStripes(c, {kSky, kWhite, kSky});
             c.Fill(Star(16, 16, 5.2, 3.4, 16, 0), {246, 180, 14});
             c.Fill(Circle(16, 16, 2.8), {252, 191, 73});
         }},
        {"bra.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {0, 156, 59});
             c.Fill(Polygon({{16, 4}, {29.5, 16}, {16, 28}, {2.5, 16}}), {255, 223, 0});
             c.Fill(Circle(16, 16, 6.6), {0, 39, 118});
             c.Fill(And(Circle(16, 16, 6.6), Band(9, 14.5, 23, 17.5, 0.9)), kWhite);
         }},
        {"wel.bmp",
         [](Canvas& c) {
             c.Fill(Rect(0, 0, 32, 32), {74, 134, 196});
             const Rgb w = kWhite;
             c.Fill(Ring(16, 16, 10, 8.8), w);
             c.Fill(And(Circle(16, 16, 9), Or(Rect(15.4, 0, 16.6, 32), Rect(0, 15.4, 32, 16.6))), w);
             c.Fill(And(Circle(16, 16, 9), [](double x, double y) {
                        const double e = std::pow((x - 16) / 4.6, 2) + std::pow((y - 16) / 9.0, 2);
                        return e >= 0.82 && e <= 1.0;
                    }),
                    w);
             c.Fill(And(Circle(16, 16, 9), Or(Rect(0, 10.4, 32, 11.4), Rect(0, 20.6, 32, 21.6))), w);
         }},
    };
    return flags;
}

}  // namespace

const std::vector<std::string>& FlagFileNames() {
    static const std::vector<std::string> names = {
        "ger.bmp", "eng.bmp", "fra.bmp", "ita.bmp", "spa.bmp", "por.bmp", "ni.bmp",  "tur.bmp", "a.bmp",
        "sco.bmp", "ch.bmp",  "bel.bmp", "rus.bmp", "rum.bmp", "gri.bmp", "dan.bmp", "swe.bmp", "pol.bmp",
        "bul.bmp", "hun.bmp", "fin.bmp", "isr.bmp", "isl.bmp", "nor.bmp", "kro.bmp", "zyp.bmp", "ukr.bmp",
        "nir.bmp", "mal.bmp", "irl.bmp", "lux.bmp", "swk.bmp", "slo.bmp", "tsc.bmp", "wal.bmp", "bos.bmp",
        "jug.bmp", "usa.bmp", "jp.bmp",  "arg.bmp", "bra.bmp", "wel.bmp"};
    return names;
}

std::string MakeFlag(const std::string& fileName) {
    const auto it = Flags().find(fileName);
    if (it == Flags().end()) return {};
    Canvas c(kCrestSize, kCrestSize, kWhite);
    it->second(c);
    // A thin darker edge and a soft light from above, as on a printed sticker.
    for (int y = 0; y < kCrestSize; ++y) {
        for (int x = 0; x < kCrestSize; ++x) {
            Rgb& p = c.At(x, y);
            if (x == 0 || y == 0 || x == kCrestSize - 1 || y == kCrestSize - 1) p = Scale(p, 0.62);
            else p = Scale(p, 1.0 + 0.10 * (0.5 - y / double(kCrestSize)));
        }
    }
    return ToBmp(c);
}

// ---- board templates

const std::vector<PaletteSlot>& SponsorPaletteSlots() {
    static const std::vector<PaletteSlot> slots = {
        {0, {4, 2, 2}},       {40, {127, 16, 9}},    {18, {32, 76, 21}},    {76, {127, 130, 51}},
        {58, {40, 67, 133}},  {87, {185, 31, 96}},   {97, {129, 106, 156}}, {99, {143, 139, 142}},
        {79, {109, 111, 115}}, {93, {221, 30, 9}},   {78, {50, 155, 103}},  {127, {237, 219, 15}},
        {111, {33, 170, 203}}, {104, {232, 99, 27}}, {125, {162, 180, 203}}, {1, {255, 255, 255}},
    };
    return slots;
}

std::string MakeBoardTemplate(int index) {
    struct Theme {
        Rgb base, accent;
    };
    static constexpr Theme kThemes[] = {
        {{22, 40, 96}, {230, 190, 60}},  {{190, 24, 32}, {250, 250, 250}}, {{18, 110, 56}, {250, 250, 250}},
        {{24, 24, 28}, {250, 206, 20}},  {{30, 80, 190}, {250, 250, 250}}, {{235, 120, 20}, {20, 36, 80}},
        {{96, 48, 140}, {210, 210, 220}}, {{0, 128, 128}, {250, 250, 250}}, {{120, 20, 45}, {230, 190, 60}},
        {{90, 94, 100}, {220, 30, 30}},  {{90, 160, 220}, {16, 40, 100}},  {{24, 90, 40}, {250, 220, 40}},
    };
    const Theme& th = kThemes[((index % 12) + 12) % 12];
    const int design = ((index / 12) * 2 + index % 2) % 6;

    Canvas c(kBoardTemplateWidth, kBoardTemplateHeight, th.base);
    // Body and end cap: a vertical gradient panel with a light top edge and a dark bottom edge.
    c.Fill(Rect(0, 0, kBoardTemplateWidth, kBoardTemplateHeight),
           [&](double, double y) { return Scale(th.base, 1.22 - 0.44 * y / kBoardTemplateHeight); });
    c.Fill(Rect(0, 0, kBoardTemplateWidth, 2), Scale(th.base, 1.5));
    c.Fill(Rect(0, 30, kBoardTemplateWidth, 32), Scale(th.base, 0.5));
    // The end cap is a framed square of 32 columns.
    c.Fill(Or(Rect(0, 2, 1, 30), Rect(31, 2, 32, 30)), Scale(th.base, 0.45));
    c.Fill(Or(Rect(1, 2, 2, 30), Rect(30, 2, 31, 30)), Scale(th.base, 1.35));
    const double cx = 16, cy = 16;
    switch (design) {
    case 0: DrawBall(c, cx, cy, 9.5); break;
    case 1:
        for (int i = 0; i < 3; ++i) c.Fill(Rect(7 + i * 7, 6, 11 + i * 7, 26), th.accent);
        break;
    case 2:
        c.Fill(Polygon({{16, 5}, {27, 16}, {16, 27}, {5, 16}}), th.accent);
        c.Fill(Polygon({{16, 10}, {22, 16}, {16, 22}, {10, 16}}), th.base);
        break;
    case 3: c.Fill(Star(cx, cy + 0.5, 11, 4.6, 5, 0), th.accent); break;
    case 4:
        c.Fill(And(Rect(6, 6, 26, 26), [](double x, double y) { return (int(x - 6) / 5 + int(y - 6) / 5) % 2 == 0; }),
               th.accent);
        c.Fill(And(Rect(6, 6, 26, 26), [](double x, double y) { return (int(x - 6) / 5 + int(y - 6) / 5) % 2 == 1; }),
               Scale(th.base, 0.7));
        break;
    default:
        c.Fill(Ring(cx, cy, 11, 8.5), th.accent);
        c.Fill(Ring(cx, cy, 6, 3.5), th.accent);
        c.Fill(Circle(cx, cy, 1.6), th.accent);
        break;
    }
    BmpImage img = ToIndexed8(c.ToImage(), SponsorPaletteSlots());
    return WriteBmp(img);
}

}  // namespace v3::demo
