#include "progress/GarageView.h"

#include "app/ClickableLabel.h"
#include "app/Style.h"
#include "platform/CarsPack.h"
#include "progress/Garage.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace tesmi {

namespace {

constexpr int kContentWidth = 4 * 180 + 9;
constexpr int kNotch = 40;

QLabel *headerLabel(const QString &name, const QString &text, int pixelSize, bool bold, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

GarageView::GarageView(const CarsPack &cars, QWidget *parent)
    : QScrollArea(parent), cars_(cars), content_(new QWidget), ownedCar_(new QLabel(content_)),
      colours_(new QComboBox(content_)), price_(nullptr)
{
    setObjectName(QStringLiteral("Panel8"));
    setFrameShape(QFrame::NoFrame);
    DecoratePanel(*this);
    setViewportMargins(2, 2, 2, 2); // inside the frame's rounded corners
    SetBackground(*viewport(), colours::kPanel);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    content_->setObjectName(QStringLiteral("garageContent"));
    SetBackground(*content_, colours::kPanel);
    buildHeader();
    setWidget(content_);
    hide();
}

void GarageView::buildHeader()
{
    auto *yourCar = headerLabel(QStringLiteral("Label40"), QStringLiteral("Ваш\nавтомобиль"), 16, true, content_);
    yourCar->setGeometry(9, 12, 110, 44);
    ownedCar_->setObjectName(QStringLiteral("mycar"));
    ownedCar_->setGeometry(124, 9, 100, 50);
    auto *colourCaption = headerLabel(QStringLiteral("Label41"), QStringLiteral("Цвет\nавтомобиля"), 16, true, content_);
    colourCaption->setGeometry(260, 12, 110, 44);
    // A choice among the six colours only: typed text has no picture.
    colours_->setObjectName(QStringLiteral("ComboBox3"));
    colours_->setEditable(false);
    colours_->addItems(ColourNames());
    colours_->setGeometry(374, 22, 130, 26);
    connect(colours_, &QComboBox::activated, this, &GarageView::colourChosen);
    auto *leave = new QPushButton(QStringLiteral("Выйти из гаража"), content_);
    leave->setObjectName(QStringLiteral("SpeedButton8"));
    leave->setGeometry(kContentWidth - 160, 20, 150, 30);
    connect(leave, &QPushButton::clicked, this, &GarageView::leaveClicked);
    auto *line = new QFrame(content_);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(9, 66, kContentWidth - 18, 4);
    price_ = headerLabel(QStringLiteral("Label42"), kCarPriceCaption, 24, true, content_);
    price_->setAlignment(Qt::AlignCenter);
    price_->setGeometry(0, 74, kContentWidth, 32);
    auto *warning = headerLabel(QStringLiteral("Label43"), QStringLiteral("Уменьшение количества очков уменьшает ваш уровень"),
                                16, false, content_);
    warning->setAlignment(Qt::AlignCenter);
    warning->setGeometry(0, 106, kContentWidth, 24);
    content_->resize(kContentWidth, 141);
}

void GarageView::BuildGarageCards()
{
    if (cardsBuilt())
        return;
    for (int n = 1; n <= kCarCount; ++n) {
        auto *card = new QFrame(content_);
        card->setObjectName(QStringLiteral("carp%1").arg(n));
        card->setGeometry(QRect(CardPosition(n), QSize(165, 97)));
        auto *name = headerLabel(QStringLiteral("carname%1").arg(n), QString(), 11, true, card);
        name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        name->setGeometry(0, 0, 165, 13);
        auto *picture = new QLabel(card);
        picture->setObjectName(QStringLiteral("car%1").arg(n));
        picture->setGeometry(31, 15, 100, 50);
        auto *buy = new ClickableLabel(QString(), card);
        buy->setObjectName(QStringLiteral("take%1").arg(n));
        buy->setGeometry(37, 70, 90, 28);
        buy->setScaledContents(true);
        connect(buy, &ClickableLabel::clicked, this, [this, n] { emit buyClicked(n); });
        card->show();
        cards_.append({name, picture, buy});
    }
    const QPoint last = CardPosition(kCarCount);
    content_->resize(kContentWidth, last.y() + 97 + 20);
}

void GarageView::OpenGarage(qint64 points, const QString &carId, const QString &ownedPicture)
{
    BuildGarageCards();
    price_->setText(kCarPriceCaption);
    const QString suffix = ColourSuffix(colour());
    for (int n = 1; n <= kCarCount; ++n) {
        const Card &card = cards_[n - 1];
        // A picture missing from the pack leaves its card without one.
        card.picture->setPixmap(cars_.picture(CarNames()[n - 1] + suffix));
        card.name->setText(CarDisplayName(CarNames()[n - 1]));
        setBuyButton(n, points >= kCarPrice);
    }
    showOwnedCar(carId, ownedPicture);
    show();
    raise();
}

void GarageView::showOwnedCar(const QString &carId, const QString &picture)
{
    ownedCar_->setPixmap(cars_.picture(picture));
    const int owned = int(CarNames().indexOf(carId)) + 1;
    if (owned > 0 && cardsBuilt())
        setBuyButton(owned, false);
}

void GarageView::setUsableButtons(const QList<bool> &usable)
{
    for (int n = 1; n <= std::min<int>(kCarCount, int(usable.size())); ++n)
        setBuyButton(n, usable[n - 1]);
}

void GarageView::setBuyButton(int card, bool usable)
{
    ClickableLabel *buy = cards_[card - 1].buy;
    buy->setPixmap(cars_.picture(BuyButtonPicture(usable)));
    buy->setProperty("usable", usable);
}

void GarageView::setColour(int colour)
{
    colours_->setCurrentIndex(std::clamp(colour, 0, int(ColourNames().size()) - 1));
}

int GarageView::colour() const
{
    return colours_->currentIndex();
}

void GarageView::scrollToTop()
{
    verticalScrollBar()->setValue(0);
}

void GarageView::scrollByNotches(int notches)
{
    // QScrollBar keeps the value within its range.
    verticalScrollBar()->setValue(verticalScrollBar()->value() - notches * kNotch);
}

void GarageView::wheelEvent(QWheelEvent *event)
{
    scrollByNotches(event->angleDelta().y() / 120);
    event->accept();
}

} // namespace tesmi
