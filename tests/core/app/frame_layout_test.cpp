#include "app/FrameLayout.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace tesmi;

namespace {

FrameMetrics metrics(int clientWidth, bool collapsed)
{
    FrameMetrics m;
    m.client = QSize(clientWidth, 700);
    m.collapsed = collapsed;
    m.topBarHeight = 64;
    m.bottomBarHeight = 24;
    m.typingArea = QSize(825, 300);
    m.settingsPanel = QSize(240, 420);
    m.hrustHeight = 100;
    m.arrowsWidth = 12;
    m.about = QSize(80, 20);
    m.mail = QSize(40, 20);
    m.garage = QSize(50, 20);
    m.username = QSize(70, 20);
    m.rankName = QSize(90, 20);
    m.levelStrip = QSize(100, 48);
    m.mileageCaptionRight = 600;
    return m;
}

struct AreaCase {
    int width;
    bool collapsed;
    int typingLeft;
    int settingsLeft;
};

std::ostream &operator<<(std::ostream &out, const AreaCase &c)
{
    return out << c.width << (c.collapsed ? " collapsed" : " shown");
}

class AreaLeftsTest : public ::testing::TestWithParam<AreaCase> {};

TEST_P(AreaLeftsTest, FollowTheWidthRules)
{
    const AreaCase &c = GetParam();
    const FrameGeometry g = LayOutFrame(metrics(c.width, c.collapsed));
    EXPECT_EQ(g.typingArea.left(), c.typingLeft);
    EXPECT_EQ(g.settingsPanel.left(), c.settingsLeft);
}

// 1474 is the last width of the narrow rule; halves round to even.
INSTANTIATE_TEST_SUITE_P(Widths, AreaLeftsTest,
                         ::testing::Values(AreaCase{1024, false, 10, 765}, AreaCase{1474, false, 190, 1035},
                                           AreaCase{1475, false, 190, 1035}, AreaCase{1477, false, 192, 1037},
                                           AreaCase{1476, false, 191, 1036}, AreaCase{1600, false, 253, 1098},
                                           AreaCase{824, true, 10, 645}, AreaCase{1274, true, 190, 915},
                                           AreaCase{1029, false, 12, 768}, AreaCase{1031, false, 13, 769},
                                           AreaCase{1475, true, 190, 1035}));

TEST(FrameLayoutTest, HrustSitsTenPixelsBelowSettingsPanelWithItsLeftAndWidth)
{
    const FrameGeometry g = LayOutFrame(metrics(1200, false));
    EXPECT_EQ(g.hrust.left(), g.settingsPanel.left());
    EXPECT_EQ(g.hrust.width(), g.settingsPanel.width());
    EXPECT_EQ(g.hrust.top(), g.settingsPanel.bottom() + 1 + 10);
    EXPECT_EQ(g.settingsPanel.top(), 64 + 15);
}

TEST(FrameLayoutTest, ArrowsFollowTypingAreaOrRightEdge)
{
    const FrameGeometry shown = LayOutFrame(metrics(1600, false));
    EXPECT_EQ(shown.arrows.left(), shown.typingArea.right() + 1 + 4);
    EXPECT_EQ(shown.arrows.top(), 64);
    EXPECT_EQ(shown.arrows.bottom() + 1, shown.bottomBar.top());
    const FrameGeometry collapsed = LayOutFrame(metrics(1400, true));
    EXPECT_EQ(collapsed.arrows.right() + 1, 1400);
}

TEST(FrameLayoutTest, TypingAreaNeverRunsUnderSettingsPanelOrArrows)
{
    for (int width = 824; width <= 1700; width += 7) {
        for (bool collapsed : {false, true}) {
            const FrameGeometry g = LayOutFrame(metrics(width, collapsed));
            if (collapsed)
                EXPECT_LE(g.typingArea.right() + 1 + 4, g.arrows.left()) << width;
            else
                EXPECT_LE(g.arrows.right(), g.settingsPanel.left()) << width;
            EXPECT_LE(g.typingArea.width(), 825);
        }
    }
    EXPECT_EQ(LayOutFrame(metrics(1474, false)).typingArea.width(), 825);
}

TEST(FrameLayoutTest, TopBarLabelsChainFromTheRight)
{
    const FrameGeometry g = LayOutFrame(metrics(1200, false));
    EXPECT_EQ(g.about.right() + 1, 1190);
    EXPECT_EQ(g.mail.right() + 1, g.about.left() - 10);
    EXPECT_EQ(g.garage.right() + 1, g.mail.left() - 10);
    EXPECT_EQ(g.rankName.right() + 1, g.username.left() - 10);
    EXPECT_EQ(g.levelStrip.right() + 1, std::min(g.rankName.left(), g.garage.left()) - 10);
    EXPECT_EQ(LayOutFrame(metrics(1000, true)).levelStrip.left(), 604);
}

TEST(FrameLayoutTest, GarageBoxTakesTypingColumnDownToBottomBar)
{
    const FrameGeometry g = LayOutFrame(metrics(1300, false));
    EXPECT_EQ(g.garageBox.left(), g.typingArea.left());
    EXPECT_EQ(g.garageBox.width(), g.typingArea.width());
    EXPECT_EQ(g.garageBox.top(), 64 + 15);
    EXPECT_EQ(g.garageBox.bottom() + 1, g.bottomBar.top());
}

} // namespace
