#pragma once

#include "online/ServiceAccess.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace tesmi::fakes {

// A real FTP server (pyftpdlib) on a free loopback port, serving a temporary
// folder; it ends with the object.
class FtpServer {
public:
    // `bytesPerSecond` 0 serves at full speed.
    explicit FtpServer(int bytesPerSecond = 0)
    {
        QStringList arguments{QStringLiteral(TESMI_FTP_SERVER_SCRIPT), folder.path(), user(), password()};
        if (bytesPerSecond > 0)
            arguments << QString::number(bytesPerSecond);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(TESMI_PYTHON), arguments);
        if (process.waitForReadyRead(15000))
            port = process.readLine().trimmed().toInt();
        EXPECT_GT(port, 0) << "the FTP server did not start";
    }
    ~FtpServer() { stop(); }

    static QString user() { return QStringLiteral("reader"); }
    static QString password() { return QStringLiteral("secret-of-24-characters!"); }

    FtpAccount account() const { return {QStringLiteral("127.0.0.1"), port, user(), password()}; }

    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.kill();
        process.waitForFinished(5000);
    }
    // Freezes the server without closing its connections.
    void pause() { ::kill(pid_t(process.processId()), SIGSTOP); }
    void resume() { ::kill(pid_t(process.processId()), SIGCONT); }

    QTemporaryDir folder;
    QProcess process;
    int port = 0;
};

} // namespace tesmi::fakes
