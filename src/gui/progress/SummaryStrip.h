#pragma once

#include <QWidget>

class QLabel;

namespace tesmi {

class MedalPicture;
struct SummaryView;

// The current mode's figures under its name: best speed (Label17), average
// speed (Label19), mistakes (Label22) and mileage (Label21) with its medal.
class SummaryStrip : public QWidget {
    Q_OBJECT
public:
    explicit SummaryStrip(QWidget *parent = nullptr);

    // Takes the figures and shrinks to fit them.
    void showSummary(const SummaryView &view);

private:
    QLabel *best_;
    QLabel *average_;
    QLabel *mistakes_;
    QLabel *mileage_;
    MedalPicture *medal_;
};

} // namespace tesmi
