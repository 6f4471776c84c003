#pragma once

#include <QFrame>

namespace tesmi {

// Panel3: the settings of the current mode.
class SettingsPanel : public QFrame {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget *parent = nullptr);

    static constexpr int kWidth = 240;
};

} // namespace tesmi
