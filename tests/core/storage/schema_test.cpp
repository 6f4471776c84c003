#include "storage/Schema.h"

#include "storage/ModeName.h"
#include "storage/Settings.h"

#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace tesmi;
using tesmi::fakes::TempDatabaseTest;

namespace {

class SchemaTest : public TempDatabaseTest {
protected:
    QStringList tables() { return db->QueryColumn("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"); }
    int rows(const QString &table) { return db->Query("SELECT count(*) FROM `" + table + "`").value().toInt(); }
};

TEST_F(SchemaTest, NewFileGetsServiceTablesAndTwoBuiltInModes)
{
    EXPECT_TRUE(EnsureSchema(*db));
    EXPECT_EQ(tables(), (QStringList{"AAABaaafaaaiaaapaabbaaajaaabaaapaaazaaaoaabeaaak", "AAAPaaabaabeaaazaaaoaabeaaak",
                                     "_AAABaaafaaaiaaapaabbaaajaaabaaapaaazaaaoaabeaaak",
                                     "_AAAPaaabaabeaaazaaaoaabeaaak", "_chat", "_error", "_settings"}));
    EXPECT_EQ(rows("_error"), 0);
    EXPECT_EQ(rows("_chat"), 1);
    EXPECT_EQ(rows(EncodeModeName("Обычный")), 2);
    EXPECT_EQ(rows(ResultsTableName("Обычный")), 0);
    EXPECT_EQ(rows(EncodeModeName("Безошибочный")), 1);
    EXPECT_EQ(rows(ResultsTableName("Безошибочный")), 0);
    EXPECT_EQ(rows("_settings"), 1);
}

TEST_F(SchemaTest, SecondCallCreatesNothingAndIsNoFirstRun)
{
    ASSERT_TRUE(EnsureSchema(*db));
    const QStringList before = db->QueryColumn("SELECT sql FROM sqlite_master ORDER BY name");
    EXPECT_FALSE(EnsureSchema(*db));
    EXPECT_EQ(db->QueryColumn("SELECT sql FROM sqlite_master ORDER BY name"), before);
    EXPECT_EQ(rows(EncodeModeName("Обычный")), 2);
    EXPECT_EQ(rows("_chat"), 1);
}

TEST_F(SchemaTest, BuiltInModeRowsHoldTheirSettings)
{
    EnsureSchema(*db);
    const QueryResult regular = db->Query("SELECT * FROM " + EncodeModeName("Обычный") + " ORDER BY id");
    EXPECT_EQ(regular.columns, BaseLayoutColumns());
    EXPECT_EQ(regular.rows.at(0),
              (QStringList{"1", "Это базовый текст, означающий, что нужно обновить текстовую базу!", "text", "text", "7",
                           "10", "10", "нет", "0", "1", "1", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(regular.rows.at(1).mid(0, 3),
              (QStringList{"2", "Это базовый текст, означающий, что нужно обновить текстовую базу!", ""}));
    EXPECT_EQ(GetModeSetting(*db, "Безошибочный", "text"), "фыва");
    EXPECT_EQ(GetModeSetting(*db, "Безошибочный", "textsize"), "10");
    EXPECT_EQ(db->Query("SELECT time, speed, errorr, date, error FROM _chat").rows.front(),
              (QStringList{"0", "0", "300", "600", "4"}));
}

TEST_F(SchemaTest, SettingsRowHoldsDefaults)
{
    EnsureSchema(*db);
    const QueryResult settings = db->Query("SELECT * FROM _settings");
    const QStringList expected{"1", "Новичок", "4", "ЗАЗ_965", "0", "Обычный", "0", "0", "0", "0",
                               "0", "0", "0", "0", "0", "0", "0", "0", "0", "0",
                               "7", "14", "1", "нет", "1", "1", "1", "0", "0", "4",
                               "0", "0", "0", ""};
    EXPECT_EQ(settings.rows.front(), expected);
    EXPECT_EQ(settings.columns.mid(0, 11), (QStringList{"id", "rangob", "colorcar", "carID", "level", "last", "top",
                                                        "left", "width", "height", "chk2"}));
    EXPECT_EQ(settings.columns.mid(31), (QStringList{"inet", "min", "login"}));
}

TEST_F(SchemaTest, OlderSettingsTableGainsMissingColumnsAndKeepsValues)
{
    db->Execute("CREATE TABLE _settings (id INTEGER PRIMARY KEY, rangob TEXT, level TEXT, last TEXT)");
    db->Execute("INSERT INTO _settings (rangob, level, last) VALUES ('Профи', '5000', 'Марафон')");
    EnsureSchema(*db);
    EXPECT_EQ(GetSetting(*db, "inet"), "0");
    EXPECT_EQ(GetSetting(*db, "min"), "0");
    EXPECT_EQ(GetSetting(*db, "login"), "");
    EXPECT_EQ(GetSetting(*db, "rangob"), "Профи");
    EXPECT_EQ(GetSetting(*db, "level"), "5000");
    EXPECT_EQ(GetSetting(*db, "last"), "Марафон");
}

TEST_F(SchemaTest, ExistingAddedColumnsKeepTheirValues)
{
    EnsureSchema(*db);
    SetSetting(*db, "min", "1");
    SetSetting(*db, "login", "racer_1");
    EnsureSchema(*db);
    EXPECT_EQ(GetSetting(*db, "min"), "1");
    EXPECT_EQ(GetSetting(*db, "login"), "racer_1");
}

} // namespace
