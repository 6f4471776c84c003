#include "progress/Points.h"

#include "storage/Schema.h"
#include "storage/Settings.h"

#include "TempDatabase.h"

using namespace tesmi;

namespace {

class PointsTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }
};

TEST_F(PointsTest, StoredDoubled)
{
    SetSetting(*db, "level", "10");
    AddPoints(*db, 150);
    EXPECT_EQ(GetSetting(*db, "level"), "310");
    EXPECT_EQ(CurrentPoints(*db), 155);
    SpendPoints(*db, 155);
    EXPECT_EQ(GetSetting(*db, "level"), "0");
}

TEST_F(PointsTest, OddStoredValueTruncatesTowardZero)
{
    SetSetting(*db, "level", "7");
    EXPECT_EQ(CurrentPoints(*db), 3);
    SetSetting(*db, "level", "-7");
    EXPECT_EQ(CurrentPoints(*db), -3);
}

} // namespace
