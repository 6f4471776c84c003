#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>

class QWidget;

namespace tesmi {

struct AppContext;
class GarageView;

// The garage's part in the main window: the owned car and its colour, buying
// with points, and the picture the race track shows.
class GarageController : public QObject {
    Q_OBJECT
public:
    GarageController(AppContext &context, QWidget *window);

    GarageView &view() const { return *view_; }
    // The car and colour restored at start-up.
    void restore(const QString &carId, int colour);
    // OpenGarage: every card in the chosen colour, buttons for the points there are.
    void open();
    const QString &carId() const { return carId_; }
    int colour() const { return colour_; }

signals:
    // The picture of the owned car (or the day's holiday vehicle) changed.
    void ownedCarChanged(const QPixmap &picture);
    void pointsSpent();
    void left();

private:
    void ApplyCarColour();
    void buy(int card);

    AppContext &context_;
    GarageView *view_;
    QString carId_;
    int colour_ = 0;
};

} // namespace tesmi
