#pragma once

#include "online/FtpClient.h"
#include "online/Repository.h"

#include <QDialog>

class QFrame;
class QGroupBox;
class QLabel;
class QProgressBar;

namespace tesmi {

struct AppContext;
class FtpTransfer;

// Form19: the dictionaries and books that can be installed — those shipped with
// the program and, when a server is configured, the server's — with their state
// in the database and a button each.
class RepositoryWindow : public QDialog {
    Q_OBJECT
public:
    explicit RepositoryWindow(AppContext &context, QWidget *parent = nullptr);
    ~RepositoryWindow() override;

    // Builds the rows anew and shows the window modally.
    int exec() override;
    void ShowRepository();
    void DownloadDictionary(const QString &name);

signals:
    // A dictionary went into the database: the modes have changed.
    void dictionaryInstalled();

public slots:
    void reject() override;

private:
    void showFiles();
    void addRow(const RepositoryFile &file, int row, QWidget *box, const QString &prefix);
    void serverListed(const QList<RemoteFileInfo> &files, const QString &error);
    void downloadProgress(qint64 received, qint64 total);
    void downloaded(const QString &error);
    void install(const QString &path, const QString &name, bool downloaded);
    void showProgressPanel(bool shown);

    AppContext &context_;
    QList<RepositoryFile> bundled_;
    QList<RepositoryFile> server_;
    QList<RepositoryFile> listed_;
    QGroupBox *dictionaryBox_;
    QGroupBox *bookBox_;
    QWidget *dictionaryRows_;
    QWidget *bookRows_;
    QLabel *serverStatus_;
    QFrame *progressPanel_;
    QProgressBar *progressBar_;
    FtpTransfer *transfer_ = nullptr; // only when a server is configured
    QString downloading_;
};

} // namespace tesmi
