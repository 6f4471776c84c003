#pragma once

#include "online/ServiceAccess.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <stdexcept>

typedef void CURL;

namespace tesmi {

// A failed FTP operation; the text is libcurl's description of the failure.
class FtpError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct RemoteFileInfo {
    QString name;
    qint64 size = 0;
};

// Blocking FTP operations in passive mode on one account's home folder. Works
// on whatever thread calls it; touches neither windows nor the database. An
// operation that receives nothing for `idleSeconds` is abandoned.
class FtpClient {
public:
    explicit FtpClient(FtpAccount account, int idleSeconds = 30);
    ~FtpClient();
    FtpClient(const FtpClient &) = delete;
    FtpClient &operator=(const FtpClient &) = delete;

    // The plain files of the folder with their sizes (MLSD).
    QList<RemoteFileInfo> listFiles();
    qint64 fileSize(const QString &name);
    // Writes the file to `target`, replacing it; reports the bytes received and
    // the transfer's size (the size query's when the transfer announces none).
    // A failed download leaves no file behind.
    using Progress = std::function<void(qint64 received, qint64 total)>;
    void download(const QString &name, const QString &target, const Progress &progress);

    // Makes a running operation fail soon; callable from any thread.
    void cancel() { cancelled_ = true; }

private:
    void prepare(const QString &name);
    void perform();

    FtpAccount account_;
    int idleSeconds_;
    CURL *curl_;
    char errorText_[256] = {};
    std::atomic<bool> cancelled_{false};
};

} // namespace tesmi
