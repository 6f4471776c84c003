#include "app/MainWindow.h"

#include "app/AboutWindow.h"
#include "app/AppContext.h"
#include "app/BottomBar.h"
#include "app/ClickableLabel.h"
#include "app/SplashWindow.h"
#include "app/Startup.h"
#include "app/Style.h"
#include "app/TopBar.h"
#include "modes/ModeCatalog.h"
#include "modes/ModePicker.h"
#include "modes/SettingsPanel.h"
#include "online/Login.h"
#include "platform/CarsPack.h"
#include "online/RepositoryWindow.h"
#include "online/ServiceAccess.h"
#include "progress/Garage.h"
#include "progress/GarageController.h"
#include "progress/GarageView.h"
#include "progress/ModeSummary.h"
#include "progress/Points.h"
#include "progress/ResultPanel.h"
#include "race/RaceController.h"
#include "race/TypingArea.h"
#include "stats/ErrorPanel.h"
#include "stats/StatisticsWindow.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QPushButton>
#include <QToolButton>
#include <QWheelEvent>

namespace tesmi {

namespace {
constexpr int kCollapseStep = 200; // the window narrows by this much with the panel collapsed
constexpr int kArrowsWidth = 14;
const QSize kMinimumSize(1024, 650);
} // namespace

MainWindow::MainWindow(AppContext &context, bool firstRun, SplashWindow &splash)
    : context_(context), modes_(context.db, context.platform.prompts), firstRun_(firstRun), splash_(splash),
      topBar_(new TopBar(this)), typingArea_(new TypingArea(context.cars, this)),
      race_(new RaceController(context, modes_, *typingArea_, *this)),
      results_(context.db, modes_, context.guard, context.platform.prompts), resultPanel_(new ResultPanel(this)),
      errorWorkButton_(new QPushButton(QStringLiteral("Работа над ошибками"), this)), settingsPanel_(new SettingsPanel(this)),
      hrust_(new QLabel(this)), bottomBar_(new BottomBar(this)), arrows_(new QToolButton(this)),
      picker_(new ModePicker(topBar_)), garage_(new GarageController(context, this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kProgramTitle);
    setMinimumSize(kMinimumSize);
    hrust_->setObjectName(QStringLiteral("Hrust"));
    DecoratePanel(*hrust_, {QColor(0xff, 0xfb, 0xe8), QColor(0xe8, 0xdc, 0xa8), 6});
    SetTextLook(*hrust_, QColor(0x4a, 0x40, 0x20));
    hrust_->setFont(QFont(QStringLiteral("DejaVu Sans Condensed")));
    SetFontLook(*hrust_, 10);
    hrust_->setContentsMargins(4, 6, 4, 6);
    // The exercise notes line their columns up with spaces: never wrapped.
    hrust_->setWordWrap(false);
    hrust_->hide();
    arrows_->setObjectName(QStringLiteral("arrows"));
    arrows_->setText(QStringLiteral(">"));
    arrows_->setToolTip(QStringLiteral("Скрыть панель настроек"));
    arrows_->setFocusPolicy(Qt::NoFocus);
    arrows_->setAutoRaise(true);
    SetTextLook(*arrows_, colours::kFaint);

    connect(arrows_, &QToolButton::clicked, this, &MainWindow::toggleSettingsPanel);
    connect(topBar_->aboutLabel(), &ClickableLabel::clicked, this, &MainWindow::showAbout);
    connect(topBar_->usernameLabel(), &ClickableLabel::clicked, this, &MainWindow::askForLogin);
    connect(topBar_->modeLabel(), &ClickableLabel::clicked, this, &MainWindow::openModeList);
    connect(picker_, &ModePicker::modeChosen, this, &MainWindow::switchMode);
    connectSettingsPanel();
    connectGarage();
    connectRace();
    connectToolbar();
    connect(bottomBar_->keyHints(), &ClickableLabel::clicked, race_, [this] { race_->engine().NextText(false); });
    connect(typingArea_, &TypingArea::naturalHeightChanged, this, &MainWindow::applyLayout);

    firstRunTimer_.setSingleShot(true);
    firstRunTimer_.setInterval(500);
    connect(&firstRunTimer_, &QTimer::timeout, this, &MainWindow::firstRunStep);
}

// The toolbar buttons and the function keys that open the program's windows.
void MainWindow::connectToolbar()
{
    const auto openWith = [this](Qt::Key key, void (MainWindow::*open)()) {
        new QShortcut(QKeySequence(key), this, this, open);
    };
    connect(topBar_->addToolButton(QStringLiteral("SpeedButton5"), QStringLiteral("Статистика"),
                                   QStringLiteral("Статистика (F6)")),
            &QToolButton::clicked, this, &MainWindow::openStatistics);
    connect(topBar_->addToolButton(QStringLiteral("SpeedButton10"), QStringLiteral("Репозиторий"),
                                   QStringLiteral("Репозиторий словарей (F3)")),
            &QToolButton::clicked, this, &MainWindow::openRepository);
    openWith(Qt::Key_F1, &MainWindow::showAbout);
    openWith(Qt::Key_F3, &MainWindow::openRepository);
    openWith(Qt::Key_F6, &MainWindow::openStatistics);
    new QShortcut(QKeySequence(Qt::ALT | Qt::Key_E), this, this, &MainWindow::showErrorPanel);
}

void MainWindow::restoreState()
{
    Database &db = context_.db;
    splash_.step(0, QStringLiteral("Загрузка машин"));
    context_.guard.run(QStringLiteral("FCr31"), [&] { errorList_ = ErrorList::LoadErrorList(db); });
    splash_.step(5, QStringLiteral("Чтение настроек"));
    splash_.step(10, QStringLiteral("Восстановление позиции"));
    const WindowPlacement placement = LoadWindowPlacement(db);
    move(placement.left, placement.top);
    resize(std::max(placement.width, kMinimumSize.width()), std::max(placement.height, kMinimumSize.height()));
    if (placement.collapsed)
        toggleSettingsPanel();

    splash_.step(15, QStringLiteral("Загрузка списка словарей"));
    splash_.step(20, QStringLiteral("Загрузка пользовательских настроек"));
    QString last = GetSetting(db, QStringLiteral("last"));
    // A mode deleted outside the program cannot be restored; Обычный always exists.
    if (!ModeExists(db, last))
        last = kRegularMode;
    modes_.start(last);
    garage_->restore(GetSetting(db, QStringLiteral("carID")), GetSetting(db, QStringLiteral("colorcar")).toInt());
    topBar_->setLogin(UserLogin(db));

    splash_.step(30, QStringLiteral("Расчет средних"));
    splash_.step(50, QStringLiteral("Загрузка пользовательских данных"));
    splash_.step(70, QStringLiteral("Смена игрового режима"));
    showSwitchOutcome(modes_.SwitchMode(last, true));
    splash_.step(90, QStringLiteral("Загрузка словарей"));
    race_->engine().MakeRaceText();
    splash_.step(100, QString());

    bottomBar_->donateLink()->setVisible(DonationLinkVisible(db, context_.platform.clock.today()));
    applyLayout();
    firstRunTimer_.start();
}

void MainWindow::openModeList()
{
    if (race_->engine().active())
        return;
    // Counted when asked for: counting every results table is the slowest part
    // of a large file, and the counts change with every race.
    picker_->setModes(FillModeList(context_.db));
    picker_->names()->setCurrentText(modes_.CurrentMode());
    picker_->open(topBar_->modeLabel());
}

void MainWindow::switchMode(const QString &mode)
{
    showSwitchOutcome(modes_.SwitchMode(mode));
    race_->engine().ResetRace();
}

void MainWindow::showSwitchOutcome(const SwitchOutcome &outcome)
{
    topBar_->setModeName(outcome.mode);
    SetTextLook(*topBar_->modeLabel(), QColor(outcome.labelColour));
    if (outcome.clearExerciseNote)
        hrust_->clear();
    refreshSummary();
    settingsPanel_->showSettings(modes_.settings(), modes_.marks());
    settingsPanel_->setLimitRules(outcome.mode == kErrorlessMode, outcome.limitMaximum);
    settingsPanel_->showCounters(modes_.counters());
    applyTextFont();
    typingArea_->setFieldSize(modes_.settings().number(Setting::PoleSize));
    typingArea_->setFieldOnTop(modes_.settings().flag(Setting::PolePoz));
    applyLayout();
    returnFocusToRace();
}

void MainWindow::refreshSummary()
{
    showSummary(RefreshModeSummary(context_.db, modes_.CurrentMode(), modes_.RegularRank(), context_.guard));
}

void MainWindow::showSummary(const SummaryView &summary)
{
    topBar_->showSummary(summary);
    modes_.setRankCaption(summary.Rangname);
    if (summary.Hrust)
        hrust_->setText(*summary.Hrust);
    hrust_->setVisible(!collapsed_ && !hrust_->text().isEmpty());
}

void MainWindow::connectRace()
{
    errorWorkButton_->setObjectName(QStringLiteral("SpeedButton6"));
    errorWorkButton_->setStyleSheet(QStringLiteral(
        "QPushButton { background: #fff4e0; border: 1px solid #e3b778; border-radius: 4px; padding: 3px 10px;"
        " color: #7a4a0c; }"
        "QPushButton:hover { background: #ffe7bf; }"));
    errorWorkButton_->setFocusPolicy(Qt::NoFocus);
    errorWorkButton_->hide();
    connect(errorWorkButton_, &QPushButton::clicked, this, &MainWindow::startErrorWork);
    connect(race_, &RaceController::finished, this, &MainWindow::finishRace);
    connect(race_, &RaceController::resultsHidden, resultPanel_, &ResultPanel::hideForNextRace);
    connect(race_, &RaceController::errorWorkButtonVisible, errorWorkButton_, &QWidget::setVisible);
    connect(race_, &RaceController::settingsLocked, settingsPanel_, &SettingsPanel::setRaceLocked);
    connect(race_, &RaceController::countersChanged, this, [this] { settingsPanel_->showCounters(modes_.counters()); });
    connect(resultPanel_, &ResultPanel::cancelClicked, this, &MainWindow::cancelResult);
}

void MainWindow::finishRace(const RaceOutcome &outcome)
{
    // Everything the report shows is already stored: a crash from here on loses nothing.
    const FinishReport report = results_.FinishRace(outcome);
    resultPanel_->showResult(report.panel, report.record, report.cancelVisible);
    errorWorkButton_->setVisible(outcome.reason == RaceOutcome::Reason::TextComplete && outcome.ErrorCount > 0
                                 && !outcome.ErrorWorkRun);
    if (report.countersChanged)
        settingsPanel_->showCounters(modes_.counters());
    if (report.summary)
        showSummary(*report.summary);
    applyLayout();
    for (const QString &message : report.messages)
        context_.platform.prompts.message(message);
    if (outcome.counted() && !outcome.MistypedWords.isEmpty()) {
        // Merged once the finish has been drawn, as queued work of this thread.
        QMetaObject::invokeMethod(
            this, [this, words = outcome.MistypedWords] { mergeMistypedWords(words); }, Qt::QueuedConnection);
    }
}

void MainWindow::mergeMistypedWords(const QStringList &words)
{
    errorList_.MergeMistypedWords(words);
    // Kept at once, so a crash later in the run loses none of them.
    errorList_.SaveErrorList(context_.db);
}

void MainWindow::cancelResult()
{
    const CancelReport report = results_.CancelResult();
    if (report.cancelled)
        resultPanel_->showCancelled();
    if (report.summary)
        showSummary(*report.summary);
}

void MainWindow::startErrorWork()
{
    race_->engine().StartErrorWork(MakeErrorWorkText(race_->engine().state().MistypedWords, context_.platform.random));
}

void MainWindow::connectSettingsPanel()
{
    // The race reads the settings in force from the mode session.
    connect(settingsPanel_, &SettingsPanel::settingsEdited, this,
            [this] { modes_.settings() = settingsPanel_->settings(); });
    connect(settingsPanel_, &SettingsPanel::fontChanged, this, [this] {
        applyTextFont();
        returnFocusToRace();
    });
    connect(settingsPanel_, &SettingsPanel::textSizeChanged, this, [this] {
        applyTextFont();
        returnFocusToRace();
    });
    connect(settingsPanel_, &SettingsPanel::fieldSizeChanged, this, [this](int size) {
        typingArea_->setFieldSize(size);
        applyLayout();
        returnFocusToRace();
    });
    connect(settingsPanel_, &SettingsPanel::fieldPositionChanged, this, [this](bool onTop) {
        typingArea_->setFieldOnTop(onTop);
        applyLayout();
        returnFocusToRace();
    });
    connect(settingsPanel_, &SettingsPanel::displayChanged, this, &MainWindow::returnFocusToRace);
    connect(settingsPanel_, &SettingsPanel::heightChanged, this, [this] {
        applyLayout();
        returnFocusToRace();
    });
    connect(settingsPanel_, &SettingsPanel::globalMarkToggled, this, [this](int mark, bool on) {
        modes_.setGlobalMark(mark, on);
        returnFocusToRace();
    });
    connect(settingsPanel_, &SettingsPanel::countersReset, this, [this](bool session) {
        RaceCounters &counters = modes_.counters();
        (session ? counters.SessionFinished : counters.TotalFinished) = 0;
        (session ? counters.SessionStarted : counters.TotalStarted) = 0;
        settingsPanel_->showCounters(counters);
        returnFocusToRace();
    });
}

void MainWindow::applyTextFont()
{
    const ModeSettings settings = settingsPanel_->settings();
    typingArea_->setTextFont(kFontNames.value(settings.number(Setting::FontNumber)),
                             settings.number(Setting::TextSize) + 10);
    applyLayout();
}

void MainWindow::returnFocusToRace()
{
    if (QWidget *reference = typingArea_->findChild<QWidget *>(QStringLiteral("label1")))
        reference->setFocus();
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
    garage_->view().BuildGarageCards();
    if (!firstRun_)
        return;
    context_.platform.prompts.message(kFirstRunMessage);
    openRepository();
}

void MainWindow::openRepository()
{
    if (race_->engine().active())
        return;
    if (AccessSwitchTicked(context_.db))
        context_.platform.prompts.message(kInternetRestrictedMessage);
    else
        repository().exec();
}

void MainWindow::returnToDefaultMode()
{
    showSwitchOutcome(modes_.ReturnToDefaultMode());
    race_->engine().ResetRace();
    race_->engine().MakeRaceText();
}

void MainWindow::connectGarage()
{
    connect(topBar_->garageLabel(), &ClickableLabel::clicked, this, &MainWindow::openGarage);
    // The owned car is also the marker that runs along the race track.
    connect(garage_, &GarageController::ownedCarChanged, typingArea_, &TypingArea::setCarPicture);
    connect(garage_, &GarageController::pointsSpent, this, &MainWindow::refreshSummary);
    connect(garage_, &GarageController::left, this, [this] {
        race_->engine().ResetRace();
        returnFocusToRace();
    });
}

// The windows behind toolbar buttons and keys are made when first asked for,
// which keeps them out of start-up.
StatisticsWindow &MainWindow::statistics()
{
    if (!statistics_) {
        statistics_ = new StatisticsWindow(context_, this);
        connect(statistics_, &StatisticsWindow::resultsChanged, this, [this] {
            modes_.reloadRegularRank();
            refreshSummary();
        });
    }
    return *statistics_;
}

RepositoryWindow &MainWindow::repository()
{
    if (!repository_) {
        repository_ = new RepositoryWindow(context_, this);
        connect(repository_, &RepositoryWindow::dictionaryInstalled, this, &MainWindow::returnToDefaultMode);
    }
    return *repository_;
}

ErrorPanel &MainWindow::errorPanel()
{
    if (!errorPanel_) {
        errorPanel_ = new ErrorPanel(this);
        connect(errorPanel_, &ErrorPanel::edited, this, [this] { errorPanel_->applyEdits(errorList_); });
        connect(errorPanel_, &ErrorPanel::pointsEntered, this, [this](qint64 points) {
            AddPoints(context_.db, points);
            refreshSummary();
        });
    }
    return *errorPanel_;
}

void MainWindow::showErrorPanel()
{
    if (UserLogin(context_.db) != kModeratorLogin)
        return;
    ErrorPanel &panel = errorPanel();
    panel.move(typingArea_->geometry().left() + 20, typingArea_->geometry().top() + 20);
    panel.showList(errorList_);
}

void MainWindow::openStatistics()
{
    if (race_->engine().active())
        return;
    statistics().open(FillModeList(context_.db), modes_.CurrentMode());
}

void MainWindow::openGarage()
{
    if (race_->engine().active())
        return;
    garage_->open();
    applyLayout();
    returnFocusToRace();
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
    // Measuring a hidden label would load its font for nothing.
    metrics.hrustHeight = hrust_->isHidden() ? 0 : hrust_->sizeHint().height();
    metrics.arrowsWidth = kArrowsWidth;
    topBar_->measure(metrics);

    const FrameGeometry g = LayOutFrame(metrics);
    topBar_->setGeometry(g.topBar);
    topBar_->place(g);
    bottomBar_->setGeometry(g.bottomBar);
    typingArea_->setGeometry(g.typingArea);
    // Below the typing area: the button strip, then the result of the last race.
    errorWorkButton_->adjustSize();
    errorWorkButton_->move(g.typingArea.left(), g.typingArea.bottom() + 1 + 5);
    const int resultTop = g.typingArea.bottom() + 1 + 5 + errorWorkButton_->height() + 10;
    resultPanel_->move(g.typingArea.left(), resultTop); // it sizes itself to its captions
    settingsPanel_->setGeometry(g.settingsPanel);
    hrust_->setGeometry(g.hrust);
    arrows_->setGeometry(g.arrows);
    garage_->view().setGeometry(g.garageBox);
}

void MainWindow::resizeEvent(QResizeEvent *)
{
    applyLayout();
}

void MainWindow::paintEvent(QPaintEvent *)
{
    // Painted rather than set in the palette, which every child would inherit.
    QPainter(this).fillRect(rect(), colours::kWindow);
}

void MainWindow::wheelEvent(QWheelEvent *event)
{
    if (garage_->view().isVisible())
        garage_->view().scrollByNotches(event->angleDelta().y() / 120);
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
    const QString wait = QStringLiteral("Пожалуйста подождите...");
    splash_.showClosing();
    for (int percent : {100, 90, 80, 40, 30, 20})
        splash_.step(percent, wait);
    saveAtExit();
    for (int percent : {20, 10, 0})
        splash_.step(percent, wait);
    splash_.hide();
    event->accept();
}

void MainWindow::saveAtExit()
{
    errorList_.SaveErrorList(context_.db);
    // A changed setting survives a restart, as it does a switch of mode.
    modes_.saveCurrentMode();
    ExitSettings settings;
    settings.lastMode = modes_.CurrentMode();
    // The width is kept as the panel-shown width, so collapsing it again at the
    // next start gives back this very window instead of one 200 pixels narrower.
    const int savedWidth = width() + (collapsed_ ? kCollapseStep : 0);
    settings.placement = {y(), x(), height(), savedWidth, collapsed_};
    settings.carId = garage_->carId();
    settings.carColour = garage_->colour();
    SaveExitSettings(context_.db, settings);
}

} // namespace tesmi
