#include "storage/Settings.h"

#include "storage/Database.h"
#include "storage/Schema.h"

#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace tesmi;
using tesmi::fakes::TempDatabaseTest;

namespace {

class SettingsTest : public TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }
};

TEST_F(SettingsTest, GlobalSettingRoundTripsAnyText)
{
    for (const QString &value : {QString("обычный"), QString("\"'); DROP TABLE _settings; --"), QString("a\\b"),
                                 QString("🚗 машина"), QString()}) {
        SetSetting(*db, "last", value);
        EXPECT_EQ(GetSetting(*db, "last"), value);
    }
    EXPECT_TRUE(db->TableExists("_settings"));
}

TEST_F(SettingsTest, GlobalAccessorsFailForMissingColumn)
{
    EXPECT_THROW(GetSetting(*db, "nosuch"), DatabaseError);
    EXPECT_THROW(SetSetting(*db, "nosuch", "1"), DatabaseError);
}

TEST_F(SettingsTest, ReaderFailsWithoutRowOne)
{
    db->Execute("DELETE FROM _settings");
    EXPECT_THROW(GetSetting(*db, "last"), DatabaseError);
}

TEST_F(SettingsTest, ModeSettingsWriteUpToFourPairsSkippingEmptyNames)
{
    SetModeSettings(*db, "Обычный", {{"textsize", "20"}, {"", "ignored"}, {"lighting", "слово"}, {"doezd", "1"}});
    EXPECT_EQ(GetModeSetting(*db, "Обычный", "textsize"), "20");
    EXPECT_EQ(GetModeSetting(*db, "Обычный", "lighting"), "слово");
    EXPECT_EQ(GetModeSetting(*db, "Обычный", "doezd"), "1");
    EXPECT_EQ(GetModeSetting(*db, "Безошибочный", "textsize"), "10") << "another mode is untouched";
}

TEST_F(SettingsTest, ModeSettingsSwallowFailuresAndChangeNothing)
{
    const QStringList before = db->Query("SELECT * FROM " + QString("AAAPaaabaabeaaazaaaoaabeaaak")).rows.front();
    // The valid pair is not written either: one update, all or nothing.
    SetModeSettings(*db, "Обычный", {{"textsize", "33"}, {"book_poz", "5"}});
    SetModeSettings(*db, "Нет такого", {{"textsize", "33"}});
    EXPECT_EQ(db->Query("SELECT * FROM AAAPaaabaabeaaazaaaoaabeaaak").rows.front(), before);
    EXPECT_THROW(GetModeSetting(*db, "Обычный", "book_poz"), DatabaseError);
    EXPECT_THROW(GetModeSetting(*db, "Нет такого", "text"), DatabaseError);
}

TEST_F(SettingsTest, ChatGeometryIsReachedUnderItsOwnName)
{
    EXPECT_EQ(GetModeSetting(*db, "_chat", "errorr"), "300");
    SetModeSettings(*db, "_chat", {{"time", "120"}, {"speed", "40"}});
    EXPECT_EQ(GetModeSetting(*db, "_chat", "time"), "120");
}

TEST_F(SettingsTest, ColumnNamesCannotInjectSql)
{
    EXPECT_THROW(GetSetting(*db, "last FROM _settings; DROP TABLE _settings; --"), DatabaseError);
    SetModeSettings(*db, "Обычный", {{"text = 'x' --", "y"}});
    EXPECT_TRUE(db->TableExists("_settings"));
    EXPECT_NE(GetModeSetting(*db, "Обычный", "text"), "x");
}

} // namespace
