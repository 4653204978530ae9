// Screenshots of the sample games: 160 x 160 scenes in the manner of the
// handheld's own screens, in four or sixteen greys or its 8-bit colour palette.
#include "GameScreens.h"

#include "AssetText.h"
#include "PalmScreen.h"

#include <cmath>

namespace assets {

namespace {

using namespace palm;

constexpr int S = kScreenSize;

void Text(Image &s, const std::string &text, int x, int y, Colour c) {
    DrawPixelText(s, text, x, y, c);
}

// Scattered single pixels. Each draw of the generator is its own statement, so the
// sequence does not depend on the order in which a compiler evaluates arguments.
void Speckle(Image &s, uint32_t seed, int count, int top, Colour c) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const int x = rng.Below(S);
        const int y = top + rng.Below(S - top);
        s.Set(x, y, c);
    }
}

// ---- Beetle Derby: top-down racing round an oval track -------------------

const Sprite kBeetle = {
    "..K.K..", "...K...", ".KCCCK.", "KCCWCCK", ".CCCCC.",
    "KCCCCCK", ".CCCCC.", "KCCCCCK", "..CCC..",
};

Image BeetleDerby() {
    Image s(S, S, Rgb(51, 153, 51));
    Speckle(s, 11, 400, 13, Rgb(0, 102, 0));
    const Colour track = Rgb(204, 153, 102);
    for (int y = 13; y < S; ++y) {
        for (int x = 0; x < S; ++x) {
            const double ox = (x + 0.5 - 80) / 72, oy = (y + 0.5 - 88) / 62;
            const double ix = (x + 0.5 - 80) / 40, iy = (y + 0.5 - 88) / 30;
            const double outer = ox * ox + oy * oy, inner = ix * ix + iy * iy;
            if (outer > 1.0 || inner < 1.0)
                continue;
            const bool curb = outer > 0.9 || inner < 1.12;
            const bool red = ((x + y) / 4) % 2 == 0;
            s.Set(x, y, curb ? (red ? Rgb(204, 0, 0) : Rgb(255, 255, 255)) : track);
        }
    }
    Speckle(s, 12, 60, 13, Rgb(153, 102, 51));
    for (int y = 119; y < 150; ++y)
        for (int x = 78; x < 84; ++x)
            if (s.Get(x, y) == track || s.Get(x, y) == Rgb(153, 102, 51))
                s.Set(x, y, ((x / 2 + y / 2) % 2) ? Rgb(0, 0, 0) : Rgb(255, 255, 255));
    const Colour trees[] = {Rgb(0, 102, 0), Rgb(0, 153, 51)};
    const int treeSpots[][2] = {{8, 22}, {152, 24}, {6, 150}, {153, 148}, {80, 80}};
    for (const auto &t : treeSpots) {
        Disc(s, t[0], t[1], 7, 7, trees[0]);
        Disc(s, t[0] - 2, t[1] - 2, 4, 4, trees[1]);
    }
    s.FillRect(62, 90, 36, 10, Rgb(255, 255, 255));
    Frame(s, 62, 90, 36, 10, Rgb(0, 0, 0));
    Text(s, "POS 1", 65, 92, Rgb(0, 0, 0));
    DrawSprite(s, kBeetle, {{'K', kBlack}, {'C', Rgb(204, 0, 0)}, {'W', kWhite}}, 100, 124);
    DrawSprite(s, kBeetle, {{'K', kBlack}, {'C', Rgb(0, 51, 204)}, {'W', kWhite}}, 58, 132);
    DrawSprite(s, kBeetle, {{'K', kBlack}, {'C', Rgb(255, 204, 0)}, {'W', kWhite}}, 20, 84);
    DrawTitle(s, "Beetle Derby", "LAP 2/3");
    ReduceToColourPalette(s);
    return s;
}

// ---- Brambleburrow: a hedgehog in burrows under a bramble hedge -----------

const Sprite kHedgehog = {
    "....K.K.K....", "..KBKBKBKB...", ".KBBBBBBBBSS.", "KBBBBBBBBSSSK",
    "KBBBBBBBBSKSS", ".BBBBBBBBSSS.", "..SS....SS...",
};

Image Brambleburrow() {
    Image s(S, S);
    s.FillRect(0, 13, S, 42, VGradient(13, 55, Rgb(102, 153, 255), Rgb(204, 229, 255)));
    Disc(s, 136, 30, 8, 8, Rgb(255, 204, 0));
    for (int x = 0; x < S; ++x) {
        const int ground = 55 + ((x / 9) % 3 == 0 ? 1 : 0);
        s.FillRect(x, ground, 1, S - ground, Rgb(153, 102, 51));
        s.FillRect(x, ground, 1, 4, Rgb(51, 153, 0));
        s.FillRect(x, 118, 1, S - 118, Rgb(102, 51, 0));
    }
    for (int i = 0; i < 8; ++i) {
        Disc(s, 10 + 20 * i, 50, 9, 7, Rgb(0, 102, 0));
        Disc(s, 14 + 20 * i, 46, 3, 3, Rgb(51, 153, 51));
        s.Set(8 + 20 * i, 48, Rgb(204, 0, 51));
    }
    Speckle(s, 21, 120, 62, Rgb(102, 51, 0));
    const Colour hollow = Rgb(51, 25, 0);
    Disc(s, 42, 82, 28, 11, hollow);
    Disc(s, 112, 102, 32, 12, hollow);
    Disc(s, 62, 134, 42, 11, hollow);
    s.FillRect(60, 86, 40, 9, hollow);
    s.FillRect(104, 108, 9, 28, hollow);
    s.FillRect(20, 60, 8, 20, hollow);
    const Colour floor = Rgb(204, 153, 102);
    s.FillRect(16, 92, 52, 2, floor);
    s.FillRect(82, 113, 60, 2, floor);
    s.FillRect(24, 144, 78, 2, floor);
    const int berries[][2] = {{30, 88}, {40, 88}, {124, 109}, {70, 140}, {84, 140}};
    for (const auto &b : berries) {
        Disc(s, b[0], b[1], 2.2, 2.2, Rgb(204, 0, 51));
        s.Set(b[0], b[1] - 3, Rgb(0, 153, 0));
    }
    DrawSprite(s, kHedgehog, {{'K', kBlack}, {'B', Rgb(153, 102, 51)}, {'S', Rgb(255, 204, 153)}},
               90, 99, 2);
    Text(s, "BERRIES 12", 4, 151, Rgb(255, 255, 204));
    DrawTitle(s, "Brambleburrow", "x3");
    ReduceToColourPalette(s);
    return s;
}

// ---- Copper Rails: laying track between stations -------------------------

void RailStraight(Image &s, int x0, int y0, int x1, int y1) {
    const bool horizontal = y0 == y1;
    for (int t = 0; t <= (horizontal ? x1 - x0 : y1 - y0); t += 4) {
        if (horizontal)
            s.FillRect(x0 + t, y0 - 4, 2, 9, Rgb(150, 120, 90));
        else
            s.FillRect(x0 - 4, y0 + t, 9, 2, Rgb(150, 120, 90));
    }
    for (int side : {-2, 2}) {
        if (horizontal)
            s.FillRect(x0, y0 + side, x1 - x0 + 1, 1, Rgb(40, 40, 40));
        else
            s.FillRect(x0 + side, y0, 1, y1 - y0 + 1, Rgb(40, 40, 40));
    }
}

// A quarter of a curve round the centre (cx, cy), in the quadrant (qx, qy).
void RailCurve(Image &s, int cx, int cy, int qx, int qy) {
    for (int y = cy - 22; y <= cy + 22; ++y) {
        for (int x = cx - 22; x <= cx + 22; ++x) {
            if ((x - cx) * qx < 0 || (y - cy) * qy < 0)
                continue;
            const double d =
                std::sqrt((x + 0.5 - cx) * (x + 0.5 - cx) + (y + 0.5 - cy) * (y + 0.5 - cy));
            if (d > 11.5 && d < 20.5 && (x + y) % 4 < 2)
                s.Set(x, y, Rgb(150, 120, 90));
            if (std::abs(d - 14) < 0.6 || std::abs(d - 18) < 0.6)
                s.Set(x, y, Rgb(40, 40, 40));
        }
    }
}

void Station(Image &s, int x, int y) {
    s.FillRect(x, y + 5, 20, 12, Rgb(200, 170, 140));
    Frame(s, x, y + 5, 20, 12, Rgb(40, 40, 40));
    s.FillPolygon({{x - 2.0, y + 6.0}, {x + 10.0, y - 1.0}, {x + 22.0, y + 6.0}},
                  Solid(Rgb(110, 60, 40)));
    s.FillRect(x + 3, y + 9, 4, 4, Rgb(250, 240, 180));
    s.FillRect(x + 13, y + 9, 4, 8, Rgb(70, 50, 40));
}

Image CopperRails() {
    Image s(S, S, Rgb(214, 220, 200));
    for (int y = 20; y < 140; y += 12)
        for (int x = 6; x < S; x += 12)
            s.Set(x, y, Rgb(160, 170, 150));
    RailStraight(s, 36, 40, 124, 40);
    RailStraight(s, 36, 120, 124, 120);
    RailStraight(s, 20, 56, 20, 104);
    RailStraight(s, 140, 56, 140, 104);
    RailCurve(s, 36, 56, -1, -1);
    RailCurve(s, 124, 56, 1, -1);
    RailCurve(s, 36, 104, -1, 1);
    RailCurve(s, 124, 104, 1, 1);
    RailStraight(s, 60, 80, 124, 80);
    Station(s, 50, 52);
    Station(s, 90, 92);
    s.FillRect(70, 35, 16, 10, Rgb(180, 90, 40));
    s.FillRect(86, 37, 4, 6, Rgb(40, 40, 40));
    s.FillRect(72, 31, 4, 4, Rgb(40, 40, 40));
    s.FillRect(78, 37, 6, 4, Rgb(250, 240, 180));
    for (int car = 0; car < 2; ++car) {
        s.FillRect(50 - 18 * car, 36, 16, 8, Rgb(120, 80, 60));
        Frame(s, 50 - 18 * car, 36, 16, 8, Rgb(40, 40, 40));
    }
    s.FillRect(0, 142, S, 18, Rgb(255, 255, 255));
    s.FillRect(0, 142, S, 1, Rgb(0, 0, 0));
    for (int i = 0; i < 6; ++i) {
        Frame(s, 4 + 26 * i, 145, 22, 13, i == 1 ? Rgb(0, 0, 0) : Rgb(120, 120, 120));
        if (i == 1)
            s.FillRect(5 + 26 * i, 146, 20, 11, Rgb(190, 190, 190));
    }
    s.FillRect(8, 151, 14, 1, Rgb(40, 40, 40));
    Ring(s, 45, 157, 8, 8, Rgb(40, 40, 40), false);
    Line(s, 60, 155, 76, 148, Rgb(40, 40, 40));
    s.FillRect(60, 155, 16, 1, Rgb(40, 40, 40));
    s.FillRect(86, 148, 10, 7, Rgb(110, 60, 40));
    Text(s, "X", 113, 148, Rgb(40, 40, 40));
    Text(s, "OK", 134, 148, Rgb(40, 40, 40));
    DrawTitle(s, "Copper Rails", "DAY 3");
    ReduceToGrey(s, 16);
    return s;
}

// ---- Glacier Slide: sliding a seal across the ice ------------------------

const Sprite kSeal = {
    "....KKKK....", "...KGGGGK...", "..KGWKGGGK..", "..KGGGGGGK..",  "...KKGGGGGK.",
    "....KGGGGGGK", "...KGGGGGGGK", "..KGGGGGGGGK", ".KKKKKKKKKKK.",
};

Image GlacierSlide() {
    Image s(S, S, Rgb(60, 70, 80));
    for (int y = 16; y < S; y += 6)
        for (int x = (y / 6) % 2 * 4; x < S; x += 10)
            s.FillRect(x, y, 3, 1, Rgb(90, 100, 110));
    const char *map[] = {
        "........", ".R....R.", "...R....", "......R.", "R.......", ".....O..", "..R.....",
    };
    constexpr int cell = 18;
    constexpr int left = 8, top = 18;
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 8; ++col) {
            const int x = left + col * cell, y = top + row * cell;
            s.FillRect(x, y, cell, cell, Rgb(226, 232, 236));
            s.FillRect(x, y, cell, 1, Rgb(255, 255, 255));
            s.FillRect(x, y, 1, cell, Rgb(255, 255, 255));
            s.FillRect(x, y + cell - 1, cell, 1, Rgb(170, 180, 190));
            s.FillRect(x + cell - 1, y, 1, cell, Rgb(170, 180, 190));
            if ((row * 3 + col) % 5 == 0)
                Line(s, x + 4, y + 12, x + 9, y + 7, Rgb(190, 200, 210));
            const char c = map[row][col];
            if (c == 'R') {
                Disc(s, x + 9, y + 10, 7, 6, Rgb(40, 40, 40));
                Disc(s, x + 8, y + 9, 6, 5, Rgb(120, 120, 120));
                Disc(s, x + 7, y + 7, 2, 2, Rgb(170, 170, 170));
            } else if (c == 'O') {
                Disc(s, x + 9, y + 9, 7, 6, Rgb(20, 30, 40));
                Ring(s, x + 9, y + 9, 7, 6, Rgb(130, 150, 170), false);
            }
        }
    }
    for (int x = 44; x < 96; x += 4)
        s.FillRect(x, top + 4 * cell + 9, 2, 1, Rgb(120, 130, 140));
    DrawSprite(s, kSeal, {{'K', kBlack}, {'G', Rgb(110, 110, 120)}, {'W', kWhite}}, 27, 91);
    Text(s, "MOVES 7", 8, 150, Rgb(255, 255, 255));
    Text(s, "BEST 5", 116, 150, Rgb(200, 210, 220));
    DrawTitle(s, "Glacier Slide", "LV 12");
    ReduceToGrey(s, 16);
    return s;
}

// ---- Harbor Pilot: steering boats to the piers ---------------------------

const Sprite kBoat = {
    "......K.......", "......KW......", "......KWW.....", "......KWWW....",
    "KKKKKKKKKKKKKK", ".KRRRRRRRRRRK.", "..KKKKKKKKKK..",
};

Image HarborPilot() {
    Image s(S, S, Rgb(0, 102, 153));
    Rng rng(31);
    for (int y = 18; y < S; y += 8) {
        for (int x = rng.Below(10); x < 126; x += 12 + rng.Below(8)) {
            s.Set(x, y, Rgb(51, 153, 204));
            s.Set(x + 1, y - 1, Rgb(51, 153, 204));
            s.Set(x + 2, y, Rgb(51, 153, 204));
        }
    }
    s.FillRect(130, 13, 30, S - 13, Rgb(204, 204, 153));
    s.FillRect(140, 13, 20, S - 13, Rgb(102, 153, 51));
    s.FillRect(128, 13, 2, S - 13, Rgb(102, 102, 102));
    for (int pier : {38, 82, 126}) {
        s.FillRect(96, pier, 34, 6, Rgb(153, 102, 51));
        for (int x = 98; x < 130; x += 8)
            s.FillRect(x, pier + 6, 2, 2, Rgb(102, 51, 0));
        Frame(s, 96, pier, 34, 6, Rgb(102, 51, 0));
    }
    Disc(s, 22, 138, 16, 9, Rgb(102, 102, 102));
    Disc(s, 20, 136, 12, 6, Rgb(153, 153, 153));
    s.FillRect(18, 112, 7, 22, Rgb(255, 255, 255));
    s.FillRect(18, 118, 7, 4, Rgb(204, 0, 0));
    s.FillRect(18, 126, 7, 4, Rgb(204, 0, 0));
    s.FillRect(17, 108, 9, 4, Rgb(51, 51, 51));
    s.FillPolygon({{26, 108}, {48, 102}, {48, 114}}, Solid(Rgb(255, 255, 153)), 1.0);
    const SpritePalette boatColours = {{'K', kBlack}, {'W', kWhite}, {'R', Rgb(204, 0, 0)}};
    DrawSprite(s, kBoat, boatColours, 40, 50);
    DrawSprite(s, kBoat, boatColours, 60, 98);
    DrawSprite(s, kBoat, {{'K', kBlack}, {'W', kWhite}, {'R', Rgb(255, 204, 0)}}, 20, 28);
    Line(s, 54, 54, 94, 41, kWhite, 3);
    Line(s, 74, 102, 94, 85, kWhite, 3);
    Line(s, 34, 32, 60, 24, kWhite, 3);
    DrawTitle(s, "Harbor Pilot", "DOCKED 4");
    ReduceToColourPalette(s);
    return s;
}

// ---- Lantern Keeper: guiding a beam of light with mirrors ----------------

Image LanternKeeper() {
    Image s(S, S, kWhite);
    constexpr int cell = 16, left = 8, top = 18, cols = 9, rows = 8;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const int x = left + col * cell, y = top + row * cell;
            const bool wall = row == 0 || col == 0 || row == rows - 1 || col == cols - 1;
            if (wall) {
                s.FillRect(x, y, cell, cell, kDark);
                s.FillRect(x, y + 7, cell, 1, kBlack);
                s.FillRect(x + ((row % 2) ? 4 : 11), y, 1, 7, kBlack);
                s.FillRect(x + ((row % 2) ? 11 : 4), y + 8, 1, 8, kBlack);
            } else {
                s.Set(x, y, kLight);
            }
        }
    }
    const auto centre = [](int col, int row) {
        return Point{left + col * cell + 8.0, top + row * cell + 8.0};
    };
    const Point path[] = {centre(1, 2), centre(5, 2), centre(5, 5), centre(7, 5)};
    for (int i = 0; i < 3; ++i)
        s.StrokeLine(path[i], path[i + 1], 5, kLight);
    for (int i = 0; i < 3; ++i)
        Line(s, static_cast<int>(path[i].x), static_cast<int>(path[i].y),
             static_cast<int>(path[i + 1].x), static_cast<int>(path[i + 1].y), kDark, 2);
    const auto mirror = [&](int col, int row, bool slash) {
        const Point c = centre(col, row);
        const double d = 6;
        s.StrokeLine({c.x - d, slash ? c.y + d : c.y - d}, {c.x + d, slash ? c.y - d : c.y + d}, 3,
                     kBlack);
    };
    mirror(5, 2, false);
    mirror(5, 5, true);
    mirror(3, 4, true);
    mirror(6, 3, false);
    const Sprite lantern = {
        "..KKK..", ".K...K.", "KKKKKKK", "KLWWWLK", "KWWWWWK", "KLWWWLK", "KKKKKKK", ".K...K.",
    };
    DrawSprite(s, lantern, {{'K', kBlack}, {'L', kLight}, {'W', kWhite}}, left + cell + 4,
               top + 2 * cell + 4);
    const Point crystal = centre(7, 5);
    s.FillPolygon({{crystal.x, crystal.y - 7},
                   {crystal.x + 5, crystal.y},
                   {crystal.x, crystal.y + 7},
                   {crystal.x - 5, crystal.y}},
                  Solid(kBlack));
    s.FillPolygon({{crystal.x, crystal.y - 5},
                   {crystal.x + 3, crystal.y},
                   {crystal.x, crystal.y + 5},
                   {crystal.x - 3, crystal.y}},
                  Solid(kWhite));
    const Point dark = centre(2, 6);
    Ring(s, dark.x, dark.y, 4, 6, kDark, false);
    s.FillRect(0, 148, S, 12, kWhite);
    Text(s, "MIRRORS 4", 4, 151, kBlack);
    Text(s, "MOVES 14", 108, 151, kDark);
    DrawTitle(s, "Lantern Keeper", "ROOM 7");
    ReduceToGrey(s, 4);
    return s;
}

// ---- Marble Orchard: matching marbles picked from the trees ---------------

Image MarbleOrchard() {
    Image s(S, S, Rgb(102, 153, 51));
    for (int i = 0; i < 9; ++i) {
        Disc(s, 10 + 18 * i, 18, 12, 6, Rgb(0, 102, 0));
        Disc(s, 14 + 18 * i, 16, 5, 3, Rgb(51, 153, 51));
    }
    constexpr int cell = 18, left = 8, top = 26, cols = 8, rows = 6;
    s.FillRect(left - 2, top - 2, cols * cell + 4, rows * cell + 4, Rgb(102, 51, 0));
    s.FillRect(left, top, cols * cell, rows * cell, Rgb(204, 153, 102));
    const Colour marbles[] = {Rgb(204, 0, 0),  Rgb(255, 153, 0),  Rgb(255, 255, 51),
                              Rgb(51, 153, 0), Rgb(51, 102, 255), Rgb(153, 51, 204)};
    const char *grid[] = {"01234501", "12204312", "34055120", "21143302", "05512431", "43201154"};
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const int x = left + col * cell, y = top + row * cell;
            s.FillRect(x, y + cell - 1, cell, 1, Rgb(153, 102, 51));
            s.FillRect(x + cell - 1, y, 1, cell, Rgb(153, 102, 51));
            const Colour c = marbles[grid[row][col] - '0'];
            Disc(s, x + 9, y + 9, 7, 7, Shade(c, -60));
            Disc(s, x + 8.5, y + 8.5, 6, 6, c);
            Disc(s, x + 7, y + 6, 2, 2, Mix(c, kWhite, 0.6));
            s.Set(x + 6, y + 5, kWhite);
        }
    }
    for (int t = 0; t < 2; ++t)
        Frame(s, left + 3 * cell - t, top + 2 * cell - t, 2 * cell + 2 * t, cell + 2 * t,
              t ? kBlack : kWhite);
    s.FillRect(0, 138, S, 22, Rgb(102, 51, 0));
    Text(s, "SCORE 4120", 4, 145, Rgb(255, 255, 204));
    Text(s, "x3", 140, 145, Rgb(255, 204, 0));
    DrawTitle(s, "Marble Orchard", "LV 4");
    ReduceToColourPalette(s);
    return s;
}

// ---- Mosswood Solitaire: patience on a mossy green cloth ------------------

const Sprite kSuits[] = {
    {".#.#.", "#####", "#####", ".###.", "..#.."}, // hearts
    {"..#..", ".###.", "#####", ".###.", "..#.."}, // diamonds
    {"..#..", ".###.", "#####", "#####", "..#.."}, // spades
    {"..#..", ".###.", "#.#.#", "#####", "..#.."}, // clubs
};

void CardBack(Image &s, int x, int y) {
    s.FillRect(x, y, 20, 28, Rgb(0, 51, 153));
    Frame(s, x, y, 20, 28, kBlack);
    for (int py = y + 2; py < y + 26; ++py)
        for (int px = x + 2; px < x + 18; ++px)
            if ((px + py) % 4 == 0)
                s.Set(px, py, Rgb(51, 102, 204));
}

void CardFace(Image &s, int x, int y, const std::string &rank, int suit) {
    s.FillRect(x, y, 20, 28, kWhite);
    Frame(s, x, y, 20, 28, kBlack);
    const Colour c = suit < 2 ? Rgb(204, 0, 0) : kBlack;
    Text(s, rank, x + 2, y + 2, c);
    DrawSprite(s, kSuits[suit], {{'#', c}}, x + 13, y + 3);
    DrawSprite(s, kSuits[suit], {{'#', c}}, x + 6, y + 14, 2);
}

Image MosswoodSolitaire() {
    Image s(S, S, Rgb(0, 102, 51));
    for (int y = 14; y < S; y += 3)
        for (int x = (y / 3) % 2; x < S; x += 4)
            s.Set(x, y, Rgb(0, 90, 45));
    CardBack(s, 3, 16);
    CardFace(s, 25, 16, "7", 3);
    for (int f = 0; f < 4; ++f)
        Frame(s, 69 + 22 * f, 16, 20, 28, Rgb(0, 153, 51));
    CardFace(s, 69, 16, "3", 0);
    CardFace(s, 91, 16, "A", 2);
    struct Column {
        int hidden;
        std::vector<std::pair<std::string, int>> shown;
    };
    const Column columns[] = {
        {0, {{"K", 2}, {"Q", 0}, {"J", 3}}}, {1, {{"9", 1}}},
        {2, {{"5", 2}, {"4", 1}}},           {3, {{"10", 0}}},
        {4, {{"8", 3}, {"7", 0}, {"6", 2}}}, {5, {{"2", 1}}},
        {6, {{"J", 1}, {"10", 2}}},
    };
    for (int i = 0; i < 7; ++i) {
        const int x = 3 + 22 * i;
        int y = 50;
        for (int h = 0; h < columns[i].hidden; ++h, y += 4)
            CardBack(s, x, y);
        for (const auto &[rank, suit] : columns[i].shown) {
            CardFace(s, x, y, rank, suit);
            y += 10;
        }
    }
    Text(s, "MOVES 38", 4, 151, kWhite);
    Text(s, "4:12", 132, 151, Rgb(204, 255, 204));
    DrawTitle(s, "Mosswood Solitaire");
    ReduceToColourPalette(s);
    return s;
}

// ---- Orbit Courier: parcels between moons --------------------------------

const Sprite kShip = {
    "....W....", "...WWW...", "...WBW...", "..WWWWW..", ".RWWWWWR.", "RRW.O.WRR", "R...O...R",
};

Image OrbitCourier() {
    Image s(S, S, kBlack);
    Rng rng(41);
    for (int i = 0; i < 90; ++i) {
        const int x = rng.Below(S), y = 13 + rng.Below(S - 13);
        s.Set(x, y, rng.Below(3) == 0 ? Rgb(255, 255, 255) : Rgb(102, 102, 153));
    }
    Ring(s, 80, 88, 44, 34, Rgb(102, 102, 102), true);
    Ring(s, 80, 88, 68, 50, Rgb(102, 102, 102), true);
    for (int y = 60; y <= 116; ++y) {
        for (int x = 52; x <= 108; ++x) {
            const double dx = x + 0.5 - 80, dy = y + 0.5 - 88;
            if (dx * dx + dy * dy > 24.0 * 24.0)
                continue;
            Colour c = ((y / 5) % 2) ? Rgb(51, 102, 204) : Rgb(102, 153, 255);
            if (dx + dy > 16)
                c = Shade(c, -60);
            if (dx + dy < -24)
                c = Shade(c, 50);
            s.Set(x, y, c);
        }
    }
    Disc(s, 124, 88, 6, 6, Rgb(153, 153, 153));
    Disc(s, 122, 86, 1.5, 1.5, Rgb(102, 102, 102));
    Disc(s, 126, 91, 1.2, 1.2, Rgb(102, 102, 102));
    const double mx = 80 - 68 * 0.6, my = 88 - 50 * std::sqrt(1 - 0.36);
    Disc(s, mx, my, 7, 7, Rgb(204, 153, 102));
    Disc(s, mx - 2, my + 1, 2, 2, Rgb(153, 102, 51));
    s.FillRect(static_cast<int>(mx) + 9, static_cast<int>(my) - 10, 7, 6, Rgb(204, 153, 51));
    Frame(s, static_cast<int>(mx) + 9, static_cast<int>(my) - 10, 7, 6, Rgb(102, 51, 0));
    DrawSprite(
        s, kShip,
        {{'W', kWhite}, {'B', Rgb(51, 153, 255)}, {'R', Rgb(255, 102, 0)}, {'O', Rgb(255, 204, 0)}},
        110, 46);
    Line(s, 114, 54, 90, 30, Rgb(153, 153, 153), 3);
    Text(s, "FUEL", 4, 150, kWhite);
    Frame(s, 32, 149, 60, 9, kWhite);
    s.FillRect(34, 151, 38, 5, Rgb(0, 204, 102));
    Text(s, "12:40", 128, 150, Rgb(255, 204, 0));
    DrawTitle(s, "Orbit Courier", "3/5");
    ReduceToColourPalette(s);
    return s;
}

// ---- Quill & Cipher: a crossword with cipher clues ------------------------

Image QuillAndCipher() {
    Image s(S, S, kWhite);
    const char *grid[] = {
        "QUILL#INK", "U#.#O#..E", "ECIPHER.Y", "S#.#.#.#.",
        "T..#PEN..", "#.#.#.#.#", "MAP#.....", "..#.#.#..",
    };
    constexpr int cell = 14, left = 17, top = 17;
    for (int row = 0; row < 8; ++row) {
        for (int col = 0; col < 9; ++col) {
            const int x = left + col * cell, y = top + row * cell;
            const char c = grid[row][col];
            if (c == '#') {
                s.FillRect(x, y, cell + 1, cell + 1, kBlack);
                continue;
            }
            if (row == 4 && col >= 4)
                s.FillRect(x, y, cell, cell, kLight);
            Frame(s, x, y, cell + 1, cell + 1, kBlack);
            if (c != '.')
                Text(s, std::string(1, c), x + 5, y + 4, kBlack);
        }
    }
    Frame(s, left + 7 * cell - 1, top + 4 * cell - 1, cell + 3, cell + 3, kBlack);
    Text(s, "5A: WRITES IN INK", 4, 134, kBlack);
    const std::string keys = "QWERTYUIOP";
    for (int i = 0; i < 10; ++i) {
        const int x = 1 + 16 * i;
        s.FillRect(x, 145, 15, 14, i == 7 ? kDark : kLight);
        Frame(s, x, 145, 15, 14, kBlack);
        Text(s, std::string(1, keys[static_cast<size_t>(i)]), x + 5, 149, i == 7 ? kWhite : kBlack);
    }
    DrawTitle(s, "Quill & Cipher", "12:05");
    ReduceToGrey(s, 4);
    return s;
}

// ---- Starfield Miner: mining ore from drifting asteroids -----------------

void Asteroid(Image &s, int cx, int cy, int r) {
    Disc(s, cx, cy, r, r - 1, kDark);
    Disc(s, cx + r / 2.0, cy - r / 3.0, r * 0.6, r * 0.5, kDark);
    Disc(s, cx - 1, cy - 1, r - 2, r - 3, kLight);
    Disc(s, cx + r / 3.0, cy + r / 4.0, r / 4.0, r / 4.0, kDark);
    Disc(s, cx - r / 3.0, cy - r / 3.0, r / 5.0, r / 5.0, kDark);
}

Image StarfieldMiner() {
    Image s(S, S, kBlack);
    Rng rng(51);
    for (int i = 0; i < 80; ++i) {
        const int x = rng.Below(S);
        const int y = 13 + rng.Below(S - 13);
        s.Set(x, y, rng.Below(2) ? kWhite : kDark);
    }
    Asteroid(s, 40, 40, 14);
    Asteroid(s, 118, 34, 9);
    Asteroid(s, 96, 76, 16);
    Asteroid(s, 28, 96, 7);
    const Sprite ship = {
        ".....W.....", "....WWW....", "....WLW....", "...WWWWW...",
        "..WWLWLWW..", ".WWWWWWWWW.", "WW.LL.LL.WW", "W...L.L...W",
    };
    DrawSprite(s, ship, {{'W', kWhite}, {'L', kLight}}, 75, 126);
    for (int y = 94; y < 124; y += 3)
        s.FillRect(80, y, 1, 2, kWhite);
    const Sprite ore = {"..W..", ".WLW.", "WLLLW", ".WLW.", "..W.."};
    DrawSprite(s, ore, {{'W', kWhite}, {'L', kLight}}, 60, 104);
    DrawSprite(s, ore, {{'W', kWhite}, {'L', kLight}}, 128, 60);
    s.FillRect(0, 147, S, S - 147, kBlack);
    s.FillRect(0, 147, S, 1, kDark);
    Text(s, "SHIELD", 4, 151, kLight);
    Frame(s, 44, 150, 50, 9, kLight);
    s.FillRect(46, 152, 30, 5, kWhite);
    Text(s, "x2", 140, 151, kWhite);
    DrawTitle(s, "Starfield Miner", "ORE 24");
    ReduceToGrey(s, 4);
    return s;
}

// ---- Tidepool Tactics: crab armies on a rock pool ------------------------

const Sprite kCrab = {
    ".C........C.", "CC.C....C.CC", ".CCCCCCCCCC.", "..CWCCCCWC..", "..CCCCCCCC..", ".C.C....C.C.",
};

Image TidepoolTactics() {
    Image s(S, S, Rgb(255, 255, 255));
    const char *map[] = {
        "SSSWWWSS", "SRSWWKSS", "SSWWWWSR", "SSWKWWSS", "RSSWWSSS", "SSSSWWSS", "SSRSSWWS",
    };
    constexpr int cell = 18, left = 8, top = 16;
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 8; ++col) {
            const int x = left + col * cell, y = top + row * cell;
            const char c = map[row][col];
            const Colour base = c == 'S' || c == 'R' ? Rgb(255, 204, 153) : Rgb(51, 153, 204);
            s.FillRect(x, y, cell, cell, base);
            if (c == 'S' && (row + col) % 3 == 0)
                s.Set(x + 5, y + 11, Rgb(204, 153, 102));
            if (c == 'W')
                s.FillRect(x + 4, y + 6 + (col % 2) * 5, 4, 1, Rgb(102, 204, 255));
            if (c == 'R') {
                Disc(s, x + 9, y + 10, 7, 6, Rgb(102, 102, 102));
                Disc(s, x + 8, y + 8, 4, 3, Rgb(153, 153, 153));
            }
            if (c == 'K')
                for (int k = 0; k < 3; ++k)
                    Line(s, x + 4 + 5 * k, y + 16, x + 6 + 5 * k, y + 3, Rgb(0, 153, 102));
        }
    }
    for (int row = 4; row <= 6; ++row)
        for (int col = 0; col <= 2; ++col)
            for (int py = 0; py < cell; py += 3)
                for (int px = (py / 3) % 2; px < cell; px += 3)
                    s.Set(left + col * cell + px, top + row * cell + py, Rgb(255, 255, 204));
    DrawSprite(s, kCrab, {{'C', Rgb(204, 0, 0)}, {'W', kWhite}}, left + cell + 3,
               top + 5 * cell + 6);
    DrawSprite(s, kCrab, {{'C', Rgb(204, 0, 0)}, {'W', kWhite}}, left + 3, top + 2 * cell + 6);
    DrawSprite(s, kCrab, {{'C', Rgb(0, 51, 204)}, {'W', kWhite}}, left + 6 * cell + 3,
               top + 1 * cell + 6);
    DrawSprite(s, kCrab, {{'C', Rgb(0, 51, 204)}, {'W', kWhite}}, left + 7 * cell + 3,
               top + 4 * cell + 6);
    for (int t = 0; t < 2; ++t)
        Frame(s, left + cell - t, top + 5 * cell - t, cell + 2 * t, cell + 2 * t,
              t ? kBlack : Rgb(255, 255, 0));
    s.FillRect(0, 144, S, 16, Rgb(255, 255, 255));
    s.FillRect(0, 144, S, 1, kBlack);
    Text(s, "RED: MOVE 3", 4, 149, Rgb(204, 0, 0));
    Text(s, "2 VS 2", 120, 149, kBlack);
    DrawTitle(s, "Tidepool Tactics", "TURN 5");
    ReduceToColourPalette(s);
    return s;
}

} // namespace

const std::vector<GameScreen> &GameScreens() {
    static const std::vector<GameScreen> screens = {
        {"Action/BeetleDerby", BeetleDerby},
        {"Brambleburrow", Brambleburrow},
        {"Strategy/Tactics/CopperRails", CopperRails},
        {"Puzzles/GlacierSlide", GlacierSlide},
        {"Action/HarborPilot", HarborPilot},
        {"Puzzles/LanternKeeper", LanternKeeper},
        {"Puzzles/MarbleOrchard", MarbleOrchard},
        {"Strategy/Cards/MosswoodSolitaire", MosswoodSolitaire},
        {"OrbitCourier", OrbitCourier},
        {"Puzzles/QuillAndCipher", QuillAndCipher},
        {"Action/StarfieldMiner", StarfieldMiner},
        {"Strategy/Tactics/TidepoolTactics", TidepoolTactics},
    };
    return screens;
}

} // namespace assets
