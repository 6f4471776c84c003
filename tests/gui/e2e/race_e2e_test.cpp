// A whole race in the real program, typed with real key events and read back
// the way a screen reader reads the window.
#include "Accessibility.h"
#include "XSession.h"

#include "race/RaceOutcome.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace tesmi;
using namespace tesmi::e2e;

namespace {

// The one text of Обычный in a fresh database.
const QString kText = QStringLiteral("Это базовый текст, означающий, что нужно обновить текстовую базу!");
const QString kSpeedUnit = QStringLiteral("зн/мин");
// xdotool paces characters at half its delay: the press and the release of a
// key share it. 100 ms a character keeps the race near 600 зн/мин.
constexpr int kKeyDelayMs = 200;
constexpr int kKeySpacingMs = kKeyDelayMs / 2;

bool hasName(const QList<AccessibleNode> &nodes, const QString &name)
{
    return std::any_of(nodes.begin(), nodes.end(), [&](const AccessibleNode &node) { return node.name == name; });
}

// The speedometer: the number just before its unit.
QString speedShown(const QList<AccessibleNode> &nodes)
{
    for (qsizetype i = 1; i < nodes.size(); ++i) {
        if (nodes[i].name == kSpeedUnit)
            return nodes[i - 1].name;
    }
    return {};
}

QString transcriptShown(const QList<AccessibleNode> &nodes)
{
    for (const AccessibleNode &node : nodes) {
        if (!node.text.isEmpty())
            return node.text;
    }
    return {};
}

TEST(RaceE2ETest, TypingAWholeRaceShowsTheTranscriptAndTheSpeed)
{
    ProgramRun run;
    {
        // Not the first run: no greeting in the way; the speedometer on.
        auto db = Database::OpenDatabase(run.file("data.db"));
        EnsureSchema(*db);
        SetModeSettings(*db, kRegularMode, {{"speedometr", "1"}});
    }
    AccessibilityBus screenReader;
    QProcessEnvironment env;
    screenReader.addTo(env);
    run.start(QStringLiteral("ru_RU.UTF-8"), env);
    const unsigned long main = run.waitForMainWindow();
    ASSERT_NE(main, 0u) << "no main window";

    XSession::instance().pressKey(main, QStringLiteral("ctrl+Right"));
    // The stopwatch replaces the countdown when the race starts.
    ASSERT_TRUE(waitUntil([&] { return hasName(screenReader.nodes(), QStringLiteral("00:00")); }, 10000));
    QElapsedTimer typing;
    typing.start();
    XSession::instance().typeText(main, kText, kKeyDelayMs);
    const qint64 typedMs = typing.elapsed();

    QList<AccessibleNode> nodes;
    ASSERT_TRUE(waitUntil([&] {
        nodes = screenReader.nodes();
        return !transcriptShown(nodes).isEmpty();
    }));
    EXPECT_EQ(transcriptShown(nodes), kText);
    // The keys came no faster than xdotool's pace and no slower than we watched.
    bool isNumber = false;
    const int speed = speedShown(nodes).toInt(&isNumber);
    ASSERT_TRUE(isNumber) << speedShown(nodes).toStdString();
    EXPECT_LE(speed, RaceSpeed(kText.size(), (kText.size() - 1) * kKeySpacingMs));
    // A busy machine may hand the last keys over late: allow it three seconds.
    EXPECT_GE(speed, RaceSpeed(kText.size(), typedMs + 3000)) << typedMs << " ms to type";

    XSession::instance().closeLikeUser(main);
    EXPECT_TRUE(run.finished());

    // The race is stored with the speed shown, and its characters are credited.
    auto db = Database::OpenDatabase(run.file("data.db"));
    const QueryResult rows = db->Query("SELECT speed, error FROM " + ResultsTableName(kRegularMode));
    ASSERT_EQ(rows.count(), 1);
    EXPECT_EQ(rows.rows.front(), (QStringList{QString::number(speed), "0"}));
    EXPECT_EQ(GetSetting(*db, "level"), QString::number(2 * kText.size())) << "points are kept doubled";
}

} // namespace
