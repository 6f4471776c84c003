#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

const QString kName = QStringLiteral("SVOFF-test-%1").arg(QCoreApplication::applicationPid());

TEST(SingleInstanceTest, SecondHolderIsRefusedUntilTheFirstGoesAway)
{
    {
        SingleInstance first(kName);
        ASSERT_TRUE(first.acquire());
        EXPECT_TRUE(first.acquire()) << "asking again keeps the lock";
        SingleInstance second(kName);
        EXPECT_FALSE(second.acquire());
    }
    SingleInstance third(kName);
    EXPECT_TRUE(third.acquire());
    QFile::remove(QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)).filePath(kName + ".lock"));
}

} // namespace
