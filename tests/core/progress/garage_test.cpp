#include "progress/Garage.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

struct PurchaseCase {
    qint64 points;
    bool bought;
    qint64 left;
    int usableButtons;
};

std::ostream &operator<<(std::ostream &out, const PurchaseCase &c)
{
    return out << c.points;
}

class BuyCarTest : public ::testing::TestWithParam<PurchaseCase> {};

TEST_P(BuyCarTest, CostsTwentyThousandAndLocksTheOwnedCar)
{
    const PurchaseCase &c = GetParam();
    const Purchase purchase = BuyCar(29, c.points, "ЗАЗ_965");
    EXPECT_EQ(purchase.bought, c.bought);
    EXPECT_EQ(purchase.pointsLeft, c.left);
    EXPECT_EQ(purchase.carId, c.bought ? "НЛО" : "ЗАЗ_965");
    EXPECT_EQ(purchase.usableButtons.count(true), c.usableButtons);
    EXPECT_FALSE(purchase.usableButtons[c.bought ? 28 : 0]) << "the owned car cannot be bought";
}

INSTANTIATE_TEST_SUITE_P(Points, BuyCarTest,
                         ::testing::Values(PurchaseCase{19999, false, 19999, 0}, PurchaseCase{20000, true, 0, 0},
                                           PurchaseCase{45000, true, 25000, 65}));

TEST(BuyCarTest, OwnedCarAnswersAlreadyBought)
{
    const Purchase purchase = BuyCar(1, 50000, "ЗАЗ_965");
    EXPECT_TRUE(purchase.alreadyOwned);
    EXPECT_FALSE(purchase.bought);
    EXPECT_EQ(purchase.pointsLeft, 50000);
}

struct HolidayCase {
    QDate day;
    const char *picture;
};

std::ostream &operator<<(std::ostream &out, const HolidayCase &c)
{
    return out << c.day.toString("dd.MM.yyyy").toStdString();
}

class HolidayTest : public ::testing::TestWithParam<HolidayCase> {};

TEST_P(HolidayTest, ShowsHolidayVehicleOnItsDays)
{
    EXPECT_EQ(HolidayPicture(GetParam().day), QString::fromLatin1(GetParam().picture));
}

INSTANTIATE_TEST_SUITE_P(
    Days, HolidayTest,
    ::testing::Values(HolidayCase{{2027, 12, 31}, "NY"}, HolidayCase{{2013, 12, 31}, "NY"},
                      HolidayCase{{2028, 12, 31}, ""}, HolidayCase{{2012, 12, 31}, ""},
                      HolidayCase{{2020, 2, 23}, "TN"}, HolidayCase{{2020, 3, 8}, "8N"},
                      HolidayCase{{2015, 11, 5}, "Scottish"}, HolidayCase{{2015, 11, 6}, ""},
                      HolidayCase{{2014, 11, 6}, "Scottish"}, HolidayCase{{2016, 11, 6}, "Scottish"},
                      HolidayCase{{2016, 11, 5}, ""}, HolidayCase{{2026, 12, 11}, ""}));

TEST(GarageTest, OwnedPictureTakesColourSuffixOrHoliday)
{
    EXPECT_EQ(OwnedCarPicture("ЗАЗ_965", 4, {2026, 12, 11}), "ЗАЗ_965_Green");
    EXPECT_EQ(OwnedCarPicture("Трамвай", 0, {2026, 12, 31}), "NY");
    EXPECT_EQ(CarDisplayName("Toyota_Land_Cruiser"), "Toyota Land Cruiser");
    EXPECT_EQ(CarNames().size(), kCarCount);
}

TEST(GarageTest, CardsStandFourToARow)
{
    EXPECT_EQ(CardPosition(1), QPoint(9, 141));
    EXPECT_EQ(CardPosition(4), QPoint(549, 141));
    EXPECT_EQ(CardPosition(5), QPoint(9, 281));
    EXPECT_EQ(CardPosition(66), QPoint(189, 16 * 140 + 141));
}

} // namespace
