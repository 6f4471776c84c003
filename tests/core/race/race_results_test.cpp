#include "race/RaceResults.h"

#include "modes/ModeCatalog.h"
#include "modes/ModeSession.h"
#include "progress/Points.h"
#include "storage/Settings.h"
#include "util/Guard.h"

#include "FakePlatform.h"
#include "ModeFixture.h"
#include "TempDatabase.h"

using namespace tesmi;

namespace {

const QDateTime kFinishedAt(QDate(2010, 12, 9), QTime(9, 5, 3));

// A race of `length` characters typed in `ms`: 100 in 20 000 ms is 300 зн/мин.
RaceOutcome race(int length, qint64 ms, int errors = 0)
{
    RaceOutcome outcome;
    outcome.TextKind = "text";
    outcome.textLength = length;
    outcome.ErrorCount = errors;
    outcome.elapsedMs = ms;
    outcome.sinceStartMs = ms;
    outcome.finishedAt = kFinishedAt;
    return outcome;
}

RaceOutcome atSpeed(int speed, int errors = 0)
{
    return race(speed, 60000, errors);
}

RaceOutcome marathon(RaceOutcome::Reason reason, int typed, qint64 sinceStartMs)
{
    RaceOutcome outcome = race(400, sinceStartMs - 500);
    outcome.reason = reason;
    outcome.TextKind = "marathon";
    outcome.TypedCount = typed;
    outcome.sinceStartMs = sinceStartMs;
    return outcome;
}

class RaceResultsTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }

    void startIn(const QString &mode)
    {
        session = std::make_unique<ModeSession>(*db, fake.prompts);
        session->start(mode);
        session->SwitchMode(mode, true);
        results = std::make_unique<RaceResults>(*db, *session, guard, fake.prompts);
    }

    QList<QStringList> rows(const QString &mode)
    {
        return db->Query(QStringLiteral("SELECT time, speed, errorr, date, error FROM %1")
                             .arg(QuoteIdentifier(ResultsTableName(mode))))
            .rows;
    }

    QString setting(const QString &mode, const QString &column) { return GetModeSetting(*db, mode, column); }

    fakes::FakePlatform fake;
    Guard guard{fake.prompts, fake.termination};
    std::unique_ptr<ModeSession> session;
    std::unique_ptr<RaceResults> results;
};

TEST_F(RaceResultsTest, StoresRowAndCreditsPoints)
{
    startIn("Обычный");
    const FinishReport report = results->FinishRace(race(100, 20000, 1));
    const QList<QStringList> expected{{"20", "300", "1,000", "09.12.2010 9:05:03", "1"}};
    EXPECT_EQ(rows("Обычный"), expected);
    EXPECT_EQ(CurrentPoints(*db), 100);
    ASSERT_TRUE(report.summary);
    EXPECT_EQ(report.summary->values.ModeResultCount, 1);
    EXPECT_EQ(report.summary->level->hint, "Очки: 100 / 12000") << "the badge follows the credited points";
    EXPECT_TRUE(report.record);
    EXPECT_FALSE(report.cancelVisible) << "the only result of a mode is not offered for cancelling";
}

TEST_F(RaceResultsTest, StoredRowIsCommittedBeforeTheReportReturns)
{
    startIn("Обычный");
    results->FinishRace(race(100, 20000));
    // Another connection sees only what is committed, as a restart after a crash would.
    const auto other = Database::OpenDatabase(path());
    EXPECT_EQ(CountResults(*other, "Обычный"), 1);
}

TEST_F(RaceResultsTest, TransactionLeftOpenFailsInsteadOfHidingRow)
{
    startIn("Обычный");
    db->BeginTransaction();
    EXPECT_THROW(results->RecordResult(race(100, 20000)), DatabaseError);
}

TEST_F(RaceResultsTest, HoursFallAwayFromStoredTime)
{
    startIn("Обычный");
    const FinishReport report = results->FinishRace(race(6500, 65 * 60000 + 400));
    EXPECT_EQ(rows("Обычный").first().first(), "300");
    EXPECT_EQ(report.panel.Label3, "05:00");
    EXPECT_EQ(report.panel.Label4, ".4");
}

TEST_F(RaceResultsTest, ResultPanelOfCompleteText)
{
    startIn("Обычный");
    const ResultPanelValues panel = results->FinishRace(race(100, 20340, 3)).panel;
    EXPECT_EQ(panel.Label5, "295"); // 294.99
    EXPECT_EQ(panel.Label3, "00:20");
    EXPECT_EQ(panel.Label4, ".3");
    EXPECT_EQ(panel.Label7, "3");
    EXPECT_EQ(panel.Label9, "ошибки (");
    EXPECT_EQ(panel.Label8, "3,00");
}

TEST_F(RaceResultsTest, MarathonCountsTypedCharactersOverItsSetLength)
{
    fakes::addMode(*db, {"Мини_марафон", "marathon", "text", {"Текст."}, {{"duration", "0"}}});
    startIn("Мини_марафон");
    const FinishReport report =
        results->FinishRace(marathon(RaceOutcome::Reason::MarathonTimeUp, 1500, 5 * 60000 + 300));
    EXPECT_EQ(report.panel.Label3, "05:00");
    EXPECT_EQ(report.panel.Label4, ".0");
    EXPECT_EQ(report.panel.Label5, "300"); // 1500 in 300.3 s is 299.7
    EXPECT_EQ(rows("Мини_марафон").first().mid(0, 3), (QStringList{"300", "300", "0,000"}));
    EXPECT_EQ(CurrentPoints(*db), 1500);
}

TEST_F(RaceResultsTest, ErrorlessModeStoresUnderItsOwnName)
{
    startIn("Безошибочный");
    results->FinishRace(race(100, 20000));
    EXPECT_EQ(rows("Безошибочный").size(), 1);
    EXPECT_TRUE(rows("Обычный").isEmpty()) << "the text came from Обычный, the result does not go there";
}

TEST_F(RaceResultsTest, RepeatRaceEarnsPointsButStoresNothing)
{
    fakes::addMode(*db, {"Книга", "book", "text", {"Раз.", "Два."}, {{"book_poz", "1"}}});
    startIn("Книга");
    RaceOutcome repeat = race(100, 20000);
    repeat.RepeatRun = true;
    const FinishReport report = results->FinishRace(repeat);
    EXPECT_TRUE(rows("Книга").isEmpty());
    EXPECT_EQ(setting("Книга", "book_poz"), "1");
    EXPECT_EQ(CurrentPoints(*db), 100);
    EXPECT_TRUE(report.summary);
    EXPECT_FALSE(report.cancelVisible);
}

TEST_F(RaceResultsTest, ErrorWorkRaceChangesNothing)
{
    startIn("Обычный");
    RaceOutcome practice = race(100, 20000, 2);
    practice.ErrorWorkRun = true;
    const FinishReport report = results->FinishRace(practice);
    EXPECT_TRUE(rows("Обычный").isEmpty());
    EXPECT_EQ(CurrentPoints(*db), 0);
    EXPECT_FALSE(report.summary);
    EXPECT_EQ(report.panel.Label7, "2");
}

TEST_F(RaceResultsTest, RecordOnlyAboveBestSpeed)
{
    fakes::addResults(*db, "Обычный", 3, "300");
    startIn("Обычный");
    EXPECT_FALSE(results->FinishRace(atSpeed(300)).record);
    EXPECT_TRUE(results->FinishRace(atSpeed(301)).record);
    EXPECT_TRUE(results->FinishRace(atSpeed(301)).cancelVisible);
}

TEST_F(RaceResultsTest, FinishCountersNeedLimitAndCounterTicked)
{
    fakes::addMode(*db, {"A"});
    startIn("A");
    results->FinishRace(atSpeed(200));
    EXPECT_EQ(session->counters().TotalFinished, 0);
    session->settings().setFlag(Setting::LimitErrors, true);
    session->settings().setFlag(Setting::Doezd, true);
    const FinishReport report = results->FinishRace(atSpeed(200));
    EXPECT_TRUE(report.countersChanged);
    const RaceCounters &c = session->counters();
    EXPECT_EQ((std::array{c.SessionFinished, c.SessionStarted, c.TotalFinished, c.TotalStarted}),
              (std::array{1, 1, 1, 1}));
    RaceOutcome repeat = atSpeed(200);
    repeat.RepeatRun = true;
    EXPECT_FALSE(results->FinishRace(repeat).countersChanged);
}

struct ImplausibleCase {
    const char *name;
    const char *mode; // the mode the race runs in
    int speed;
    bool wiped;
};

void PrintTo(const ImplausibleCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImplausibleSpeedTest : public RaceResultsTest, public ::testing::WithParamInterface<ImplausibleCase> {};

TEST_P(ImplausibleSpeedTest, WipesModeAndEndsProgram)
{
    const ImplausibleCase &c = GetParam();
    const QString mode = QString::fromUtf8(c.mode);
    fakes::addMode(*db, {"A"});
    fakes::addMode(*db, {"Марафон", "marathon", "text"});
    fakes::addResults(*db, mode, 5);
    fakes::addResults(*db, "Обычный", 2);
    startIn(mode);
    session->settings().setNumber(Setting::TextSize, 21);
    if (!c.wiped) {
        results->RecordResult(atSpeed(c.speed));
        EXPECT_EQ(rows(mode).size(), 6);
        return;
    }
    EXPECT_THROW(results->RecordResult(atSpeed(c.speed)), TerminationRequested);
    EXPECT_TRUE(rows(mode).isEmpty());
    EXPECT_EQ(fake.prompts.messages, QStringList{kImplausibleSpeedMessage});
    EXPECT_EQ(session->CurrentMode(), "Обычный");
    if (mode != "Обычный") {
        EXPECT_EQ(rows("Обычный").size(), 2) << "other modes keep their results";
        EXPECT_EQ(setting(mode, "textsize"), "21") << "leaving the mode saved it, as a user's switch would";
    }
}

INSTANTIATE_TEST_SUITE_P(Speeds, ImplausibleSpeedTest,
                         ::testing::Values(ImplausibleCase{"just_below", "A", 1199, false},
                                           ImplausibleCase{"at_limit", "A", 1200, true},
                                           ImplausibleCase{"regular", "Обычный", 1500, true},
                                           ImplausibleCase{"errorless", "Безошибочный", 1200, true},
                                           ImplausibleCase{"marathon_exempt", "Марафон", 2000, false}),
                         [](const auto &info) { return std::string(info.param.name); });

struct RankUpCase {
    const char *name;
    std::vector<const char *> earlierSpeeds;
    int speed;
    QStringList messages;
};

void PrintTo(const RankUpCase &c, std::ostream *out)
{
    *out << c.name;
}

class RankUpTest : public RaceResultsTest, public ::testing::WithParamInterface<RankUpCase> {};

TEST_P(RankUpTest, CongratulatesOnNewRanksInRegularMode)
{
    const RankUpCase &c = GetParam();
    for (const char *speed : c.earlierSpeeds)
        fakes::addResults(*db, "Обычный", 1, speed);
    fakes::addMode(*db, {"ХРУСТяшки", "trainer", "text", {"фыва"}, {{"book_poz", "7"}}});
    startIn("Обычный");
    EXPECT_EQ(results->FinishRace(atSpeed(c.speed)).messages, c.messages);
    const bool rankUp = !c.messages.isEmpty();
    EXPECT_EQ(CurrentPoints(*db), c.speed + (rankUp ? kRankBonus : 0)) << "one bonus however many ranks";
    EXPECT_EQ(setting("ХРУСТяшки", "book_poz"), rankUp ? "0" : "7");
    EXPECT_FALSE(results->RankBonusPending());
}

const QString kAmateur = "Поздравляем с получением нового ранга! Теперь вы Любитель!";
const QString kPro = "Поздравляем с получением нового ранга! Теперь вы Профи!";

INSTANTIATE_TEST_SUITE_P(Bests, RankUpTest,
                         ::testing::Values(RankUpCase{"from_50", {"50"}, 350, {kAmateur, kPro}},
                                           RankUpCase{"from_250", {"250", "40"}, 350, {kPro}},
                                           RankUpCase{"no_new_best", {"400"}, 350, {}},
                                           RankUpCase{"first_result", {}, 350, {}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RaceResultsTest, RankUpOnlyInRegularMode)
{
    fakes::addMode(*db, {"A"});
    fakes::addResults(*db, "A", 2, "50");
    fakes::addResults(*db, "Обычный", 2, "50");
    startIn("A");
    EXPECT_TRUE(results->FinishRace(atSpeed(350)).messages.isEmpty());
}

TEST_F(RaceResultsTest, BookMovesOnAndCancelMovesBack)
{
    fakes::addMode(*db, {"Книга", "book", "text", {"Раз.", "Два.", "Три."}, {{"book_poz", "1"}}});
    fakes::addResults(*db, "Книга", 1);
    SetSetting(*db, "level", "6000"); // 3000 points
    startIn("Книга");
    results->FinishRace(atSpeed(200));
    EXPECT_EQ(setting("Книга", "book_poz"), "2");
    const CancelReport report = results->CancelResult();
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(fake.prompts.questions, QStringList{kCancelQuestion});
    EXPECT_EQ(rows("Книга").size(), 1);
    EXPECT_EQ(setting("Книга", "book_poz"), "1");
    EXPECT_EQ(CurrentPoints(*db), 200);
    EXPECT_EQ(report.summary->values.ModeResultCount, 1);
}

TEST_F(RaceResultsTest, CancelNeedsThreeThousandPoints)
{
    fakes::addResults(*db, "Обычный", 3);
    startIn("Обычный");
    SetSetting(*db, "level", "5998");
    EXPECT_FALSE(results->CancelResult().cancelled);
    EXPECT_EQ(fake.prompts.messages, QStringList{kTooFewPointsMessage});
    EXPECT_EQ(rows("Обычный").size(), 3);
    EXPECT_EQ(CurrentPoints(*db), 2999);

    fake.prompts.answers = {false};
    SetSetting(*db, "level", "6000");
    EXPECT_FALSE(results->CancelResult().cancelled) << "answered No";
    EXPECT_EQ(rows("Обычный").size(), 3);

    EXPECT_TRUE(results->CancelResult().cancelled);
    EXPECT_EQ(rows("Обычный").size(), 2);
    EXPECT_EQ(CurrentPoints(*db), 0);
}

TEST_F(RaceResultsTest, CancelDeletesTheLastRow)
{
    fakes::addResults(*db, "Обычный", 2, "100");
    startIn("Обычный");
    results->FinishRace(atSpeed(250));
    SetSetting(*db, "level", "6000");
    results->CancelResult();
    EXPECT_EQ(rows("Обычный").size(), 2);
    EXPECT_EQ(ReadModeSummary(*db, "Обычный").ModeBestSpeed, 100);
}

class MemorisationTest : public RaceResultsTest {
protected:
    void startSet(const char *position, const char *rounds)
    {
        fakes::addMode(*db, {"Стихи", "book", "zubr", {"Раз.", "Два.", "Три."},
                             {{"book_poz", position}, {"prohod", rounds}, {"limitspeed", "150"}}});
        startIn("Стихи");
    }
};

TEST_F(MemorisationTest, FaultlessFastTextMovesOn)
{
    startSet("0", "4");
    results->FinishRace(atSpeed(151));
    EXPECT_EQ(setting("Стихи", "book_poz"), "1");
    results->FinishRace(atSpeed(150));
    EXPECT_EQ(setting("Стихи", "book_poz"), "1") << "the speed must be above the limit";
    results->FinishRace(atSpeed(300, 1));
    EXPECT_EQ(setting("Стихи", "book_poz"), "1") << "no mistakes allowed";
}

TEST_F(MemorisationTest, LastTextStartsNextPass)
{
    startSet("2", "3");
    results->FinishRace(atSpeed(300));
    EXPECT_EQ(setting("Стихи", "book_poz"), "0");
    EXPECT_EQ(setting("Стихи", "prohod"), "2");
    EXPECT_EQ(session->kind().ZubrRounds, 2) << "the next text hides words for the new pass";
}

TEST_F(MemorisationTest, LastPassRollsOverToSix)
{
    startSet("2", "1");
    results->FinishRace(atSpeed(300));
    EXPECT_EQ(setting("Стихи", "book_poz"), "0");
    EXPECT_EQ(setting("Стихи", "prohod"), "6");
}

TEST_F(MemorisationTest, CancelPutsBackOnlyWhatTheRaceMoved)
{
    startSet("2", "1");
    SetSetting(*db, "level", "20000");
    results->FinishRace(atSpeed(300));
    results->CancelResult();
    EXPECT_EQ(setting("Стихи", "book_poz"), "2");
    EXPECT_EQ(setting("Стихи", "prohod"), "1");

    results->FinishRace(atSpeed(300, 2));
    results->CancelResult();
    EXPECT_EQ(setting("Стихи", "book_poz"), "2") << "a text with mistakes never moved";
}

TEST_F(RaceResultsTest, BookMarathonAdvancesByTypedCharacters)
{
    fakes::addMode(*db, {"Книгомарафон", "marathon", "book", {QString(5000, QChar(u'ж'))}, {{"book_poz", "100"}}});
    startIn("Книгомарафон");
    EXPECT_TRUE(results->FinishRace(marathon(RaceOutcome::Reason::MarathonTimeUp, 1500, 300000)).messages.isEmpty());
    EXPECT_EQ(setting("Книгомарафон", "book_poz"), "1600");
    EXPECT_EQ(results->FinishRace(marathon(RaceOutcome::Reason::MarathonTextExhausted, 900, 200000)).messages,
              QStringList{kBookMarathonDoneMessage});
    EXPECT_EQ(setting("Книгомарафон", "book_poz"), "0");
}

struct ExerciseCase {
    const char *name;
    const char *mode;
    const char *position;
    int speed;
    int errors;
    const char *positionAfter;
    QStringList messages;
};

void PrintTo(const ExerciseCase &c, std::ostream *out)
{
    *out << c.name;
}

class ExerciseTest : public RaceResultsTest, public ::testing::WithParamInterface<ExerciseCase> {};

TEST_P(ExerciseTest, MovesOnWhenPassed)
{
    const ExerciseCase &c = GetParam();
    const QString mode = QString::fromUtf8(c.mode);
    fakes::addResults(*db, "Обычный", 10);
    SetSetting(*db, "rangob", "Профи");
    fakes::addMode(*db, {mode, "trainer", "text", {"фыва"}, {{"book_poz", c.position}}});
    startIn(mode);
    EXPECT_EQ(results->FinishRace(atSpeed(c.speed, c.errors)).messages, c.messages);
    EXPECT_EQ(setting(mode, "book_poz"), c.positionAfter);
    EXPECT_TRUE(fake.prompts.messages.isEmpty()) << "messages wait until the panel is up";
}

INSTANTIATE_TEST_SUITE_P(
    Courses, ExerciseTest,
    ::testing::Values(
        ExerciseCase{"learning_passed", "Обучение", "0", 110, 2, "1",
                     {"Поздравляем! Вы прошли первое упражнение и допущены ко второму."}},
        ExerciseCase{"learning_too_slow", "Обучение", "0", 109, 0, "0",
                     {"Вы набирали слишком медленно.\r\nДля прохождения этого упражнения требуется скорость набора не "
                      "меньше 110 зн/мин."}},
        ExerciseCase{"learning_too_many_errors", "Обучение", "0", 150, 3, "0",
                     {"Вы допустили слишком много ошибок.\r\nДля прохождения этого упражнения количество допустимых "
                      "ошибок не должно превышать 2."}},
        ExerciseCase{"learning_course_done", "Обучение", "4", 120, 3, "0", {kLearningCourseDoneMessage}},
        ExerciseCase{"crunch_passed", "ХРУСТяшки", "16", 339, 1, "17", {}},
        ExerciseCase{"crunch_too_slow", "ХРУСТяшки", "16", 338, 1, "16", {}},
        ExerciseCase{"crunch_last_needs_no_errors", "ХРУСТяшки", "23", 500, 1, "23", {}},
        ExerciseCase{"crunch_course_done", "ХРУСТяшки", "23", 400, 0, "0", {kCrunchCourseDoneMessage}},
        ExerciseCase{"other_trainer", "Разминка", "0", 900, 0, "0", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RaceResultsTest, ExerciseFailureEndsProgramWithItsCode)
{
    fakes::addMode(*db, {"Обучение", "trainer", "text"});
    db->Execute(QStringLiteral("ALTER TABLE %1 DROP COLUMN book_poz").arg(QuoteIdentifier(EncodeModeName("Обучение"))));
    startIn("Обучение");
    EXPECT_THROW(results->FinishRace(atSpeed(200)), TerminationRequested);
    EXPECT_EQ(fake.prompts.messages, QStringList{FatalErrorMessage("zps33")});
    EXPECT_EQ(rows("Обучение").size(), 1) << "the result itself is kept";
}

} // namespace
