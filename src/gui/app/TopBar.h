#pragma once

#include "app/FrameLayout.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QToolButton;

namespace tesmi {

class ClickableLabel;
class LevelBadge;
class SummaryStrip;
struct SummaryView;

// Panel1: the current mode, its summary, the toolbar and, on the right, the
// garage, mail, About, rank and login labels.
class TopBar : public QWidget {
    Q_OBJECT
public:
    // A toolbar button after the mode label; `hint` names its key too.
    QToolButton *addToolButton(const QString &name, const QString &symbol, const QString &hint);
    explicit TopBar(QWidget *parent = nullptr);

    ClickableLabel *modeLabel() const { return modeLabel_; }
    ClickableLabel *garageLabel() const { return garage_; }
    ClickableLabel *mailLabel() const { return mail_; }
    ClickableLabel *aboutLabel() const { return about_; }
    ClickableLabel *usernameLabel() const { return username_; }
    QLabel *rankName() const { return rankName_; }
    LevelBadge *levelStrip() const { return levelStrip_; }

    void setModeName(const QString &name);
    void setLogin(const QString &login);
    void setRankName(const QString &rank);
    // The current mode's figures, rank, level badge and medal.
    void showSummary(const SummaryView &view);

    // Sizes of the right-hand labels, measured from their captions.
    void measure(FrameMetrics &metrics) const;
    void place(const FrameGeometry &geometry);
    // Labels hidden while the settings panel is collapsed.
    void setSidePartsVisible(bool visible);

    static constexpr int kHeight = 64;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeToolbar();

    QWidget *toolbar_;
    QHBoxLayout *toolbarLayout_;
    ClickableLabel *modeLabel_;
    SummaryStrip *summary_;
    ClickableLabel *garage_;
    ClickableLabel *mail_;
    ClickableLabel *about_;
    ClickableLabel *username_;
    QLabel *rankName_;
    LevelBadge *levelStrip_;
};

} // namespace tesmi
