#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace tesmi {

struct MedalView;

// The six medal pictures i300 … i20000, stacked at one place; at most one shows.
class MedalPicture : public QWidget {
    Q_OBJECT
public:
    explicit MedalPicture(QWidget *parent = nullptr);

    void showMedal(const MedalView &medal);

    static constexpr int kSize = 10;

private:
    std::array<QLabel *, 6> medals_;
};

} // namespace tesmi
