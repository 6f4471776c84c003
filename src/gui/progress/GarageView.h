#pragma once

#include <QScrollArea>

class QComboBox;
class QLabel;

namespace tesmi {

class CarsPack;
class ClickableLabel;

// Panel8: the owned car and its colour over the 66 cards of cars for sale. It
// takes the typing area's place while open.
class GarageView : public QScrollArea {
    Q_OBJECT
public:
    GarageView(const CarsPack &cars, QWidget *parent);

    // BuildGarageCards: the empty cards, made once.
    void BuildGarageCards();
    bool cardsBuilt() const { return !cards_.isEmpty(); }
    // OpenGarage: every card in the chosen colour, buttons for the points there are.
    void OpenGarage(qint64 points, const QString &carId, const QString &ownedPicture);
    // Shows the owned car (or the day's holiday vehicle) and locks its card.
    void showOwnedCar(const QString &carId, const QString &picture);
    void setUsableButtons(const QList<bool> &usable);
    void setColour(int colour);
    int colour() const;
    void scrollToTop();
    // One wheel notch moves the garage by 40 pixels.
    void scrollByNotches(int notches);

signals:
    void colourChosen(int colour);
    void buyClicked(int card);
    void leaveClicked();

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    struct Card {
        QLabel *name;
        QLabel *picture;
        ClickableLabel *buy;
    };
    void buildHeader();
    void setBuyButton(int card, bool usable);

    const CarsPack &cars_;
    QWidget *content_;
    QLabel *ownedCar_;
    QComboBox *colours_;
    QLabel *price_;
    QList<Card> cards_;
};

} // namespace tesmi
