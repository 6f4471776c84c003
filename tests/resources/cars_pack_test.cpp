// Every picture the program looks up by name must be there, at its size, and
// see-through where it is drawn over other widgets.
#include <QImage>
#include <QResource>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

struct Picture {
    QString path;
    QSize size;
    bool transparentCorners;
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << picture.path.toStdString();
}

const QStringList kCars = {
    "ЗАЗ_965", "Беларус_922", "Caterpillar_247B", "Volkswagen_Beetle", "Duesenberg_Speedster", "ВАЗ_2104",
    "Fiat_Strada", "Peugeot_Boxer", "Hummer_H3", "Daewoo_Matiz", "Ford_Focus_MK2", "Renault_Megane",
    "Toyota_Land_Cruiser", "Smart_Fortwo", "Volkswagen_Passat_B3", "Mitsubishi_Lancer_X", "BMW_X6",
    "Subaru_Tourer", "Citroen_Hypnos", "Audi_TT", "Lamborghini_MURCIELAGO", "Dodge_Viper", "Болид_F1",
    "Bugatti_Veyron", "Ferrari_FX_Concept", "Бэтмобиль", "Аэроглиссер", "SS1", "НЛО", "911_GT3_RS", "BMW_M6",
    "Bugatti_Galibier", "Chevrolet_EN_V", "Chevrolet_Orlando", "Danny_Chhang_Concept", "DeLorean_Time_Machine",
    "Ducati_848_2010", "Ferrari_250_Testa_Rossa", "Ferrari_Zobin", "Hennessey_Venom_GT1", "Honda_CBR_1000RR",
    "LM_Rally_Fighter", "Mercedes_Benz_SL_600", "Motorcity_Europe_MC1", "NBar", "Nissan_Round_Box",
    "Pagani_Zonda_R", "Parasailing", "Porsche_Cayenne_S", "Red_Eagle", "SSX", "Submarine", "Tumbler",
    "Volkswagen_Corrado", "ИХТИС", "Бэтпод", "Дракон", "ДУ49", "ЗИС155", "Инсекатор", "Каравелла", "Трамвай",
    "УАЗ_3151", "Retro", "Обгоняша", "Слоник",
};
const QStringList kColourSuffixes = {"_White", "_Black", "_Red", "_Blue", "_Green", "_Yellow"};

QString packPath(const QString& name)
{
    return QStringLiteral(":/cars/%1.png").arg(name);
}

QString builtinPath(const QString& name)
{
    return QStringLiteral(":/builtin/%1.png").arg(name);
}

std::vector<Picture> allPictures()
{
    const QSize vehicle(100, 50);
    std::vector<Picture> pictures;
    for (const QString& car : kCars)
        for (const QString& suffix : kColourSuffixes)
            pictures.push_back({packPath(car + suffix), vehicle, true});
    for (const char* holiday : {"NY", "TN", "8N", "Scottish"})
        pictures.push_back({packPath(holiday), vehicle, true});
    pictures.push_back({packPath("Take1"), {180, 56}, true});
    pictures.push_back({packPath("Take2"), {180, 56}, true});
    pictures.push_back({packPath("track"), {600, 24}, false});
    pictures.push_back({packPath("finish"), {40, 50}, true});
    pictures.push_back({packPath("logo"), {200, 200}, true});
    for (int lamp = 0; lamp <= 3; ++lamp)
        pictures.push_back({builtinPath(QStringLiteral("semafor%1").arg(lamp)), {24, 64}, true});
    pictures.push_back({builtinPath("level_fon"), {48, 48}, true});
    for (int step = 1; step <= 11; ++step)
        pictures.push_back({builtinPath(QStringLiteral("l%1").arg(step)), {48, 48}, true});
    for (const char* medal : {"i300", "i1000", "i2000", "i5000", "i10000", "i20000"})
        pictures.push_back({builtinPath(medal), {10, 10}, true});
    pictures.push_back({builtinPath("icon"), {64, 64}, true});
    return pictures;
}

class PictureTest : public testing::TestWithParam<Picture> {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(QResource::registerResource(QStringLiteral(CARS_PACK_PATH), "/cars")); }
    static void TearDownTestSuite() { QResource::unregisterResource(QStringLiteral(CARS_PACK_PATH), "/cars"); }
};

TEST_P(PictureTest, LoadsAtItsSize)
{
    const Picture& expected = GetParam();
    const QImage image(expected.path);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), expected.size);
    if (expected.transparentCorners) {
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << "corner " << corner.x() << "," << corner.y();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, PictureTest, testing::ValuesIn(allPictures()));

} // namespace
