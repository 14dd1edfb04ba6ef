#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/compute/render/CurveDrawer.h"
#include "core/compute/render/CurvedPointDrawer.h"
#include "core/compute/render/FlexDrawer.h"
#include "core/compute/render/PointDrawer.h"
#include "core/compute/render/RailColor.h"
#include "core/compute/render/RailDispatch.h"
#include "core/compute/render/StraightDrawer.h"
#include "core/compute/render/TextLabelDrawer.h"
#include "core/render/RecordingSurface.h"

namespace ferrovane::render {
namespace {

using testing::CallsOf;
using testing::RecordingSurface;
using Calls = std::vector<std::string>;

model::Rail Corners(std::uint8_t kind, float c1x, float c1y, float c2x, float c2y, float c3x,
                    float c3y, float c4x, float c4y) {
    model::Rail r;
    r.Valid = true;
    r.Kind = kind;
    r.C1X = c1x, r.C1Y = c1y, r.C2X = c2x, r.C2Y = c2y;
    r.C3X = c3x, r.C3Y = c3y, r.C4X = c4x, r.C4Y = c4y;
    return r;
}

struct Fixture {
    std::vector<model::Rail> rails = std::vector<model::Rail>(2);
    app::Settings settings;
    RecordingSurface surface;
    DrawContext Context(ViewOrigin origin = {}, bool highlighting = false) const {
        return DrawContext{rails, settings, origin, highlighting};
    }
};

TEST(PrimitivesTest, ArcAnglesAreConvertedNormalisedOnceAndWrittenBack) {
    struct Case {
        float a, b;
        bool degrees;
        const char* expected;
        float wantA, wantB;
    };
    const Case cases[] = {
        {90, 450, true, "A 0,0 r1 1.571..1.571 #0 w1", 1.5707964f, 1.5707964f},
        {-0.5f, 0.25f, false, "A 0,0 r1 5.783..0.25 #0 w1", 5.7831855f, 0.25f},
        // One step only: an angle beyond two turns stays above 2 pi.
        {13, 6.28f, false, "A 0,0 r1 6.717..6.28 #0 w1", 6.7168145f, 6.28f},
        {0, 0, false, "A 0,0 r1 0..0 #0 w1", 0, 0},
    };
    for (const Case& c : cases) {
        RecordingSurface s;
        float a = c.a, b = c.b;
        DrawArc(s, {}, {0, 0}, 1, 0, a, b, c.degrees);
        EXPECT_EQ(s.Calls, Calls{c.expected});
        EXPECT_NEAR(a, c.wantA, 1e-5);
        EXPECT_NEAR(b, c.wantB, 1e-5);
    }
}

TEST(PrimitivesTest, LinesShiftByOriginButDisplacementsDoNot) {
    RecordingSurface s;
    const ViewOrigin o{100, 200};
    DrawLine(s, o, {110, 220}, {120, 240}, 7);
    DrawLineTo(s, o, {150, 250}, 7);
    DrawLineBy(s, {5, -5}, 7);
    EXPECT_EQ(s.Calls,
              (Calls{"L 10,20 20,40 #7 w1", "L 20,40 50,50 #7 w1", "L 50,50 55,45 #7 w1"}));
    EXPECT_EQ(s.CurrentX, 55);
    EXPECT_EQ(s.CurrentY, 45);
}

TEST(RailColorTest, PreviewHighlightAndOwnColour) {
    Fixture f;
    f.rails[1].Valid = true;
    f.rails[1].Color = 0x00AA00;
    f.rails[0].Color = 0x123456;
    EXPECT_EQ(GetRailColor(f.Context(), 0), f.settings.NextRailColor);
    EXPECT_EQ(GetRailColor(f.Context({}, true), 0), f.settings.NextRailColor);
    EXPECT_EQ(GetRailColor(f.Context(), 1), 0x00AA00);
    EXPECT_EQ(GetRailColor(f.Context({}, true), 1), f.settings.HighlightRailColor);
}

TEST(StraightDrawerTest, ClosedQuadrilateralThenMarker) {
    Fixture f;
    f.rails[1] = Corners(0, 0, 0, 0, 10, 100, 10, 100, 0);
    f.rails[1].MidX = 50, f.rails[1].MidY = 5;
    DrawStraightRail(f.Context({10, 20}), 1, 4660, f.surface, true);
    EXPECT_EQ(f.surface.Calls, (Calls{"L -10,-20 -10,-10 #4660 w1", "L -10,-10 90,-10 #4660 w1",
                                      "L 90,-10 90,-20 #4660 w1", "L 90,-20 -10,-20 #4660 w1",
                                      "A 40,-15 r5 0..0 #4660 w1"}));
    RecordingSurface noMarker;
    DrawStraightRail(f.Context({10, 20}), 1, 4660, noMarker, false);
    EXPECT_TRUE(CallsOf(noMarker.Calls, 'A').empty());
    EXPECT_EQ(noMarker.Calls.size(), 4u);
}

TEST(CurveDrawerTest, ArcsByDirectionThenEndLinesThenMarker) {
    struct Case {
        int dir;
        float start, sweep;
        const char* span; // of both arcs; nullptr: no arcs
    };
    const Case cases[] = {
        {0, 0.5f, 0.25f, "0.5..0.75"},
        {255, 0.5f, 0.25f, "3.392..3.642"}, // mirrored: from A + pi - S to A + pi
        // Only the end passes 2 pi and is reduced: the arc runs through angle 0.
        {255, 3.3f, 0.5f, "5.942..0.158"},
        {7, 0.5f, 0.25f, nullptr},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.rails[1] = Corners(1, 95, 0, 105, 0, 1, 2, 3, 4);
        f.rails[1].Radius = 100;
        f.rails[1].Dir = static_cast<std::uint8_t>(c.dir);
        f.rails[1].ArcStart = c.start;
        f.rails[1].ArcSweep = c.sweep;
        f.rails[1].MidX = 70, f.rails[1].MidY = -70;
        DrawCurveRail(f.Context(), 1, 9, f.surface, true);
        Calls expected;
        for (const char* r : {"r95 ", "r105 "})
            if (c.span) expected.push_back(std::string("A 0,0 ") + r + c.span + " #9 w1");
        expected.push_back("L 95,0 105,0 #9 w1");
        expected.push_back("L 1,2 3,4 #9 w1");
        expected.push_back("A 70,-70 r5 0..0 #9 w1");
        EXPECT_EQ(f.surface.Calls, expected) << "dir " << c.dir;
    }
}

TEST(PointDrawerTest, ThroughTrackBranchEndMarkerThenBranchArcs) {
    struct Case {
        int dir;
        const char* span; // of both branch arcs; nullptr: no arcs
    };
    const Case cases[] = {
        {0, "1..1.2"}, {4, "1..1.2"}, {3, "3.942..4.142"}, {5, "3.942..4.142"}, {7, nullptr},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.rails[1] = Corners(2, 0, -5, 0, 5, 100, 5, 100, -5);
        f.rails[1].C5X = 90, f.rails[1].C5Y = 30, f.rails[1].C6X = 95, f.rails[1].C6Y = 20;
        f.rails[1].CenterX = 0, f.rails[1].CenterY = 500, f.rails[1].Radius = 500;
        f.rails[1].ArcStart = 1, f.rails[1].ArcSweep = 0.2f;
        f.rails[1].Dir = static_cast<std::uint8_t>(c.dir);
        f.rails[1].MidX = 50;
        DrawPointRail(f.Context(), 1, 3, f.surface, true);
        Calls expected{"L 0,-5 0,5 #3 w1",    "L 0,5 100,5 #3 w1",   "L 100,5 100,-5 #3 w1",
                       "L 100,-5 0,-5 #3 w1", "L 90,30 95,20 #3 w1", "A 50,0 r5 0..0 #3 w1"};
        for (const char* r : {"r495 ", "r505 "})
            if (c.span) expected.push_back(std::string("A 0,500 ") + r + c.span + " #3 w1");
        EXPECT_EQ(f.surface.Calls, expected) << "dir " << c.dir;
    }
}

TEST(CurvedPointDrawerTest, MarkerFirstThenBothTracksThenStubsAndEndLines) {
    struct Case {
        int dir;
        float start, sweep;
        double dx, dy;    // the stub
        const char* span; // of all four arcs; nullptr: no arcs
    };
    const Case cases[] = {
        {100, 0, 0.5f, 0, -20, "0..0.5"},
        {102, 1, 0.5f, 9.589, 17.552, "3.642..4.142"},
        {103, 1, 0.5f, 19.95, 1.415, "1..1.5"},
        {110, 1, 0.5f, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.rails[1] = Corners(2, 1, 2, 3, 4, 5, 6, 7, 8);
        f.rails[1].C5X = 9, f.rails[1].C5Y = 10, f.rails[1].C6X = 11, f.rails[1].C6Y = 12;
        f.rails[1].CenterX = 100, f.rails[1].Radius = 200, f.rails[1].Length = 20;
        f.rails[1].ArcStart = c.start, f.rails[1].ArcSweep = c.sweep;
        f.rails[1].Dir = static_cast<std::uint8_t>(c.dir);
        f.rails[1].MidX = 50, f.rails[1].MidY = 60;
        DrawPointRail(f.Context(), 1, 6, f.surface, true);
        Calls expected{"A 50,60 r5 0..0 #6 w1"};
        const std::string second = testing::Num(100 + c.dx) + "," + testing::Num(c.dy);
        for (const std::string& centre : {std::string("100,0"), second})
            for (const char* r : {" r195 ", " r205 "})
                if (c.span) expected.push_back("A " + centre + r + c.span + " #6 w1");
        expected.push_back("L 1,2 " + testing::Num(1 + c.dx) + "," + testing::Num(2 + c.dy) +
                           " #6 w1");
        expected.push_back("L 1,2 3,4 #6 w1");
        expected.push_back("L 3,4 " + testing::Num(3 + c.dx) + "," + testing::Num(4 + c.dy) +
                           " #6 w1");
        expected.push_back("L 5,6 7,8 #6 w1");
        expected.push_back("L 9,10 11,12 #6 w1");
        EXPECT_EQ(f.surface.Calls, expected) << "dir " << c.dir;
    }
}

TEST(FlexDrawerTest, ThickSegmentNormalsAndCaps) {
    struct Case {
        float qx, qy;
        int cap;
        Calls expected;
    };
    const Case cases[] = {
        {3,
         4,
         CapBoth,
         {"L 4,-3 7,1 #1 w1", "L -4,3 -1,7 #1 w1", "L 4,-3 -4,3 #1 w1", "L 7,1 -1,7 #1 w1"}},
        {3, 4, CapNone, {"L 4,-3 7,1 #1 w1", "L -4,3 -1,7 #1 w1"}},
        {10, 0, CapStart, {"L 0,5 10,5 #1 w1", "L 0,-5 10,-5 #1 w1", "L 0,5 0,-5 #1 w1"}},
        {0, 10, CapEnd, {"L 5,0 5,10 #1 w1", "L -5,0 -5,10 #1 w1", "L 5,10 -5,10 #1 w1"}},
    };
    for (const Case& c : cases) {
        RecordingSurface s;
        DrawThickSegment(s, {}, {0, 0}, {c.qx, c.qy}, 5, 1, c.cap);
        EXPECT_EQ(s.Calls, c.expected) << c.qx << "," << c.qy << " cap " << c.cap;
    }
}

TEST(FlexDrawerTest, HorizontalRailSegmentsCapsMarkerAndCallersWidth) {
    Fixture f;
    model::Rail& r = f.rails[1];
    r.Valid = true, r.Kind = 3;
    r.X0 = 0, r.C1X = 10, r.C2X = 20, r.X1 = 30, r.MidX = 15;
    f.settings.FlexibleDivides = 3;
    f.surface.SetDrawWidth(3);
    DrawFlexRail(f.Context(), 1, 2, f.surface, true);
    EXPECT_EQ(f.surface.Calls,
              (Calls{"L 0,5 10,5 #2 w3", "L 0,-5 10,-5 #2 w3", "L 0,5 0,-5 #2 w3",
                     "L 10,5 20,5 #2 w3", "L 10,-5 20,-5 #2 w3", "L 20,5 30,5 #2 w3",
                     "L 20,-5 30,-5 #2 w3", "L 30,5 30,-5 #2 w3", "A 15,0 r5 0..0 #2 w3"}));

    RecordingSurface single;
    f.settings.FlexibleDivides = 1;
    DrawFlexRail(f.Context(), 1, 2, single, false);
    EXPECT_EQ(single.Calls, (Calls{"L 0,5 30,5 #2 w1", "L 0,-5 30,-5 #2 w1", "L 0,5 0,-5 #2 w1"}));
}

TEST(FlexDrawerTest, BezierFollowsControlPoints) {
    const model::Point p = BezierPoint({0, 0}, {0, 100}, {100, 100}, {100, 0}, 0.5f);
    EXPECT_FLOAT_EQ(p.X, 50);
    EXPECT_FLOAT_EQ(p.Y, 75);
}

TEST(TextLabelDrawerTest, FontAndTextFromNameAtCornerWithColourRestored) {
    struct Case {
        std::string name;
        float fontChars, limit;
        bool bold, italic;
        const char* expected;
    };
    const Case cases[] = {
        {"MS Gothic  Hello  ", 9, 0, true, false, "T 50,30 'Hello' #255 MS Gothic 12 bold"},
        {"MS Gothic  Hello  ", 9, 3, false, true, "T 50,30 'Hel' #255 MS Gothic 12 italic"},
        {"ＭＳ ゴシック本文です", 7, 2, false, false, "T 50,30 '本文' #255 ＭＳ ゴシック 12"},
        {"Arial", 40, 0, false, false, "T 50,30 '' #255 Arial 12"},
    };
    for (const Case& c : cases) {
        Fixture f;
        model::Rail& r = f.rails[1];
        r.Valid = true, r.Kind = 100, r.Name = c.name, r.Radius = c.fontChars;
        r.Length = 12, r.Free0 = c.bold, r.Free1 = c.italic, r.Angle = c.limit;
        r.C1X = 150, r.C1Y = 80;
        f.surface.SetForeColor(0x777777);
        DrawTextLabel(f.Context({100, 50}), 1, 255, f.surface);
        EXPECT_EQ(f.surface.Calls, Calls{c.expected}) << c.name;
        EXPECT_EQ(f.surface.ForeColor(), 0x777777);
    }
}

TEST(RailDispatchTest, KindChoosesDrawerAndMarker) {
    struct Case {
        int kind;
        std::size_t lines, arcs, markers, texts;
    };
    const Case cases[] = {
        {0, 4, 1, 1, 0},   {1, 2, 3, 1, 0},  {2, 5, 3, 1, 0},  {3, 202, 1, 1, 0},
        {50, 4, 1, 1, 0},  {51, 2, 3, 1, 0}, {60, 4, 0, 0, 0}, {61, 2, 2, 0, 0},
        {100, 0, 0, 0, 1}, {7, 0, 0, 0, 0},  {99, 0, 0, 0, 0},
    };
    for (bool onScreen : {true, false}) {
        for (const Case& c : cases) {
            Fixture f;
            model::Rail& r = f.rails[1];
            r = Corners(static_cast<std::uint8_t>(c.kind), 0, 0, 0, 10, 100, 10, 100, 0);
            r.Radius = 100, r.ArcStart = 0.5f, r.ArcSweep = 0.25f, r.X1 = 100;
            r.Name = "Font text", r.Radius = c.kind == 100 ? 4 : 100;
            DrawRailByKind(f.Context(), 1, 5, f.surface, onScreen);
            std::size_t markers = 0;
            for (const auto& a : CallsOf(f.surface.Calls, 'A'))
                if (a.find(" r5 0..0 ") != std::string::npos) ++markers;
            const std::size_t wantMarkers = onScreen ? c.markers : 0;
            EXPECT_EQ(CallsOf(f.surface.Calls, 'L').size(), c.lines) << c.kind;
            EXPECT_EQ(CallsOf(f.surface.Calls, 'A').size(), c.arcs - c.markers + wantMarkers)
                << c.kind;
            EXPECT_EQ(markers, wantMarkers) << c.kind;
            EXPECT_EQ(CallsOf(f.surface.Calls, 'T').size(), c.texts) << c.kind;

            // A deleted rail draws nothing, whatever its kind.
            f.rails[1].Valid = false;
            RecordingSurface dead;
            DrawRailByKind(f.Context(), 1, 5, dead, onScreen);
            EXPECT_TRUE(dead.Calls.empty()) << c.kind;
        }
    }
}

TEST(RailDispatchTest, IndexOutsideTheArrayDrawsNothing) {
    Fixture f;
    DrawRailByKind(f.Context(), 5, 1, f.surface, true);
    DrawRailByKind(f.Context(), -1, 1, f.surface, true);
    EXPECT_TRUE(f.surface.Calls.empty());
}

} // namespace
} // namespace ferrovane::render
