#pragma once

#include <QWidget>

namespace tesmi {

class ClickableLabel;

// Panel7: the key hints (a click starts the next text) and the donation link.
class BottomBar : public QWidget {
    Q_OBJECT
public:
    explicit BottomBar(QWidget *parent = nullptr);

    ClickableLabel *keyHints() const { return keyHints_; }
    ClickableLabel *donateLink() const { return donate_; }

    static constexpr int kHeight = 26;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    ClickableLabel *keyHints_;
    ClickableLabel *donate_;
};

} // namespace tesmi
