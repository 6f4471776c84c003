#include "stats/StatisticsExport.h"

#include "storage/Schema.h"

#include "ModeFixture.h"
#include "TempDatabase.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

class StatisticsExportTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }
};

const QByteArray kHeader = QByteArray::fromHex(
    // "Номер;Дата;Время заезда;Скорость;Ошибки;Процент ошибок" in Windows-1251
    "cdeeece5f03bc4e0f2e03bc2f0e5ecff20e7e0e5e7e4e03bd1eaeef0eef1f2fc3bcef8e8e1eae83bcff0eef6e5edf220eef8"
    "e8e1eeea");

TEST_F(StatisticsExportTest, EmptyModeGivesHeaderLineAlone)
{
    EXPECT_EQ(StatisticsExportBytes(*db, "Обычный"), kHeader + "\r\n");
}

TEST_F(StatisticsExportTest, RowsAreNumberedInStoredOrderWithCrLf)
{
    db->Execute("INSERT INTO _AAAPaaabaabeaaazaaaoaabeaaak (time, speed, errorr, date, error) VALUES "
                "('42', '356', '0,412', '27.11.2011 15:16:21', '1'), ('60', '300', '0,000', '28.11.2011 9:05:03', '0')");
    EXPECT_EQ(StatisticsExportBytes(*db, "Обычный"),
              kHeader + "\r\n1;27.11.2011 15:16:21;42;356;1;0,412\r\n2;28.11.2011 9:05:03;60;300;0;0,000\r\n");
}

TEST_F(StatisticsExportTest, FileIsReplacedWhole)
{
    const QString path = dir.filePath("stats.csv");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    ExportStatistics(*db, "Обычный", path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kHeader + "\r\n");
    EXPECT_THROW(ExportStatistics(*db, "Обычный", dir.filePath("no/such/folder/stats.csv")), std::runtime_error);
}

} // namespace
