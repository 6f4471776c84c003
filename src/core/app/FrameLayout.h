#pragma once

#include <QRect>
#include <QSize>

namespace tesmi {

// Sizes the main window measures before placing its areas.
struct FrameMetrics {
    QSize client;
    bool collapsed = false; // settings panel hidden
    int topBarHeight = 0;
    int bottomBarHeight = 0;
    QSize typingArea;    // natural size; the width shrinks when the window is too narrow
    QSize settingsPanel;
    int hrustHeight = 0;
    int arrowsWidth = 0;
    // Top bar items, measured from their captions.
    QSize about;
    QSize mail;
    QSize garage;
    QSize username;
    QSize rankName;
    QSize levelStrip;
    int mileageCaptionRight = 0;
};

// Where each area goes; top bar items are relative to the top bar.
struct FrameGeometry {
    QRect topBar;
    QRect bottomBar;
    QRect typingArea;
    QRect settingsPanel;
    QRect hrust;
    QRect arrows;
    QRect garageBox;
    QRect about;
    QRect mail;
    QRect garage;
    QRect username;
    QRect rankName;
    QRect levelStrip;
};

// Gaps of the frame, in pixels.
inline constexpr int kAreaTopGap = 15;    // top bar to typing area and settings panel
inline constexpr int kTopRowY = 8;        // first row of the top bar's right-hand labels
inline constexpr int kSecondRowY = 36;    // second row: rank name and login

FrameGeometry LayOutFrame(const FrameMetrics &m);

} // namespace tesmi
