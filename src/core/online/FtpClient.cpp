#include "online/FtpClient.h"

#include <QFile>
#include <QLibrary>
#include <QUrl>

#include <curl/curl.h>

namespace tesmi {

namespace {

// libcurl and the two dozen libraries behind it are loaded with the first FTP
// session rather than at start-up, which most runs of the program never reach.
struct Libcurl {
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_reset) easy_reset;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_perform) easy_perform;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_strerror) easy_strerror;
};

template <typename Function>
void resolve(QLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    if (!function)
        throw FtpError(std::string("libcurl lacks ") + name);
}

// Throws FtpError when the library cannot be loaded; the next call tries again.
const Libcurl &libcurl()
{
    static const Libcurl loaded = [] {
        QLibrary library(QStringLiteral("curl"), 4);
        if (!library.load())
            throw FtpError(library.errorString().toStdString());
        Libcurl curl;
        resolve(library, "curl_easy_init", curl.easy_init);
        resolve(library, "curl_easy_cleanup", curl.easy_cleanup);
        resolve(library, "curl_easy_reset", curl.easy_reset);
        resolve(library, "curl_easy_setopt", curl.easy_setopt);
        resolve(library, "curl_easy_perform", curl.easy_perform);
        resolve(library, "curl_easy_getinfo", curl.easy_getinfo);
        resolve(library, "curl_easy_strerror", curl.easy_strerror);
        decltype(&curl_global_init) globalInit = nullptr;
        resolve(library, "curl_global_init", globalInit);
        if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            throw FtpError("cannot start libcurl");
        return curl;
    }();
    return loaded;
}

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
    curl_ = libcurl().easy_init();
    if (!curl_)
        throw FtpError("cannot start an FTP session");
}

FtpClient::~FtpClient()
{
    libcurl().easy_cleanup(curl_);
}

void FtpClient::prepare(const QString &name)
{
    const Libcurl &curl = libcurl();
    curl.easy_reset(curl_);
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(account_.host);
    url.setPort(account_.port);
    url.setPath(u'/' + name);
    curl.easy_setopt(curl_, CURLOPT_URL, url.toEncoded().constData());
    curl.easy_setopt(curl_, CURLOPT_USERNAME, account_.user.toUtf8().constData());
    curl.easy_setopt(curl_, CURLOPT_PASSWORD, account_.password.toUtf8().constData());
    curl.easy_setopt(curl_, CURLOPT_ERRORBUFFER, errorText_);
    curl.easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    // Passive mode (curl's default; no PORT address is ever given) and a limit
    // on silence: a connection, a reply or a transfer that stalls is abandoned.
    curl.easy_setopt(curl_, CURLOPT_FTPPORT, nullptr);
    curl.easy_setopt(curl_, CURLOPT_CONNECTTIMEOUT, long(idleSeconds_));
    curl.easy_setopt(curl_, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(idleSeconds_));
    curl.easy_setopt(curl_, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl.easy_setopt(curl_, CURLOPT_LOW_SPEED_TIME, long(idleSeconds_));
    curl.easy_setopt(curl_, CURLOPT_NOPROGRESS, 0L);
    curl.easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &stopWhenCancelled);
    curl.easy_setopt(curl_, CURLOPT_XFERINFODATA, &cancelled_);
}

void FtpClient::perform()
{
    errorText_[0] = '\0';
    const CURLcode code = libcurl().easy_perform(curl_);
    if (code != CURLE_OK)
        throw FtpError(errorText_[0] ? errorText_ : libcurl().easy_strerror(code));
}

QList<RemoteFileInfo> FtpClient::listFiles()
{
    prepare(QString());
    QByteArray listing;
    libcurl().easy_setopt(curl_, CURLOPT_CUSTOMREQUEST, "MLSD");
    libcurl().easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &appendToBuffer);
    libcurl().easy_setopt(curl_, CURLOPT_WRITEDATA, &listing);
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
    libcurl().easy_setopt(curl_, CURLOPT_NOBODY, 1L);
    libcurl().easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &discard);
    perform();
    curl_off_t size = -1;
    libcurl().easy_getinfo(curl_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &size);
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
    libcurl().easy_setopt(curl_, CURLOPT_WRITEFUNCTION, &writeToFile);
    libcurl().easy_setopt(curl_, CURLOPT_WRITEDATA, &file);
    libcurl().easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, &reportProgress);
    libcurl().easy_setopt(curl_, CURLOPT_XFERINFODATA, &state);
    try {
        perform();
    } catch (const FtpError &) {
        file.remove();
        throw;
    }
}

} // namespace tesmi
