#include "online/FtpClient.h"
#include "online/FtpTransfer.h"
#include "online/Repository.h"

#include "storage/Schema.h"

#include "FtpServer.h"
#include "TempDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>

#include <gtest/gtest.h>

using namespace tesmi;
using namespace tesmi::fakes;

namespace {

QByteArray dictionary(const QString &table, int texts)
{
    QStringList lines{"", "", "DROP TABLE IF EXISTS " + table,
                      "CREATE TABLE " + table + " (id INTEGER PRIMARY KEY, text TEXT, type TEXT, subtype TEXT)",
                      "INSERT INTO " + table + " (type, subtype) VALUES ('text', 'text')"};
    for (int i = 0; i < texts; ++i)
        lines << QStringLiteral("Текст номер %1, достаточно длинный для набора.").arg(i);
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(FtpClientTest, ListsPlainFilesWithTheirSizes)
{
    FtpServer server;
    server.put("AAAAaaab.ttb", QByteArray(104857, 'x'));
    server.put("!AAAAaaab.ttb", "book");
    server.put("notes.txt", "n");
    QDir(server.folder.path()).mkdir("folder.ttb");
    FtpClient client(server.account());
    QMap<QString, qint64> listed;
    for (const RemoteFileInfo &file : client.listFiles())
        listed[file.name] = file.size;
    EXPECT_EQ(listed, (QMap<QString, qint64>{{"AAAAaaab.ttb", 104857}, {"!AAAAaaab.ttb", 4}, {"notes.txt", 1}}));
    EXPECT_EQ(client.fileSize("AAAAaaab.ttb"), 104857);
}

TEST(FtpClientTest, DownloadReportsGrowingProgressUpToTheSize)
{
    FtpServer server;
    const QByteArray bytes = dictionary("AAAAaaab", 5000);
    server.put("AAAAaaab.ttb", bytes);
    QTemporaryDir target;
    const QString path = target.filePath("AAAAaaab.ttb");
    QFile stale(path);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(QByteArray(bytes.size() * 2, 'z')); // replaced, not appended to
    stale.close();

    QList<std::pair<qint64, qint64>> steps;
    FtpClient(server.account()).download("AAAAaaab.ttb", path, [&](qint64 received, qint64 total) {
        steps.append({received, total});
    });
    EXPECT_EQ(readFile(path), bytes);
    ASSERT_FALSE(steps.isEmpty());
    EXPECT_EQ(steps.last(), std::make_pair(qint64(bytes.size()), qint64(bytes.size())));
    for (qsizetype i = 1; i < steps.size(); ++i)
        EXPECT_GT(steps[i].first, steps[i - 1].first);
}

TEST(FtpClientTest, ServerStoppingMidTransferFailsAndLeavesNoFile)
{
    FtpServer server(64 * 1024);
    server.put("AAAAaaab.ttb", QByteArray(2 * 1024 * 1024, 'x'));
    QTemporaryDir target;
    const QString path = target.filePath("AAAAaaab.ttb");
    qint64 receivedWhenStopped = 0;
    EXPECT_THROW(FtpClient(server.account()).download("AAAAaaab.ttb", path,
                                                      [&](qint64 received, qint64) {
                                                          if (received > 0 && receivedWhenStopped == 0) {
                                                              receivedWhenStopped = received;
                                                              server.stop();
                                                          }
                                                      }),
                 FtpError);
    EXPECT_GT(receivedWhenStopped, 0);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(FtpClientTest, SilentServerIsAbandonedAfterTheIdleTime)
{
    // The throttle sends in bursts well inside the idle time.
    FtpServer server(512 * 1024);
    server.put("AAAAaaab.ttb", QByteArray(16 * 1024 * 1024, 'x'));
    QTemporaryDir target;
    bool paused = false;
    EXPECT_THROW(FtpClient(server.account(), 2)
                     .download("AAAAaaab.ttb", target.filePath("AAAAaaab.ttb"),
                               [&](qint64 received, qint64) {
                                   if (received > 0 && !paused) {
                                       paused = true;
                                       server.pause();
                                   }
                               }),
                 FtpError);
    EXPECT_TRUE(paused);
}

TEST(FtpClientTest, NoServerFailsWithADescription)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const int port = closed.serverPort();
    closed.close();
    try {
        FtpClient({"127.0.0.1", port, "reader", "x"}).listFiles();
        FAIL() << "listed without a server";
    } catch (const FtpError &error) {
        EXPECT_FALSE(QString::fromUtf8(error.what()).isEmpty());
    }
}

class FtpTransferTest : public TempDatabaseTest {};

// The window's road: list, download in the background with progress, install,
// all without blocking the thread that asked.
TEST_F(FtpTransferTest, ListsDownloadsAndInstallsInTheBackground)
{
    EnsureSchema(*db);
    FtpServer server;
    server.put("AAAAaaab.ttb", dictionary("AAAAaaab", 3000));
    FtpTransfer transfer(server.account());

    QSignalSpy listed(&transfer, &FtpTransfer::listed);
    transfer.startListing();
    ASSERT_TRUE(listed.wait(15000));
    EXPECT_EQ(listed.at(0).at(1).toString(), QString());
    const auto files = listed.at(0).at(0).value<QList<RemoteFileInfo>>();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files[0].name, "AAAAaaab.ttb");

    QSignalSpy progress(&transfer, &FtpTransfer::progress);
    QSignalSpy downloaded(&transfer, &FtpTransfer::downloaded);
    const QString path = dir.filePath("AAAAaaab.ttb");
    transfer.startDownload("AAAAaaab.ttb", path);
    EXPECT_TRUE(transfer.busy());
    ASSERT_TRUE(downloaded.wait(15000));
    EXPECT_EQ(downloaded.at(0).at(0).toString(), QString());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).toLongLong(), files[0].size);
    EXPECT_EQ(progress.last().at(1).toLongLong(), files[0].size);

    EXPECT_EQ(InstallDictionary(*db, path, "AAAAaaab.ttb"), "Словарь \"Аб\" успешно переустановлен");
    EXPECT_EQ(db->Query("SELECT count(*) FROM AAAAaaab").value(), "3000");
}

TEST_F(FtpTransferTest, UnreachableServerReportsAnError)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const int port = closed.serverPort();
    closed.close();
    FtpTransfer transfer({"127.0.0.1", port, "reader", "x"});
    QSignalSpy listed(&transfer, &FtpTransfer::listed);
    transfer.startListing();
    ASSERT_TRUE(listed.wait(15000));
    EXPECT_FALSE(listed.at(0).at(1).toString().isEmpty());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
