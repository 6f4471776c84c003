#include "online/FtpTransfer.h"

#include <QThread>

namespace tesmi {

FtpTransfer::FtpTransfer(FtpAccount account, int idleSeconds, QObject *parent)
    : QObject(parent), client_(std::make_unique<FtpClient>(std::move(account), idleSeconds))
{
}

FtpTransfer::~FtpTransfer()
{
    if (worker_) {
        client_->cancel();
        worker_->wait();
        delete worker_;
    }
}

bool FtpTransfer::busy() const
{
    return running_;
}

void FtpTransfer::start(std::function<void()> work)
{
    if (running_)
        return;
    running_ = true;
    // The previous operation has delivered its result; its thread is ending.
    if (worker_) {
        worker_->wait();
        delete worker_;
    }
    worker_ = QThread::create(std::move(work));
    worker_->start();
}

void FtpTransfer::startListing()
{
    start([this] {
        QList<RemoteFileInfo> files;
        QString error;
        try {
            files = client_->listFiles();
        } catch (const FtpError &failure) {
            error = QString::fromUtf8(failure.what());
        }
        QMetaObject::invokeMethod(
            this,
            [this, files, error] {
                running_ = false;
                emit listed(files, error);
            },
            Qt::QueuedConnection);
    });
}

void FtpTransfer::startDownload(const QString &name, const QString &target)
{
    start([this, name, target] {
        QString error;
        try {
            client_->download(name, target, [this](qint64 received, qint64 total) {
                QMetaObject::invokeMethod(this, [this, received, total] { emit progress(received, total); },
                                          Qt::QueuedConnection);
            });
        } catch (const FtpError &failure) {
            error = QString::fromUtf8(failure.what());
        }
        QMetaObject::invokeMethod(
            this,
            [this, error] {
                running_ = false;
                emit downloaded(error);
            },
            Qt::QueuedConnection);
    });
}

} // namespace tesmi
