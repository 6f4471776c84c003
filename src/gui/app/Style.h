#pragma once

#include <QColor>

class QApplication;
class QWidget;

namespace tesmi {

// The program's one look. It is set in code, not with a style sheet: a sheet
// over the application routes every widget through the slow style-sheet
// machinery, which cost start-up about a third of its time.
namespace colours {
inline const QColor kWindow{0xe9, 0xee, 0xf4};
inline const QColor kPanel{0xff, 0xff, 0xff};
inline const QColor kFrame{0xc9, 0xd3, 0xde};
inline const QColor kLightFrame{0xd5, 0xdd, 0xe6};
inline const QColor kText{0x2b, 0x3f, 0x55};
inline const QColor kHeading{0x1c, 0x3a, 0x5c};
inline const QColor kMuted{0x5a, 0x6b, 0x7e};
inline const QColor kFaint{0x7d, 0x8f, 0xa3};
inline const QColor kLink{0x1f, 0x5f, 0xa8};
inline const QColor kHover{0xd0, 0x76, 0x1b};
inline const QColor kRank{0xb0, 0x62, 0x0c};
inline const QColor kAlert{0xd0, 0x00, 0x00};
inline const QColor kRecord{0xc0, 0x39, 0x2b};
inline const QColor kBar{0x1c, 0x3a, 0x5c};
inline const QColor kBarText{0xc8, 0xd6, 0xe8};
inline const QColor kDonate{0xff, 0xd4, 0x79};
} // namespace colours

void ApplyStyle(QApplication &app);

// The installed family the font system draws `family` with. A family that is
// not installed (an alias such as "Sans Serif", or Tahoma on Linux) would be
// searched for again for every new size and script; its stand-in is not.
QString InstalledFamily(const QString &family);

// Text colour of a widget and of the children that set none of their own;
// with a pixel size (0 keeps the size) or bold, their font as well.
void SetTextLook(QWidget &widget, const QColor &colour, int pixelSize = 0, bool bold = false);
void SetFontLook(QWidget &widget, int pixelSize, bool bold = false);
// Fills the widget's background with a colour of its own.
void SetBackground(QWidget &widget, const QColor &colour);

// A rounded, framed background painted beneath the widget's own painting.
struct PanelLook {
    QColor fill = colours::kPanel;
    QColor frame = colours::kFrame;
    int radius = 6;
};
void DecoratePanel(QWidget &widget, const PanelLook &look = {});

} // namespace tesmi
