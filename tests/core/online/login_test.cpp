#include "online/Login.h"

#include "storage/Schema.h"

#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

TEST(LoginTest, AcceptsLatinDigitsUnderscoreOfThreeToNineteen)
{
    for (const char *good : {"abc", "Kwentorbal", "racer_2010", "A234567890123456789", "___"})
        EXPECT_TRUE(IsValidLogin(good)) << good;
    for (const char *bad : {"ab", "A2345678901234567890", "гонщик", "with space", "semi;colon", "", "a-b", "abc\n"})
        EXPECT_FALSE(IsValidLogin(bad)) << bad;
}

class LoginStoreTest : public tesmi::fakes::TempDatabaseTest {};

TEST_F(LoginStoreTest, EmptyUntilStored)
{
    EnsureSchema(*db);
    EXPECT_EQ(UserLogin(*db), "");
    StoreLogin(*db, "racer_1");
    EXPECT_EQ(UserLogin(*db), "racer_1");
}

} // namespace
