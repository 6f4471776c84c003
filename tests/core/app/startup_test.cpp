#include "app/Startup.h"

#include "app/AppPaths.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include "TempDatabase.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace tesmi;
using tesmi::fakes::TempDatabaseTest;

namespace {

TEST(DecimalSeparatorTest, OnlyACommaIsAccepted)
{
    EXPECT_TRUE(DecimalSeparatorAccepted(QLocale(QLocale::Russian, QLocale::Russia)));
    EXPECT_TRUE(DecimalSeparatorAccepted(QLocale(QLocale::German, QLocale::Germany)));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_FALSE(DecimalSeparatorAccepted(english));
    EXPECT_EQ(DecimalSeparatorMessage(english),
              "В системе стоит знак \".\" в качестве разделителя дробной части в числах.\r\nДля работы программы "
              "требуется разделитель \",\".");
}

class StartupSettingsTest : public TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }
};

TEST_F(StartupSettingsTest, ExitSettingsRoundTrip)
{
    EXPECT_EQ(LoadWindowPlacement(*db).width, 0);
    ExitSettings exit;
    exit.lastMode = "Безошибочный";
    exit.placement = {15, 30, 700, 1100, true};
    exit.carId = "НЛО";
    exit.carColour = 2;
    SaveExitSettings(*db, exit);
    const WindowPlacement p = LoadWindowPlacement(*db);
    EXPECT_EQ((std::array{p.top, p.left, p.height, p.width}), (std::array{15, 30, 700, 1100}));
    EXPECT_TRUE(p.collapsed);
    EXPECT_EQ(GetSetting(*db, "last"), "Безошибочный");
    EXPECT_EQ(GetSetting(*db, "carID"), "НЛО");
    EXPECT_EQ(GetSetting(*db, "colorcar"), "2");
    EXPECT_EQ(GetSetting(*db, "min"), "1");
}

TEST_F(StartupSettingsTest, DonationLinkHidesForThirtyDaysAfterCredit)
{
    const QDate credited(2026, 1, 31);
    EXPECT_TRUE(DonationLinkVisible(*db, credited)) << "no _donate table";
    db->Execute("CREATE TABLE _donate (id INTEGER PRIMARY KEY, date TEXT)");
    db->Execute("INSERT INTO _donate (date) VALUES (?)", {"31.01.2026"});
    EXPECT_FALSE(DonationLinkVisible(*db, credited));
    EXPECT_FALSE(DonationLinkVisible(*db, credited.addDays(30)));
    EXPECT_TRUE(DonationLinkVisible(*db, credited.addDays(31)));
    db->Execute("UPDATE _donate SET date = 'вчера'");
    EXPECT_TRUE(DonationLinkVisible(*db, credited));
}

TEST(AppPathsTest, DataLivesBesideProgramWhenWritable)
{
    QTemporaryDir dir;
    const AppPaths paths(dir.path());
    EXPECT_EQ(paths.databaseFile(), QDir(dir.path()).filePath("data.db"));
    EXPECT_EQ(paths.carsPack(), QDir(dir.path()).filePath("cars.dll"));
}

TEST(AppPathsTest, DataGoesToPerUserDirectoryWhenProgramDirectoryIsNotWritable)
{
    QStandardPaths::setTestModeEnabled(true);
    // /proc is not writable even for root.
    const AppPaths paths("/proc");
    EXPECT_EQ(paths.dataDir(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    EXPECT_EQ(paths.carsPack(), "/proc/cars.dll");
    EXPECT_TRUE(QDir(paths.dataDir()).exists());
}

} // namespace
