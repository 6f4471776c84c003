#include "app/MainWindow.h"

#include "app/AboutWindow.h"
#include "app/AppContext.h"
#include "app/BottomBar.h"
#include "app/ClickableLabel.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "app/TopBar.h"
#include "modes/SettingsPanel.h"
#include "online/Login.h"
#include "online/RepositoryWindow.h"
#include "online/ServiceAccess.h"
#include "race/TypingArea.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>

namespace tesmi {

namespace {
constexpr int kCollapseStep = 200; // the window narrows by this much with the panel collapsed
constexpr int kArrowsWidth = 14;
const QSize kMinimumSize(1024, 650);
} // namespace

MainWindow::MainWindow(AppContext &context, bool firstRun, SplashWindow &splash)
    : context_(context), firstRun_(firstRun), splash_(splash), topBar_(new TopBar(this)),
      typingArea_(new TypingArea(context.cars, this)), settingsPanel_(new SettingsPanel(this)),
      hrust_(new QLabel(this)), bottomBar_(new BottomBar(this)), arrows_(new QToolButton(this)),
      repository_(new RepositoryWindow(context, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kProgramTitle);
    setMinimumSize(kMinimumSize);
    hrust_->setObjectName(QStringLiteral("Hrust"));
    hrust_->setWordWrap(true);
    hrust_->hide();
    arrows_->setObjectName(QStringLiteral("arrows"));
    arrows_->setText(QStringLiteral(">"));
    arrows_->setToolTip(QStringLiteral("Скрыть панель настроек"));
    arrows_->setFocusPolicy(Qt::NoFocus);

    connect(arrows_, &QToolButton::clicked, this, &MainWindow::toggleSettingsPanel);
    connect(topBar_->aboutLabel(), &ClickableLabel::clicked, this, &MainWindow::showAbout);
    connect(topBar_->usernameLabel(), &ClickableLabel::clicked, this, &MainWindow::askForLogin);
    new QShortcut(QKeySequence(Qt::Key_F1), this, this, &MainWindow::showAbout);
    auto *repositoryButton = new QToolButton(topBar_);
    repositoryButton->setObjectName(QStringLiteral("SpeedButton10"));
    repositoryButton->setToolTip(QStringLiteral("Репозиторий словарей (F3)"));
    repositoryButton->setIcon(style()->standardIcon(QStyle::SP_DriveNetIcon));
    repositoryButton->setGeometry(300, 8, 26, 26);
    connect(repositoryButton, &QToolButton::clicked, this, &MainWindow::openRepository);
    new QShortcut(QKeySequence(Qt::Key_F3), this, this, &MainWindow::openRepository);
    connect(repository_, &RepositoryWindow::dictionaryInstalled, this, &MainWindow::returnToDefaultMode);

    firstRunTimer_.setSingleShot(true);
    firstRunTimer_.setInterval(500);
    connect(&firstRunTimer_, &QTimer::timeout, this, &MainWindow::firstRunStep);
}

void MainWindow::restoreState()
{
    Database &db = context_.db;
    splash_.step(5, QStringLiteral("Чтение настроек"));
    splash_.step(10, QStringLiteral("Восстановление позиции"));
    const WindowPlacement placement = LoadWindowPlacement(db);
    move(placement.left, placement.top);
    resize(std::max(placement.width, kMinimumSize.width()), std::max(placement.height, kMinimumSize.height()));
    if (placement.collapsed)
        toggleSettingsPanel();
    topBar_->setRankName(GetSetting(db, QStringLiteral("rangob")));

    splash_.step(15, QStringLiteral("Загрузка списка словарей"));
    splash_.step(20, QStringLiteral("Загрузка пользовательских настроек"));
    const QString last = GetSetting(db, QStringLiteral("last"));
    carId_ = GetSetting(db, QStringLiteral("carID"));
    carColour_ = GetSetting(db, QStringLiteral("colorcar")).toInt();
    topBar_->setLogin(UserLogin(db));

    splash_.step(30, QStringLiteral("Расчет средних"));
    splash_.step(50, QStringLiteral("Загрузка пользовательских данных"));
    splash_.step(70, QStringLiteral("Смена игрового режима"));
    topBar_->setModeName(last);
    splash_.step(90, QStringLiteral("Загрузка словарей"));
    typingArea_->setRaceText(GetModeSetting(db, last, QStringLiteral("text")));
    splash_.step(100, QString());

    bottomBar_->donateLink()->setVisible(DonationLinkVisible(db, context_.platform.clock.today()));
    applyLayout();
    firstRunTimer_.start();
}

void MainWindow::toggleSettingsPanel()
{
    collapsed_ = !collapsed_;
    arrows_->setText(collapsed_ ? QStringLiteral("<") : QStringLiteral(">"));
    arrows_->setToolTip(collapsed_ ? QStringLiteral("Развернуть панель настроек")
                                   : QStringLiteral("Скрыть панель настроек"));
    settingsPanel_->setVisible(!collapsed_);
    hrust_->setVisible(!collapsed_ && !hrust_->text().isEmpty());
    topBar_->setSidePartsVisible(!collapsed_);
    setMinimumWidth(kMinimumSize.width() - kCollapseStep);
    resize(width() + (collapsed_ ? -kCollapseStep : kCollapseStep), height());
    applyLayout();
}

void MainWindow::showAbout()
{
    AboutWindow about(context_.cars, this);
    about.exec();
}

void MainWindow::firstRunStep()
{
    if (!firstRun_)
        return;
    context_.platform.prompts.message(kFirstRunMessage);
    openRepository();
}

void MainWindow::openRepository()
{
    if (raceRunning())
        return;
    if (AccessSwitchTicked(context_.db))
        context_.platform.prompts.message(kInternetRestrictedMessage);
    else
        repository_->exec();
}

void MainWindow::returnToDefaultMode()
{
    topBar_->setModeName(kRegularMode);
    typingArea_->setRaceText(GetModeSetting(context_.db, kRegularMode, QStringLiteral("text")));
}

void MainWindow::askForLogin()
{
    if (!UserLogin(context_.db).isEmpty())
        return;
    const auto login = context_.platform.prompts.askText(kProgramTitle, kLoginPrompt);
    if (!login)
        return;
    if (!IsValidLogin(*login)) {
        context_.platform.prompts.message(kLoginRefused);
        return;
    }
    StoreLogin(context_.db, *login);
    topBar_->setLogin(*login);
    applyLayout();
}

void MainWindow::applyLayout()
{
    FrameMetrics metrics;
    metrics.client = size();
    metrics.collapsed = collapsed_;
    metrics.topBarHeight = TopBar::kHeight;
    metrics.bottomBarHeight = BottomBar::kHeight;
    metrics.typingArea = QSize(TypingArea::kNaturalWidth, typingArea_->naturalHeight());
    metrics.settingsPanel = settingsPanel_->size();
    metrics.hrustHeight = hrust_->sizeHint().height();
    metrics.arrowsWidth = kArrowsWidth;
    topBar_->measure(metrics);

    const FrameGeometry g = LayOutFrame(metrics);
    topBar_->setGeometry(g.topBar);
    topBar_->place(g);
    bottomBar_->setGeometry(g.bottomBar);
    typingArea_->setGeometry(g.typingArea);
    settingsPanel_->setGeometry(g.settingsPanel);
    hrust_->setGeometry(g.hrust);
    arrows_->setGeometry(g.arrows);
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    applyLayout();
}

void MainWindow::showEvent(QShowEvent *)
{
    if (shownOnce_)
        return;
    shownOnce_ = true;
    splash_.hide();
    // A window saved as large as the screen comes back maximised.
    if (const QScreen *screen = this->screen()) {
        const QSize available = screen->availableSize();
        if (width() >= available.width() - 50 && height() >= available.height() - 50)
            setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    splash_.showClosing();
    splash_.step(100, QStringLiteral("Пожалуйста подождите..."));
    saveAtExit();
    splash_.step(0, QStringLiteral("Пожалуйста подождите..."));
    splash_.hide();
    event->accept();
}

void MainWindow::saveAtExit()
{
    ExitSettings settings;
    settings.lastMode = topBar_->modeLabel()->text();
    // The width is kept as the panel-shown width, so collapsing it again at the
    // next start gives back this very window instead of one 200 pixels narrower.
    const int savedWidth = width() + (collapsed_ ? kCollapseStep : 0);
    settings.placement = {y(), x(), height(), savedWidth, collapsed_};
    settings.carId = carId_;
    settings.carColour = carColour_;
    SaveExitSettings(context_.db, settings);
}

} // namespace tesmi
