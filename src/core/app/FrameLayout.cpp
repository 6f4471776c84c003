#include "app/FrameLayout.h"

#include "util/Rounding.h"

#include <algorithm>

namespace tesmi {

namespace {

struct Lefts {
    int typing;
    int settings;
};

// The typing area is centred in wide windows; in narrow ones both areas slide
// with the width, the typing area further left while the panel is shown.
Lefts areaLefts(int w, bool collapsed)
{
    if (w > 1474) {
        const int typing = RoundHalfEven((w - 1474) * 0.5 + 190);
        return {typing, typing + 845};
    }
    const int settings = RoundHalfEven((w - 1024) * 0.6 + 765);
    const int typing = collapsed ? RoundHalfEven((w - 824) * 0.4 + 10) : RoundHalfEven((w - 1024) * 0.4 + 10);
    return {typing, settings};
}

QRect rightAligned(int right, int y, QSize size)
{
    return QRect(right - size.width(), y, size.width(), size.height());
}

void layOutTopBar(const FrameMetrics &m, FrameGeometry &g)
{
    const int w = m.client.width();
    g.about = rightAligned(w - 10, kTopRowY, m.about);
    g.mail = rightAligned(g.about.left() - 10, kTopRowY, m.mail);
    g.garage = rightAligned(g.mail.left() - 10, kTopRowY, m.garage);
    g.username = rightAligned(w - 10, kSecondRowY, m.username);
    g.rankName = rightAligned(g.username.left() - 10, kSecondRowY, m.rankName);
    const int stripY = (m.topBarHeight - m.levelStrip.height()) / 2;
    if (m.collapsed)
        g.levelStrip = QRect(QPoint(m.mileageCaptionRight + 4, stripY), m.levelStrip);
    else
        g.levelStrip = rightAligned(std::min(g.rankName.left(), g.garage.left()) - 10, stripY, m.levelStrip);
}

} // namespace

FrameGeometry LayOutFrame(const FrameMetrics &m)
{
    FrameGeometry g;
    const int w = m.client.width();
    const int h = m.client.height();
    g.topBar = QRect(0, 0, w, m.topBarHeight);
    g.bottomBar = QRect(0, h - m.bottomBarHeight, w, m.bottomBarHeight);
    const int areasTop = m.topBarHeight + kAreaTopGap;

    const Lefts lefts = areaLefts(w, m.collapsed);
    // The typing area keeps its natural width unless that would run under the
    // settings panel or the collapse button.
    const int typingRightLimit = m.collapsed ? w - m.arrowsWidth - 4 : lefts.settings - 20;
    const int typingWidth = std::clamp(typingRightLimit - lefts.typing, 0, m.typingArea.width());
    g.typingArea = QRect(lefts.typing, areasTop, typingWidth, m.typingArea.height());
    g.settingsPanel = QRect(QPoint(lefts.settings, areasTop), m.settingsPanel);
    g.hrust = QRect(lefts.settings, g.settingsPanel.bottom() + 1 + 10, m.settingsPanel.width(), m.hrustHeight);

    const int arrowsLeft = m.collapsed ? w - m.arrowsWidth : g.typingArea.right() + 1 + 4;
    g.arrows = QRect(arrowsLeft, m.topBarHeight, m.arrowsWidth, g.bottomBar.top() - m.topBarHeight);
    g.garageBox = QRect(lefts.typing, areasTop, typingWidth, g.bottomBar.top() - areasTop);

    layOutTopBar(m, g);
    return g;
}

} // namespace tesmi
