// Zoom steps, the percentage, the fit zoom, SetZoom's centre keeping and
// the wheel's choices.
#include "mapview/MapZoom.h"
#include "mapview/MapGeometry.h"

#include <gtest/gtest.h>
#include <limits>

namespace tavelin
{
namespace
{

TEST(MapZoom, ZoomInAndOutWalkTheSevenSteps)
{
    std::vector<float> seen;
    int slider = 0;
    while (const auto r = ZoomInRequest(slider, false)) {
        seen.push_back(r->zoom);
        slider = r->slider;
    }
    EXPECT_EQ(seen, (std::vector<float>{1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(ZoomInRequest(6, false));
    EXPECT_FALSE(ZoomOutRequest(0, false));
    const auto down = ZoomOutRequest(1, false);
    ASSERT_TRUE(down);
    EXPECT_EQ(down->zoom, 0.5f);
    EXPECT_EQ(down->slider, 0);
    // In fit mode a step leaves fit mode and returns to the saved centre.
    const auto fromFit = ZoomInRequest(2, true);
    ASSERT_TRUE(fromFit);
    EXPECT_TRUE(fromFit->leaveFit);
    EXPECT_TRUE(fromFit->useSavedCentre);
    EXPECT_EQ(fromFit->zoom, 3.0f);
    EXPECT_EQ(HundredPercentRequest(true).zoom, 1.0f);
    EXPECT_TRUE(HundredPercentRequest(true).leaveFit);
}

TEST(MapZoom, TextAndSliderPositions)
{
    struct Case {
        float zoom;
        const char* text;
        int step;
    } cases[] = {
        {0.5f, "50%", 0},   {1.0f, "100%", 1},  {6.0f, "600%", 6},
        {0.379f, "37%", 0}, {2.75f, "275%", 2}, {40.0f, "4000%", 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoomText(c.zoom), QString::fromLatin1(c.text)) << c.zoom;
        EXPECT_EQ(StepForZoom(c.zoom), c.step) << c.zoom;
    }
    EXPECT_EQ(StepForZoom(std::numeric_limits<float>::quiet_NaN()), 1);
}

TEST(MapZoom, FitZoomNeverDividesByZero)
{
    EXPECT_FLOAT_EQ(FitZoom(QSize(400, 324), 24, 800, 600, 1.0f), 0.5f);
    EXPECT_FLOAT_EQ(FitZoom(QSize(400, 624), 24, 200, 600, 1.0f), 1.0f);
    EXPECT_EQ(FitZoom(QSize(400, 300), 24, 0, 0, 2.0f), 2.0f);
    EXPECT_EQ(FitZoom(QSize(400, 300), 24, 0, 0, 0.0f), 1.0f);
    EXPECT_GT(FitZoom(QSize(400, 10), 24, 800, 600, 1.0f), 0.0f);
    EXPECT_EQ(UsableZoom(0.0f), 1.0f);
    EXPECT_EQ(UsableZoom(-2.0f), 1.0f);
    EXPECT_EQ(UsableZoom(std::numeric_limits<float>::infinity()), 1.0f);
    EXPECT_EQ(ClientToMapPixels(QPoint(10, 10), QPoint(0, 0), 0.0f), QPoint(10, 10));
}

TEST(MapZoom, SetZoomKeepsTheCentredPoint)
{
    ZoomView v;
    v.zoom = 1.0f;
    v.client = QSize(400, 300);
    v.scroll = QPoint(100, 100);
    v.barHeight = 24;
    v.mapWidth = 1000;
    v.mapHeight = 800;
    EXPECT_FALSE(ComputeSetZoom(v, 1.0f, false)) << "same zoom outside fit mode";
    const auto c = ComputeSetZoom(v, 2.0f, false);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->zoom, 2.0f);
    EXPECT_EQ(c->centreOn, QPoint(600, 500)); // (300, 250) map pixels x 2
    EXPECT_EQ(c->scrollSize, QSize(2000, 1624));
    EXPECT_EQ(CenterOnScroll(c->centreOn, v.client, true, true), QPoint(400, 350));
    EXPECT_EQ(CenterOnScroll(c->centreOn, v.client, false, true), QPoint(0, 350));

    // Entering fit mode records the centre; leaving returns to it.
    v.fit = true;
    const auto fit = ComputeSetZoom(v, FitEntryZoom, false);
    ASSERT_TRUE(fit);
    EXPECT_EQ(fit->savedCentre, QPoint(300, 250));
    EXPECT_FLOAT_EQ(fit->zoom, 0.345f); // min(400 / 1000, 276 / 800)
    ZoomView fitted = v;
    fitted.zoom = fit->zoom;
    fitted.scroll = QPoint(0, 0);
    fitted.savedCentre = fit->savedCentre;
    fitted.fit = false;
    const auto back = ComputeSetZoom(fitted, 1.0f, true);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->centreOn, QPoint(300, 250));
}

TEST(MapZoom, WheelChoices)
{
    using K = WheelAction::Kind;
    struct Case {
        const char* name;
        WheelKeys keys;
        bool down;
        int slider;
        bool fit;
        K kind;
        int value; // slider step or scroll amount
        bool horizontal;
        bool passOn;
    } cases[] = {
        {"ctrl up", {true}, false, 2, false, K::Zoom, 3, false, false},
        {"ctrl down", {true}, true, 2, false, K::Zoom, 1, false, false},
        {"ctrl down at 50%", {true}, true, 0, false, K::None, 0, false, true},
        {"ctrl up at 600%", {true}, false, 6, false, K::None, 0, false, true},
        {"ctrl in fit mode", {true}, true, 3, true, K::None, 0, false, false},
        {"plain down", {}, true, 1, false, K::Scroll, 10, false, false},
        {"plain up", {}, false, 1, false, K::Scroll, -10, false, false},
        {"shift down", {false, true}, true, 1, false, K::Scroll, 10, true, false},
        {"shift+ctrl down", {true, true}, true, 1, false, K::Scroll, -1, true, false},
        {"right button down", {false, false, true}, true, 1, false, K::Scroll, -10, true, false},
        {"ctrl+left button",
         {true, false, false, true},
         true,
         1,
         false,
         K::Scroll,
         10,
         false,
         false},
    };
    for (const Case& c : cases) {
        const WheelAction a = DecideWheel(c.keys, c.down, c.slider, c.fit, true);
        EXPECT_EQ(a.kind, c.kind) << c.name;
        EXPECT_EQ(a.passOn, c.passOn) << c.name;
        if (c.kind == K::Zoom)
            EXPECT_EQ(a.step, c.value) << c.name;
        if (c.kind == K::Scroll) {
            EXPECT_EQ(a.scrollBy, c.value) << c.name;
            EXPECT_EQ(a.horizontal, c.horizontal) << c.name;
        }
    }
    EXPECT_EQ(DecideWheel({}, true, 1, false, false).kind, K::None) << "no vertical bar";
}

} // namespace
} // namespace tavelin
