#include "race/RaceController.h"

#include "app/AppContext.h"
#include "modes/ModeSession.h"
#include "online/Login.h"
#include "race/AutoReplace.h"
#include "race/TypingArea.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QWidget>

#include <functional>

namespace tesmi {

namespace {

const QString kBookPosition = QStringLiteral("book_poz");

} // namespace

RaceController::RaceController(AppContext &context, ModeSession &modes, TypingArea &area, QWidget &window)
    : QObject(&window), context_(context), modes_(modes), area_(area), window_(window),
      generator_(context.db, context.platform.random, context.guard), engine_(area, *this, context.platform)
{
    const auto tick = [this](QTimer &timer, void (RaceEngine::*method)()) {
        connect(&timer, &QTimer::timeout, this, [this, method] { reportFailures([&] { (engine_.*method)(); }); });
    };
    tick(area.timer(RaceTimer::Countdown), &RaceEngine::CountdownTick);
    tick(area.timer(RaceTimer::Limits), &RaceEngine::LimitsTick);
    tick(area.timer(RaceTimer::Idle), &RaceEngine::IdleTick);
    tick(area.timer(RaceTimer::Seconds), &RaceEngine::SecondsTick);
    nextWindowTimer_.setInterval(100);
    tick(nextWindowTimer_, &RaceEngine::PrepareNextWindow);
    nextWindowTimer_.start();
    connect(&area, &TypingArea::copyErrorFreeRequested, this,
            [this] { QApplication::clipboard()->setText(engine_.state().RaceText); });
    // Ahead of every control, so that no control swallows a race key.
    qApp->installEventFilter(this);
}

RaceController::~RaceController()
{
    qApp->removeEventFilter(this);
}

bool RaceController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (event->type() == QEvent::KeyRelease) {
        if (key.key() == Qt::Key_CapsLock)
            engine_.CheckCapsLock();
        return false;
    }
    bool raceKey = true;
    reportFailures([&] { raceKey = handleKey(key); });
    return raceKey;
}

// What no operation guards is shown and the program goes on; nothing may leave
// an event handler as an exception.
void RaceController::reportFailures(const std::function<void()> &work)
{
    try {
        work();
    } catch (const TerminationRequested &) {
        throw;
    } catch (const std::exception &error) {
        context_.platform.prompts.message(QString::fromUtf8(error.what()));
    }
}

// True when the key belonged to the race.
bool RaceController::handleKey(const QKeyEvent &key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    switch (key.key()) {
    case Qt::Key_Right:
        if (!ctrl)
            return false;
        engine_.NextText(true);
        return true;
    case Qt::Key_F11:
        toggleFullScreen();
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Escape:
        engine_.HandleCharKey(kEscapeKey);
        return true;
    case Qt::Key_R:
    case 0x041A: // К: the same key in the Russian layout
        if (alt && !ctrl) {
            engine_.RestartText();
            return true;
        }
        break;
    case Qt::Key_Backspace:
        if (!engine_.active())
            return false;
        if (ctrl)
            engine_.EraseWord();
        else
            engine_.HandleCharKey(kBackspaceKey);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!engine_.active())
            return false;
        engine_.HandleCharKey(kEnterKey);
        return true;
    default:
        break;
    }
    engine_.CheckCapsLock();
    if (!engine_.active() || key.text().isEmpty())
        return false;
    // Ctrl with Alt is how some systems send AltGr.
    const KeyModifiers held{ctrl, (ctrl && alt) || (modifiers & Qt::GroupSwitchModifier)};
    for (const QChar c : key.text())
        engine_.HandleCharKey(c, held);
    return true;
}

void RaceController::toggleFullScreen()
{
    window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
}

// ---- RaceHost ----

RaceMode RaceController::raceMode()
{
    const ModeSettings &settings = modes_.settings();
    RaceMode mode;
    mode.name = modes_.CurrentMode();
    mode.ModeType = modes_.kind().ModeType;
    mode.ModeSubtype = modes_.kind().ModeSubtype;
    mode.MarathonMinutes = modes_.MarathonMinutes();
    mode.lighting = settings.text(Setting::Lighting);
    mode.fontFamily = kFontNames.value(settings.number(Setting::FontNumber), kFontNames.value(7));
    mode.textSize = settings.number(Setting::TextSize);
    mode.Speedometr = settings.flag(Setting::Speedometr);
    mode.Sekundomer = settings.flag(Setting::Sekundometr);
    mode.Errorcount = settings.flag(Setting::Errors);
    mode.limit = settings.flag(Setting::LimitErrors);
    mode.limitkol = settings.number(Setting::LimitKol);
    mode.doezd = settings.flag(Setting::Doezd);
    mode.moderator = UserLogin(context_.db) == kModeratorLogin;
    return mode;
}

RaceTextResult RaceController::MakeRaceText()
{
    // The error-free mode races on the ordinary texts.
    const bool errorless = modes_.CurrentMode() == kErrorlessMode;
    const QString source = errorless ? kRegularMode : modes_.CurrentMode();
    const ModeKind kind = errorless ? LoadModeKind(context_.db, source) : modes_.kind();
    RaceTextResult text = generator_.MakeRaceText(source, kind, modes_.MarathonMinutes(), currentTextId_);
    currentTextId_ = text.CurrentTextId;
    return text;
}

QStringList RaceController::autoReplaceWords()
{
    return LoadAutoReplaceWords(context_.db);
}

void RaceController::advanceBookPosition(int typed)
{
    const QString mode = modes_.CurrentMode();
    const int position = GetModeSetting(context_.db, mode, kBookPosition).toInt() + typed;
    SetModeSettings(context_.db, mode, {{kBookPosition, QString::number(position)}});
}

void RaceController::countUnfinishedStart()
{
    RaceCounters &counters = modes_.counters();
    ++counters.SessionStarted;
    ++counters.TotalStarted;
    emit countersChanged();
}

void RaceController::raceFinished(const RaceOutcome &outcome)
{
    emit finished(outcome);
}

void RaceController::setSettingsLocked(bool locked)
{
    emit settingsLocked(locked);
}

void RaceController::hideResults()
{
    emit resultsHidden();
}

void RaceController::setErrorWorkButtonVisible(bool visible)
{
    emit errorWorkButtonVisible(visible);
}

void RaceController::setFixTextButtonVisible(bool visible)
{
    emit fixTextButtonVisible(visible);
}

} // namespace tesmi
