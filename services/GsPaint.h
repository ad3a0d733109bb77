#pragma once

#include "UnitTypes.h"

namespace GS {

// Drawing interface of the support library. This program has no drawing back end behind
// it: every draw operation returns at once.
class Paint
{
public:
    enum STIPPLE_STYLE : int {
        STIPPLE_SOLID = 0,
        STIPPLE_DOT = 1,
        STIPPLE_DASH = 2,
        STIPPLE_LONG_DASH = 3,
    };

    // Spacing of a stipple style: 1, 3, 4, 8; 0 for an unknown style.
    static char getStippleSpace(STIPPLE_STYLE style);
    static char getStippleMode(STIPPLE_STYLE style);

    using Point = Unit::SPointC2dI;
    using Size = Unit::SSizeWH;

    static void torus2d(const Point&, int, int, unsigned) {}
    static void drawPoint(const Point&, int, unsigned) {}
    static void drawLine(const Point&, const Point&, int, unsigned) {}
    static void drawLineStipple(const Point&, const Point&, int, unsigned, STIPPLE_STYLE) {}
    static void drawSector(const Point&, int, float, float, unsigned) {}
    static void drawTriangle(const Point&, const Point&, const Point&, unsigned, bool) {}
    static void drawRectangle(const Point&, const Size&, unsigned, bool) {}
    static void drawCircle(const Point&, int, int, unsigned) {}
    static void drawCircleStipple(const Point&, int, unsigned, STIPPLE_STYLE) {}
    static void drawCircleStipple(const Point&, int, int, unsigned, STIPPLE_STYLE) {}
    static void drawCircleSector(const Point&, int, float, float, unsigned) {}
    static void drawCircleFill(const Point&, int, unsigned) {}
    static void drawCircleVertex(const Point&, int, int, unsigned) {}
    static void drawEllipse(const Point&, const Size&, unsigned) {}
    static void drawRotateString(const Point&, const char*, float, unsigned) {}
    static void drawRotateString(const Point&, const wchar_t*, float, unsigned) {}
    static void drawNaviLibPointRotateString(const Point&, const char*, float, unsigned) {}
    static void drawNaviAidLineRotateString(const Point&, const char*, float, unsigned) {}
    static void drawArc(const Point&, int, float, float, unsigned) {}
    static void drawPixels(const Point&, const Size&, const unsigned char*) {}
    // The frame around the held target: outer and inner colour, line width.
    static void drawHolderSymbol(const Point&, const Size&, unsigned, unsigned, int) {}
};

} // namespace GS
