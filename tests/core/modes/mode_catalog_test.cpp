#include "modes/ModeCatalog.h"

#include "ModeFixture.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

class ModeCatalogTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }

    QStringList captions()
    {
        QStringList result;
        for (const ModeEntry &entry : FillModeList(*db))
            result << entry.caption();
        return result;
    }
};

TEST_F(ModeCatalogTest, ListsModesByResultCountHighestFirst)
{
    fakes::addMode(*db, {"A"});
    fakes::addMode(*db, {"Короткие тексты"});
    fakes::addResults(*db, "A", 5);
    fakes::addResults(*db, "Короткие тексты", 12);
    fakes::addResults(*db, "Безошибочный", 1);
    EXPECT_EQ(captions(), (QStringList{"Короткие тексты (12)", "A (5)", "Безошибочный (1)", "Обычный (0)"}));
}

TEST_F(ModeCatalogTest, ServiceTablesAreNoModes)
{
    db->Execute("CREATE TABLE _AZ (id INTEGER PRIMARY KEY, text TEXT)");
    db->Execute("CREATE TABLE _donate (id INTEGER PRIMARY KEY, date TEXT)");
    QStringList modes = captions();
    modes.sort();
    EXPECT_EQ(modes, (QStringList{"Безошибочный (0)", "Обычный (0)"}));
}

TEST_F(ModeCatalogTest, ModeWithoutResultsTableCountsNoResults)
{
    fakes::addMode(*db, {"Сирота"});
    db->Execute("DROP TABLE " + ResultsTableName("Сирота"));
    EXPECT_TRUE(captions().contains("Сирота (0)"));
}

} // namespace
