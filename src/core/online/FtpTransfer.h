#pragma once

#include "online/FtpClient.h"

#include <QObject>

#include <memory>

class QThread;

namespace tesmi {

// Runs one FTP operation at a time on a worker thread, so that the window that
// asked stays responsive; results come back as signals on the asking thread.
class FtpTransfer : public QObject {
    Q_OBJECT
public:
    explicit FtpTransfer(FtpAccount account, int idleSeconds = 30, QObject *parent = nullptr);
    // Cancels a running operation and waits for its thread.
    ~FtpTransfer() override;

    // From a start until its result signal; a start while busy is ignored.
    bool busy() const;
    void startListing();
    void startDownload(const QString &name, const QString &target);

signals:
    // `error` is empty on success.
    void listed(const QList<tesmi::RemoteFileInfo> &files, const QString &error);
    void progress(qint64 received, qint64 total);
    void downloaded(const QString &error);

private:
    void start(std::function<void()> work);

    std::unique_ptr<FtpClient> client_;
    QThread *worker_ = nullptr;
    bool running_ = false; // from a start until its result is delivered
};

} // namespace tesmi
