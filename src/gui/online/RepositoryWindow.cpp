#include "online/RepositoryWindow.h"

#include "app/AppContext.h"
#include "app/Style.h"
#include "online/FtpTransfer.h"
#include "online/ServiceAccess.h"
#include "storage/ModeName.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tesmi {

namespace {

const QString kCaption = QStringLiteral("Репозиторий словарей");
const QString kDictionaryBoxCaption = QStringLiteral("Доступные словари:");
const QString kBookBoxCaption = QStringLiteral("Доступные книги:");
const QString kProgressCaption = QStringLiteral("Идет скачивание и установка словаря...");
const QString kServerUnavailable =
    QStringLiteral("Сервер репозитория недоступен: показаны словари, поставляемые с программой.");

constexpr int kRowHeight = 18;
constexpr int kRowsWidth = 480;

QFont tahoma(int points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(points);
    return font;
}

QFrame *line(QWidget *parent, const QString &name, const QRect &geometry, QFrame::Shape shape)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(shape);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

// A box whose rows scroll when there are more than fit.
QGroupBox *rowBox(const QString &caption, QWidget *&rows, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    auto *scroll = new QScrollArea(box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from row button to row button
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rows = new QWidget;
    rows->setFixedWidth(kRowsWidth);
    scroll->setWidget(rows);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(scroll);
    return box;
}

} // namespace

RepositoryWindow::RepositoryWindow(AppContext &context, QWidget *parent)
    : QDialog(parent), context_(context), dictionaryBox_(rowBox(kDictionaryBoxCaption, dictionaryRows_, this)),
      bookBox_(rowBox(kBookBoxCaption, bookRows_, this)), serverStatus_(new QLabel(this)),
      progressPanel_(new QFrame(this)), progressBar_(new QProgressBar(progressPanel_))
{
    setObjectName(QStringLiteral("Form19"));
    setWindowTitle(kCaption);
    setModal(true);
    resize(kRowsWidth + 50, 560);
    serverStatus_->setObjectName(QStringLiteral("serverStatus"));
    serverStatus_->setWordWrap(true);
    SetTextLook(*serverStatus_, QColor(0x80, 0x80, 0x80));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(dictionaryBox_, 3);
    layout->addWidget(bookBox_, 1);
    layout->addWidget(serverStatus_);

    // Covers the whole window while a dictionary is fetched and installed.
    progressPanel_->setObjectName(QStringLiteral("RzPanel1"));
    progressPanel_->setFrameShape(QFrame::StyledPanel);
    progressPanel_->setAutoFillBackground(true);
    auto *caption = new QLabel(kProgressCaption, progressPanel_);
    caption->setAlignment(Qt::AlignCenter);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    auto *panelLayout = new QVBoxLayout(progressPanel_);
    panelLayout->addStretch();
    panelLayout->addWidget(caption);
    panelLayout->addWidget(progressBar_);
    panelLayout->addStretch();
    progressPanel_->hide();

    const FtpAccount account = ReadFtpAccount(context_.paths, 1);
    if (account.configured()) {
        transfer_ = new FtpTransfer(account, 30, this);
        connect(transfer_, &FtpTransfer::listed, this, &RepositoryWindow::serverListed);
        connect(transfer_, &FtpTransfer::progress, this, &RepositoryWindow::downloadProgress);
        connect(transfer_, &FtpTransfer::downloaded, this, &RepositoryWindow::downloaded);
    }
}

RepositoryWindow::~RepositoryWindow() = default;

int RepositoryWindow::exec()
{
    ShowRepository();
    return QDialog::exec();
}

void RepositoryWindow::ShowRepository()
{
    bundled_ = BundledFiles(context_.paths.bundledDictionaries());
    server_.clear();
    serverStatus_->clear();
    showFiles();
    if (transfer_)
        transfer_->startListing();
}

void RepositoryWindow::serverListed(const QList<RemoteFileInfo> &files, const QString &error)
{
    if (!error.isEmpty()) {
        serverStatus_->setText(kServerUnavailable);
        return;
    }
    for (const RemoteFileInfo &file : files)
        server_.append({file.name, file.size, QString()});
    showFiles();
}

void RepositoryWindow::showFiles()
{
    listed_ = MergeListings(bundled_, server_);
    for (QWidget *rows : {dictionaryRows_, bookRows_})
        qDeleteAll(rows->findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
    int dictionaries = 0;
    int books = 0;
    for (const RepositoryFile &file : listed_) {
        if (IsBook(file.name))
            addRow(file, books++, bookRows_, QStringLiteral("b"));
        else
            addRow(file, dictionaries++, dictionaryRows_, QString());
    }
    dictionaryRows_->setFixedHeight(dictionaries * kRowHeight + 2);
    bookRows_->setFixedHeight(books * kRowHeight + 2);
    if (auto *first = dictionaryRows_->findChild<QPushButton *>(QStringLiteral("button0")))
        first->setFocus();
}

void RepositoryWindow::addRow(const RepositoryFile &file, int row, QWidget *box, const QString &prefix)
{
    const int top = kRowHeight * row;
    const QString number = QString::number(row);
    const RowState state = RepositoryRowState(context_.db, file.name);

    auto *name = new QLabel(RepositorySizeText(DecodeModeName(RepositoryTableName(file.name)), file.size), box);
    name->setObjectName(prefix + QStringLiteral("slovar") + number);
    name->setFont(tahoma(10));
    name->setGeometry(10, top, 240, kRowHeight);
    line(box, prefix + QStringLiteral("Bev") + number, QRect(0, top + kRowHeight - 1, kRowsWidth, 2), QFrame::HLine);
    // The dictionary box's vertical lines are "iB1" k, the book box's "bB1" k.
    const QString linePrefix = prefix.isEmpty() ? QStringLiteral("i") : prefix;
    line(box, linePrefix + QStringLiteral("B1") + number, QRect(250, top, 2, kRowHeight), QFrame::VLine);
    line(box, linePrefix + QStringLiteral("B2") + number, QRect(360, top, 2, kRowHeight), QFrame::VLine);

    auto *status = new QLabel(state.status, box);
    status->setObjectName(prefix + QStringLiteral("status") + number);
    status->setFont(tahoma(10));
    status->setAlignment(Qt::AlignCenter);
    status->setGeometry(252, top, 108, kRowHeight);
    // Where Tahoma is missing a wider face stands in; keep the status whole.
    for (QFont font = status->font(); QFontMetrics(font).horizontalAdvance(state.status) > status->width() - 4;) {
        font.setPointSize(font.pointSize() - 1);
        status->setFont(font);
    }

    auto *button = new QPushButton(state.button, box);
    button->setObjectName(prefix + QStringLiteral("button") + number);
    button->setFont(tahoma(8));
    button->setCursor(Qt::PointingHandCursor);
    button->setEnabled(state.enabled);
    button->setProperty("remoteName", file.name);
    button->setGeometry(372, top + 1, 98, 16);
    connect(button, &QPushButton::clicked, this, [this, name = file.name] { DownloadDictionary(name); });
    for (QWidget *part : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        part->show();
}

void RepositoryWindow::DownloadDictionary(const QString &name)
{
    const auto file = std::find_if(listed_.begin(), listed_.end(), [&](const auto &f) { return f.name == name; });
    if (file == listed_.end() || downloading_.size() > 0)
        return;
    showProgressPanel(true);
    if (!file->onServer()) {
        progressBar_->setRange(0, 1);
        progressBar_->setValue(1);
        install(file->path, name, false);
        return;
    }
    downloading_ = name;
    transfer_->startDownload(name, ReplyFilePath(context_.paths, name));
}

void RepositoryWindow::downloadProgress(qint64 received, qint64 total)
{
    // The bar counts kilobytes: a file of gigabytes still fits its int range.
    progressBar_->setRange(0, int(std::max<qint64>(total, received) / 1024));
    progressBar_->setValue(int(received / 1024));
}

void RepositoryWindow::downloaded(const QString &error)
{
    const QString name = downloading_;
    downloading_.clear();
    if (!error.isEmpty()) {
        showProgressPanel(false);
        context_.platform.prompts.message(error);
        return;
    }
    install(ReplyFilePath(context_.paths, name), name, true);
}

void RepositoryWindow::install(const QString &path, const QString &name, bool downloaded)
{
    bool installed = false;
    try {
        context_.platform.prompts.message(InstallDictionary(context_.db, path, name));
        installed = true;
    } catch (const std::exception &failure) {
        context_.platform.prompts.message(QString::fromUtf8(failure.what()));
    }
    if (downloaded)
        QFile::remove(path);
    showProgressPanel(false);
    if (!installed) {
        showFiles();
        return;
    }
    emit dictionaryInstalled();
    accept();
}

void RepositoryWindow::showProgressPanel(bool shown)
{
    if (!shown)
        progressBar_->setValue(0);
    progressPanel_->setGeometry(rect());
    progressPanel_->setVisible(shown);
    progressPanel_->raise();
}

void RepositoryWindow::reject()
{
    // A transfer in flight ends in an installation that needs this window.
    if (downloading_.isEmpty())
        QDialog::reject();
}

} // namespace tesmi
