#include "online/FtpClient.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <mutex>

namespace tesmi {

namespace {

size_t appendToBuffer(char *data, size_t size, size_t count, void *buffer)
{
    static_cast<QByteArray *>(buffer)->append(data, qsizetype(size * count));
    return size * count;
}

// curl hands a body-less request's header lines to the write function.
size_t discard(char *, size_t size, size_t count, void *)
{
    return size * count;
}

size_t writeToFile(char *data, size_t size, size_t count, void *file)
{
    return size_t(static_cast<QFile *>(file)->write(data, qint64(size * count)));
}

struct DownloadState {
    const FtpClient::Progress *progress;
    qint64 fallbackTotal;
    qint64 reported = -1;
    const std::atomic<bool> *cancelled;
};

int reportProgress(void *state, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t)
{
    auto *download = static_cast<DownloadState *>(state);
    if (*download->cancelled)
        return 1;
    if (received != download->reported) {
        download->reported = received;
        (*download->progress)(received, total > 0 ? total : download->fallbackTotal);
    }
    return 0;
}

int stopWhenCancelled(void *cancelled, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return *static_cast<const std::atomic<bool> *>(cancelled) ? 1 : 0;
}

// "type=file;size=1234;modify=20240101120000; name" (RFC 3659).
bool parseListingLine(const QByteArray &line, RemoteFileInfo &file)
{
    const qsizetype space = line.indexOf(' ');
    if (space < 0)
        return false;
    bool isFile = false;
    for (const QByteArray &fact : line.left(space).split(';')) {
        const QByteArray lower = fact.toLower();
        if (lower == "type=file")
            isFile = true;
        else if (lower.startsWith("size="))
            file.size = fact.mid(5).toLongLong();
    }
    file.name = QString::fromUtf8(line.mid(space + 1));
    return isFile && !file.name.isEmpty();
}

} // namespace

FtpClient::FtpClient(FtpAccount account, int idleSeconds) : account_(std::move(account)), idleSeconds_(idleSeconds)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    curl_ = curl_easy_init();
    if (!curl_)
        throw FtpError("cannot start an FTP session");
}

FtpClient::~FtpClient()
{
    curl_easy_cleanup(curl_);
}

void FtpClient::prepare(const QString &name)
{
    curl_easy_reset(curl_);
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(account_.host);
    url.setPort(account_.port);
    url.setPath(u'/' + name);
    curl_easy_setopt(curl_, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(curl_, CURLOPT_USERNAME, account_.user.toUtf8().constData());
    curl_easy_setopt(curl_, CURLOPT_PASSWORD, account_.password.toUtf8().constData());
    curl_easy_setopt(curl_, CURLOPT_ERRORBUFFER, errorText_);
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    // Passive mode (curl's default; no PORT address is ever given) and a limit
    // on silence: a connection, a reply or a transfer that stalls is abandoned.
    curl_easy_setopt(curl_, CURLOPT_FTPPORT, nullptr);
    curl_easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT, long(idleSeconds_));
    curl_easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(idleSeconds_));
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl_, CURLOPT_LOW_SPEED_TIME, long(idleSeconds_));
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &stopWhenCancelled);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &cancelled_);
}

void FtpClient::perform()
{
    errorText_[0] = '\0';
    const CURLcode code = curl_easy_perform(curl_);
    if (code != CURLE_OK)
        throw FtpError(errorText_[0] ? errorText_ : curl_easy_strerror(code));
}

QList<RemoteFileInfo> FtpClient::listFiles()
{
    prepare(QString());
    QByteArray listing;
    curl_easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, "MLSD");
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &appendToBuffer);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &listing);
    perform();
    QList<RemoteFileInfo> files;
    for (QByteArray line : listing.split('\n')) {
        RemoteFileInfo file;
        if (parseListingLine(line.endsWith('\r') ? line.chopped(1) : line, file))
            files << file;
    }
    return files;
}

qint64 FtpClient::fileSize(const QString &name)
{
    prepare(name);
    curl_easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &discard);
    perform();
    curl_off_t size = -1;
    curl_easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
    return qint64(size);
}

void FtpClient::download(const QString &name, const QString &target, const Progress &progress)
{
    const qint64 size = fileSize(name);
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw FtpError(("cannot write " + target).toStdString());
    DownloadState state{&progress, size, -1, &cancelled_};
    prepare(name);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &writeToFile);
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &file);
    curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &reportProgress);
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &state);
    try {
        perform();
    } catch (const FtpError &) {
        file.remove();
        throw;
    }
}

} // namespace tesmi
