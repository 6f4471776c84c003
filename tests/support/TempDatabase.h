#pragma once

#include "storage/Database.h"

#include "QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace tesmi::fakes {

// A real data.db in a fresh temporary directory.
class TempDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        db = Database::OpenDatabase(path());
    }
    QString path() const { return dir.filePath(QStringLiteral("data.db")); }

    QTemporaryDir dir;
    std::unique_ptr<Database> db;
};

} // namespace tesmi::fakes
