#include "race/AutoReplace.h"
#include "race/Keystroke.h"
#include "race/RaceClock.h"
#include "race/RaceOutcome.h"

#include "TempDatabase.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

struct KeyCase {
    const char16_t typed;
    const char16_t expected;
    KeyRules rules;
    bool accepted;
};

void PrintTo(const KeyCase &c, std::ostream *out)
{
    *out << QString(QChar(c.typed)).toStdString() << " for " << QString(QChar(c.expected)).toStdString();
}

class ComparedKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ComparedKeyTest, AcceptsOnlyTheListedVariants)
{
    const KeyCase &c = GetParam();
    EXPECT_EQ(ComparedKey(QChar(c.typed), QChar(c.expected), c.rules) == QChar(c.expected), c.accepted)
        << QString(QChar(c.typed)).toStdString() << " for " << QString(QChar(c.expected)).toStdString();
}

constexpr KeyRules kPlain{};
constexpr KeyRules kDigits{true, false};
constexpr KeyRules kMarathon{false, true};

INSTANTIATE_TEST_SUITE_P(
    Table, ComparedKeyTest,
    ::testing::Values(
        // Straight quotes stand for typographic ones, never the other way round.
        KeyCase{u'"', u'«', kPlain, true}, KeyCase{u'«', u'"', kPlain, false}, KeyCase{u'"', u'»', kPlain, true},
        KeyCase{u'"', u'„', kPlain, true}, KeyCase{u'"', u'“', kPlain, true}, KeyCase{u'"', u'”', kPlain, true},
        KeyCase{u'\'', u'‘', kPlain, true}, KeyCase{u'\'', u'’', kPlain, true}, KeyCase{u'’', u'\'', kPlain, false},
        KeyCase{u'\'', u'«', kPlain, false},
        // Dashes.
        KeyCase{u'-', u'—', kPlain, true}, KeyCase{u'-', u'–', kPlain, true}, KeyCase{u'—', u'-', kPlain, false},
        // ё and е stand for each other, in both cases, but not across cases.
        KeyCase{u'е', u'ё', kPlain, true}, KeyCase{u'ё', u'е', kPlain, true}, KeyCase{u'Е', u'Ё', kPlain, true},
        KeyCase{u'Ё', u'Е', kPlain, true}, KeyCase{u'е', u'Ё', kPlain, false}, KeyCase{u'Е', u'е', kPlain, false},
        // Comma and period only in the digits mode.
        KeyCase{u'.', u',', kDigits, true}, KeyCase{u',', u'.', kDigits, true}, KeyCase{u'.', u',', kPlain, false},
        KeyCase{u',', u'.', kMarathon, false},
        // A space for a no-break space only in a marathon.
        KeyCase{u' ', u'\u00A0', kMarathon, true}, KeyCase{u' ', u'\u00A0', kPlain, false},
        KeyCase{u'\u00A0', u' ', kMarathon, false},
        // Everything else is exact and case-sensitive.
        KeyCase{u'a', u'A', kPlain, false}, KeyCase{u'ж', u'ж', kPlain, true}));

TEST(WordAtTest, WordsEndAtSpacesAndNoBreakSpaces)
{
    const QString text = QStringLiteral("Мама мыла\u00A0раму.");
    const WordRange first = WordAt(text, 2);
    EXPECT_EQ(text.mid(first.start, first.length()), "Мама");
    const WordRange second = WordAt(text, 5);
    EXPECT_EQ(text.mid(second.start, second.length()), "мыла");
    const WordRange last = WordAt(text, 12);
    EXPECT_EQ(text.mid(last.start, last.length()), "раму.");
    // The highlight carries the separator that ends the word.
    const WordRange shown = HighlightedWordAt(text, 5);
    EXPECT_EQ(text.mid(shown.start, shown.length()), "мыла\u00A0");
    const WordRange atSpace = HighlightedWordAt(text, 4);
    EXPECT_EQ(text.mid(atSpace.start, atSpace.length()), "Мама ");
}

QStringList matched(const QString &text, const QStringList &words)
{
    QStringList pieces;
    for (const WordRange &r : AutoReplaceMatcher(words).matches(text))
        pieces << text.mid(r.start, r.length());
    return pieces;
}

TEST(AutoReplaceTest, MatchesWordsAloneInParenthesesAndQuotesIgnoringCase)
{
    EXPECT_EQ(matched(QStringLiteral("Тчк, тчк. (тчк) (тчк тчк) \"тчк\" тчк\" \"тчк тчк-тчк…тчк"), {"ТЧК"}),
              QStringList({"Тчк", "тчк", "(тчк)", "(тчк", "тчк)", "\"тчк\"", "тчк\"", "\"тчк", "тчк", "тчк", "тчк"}));
    EXPECT_TRUE(matched(QStringLiteral("тчкк ттчк (\"тчк\")"), {"тчк"}).isEmpty());
    // An empty row of the list matches nothing, not even a lone quote.
    EXPECT_TRUE(matched(QStringLiteral("a \"\" \" b"), {"", "x"}).isEmpty());
}

class AutoReplaceStorageTest : public fakes::TempDatabaseTest {};

TEST_F(AutoReplaceStorageTest, ReadsTheListWhenItExists)
{
    EXPECT_TRUE(LoadAutoReplaceWords(*db).isEmpty());
    db->Execute("CREATE TABLE _AZ (id INTEGER PRIMARY KEY, text TEXT)");
    db->Execute("INSERT INTO _AZ (text) VALUES (?), (?)", {"тчк", "зпт"});
    EXPECT_EQ(LoadAutoReplaceWords(*db), QStringList({"тчк", "зпт"}));
}

ClockStamp at(int ms)
{
    return {ms, QDate(2026, 1, 1)};
}

TEST(RaceClockTest, TimesFromTheFirstKeyOnlyWithinASecondOfTheStart)
{
    EXPECT_EQ(ElapsedMs(at(10'000), at(10'999), at(30'999)), 20'000);
    EXPECT_EQ(ElapsedMs(at(10'000), at(11'000), at(31'000)), 21'000);
    EXPECT_EQ(RaceSpeed(100, ElapsedMs(at(10'000), at(10'999), at(30'999))), 300);
}

TEST(RaceClockTest, CountsForwardOverMidnight)
{
    EXPECT_EQ(MsBetween(at(kMsPerDay - 500), at(1'500)), 2'000);
    EXPECT_EQ(ElapsedMs(at(kMsPerDay - 500), at(100), at(20'100)), 20'000);
}

TEST(RaceClockTest, SpeedRoundsHalvesToEven)
{
    EXPECT_EQ(RaceSpeed(1, 24'000), 2);  // 2.5
    EXPECT_EQ(RaceSpeed(7, 12'000), 35); // 35.0
    EXPECT_EQ(RaceSpeed(7, 120'000), 4); // 3.5
    EXPECT_EQ(RaceSpeed(5, 0), 0);
}

TEST(RaceClockTest, StopwatchShowsMinutesSecondsAndTheMarathonLength)
{
    EXPECT_EQ(StopwatchText(0, false, 5), "00:00");
    EXPECT_EQ(StopwatchText(75, false, 5), "01:15");
    EXPECT_EQ(StopwatchText(300, true, 5), "05:00 / 05:00");
    EXPECT_EQ(StopwatchText(61, true, 30), "01:01 / 30:00");
}

} // namespace
