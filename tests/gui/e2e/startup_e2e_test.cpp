// The real program on a private X server, driven as a person would drive it.
#include "XSession.h"

#include "storage/Database.h"
#include "storage/Settings.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>

#include <gtest/gtest.h>

#include <ostream>

using namespace tesmi;
using namespace tesmi::e2e;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StartupE2ETest, FirstStartShowsMessageAndClosingSavesGeometry)
{
    ProgramRun run;
    run.start();
    const unsigned long main = run.waitForMainWindow();
    ASSERT_NE(main, 0u) << "no main window";
    EXPECT_EQ(XSession::instance().geometry(main).size(), QSize(1024, 650));

    const unsigned long firstRunMessage = run.waitForMessageBox();
    ASSERT_NE(firstRunMessage, 0u) << "no first-run message";
    XSession::instance().pressKey(firstRunMessage, QStringLiteral("Return"));
    const unsigned long repository = run.waitForRepository();
    ASSERT_NE(repository, 0u) << "the first run did not open the repository";
    XSession::instance().pressKey(repository, QStringLiteral("Escape"));
    ASSERT_TRUE(waitUntil([&] { return XSession::instance().windowsTitled("Репозиторий словарей").isEmpty(); }));
    ASSERT_TRUE(waitUntil([&] { return XSession::instance().windowsTitled("TesmiTrainer").size() == 1; }));

    XSession::instance().closeLikeUser(main);
    ASSERT_TRUE(run.finished());
    EXPECT_EQ(run.exitCode(), 0);

    auto db = Database::OpenDatabase(run.file("data.db"));
    EXPECT_EQ(GetSetting(*db, "width"), "1024");
    EXPECT_EQ(GetSetting(*db, "height"), "650");
    EXPECT_EQ(GetSetting(*db, "left"), "0");
    EXPECT_EQ(GetSetting(*db, "top"), "0");
    EXPECT_EQ(GetSetting(*db, "last"), "Обычный");
}

TEST(StartupE2ETest, SecondCopyEndsAtOnceWithoutWindow)
{
    ProgramRun first;
    first.start();
    const unsigned long main = first.waitForMainWindow();
    ASSERT_NE(main, 0u);
    const unsigned long firstRunMessage = first.waitForMessageBox();
    ASSERT_NE(firstRunMessage, 0u);
    XSession::instance().pressKey(firstRunMessage, "Return");
    const unsigned long repository = first.waitForRepository();
    ASSERT_NE(repository, 0u);
    XSession::instance().pressKey(repository, "Escape");
    ASSERT_TRUE(waitUntil([&] { return XSession::instance().windowsTitled("Репозиторий словарей").isEmpty(); }));

    // The second copy uses the same user's runtime folder and program folder.
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", XSession::instance().display());
    env.insert("LANG", "ru_RU.UTF-8");
    env.insert("LC_ALL", "ru_RU.UTF-8");
    env.insert("XDG_RUNTIME_DIR", first.runtimeDir());
    second.setProcessEnvironment(env);
    second.start(first.file("tesmitrainer"), {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    EXPECT_EQ(XSession::instance().windowsTitled("TesmiTrainer"), QList<unsigned long>{main});
    XSession::instance().closeLikeUser(main);
    EXPECT_TRUE(first.finished());
}

struct RefusalCase {
    const char *name;
    std::function<void(ProgramRun &)> prepare;
    const char *locale;
    std::function<void(ProgramRun &)> check;
};

std::ostream &operator<<(std::ostream &out, const RefusalCase &c)
{
    return out << c.name;
}

class RefusalE2ETest : public ::testing::TestWithParam<RefusalCase> {};

// Each refusal shows its message; confirming it ends the program with a failure
// status and no main window ever appears.
TEST_P(RefusalE2ETest, ShowsMessageAndEnds)
{
    const RefusalCase &c = GetParam();
    ProgramRun run;
    c.prepare(run);
    run.start(QString::fromLatin1(c.locale));
    const unsigned long message = run.waitForMessageBox();
    ASSERT_NE(message, 0u) << "no message";
    XSession::instance().pressKey(message, "Return");
    ASSERT_TRUE(run.finished());
    EXPECT_EQ(run.exitCode(), 1);
    c.check(run);
}

unsigned long robotWindow = 0;

const QByteArray kGarbage = QByteArray("this is not a database, just some bytes\n").repeated(100);

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalE2ETest,
    ::testing::Values(
        RefusalCase{"wrong_separator", [](ProgramRun &) {}, "en_US.UTF-8",
                    [](ProgramRun &run) { EXPECT_FALSE(QFile::exists(run.file("data.db"))); }},
        RefusalCase{"missing_cars_pack", [](ProgramRun &run) { QFile::remove(run.file("cars.dll")); }, "ru_RU.UTF-8",
                    [](ProgramRun &) {}},
        RefusalCase{"garbage_database",
                    [](ProgramRun &run) {
                        QFile file(run.file("data.db"));
                        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                        file.write(kGarbage);
                    },
                    "ru_RU.UTF-8", [](ProgramRun &run) { EXPECT_EQ(readFile(run.file("data.db")), kGarbage); }},
        RefusalCase{"typing_robot",
                    [](ProgramRun &) { robotWindow = XSession::instance().createWindow("SuperTypeRacer!"); },
                    "ru_RU.UTF-8",
                    [](ProgramRun &run) {
                        XSession::instance().destroyWindow(robotWindow);
                        EXPECT_FALSE(QFile::exists(run.file("data.db")));
                    }}),
    [](const ::testing::TestParamInfo<RefusalCase> &info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
