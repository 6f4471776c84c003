#include "progress/GarageController.h"

#include "app/AppContext.h"
#include "platform/CarsPack.h"
#include "progress/Garage.h"
#include "progress/GarageView.h"
#include "progress/Points.h"

namespace tesmi {

GarageController::GarageController(AppContext &context, QWidget *window)
    : QObject(window), context_(context), view_(new GarageView(context.cars, window))
{
    connect(view_, &GarageView::colourChosen, this, &GarageController::ApplyCarColour);
    connect(view_, &GarageView::buyClicked, this, &GarageController::buy);
    connect(view_, &GarageView::leaveClicked, this, [this] {
        view_->hide();
        emit left();
    });
}

void GarageController::restore(const QString &carId, int colour)
{
    carId_ = carId;
    view_->setColour(colour);
    ApplyCarColour();
}

void GarageController::open()
{
    view_->OpenGarage(CurrentPoints(context_.db), carId_,
                      OwnedCarPicture(carId_, view_->colour(), context_.platform.clock.today()));
    ApplyCarColour();
}

void GarageController::ApplyCarColour()
{
    colour_ = view_->colour();
    const QString picture = OwnedCarPicture(carId_, colour_, context_.platform.clock.today());
    view_->showOwnedCar(carId_, picture);
    emit ownedCarChanged(context_.cars.picture(picture));
}

void GarageController::buy(int card)
{
    const Purchase purchase = BuyCar(card, CurrentPoints(context_.db), carId_);
    if (purchase.alreadyOwned) {
        context_.platform.prompts.message(kAlreadyBoughtMessage);
        return;
    }
    view_->setUsableButtons(purchase.usableButtons);
    if (!purchase.bought)
        return;
    carId_ = purchase.carId;
    SpendPoints(context_.db, kCarPrice);
    ApplyCarColour();
    view_->scrollToTop();
    emit pointsSpent();
}

} // namespace tesmi
