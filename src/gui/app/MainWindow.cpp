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
#include "platform/CarsPack.h"
#include "race/RaceController.h"
#include "race/TypingArea.h"
#include "storage/Settings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>

namespace tesmi {

namespace {
constexpr int kCollapseStep = 200; // the window narrows by this much with the panel collapsed
constexpr int kArrowsWidth = 14;
const QSize kMinimumSize(1024, 650);

// The owned car's picture is its name with the suffix of its colour.
QString CarColourSuffix(int colour)
{
    static const QStringList suffixes{"_White", "_Black", "_Red", "_Blue", "_Green", "_Yellow"};
    return suffixes.value(colour);
}
} // namespace

MainWindow::MainWindow(AppContext &context, bool firstRun, SplashWindow &splash)
    : context_(context), firstRun_(firstRun), splash_(splash), topBar_(new TopBar(this)),
      typingArea_(new TypingArea(context.cars, this)), modes_(context.db, context.platform.prompts),
      race_(new RaceController(context, modes_, *typingArea_, *this)), settingsPanel_(new SettingsPanel(this)),
      hrust_(new QLabel(this)), bottomBar_(new BottomBar(this)), arrows_(new QToolButton(this))
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
    connect(bottomBar_->keyHints(), &ClickableLabel::clicked, race_, [this] { race_->engine().NextText(false); });
    connect(typingArea_, &TypingArea::naturalHeightChanged, this, &MainWindow::applyLayout);

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
    modes_.start(last);
    modes_.SwitchMode(last, true);
    typingArea_->setCarPicture(context_.cars.picture(carId_ + CarColourSuffix(carColour_)));
    race_->engine().MakeRaceText();
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
    if (firstRun_)
        context_.platform.prompts.message(kFirstRunMessage);
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
