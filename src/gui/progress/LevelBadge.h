#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace tesmi {

struct LevelView;

// RzPanel7: the level badge. The background level_fon with one of the progress
// pictures l1 … l11 over it, and on top the transparent RzPanel8 holding the
// level number level_l; both carry the points hint.
class LevelBadge : public QWidget {
    Q_OBJECT
public:
    explicit LevelBadge(QWidget *parent = nullptr);

    void showLevel(const LevelView &level);

    static constexpr int kSize = 48;

private:
    QLabel *background_;
    std::array<QLabel *, 11> steps_;
    QWidget *numberPanel_;
    QLabel *number_;
};

} // namespace tesmi
