#include "online/RepositoryWindow.h"

#include "app/MainWindow.h"
#include "app/SplashWindow.h"
#include "online/ServiceAccess.h"
#include "storage/ModeName.h"
#include "storage/Settings.h"

#include "FtpServer.h"
#include "GuiFixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace tesmi;
using namespace tesmi::fakes;

namespace {

const QString kRegularFile = EncodeModeName(kRegularMode) + ".ttb";

QByteArray dictionary(const QString &table, const QStringList &texts,
                      const QString &last = QStringLiteral("INSERT INTO %1 (type, subtype) VALUES ('text', 'text')"))
{
    QStringList lines{"", "", "DROP TABLE IF EXISTS " + table,
                      "CREATE TABLE " + table + " (id INTEGER PRIMARY KEY, text TEXT, type TEXT, subtype TEXT)",
                      QString(last).replace("%1", table)};
    return ((lines + texts).join("\r\n") + "\r\n").toUtf8();
}

class RepositoryWindowTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        QDir(dir.path()).mkdir("dictionaries");
        bundle("AAAAaaab.ttb", dictionary("AAAAaaab", {"раз", "два"}));
        bundle("!AAAAaaab.ttb", dictionary("AAAAaaab", {"глава"}));
        bundle(kRegularFile, dictionary(EncodeModeName(kRegularMode), {"один", "два", "три", "четыре"}));
        bundle("notes.TTB", "not listed");
    }

    void bundle(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath("dictionaries/" + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void configureServer(int port)
    {
        QFile ini(paths->serversIni());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[ftp1]\nhost=127.0.0.1\nport=%1\nuser=%2\npassword=%3\n")
                      .arg(port)
                      .arg(FtpServer::user(), FtpServer::password())
                      .toUtf8());
    }

    static QString text(QWidget *window, const QString &name)
    {
        auto *label = child<QLabel>(window, name);
        return label ? label->text() : QString();
    }
};

TEST_F(RepositoryWindowTest, RowsShowBundledFilesInTheirBoxesWithStates)
{
    RepositoryWindow window(*context);
    window.ShowRepository();
    window.show();
    // Dictionaries in name order: Аб, then Обычный; the book in its own box.
    EXPECT_EQ(text(&window, "slovar0"), RepositorySizeText("Аб", dictionary("AAAAaaab", {"раз", "два"}).size()));
    EXPECT_EQ(text(&window, "status0"), "Доступен");
    EXPECT_EQ(child<QPushButton>(&window, "button0")->text(), "Установить");
    EXPECT_TRUE(text(&window, "slovar1").startsWith("Обычный ("));
    EXPECT_EQ(text(&window, "status1"), "Нужно обновить");
    EXPECT_EQ(child<QPushButton>(&window, "button1")->text(), "Обновить");
    EXPECT_EQ(window.findChild<QLabel *>("slovar2"), nullptr);
    EXPECT_TRUE(text(&window, "bslovar0").startsWith("Аб ("));
    EXPECT_EQ(text(&window, "bstatus0"), "Доступен");
    EXPECT_EQ(window.findChild<QLabel *>("serverStatus")->text(), QString()) << "no server configured, nothing to say";

    EXPECT_EQ(child<QWidget>(&window, "status1")->geometry(), QRect(252, 18, 108, 18));
    EXPECT_EQ(child<QWidget>(&window, "button1")->geometry(), QRect(372, 19, 98, 16));
    EXPECT_EQ(child<QWidget>(&window, "iB1" "1")->geometry().topLeft(), QPoint(250, 18));
    EXPECT_EQ(child<QWidget>(&window, "iB2" "1")->geometry().topLeft(), QPoint(360, 18));
    EXPECT_EQ(child<QWidget>(&window, "bB1" "0")->geometry().topLeft(), QPoint(250, 0));
    for (const char *name : {"Bev0", "bBev0", "bB2" "0", "bbutton0"})
        child<QWidget>(&window, name);
    saveScreenshot(window, "repository_window");
}

TEST_F(RepositoryWindowTest, InstallingABundledFileKeepsItAndClosesTheWindow)
{
    RepositoryWindow window(*context);
    QSignalSpy installed(&window, &RepositoryWindow::dictionaryInstalled);
    QTimer::singleShot(0, [&] { QTest::mouseClick(child<QPushButton>(&window, "button1"), Qt::LeftButton); });
    window.exec();
    EXPECT_EQ(fake.prompts.messages, QStringList{"Словарь \"Обычный\" успешно переустановлен"});
    EXPECT_EQ(installed.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(db->Query("SELECT count(*) FROM " + EncodeModeName(kRegularMode)).value(), "4");
    EXPECT_TRUE(QFile::exists(dir.filePath("dictionaries/" + kRegularFile)));

    window.ShowRepository();
    EXPECT_EQ(text(&window, "status1"), "Установлен");
    EXPECT_EQ(child<QPushButton>(&window, "button1")->text(), "Переустановить");
}

TEST_F(RepositoryWindowTest, RefusedFileShowsWhyAndKeepsTheWindowOpen)
{
    bundle("AAAAaaab.ttb", dictionary("AAAAaaab", {"раз"}, "DROP TABLE _settings"));
    RepositoryWindow window(*context);
    QSignalSpy installed(&window, &RepositoryWindow::dictionaryInstalled);
    window.ShowRepository();
    window.show();
    QTest::mouseClick(child<QPushButton>(&window, "button0"), Qt::LeftButton);
    ASSERT_EQ(fake.prompts.messages.size(), 1);
    EXPECT_TRUE(fake.prompts.messages[0].contains("DROP TABLE _settings")) << fake.prompts.messages[0].toStdString();
    EXPECT_EQ(installed.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(child<QWidget>(&window, "RzPanel1")->isVisible());
    EXPECT_TRUE(db->TableExists("_settings"));
    EXPECT_EQ(text(&window, "status0"), "Доступен");
}

TEST_F(RepositoryWindowTest, ServerFilesAreListedDownloadedInstalledAndRemoved)
{
    FtpServer server;
    server.put("AAAAaaab.ttb", dictionary("AAAAaaab", {"с сервера", "второй", "третий"}));
    server.put("AAAAaaac.ttb", dictionary("AAAAaaac", {"ав"}));
    server.put("readme.txt", "not listed");
    configureServer(server.port);
    RepositoryWindow window(*context);
    QSignalSpy installed(&window, &RepositoryWindow::dictionaryInstalled);
    window.ShowRepository();
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChild<QLabel *>("slovar2") != nullptr; }, 15000));
    // The server's files first, then the bundled ones it lacks; its Аб wins.
    EXPECT_EQ(text(&window, "slovar0"), RepositorySizeText("Аб", dictionary("AAAAaaab", {"с сервера", "второй", "третий"}).size()));
    EXPECT_EQ(text(&window, "slovar1"), RepositorySizeText("Ав", dictionary("AAAAaaac", {"ав"}).size()));
    EXPECT_TRUE(text(&window, "slovar2").startsWith("Обычный"));
    saveScreenshot(window, "repository_window_server");

    QTest::mouseClick(child<QPushButton>(&window, "button0"), Qt::LeftButton);
    EXPECT_TRUE(child<QWidget>(&window, "RzPanel1")->isVisible());
    saveScreenshot(window, "repository_window_progress");
    ASSERT_TRUE(installed.wait(15000));
    EXPECT_EQ(fake.prompts.messages, QStringList{"Словарь \"Аб\" успешно переустановлен"});
    EXPECT_EQ(db->QueryColumn("SELECT text FROM AAAAaaab"), (QStringList{"с сервера", "второй", "третий"}));
    EXPECT_FALSE(QFile::exists(ReplyFilePath(*paths, "AAAAaaab.ttb")));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(RepositoryWindowTest, BrokenDownloadShowsTheReasonAndLeavesNothingBehind)
{
    FtpServer server(256 * 1024);
    server.put("AAAAaaac.ttb", QByteArray(8 * 1024 * 1024, 'x'));
    configureServer(server.port);
    RepositoryWindow window(*context);
    QSignalSpy installed(&window, &RepositoryWindow::dictionaryInstalled);
    window.ShowRepository();
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return text(&window, "slovar0").startsWith("Ав"); }, 15000));
    QTest::mouseClick(child<QPushButton>(&window, "button0"), Qt::LeftButton);
    auto *bar = child<QProgressBar>(&window, "ProgressBar1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->value() > 0; }, 15000));
    EXPECT_EQ(bar->maximum(), 8 * 1024);
    window.reject();
    EXPECT_TRUE(window.isVisible()) << "a download in flight keeps the window";
    server.stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fake.prompts.messages.isEmpty(); }, 15000));
    EXPECT_FALSE(child<QWidget>(&window, "RzPanel1")->isVisible());
    EXPECT_EQ(installed.count(), 0);
    EXPECT_FALSE(db->TableExists("AAAAaaac"));
    EXPECT_FALSE(QFile::exists(ReplyFilePath(*paths, "AAAAaaac.ttb")));
}

TEST_F(RepositoryWindowTest, UnreachableServerStillListsBundledFilesWithOneQuietLine)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const int port = closed.serverPort();
    closed.close();
    configureServer(port);
    RepositoryWindow window(*context);
    window.ShowRepository();
    auto *status = child<QLabel>(&window, "serverStatus");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !status->text().isEmpty(); }, 15000));
    saveScreenshot(window, "repository_window_no_server");
    EXPECT_TRUE(fake.prompts.messages.isEmpty());
    EXPECT_TRUE(text(&window, "slovar0").startsWith("Аб ("));
}

class RepositoryOpeningTest : public RepositoryWindowTest {
protected:
    // Not a first run: the first-run step would open the repository by itself.
    std::unique_ptr<MainWindow> mainWindow()
    {
        firstRun = false;
        return startMainWindow();
    }
};

TEST_F(RepositoryOpeningTest, F3AndTheButtonOpenItUnlessAccessIsSwitchedOff)
{
    auto window = mainWindow();
    auto *button = child<QToolButton>(window.get(), "SpeedButton10");
    EXPECT_EQ(button->toolTip(), "Репозиторий словарей (F3)");
    int shown = 0;
    const auto closeWhenShown = [&] {
        QTimer::singleShot(0, [&] {
            auto *repository = window->findChild<QDialog *>("Form19");
            if (repository && repository->isVisible()) {
                ++shown;
                repository->reject();
            }
        });
    };
    const auto pressF3 = [&] {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), Qt::Key_F3);
    };
    closeWhenShown();
    pressF3();
    closeWhenShown();
    button->click();
    EXPECT_EQ(shown, 2);

    SetSetting(*db, "inet", "1");
    pressF3();
    EXPECT_EQ(fake.prompts.messages, QStringList{"Доступ программы в Интернет ограничен в настройках профиля!"});
    EXPECT_EQ(shown, 2);
}

TEST_F(RepositoryOpeningTest, InstallingReturnsToRegularWithItsText)
{
    auto window = mainWindow();
    QTimer::singleShot(0, [&] {
        auto *repository = window->findChild<QDialog *>("Form19");
        QTest::mouseClick(child<QPushButton>(repository, "button1"), Qt::LeftButton);
    });
    window->openRepository();
    EXPECT_EQ(child<QLabel>(window.get(), "Label39")->text(), kRegularMode);
}

} // namespace
