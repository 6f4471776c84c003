// A new user's first run: the message, the repository, Обычный installed from the
// dictionaries that ship with the program.
#include "XSession.h"

#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tesmi;
using namespace tesmi::e2e;

namespace {

// Rows list the bundled files in name order; every button starts enabled on a
// fresh database, and Tab moves from one row's button to the next.
int regularRow()
{
    const QStringList files = QDir(QStringLiteral(TESMI_DICTIONARIES)).entryList({"*.ttb"}, QDir::Files, QDir::Name);
    int row = 0;
    for (const QString &file : files) {
        if (file.startsWith('!'))
            continue;
        if (file == EncodeModeName(kRegularMode) + ".ttb")
            return row;
        ++row;
    }
    return -1;
}

TEST(RepositoryE2ETest, FirstRunInstallsRegularFromTheBundledDictionaries)
{
    const int row = regularRow();
    ASSERT_GE(row, 0) << "no bundled Обычный";
    ProgramRun run;
    run.start();
    const unsigned long main = run.waitForMainWindow();
    ASSERT_NE(main, 0u);
    const unsigned long firstRunMessage = run.waitForMessageBox();
    ASSERT_NE(firstRunMessage, 0u);
    XSession::instance().pressKey(firstRunMessage, "Return");

    const unsigned long repository = run.waitForRepository();
    ASSERT_NE(repository, 0u);
    for (int i = 0; i < row; ++i)
        XSession::instance().pressKey(repository, "Tab");
    XSession::instance().pressKey(repository, "space");

    const unsigned long installed = run.waitForMessageBox();
    ASSERT_NE(installed, 0u) << "no message after the installation";
    XSession::instance().pressKey(installed, "Return");
    ASSERT_TRUE(waitUntil([&] { return XSession::instance().windowsTitled("Репозиторий словарей").isEmpty(); }));
    ASSERT_TRUE(waitUntil([&] { return XSession::instance().windowsTitled("TesmiTrainer").size() == 1; }));
    XSession::instance().closeLikeUser(main);
    ASSERT_TRUE(run.finished());

    auto db = Database::OpenDatabase(run.file("data.db"));
    const QStringList texts = db->QueryColumn("SELECT text FROM " + EncodeModeName(kRegularMode));
    EXPECT_GT(texts.size(), 100);
    for (const QString &text : texts)
        EXPECT_GE(text.size(), 150) << text.toStdString();
    EXPECT_EQ(GetSetting(*db, "last"), kRegularMode);
    EXPECT_FALSE(QFile::exists(run.file(EncodeModeName(kRegularMode) + ".ttb"))) << "bundled files are not copied";
}

} // namespace
