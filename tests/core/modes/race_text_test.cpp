#include "modes/RaceText.h"

#include "modes/ModeSession.h"
#include "storage/Settings.h"
#include "util/Guard.h"

#include "FakePlatform.h"
#include "ModeFixture.h"
#include "TempDatabase.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

// A text of `length` characters whose only sentence ends are at the given
// 1-based positions, each followed by a space.
QString textWithSentenceEnds(int length, std::initializer_list<int> ends)
{
    QString text(length, 'x');
    for (int end : ends) {
        text[end - 1] = '.';
        if (end < length)
            text[end] = ' ';
    }
    return text;
}

TEST(NormaliseTest, CollapsesWhitespaceAndDropsOneLeadingSpace)
{
    EXPECT_EQ(NormaliseStoredText(" Раз\tдва\r\n\r\nтри   четыре ", false), "Раз два три четыре ");
    EXPECT_EQ(NormaliseStoredText(QString(QChar(0xA0)) + "текст", true), "текст");
    EXPECT_EQ(NormaliseStoredText(QString(QChar(0xA0)) + "текст", false), QString(QChar(0xA0)) + "текст");
}

TEST(DigitsTextTest, NumbersWithOptionalDecimalsEndingInFullStop)
{
    fakes::FakeRandom random;
    static const QRegularExpression shape("^\\d{1,4}(,\\d{1,2})?( \\d{1,4}(,\\d{1,2})?)*\\.$");
    for (int length : {0, 10, 300}) {
        const QString text = MakeDigitsText(length, random);
        EXPECT_GT(text.size(), length);
        EXPECT_TRUE(shape.match(text).hasMatch()) << text.toStdString();
    }
}

TEST(DigitsTextTest, AboutATenthOfNumbersCarryOneAndATenthTwoDecimals)
{
    fakes::FakeRandom random;
    const QStringList numbers = MakeDigitsText(200000, random).chopped(1).split(' ');
    int one = 0;
    int two = 0;
    for (const QString &number : numbers) {
        const qsizetype comma = number.indexOf(',');
        one += comma >= 0 && number.size() - comma - 1 == 1;
        two += comma >= 0 && number.size() - comma - 1 == 2;
    }
    EXPECT_NEAR(double(one) / numbers.size(), 0.10, 0.01);
    EXPECT_NEAR(double(two) / numbers.size(), 0.10, 0.01);
}

class LettersTextTest : public ::testing::TestWithParam<bool> {};

TEST_P(LettersTextTest, CapitalsOnlyAfterSentenceEnds)
{
    const bool latin = GetParam();
    fakes::FakeRandom random;
    for (int run = 0; run < 200; ++run) {
        const QString text = MakeLettersText(300, latin, random);
        ASSERT_TRUE(text.front().isUpper()) << text.toStdString();
        ASSERT_TRUE(text.endsWith('.'));
        for (qsizetype i = 2; i < text.size(); ++i) {
            if (!text[i].isLetter() || text[i - 1] != ' ')
                continue;
            const bool afterSentenceEnd = QStringLiteral(".?!").contains(text[i - 2]);
            ASSERT_EQ(text[i].isUpper(), afterSentenceEnd) << text.toStdString() << " at " << i;
        }
    }
}

TEST_P(LettersTextTest, PairsOpenAndCloseInsideOneSentence)
{
    const bool latin = GetParam();
    const QString opening = latin ? "“" : "«";
    const QString closing = latin ? "”" : "»";
    fakes::FakeRandom random;
    int pairs = 0;
    for (int run = 0; run < 400; ++run) {
        const QString text = MakeLettersText(300, latin, random);
        for (const auto &[open, close] : {std::pair{QString("("), QString(")")}, std::pair{opening, closing}}) {
            const qsizetype start = text.indexOf(open);
            ASSERT_EQ(start >= 0, text.contains(close)) << text.toStdString();
            if (start < 0)
                continue;
            ++pairs;
            const qsizetype end = text.indexOf(close);
            ASSERT_GT(end, start);
            ASSERT_EQ(text[start - 1], ' ');
            const QString inside = text.mid(start + 1, end - start - 1);
            ASSERT_FALSE(inside.contains('.') || inside.contains('!') || inside.contains('?')) << text.toStdString();
        }
    }
    EXPECT_GT(pairs, 40) << "pairs are drawn for two in five texts";
}

INSTANTIATE_TEST_SUITE_P(Alphabets, LettersTextTest, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "Latin" : "Cyrillic"; });

TEST(LettersTextTest, CyrillicUsesWholeAlphabetAfterEverySeparator)
{
    fakes::FakeRandom random;
    const QString text = MakeLettersText(100000, false, random);
    for (const char *sample : {"! Ё", "! Я", " ё", " я", ", ъ"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(sample))) << sample;
}

TEST(PhrasesTextTest, RepeatsUntilLengthAndEndsWithFullStop)
{
    fakes::FakeRandom random;
    EXPECT_EQ(MakePhrasesText({"кот"}, 0, random), ".");
    EXPECT_EQ(MakePhrasesText({"кот"}, 10, random), "кот кот кот.");
}

TEST(MarathonWindowTest, EndsAtFirstSentenceEndFrom301)
{
    const QString source = textWithSentenceEnds(1000, {120, 300, 340, 700});
    const auto [window, rest] = CutMarathonWindow(source);
    EXPECT_EQ(window.size(), 340);
    EXPECT_EQ(rest, source.mid(341));
    EXPECT_EQ(CutMarathonWindow(textWithSentenceEnds(1000, {301})).first.size(), 301);
}

TEST(MarathonWindowTest, NoBreakSpaceAlsoSeparatesAndNoEndGivesWholeText)
{
    QString source = textWithSentenceEnds(500, {});
    source[399] = '!';
    source[400] = QChar(0xA0);
    EXPECT_EQ(CutMarathonWindow(source).first.size(), 400);
    const QString endless = textWithSentenceEnds(500, {100});
    EXPECT_EQ(CutMarathonWindow(endless), std::make_pair(endless, QString()));
}

struct HidingCase {
    const char *text;
    int rounds;
    const char *shown;
};

std::ostream &operator<<(std::ostream &out, const HidingCase &c)
{
    return out << c.rounds;
}

class HideWordsTest : public ::testing::TestWithParam<HidingCase> {};

TEST_P(HideWordsTest, HidesEveryRoundsthWord)
{
    const HidingCase &c = GetParam();
    EXPECT_EQ(HideWords(QString::fromUtf8(c.text), c.rounds), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, HideWordsTest,
    ::testing::Values(HidingCase{"Мама мыла раму.", 1, "**** **** ****."}, HidingCase{"Мама мыла раму.", 2, "Мама **** раму."},
                      HidingCase{"Мама мыла раму.", 6, "Мама мыла раму."},
                      HidingCase{"Раз, два - три: четыре (пять) шесть.", 3, "Раз, два - ***: четыре (пять) *****."},
                      HidingCase{"Раз два три четыре пять шесть.", 5, "Раз два три четыре **** шесть."},
                      HidingCase{"Раз два три четыре.", 4, "Раз два три ******."}));

class GeneratorTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }

    RaceTextResult make(const QString &mode, const QString &previousId = "7")
    {
        RaceTextGenerator generator(*db, fake.random, guard);
        return generator.MakeRaceText(mode, LoadModeKind(*db, mode), 10, previousId);
    }

    fakes::FakePlatform fake;
    Guard guard{fake.prompts, fake.termination};
};

TEST_F(GeneratorTest, TextsKindPicksRowAndNormalises)
{
    fakes::addMode(*db, {"T", "text", "text", {"первый", "  второй\tтекст ", "третий"}});
    fake.random.scripted = {1};
    const RaceTextResult result = make("T");
    EXPECT_EQ(result.RaceText, "второй текст");
    EXPECT_EQ(result.TextKind, "text");
    EXPECT_EQ(result.CurrentTextId, "2");
    EXPECT_EQ(result.shownText, result.RaceText);
    EXPECT_EQ(result.referenceText, "второ");
    EXPECT_EQ(result.trackMaximum, 12);
}

TEST_F(GeneratorTest, RandomRowFollowsTableOrderAcrossGaps)
{
    fakes::addMode(*db, {"T", "text", "text", {"1", "2", "3", "4", "5"}});
    db->Execute("DELETE FROM T WHERE id IN (2, 4)");
    QStringList picked;
    for (int k = 0; k < 3; ++k) {
        fake.random.scripted = {k};
        picked << make("T").RaceText;
    }
    EXPECT_EQ(picked, (QStringList{"1", "3", "5"}));
    fakes::addMode(*db, {"U", "text", "text", {"a", "b"}});
    db->Execute("INSERT INTO U (text) VALUES ('c')");
    fake.random.scripted = {2};
    EXPECT_EQ(make("U").RaceText, "c") << "a new row counts at once";
}

TEST_F(GeneratorTest, RowsDeletedByAnotherConnectionAreCountedAgain)
{
    fakes::addMode(*db, {"T", "text", "text", {"1", "2", "3", "4", "5"}});
    RaceTextGenerator generator(*db, fake.random, guard);
    const ModeKind kind = LoadModeKind(*db, "T");
    generator.MakeRaceText("T", kind, 5, "1"); // counts five rows
    auto other = Database::OpenDatabase(path());
    other->Execute("DELETE FROM T WHERE id > 1");
    fake.random.scripted = {4};
    EXPECT_EQ(generator.MakeRaceText("T", kind, 5, "1").RaceText, "1");
    EXPECT_TRUE(fake.prompts.messages.isEmpty());
}

TEST_F(GeneratorTest, GeneratedKindsKeepTextIdAndReadLength)
{
    fakes::addMode(*db, {"Цифры", "digits", "text", {"x"}, {{"dlina", "50"}}});
    const RaceTextResult result = make("Цифры", "42");
    EXPECT_EQ(result.TextKind, "digits");
    EXPECT_EQ(result.CurrentTextId, "42");
    EXPECT_GT(result.RaceText.size(), 50);
}

TEST_F(GeneratorTest, PhrasesOfLengthZeroGiveFullStop)
{
    fakes::addMode(*db, {"Фразы", "slova", "text", {"кот", "дом"}, {{"dlina", "0"}}});
    EXPECT_EQ(make("Фразы").RaceText, ".");
    EXPECT_EQ(make("Фразы").TextKind, "slova");
}

TEST_F(GeneratorTest, BookGoesInOrderThenRandomlyOverWhatWasRead)
{
    QStringList fragments;
    for (int i = 1; i <= 10; ++i)
        fragments << QStringLiteral("Фрагмент %1.").arg(i);
    fakes::addMode(*db, {"Книга", "book", "text", fragments, {{"book_poz", "3"}}});
    EXPECT_EQ(make("Книга").RaceText, "Фрагмент 4.");
    EXPECT_EQ(make("Книга").CurrentTextId, "4");
    SetModeSettings(*db, "Книга", {{"book_poz", "10"}});
    fake.random.scripted = {6};
    EXPECT_EQ(make("Книга").RaceText, "Фрагмент 7.");
}

TEST_F(GeneratorTest, TrainerUsesBookRuleWithItsOwnKind)
{
    fakes::addMode(*db, {"Обучение", "trainer", "text", {"фыва олдж", "йцук"}});
    const RaceTextResult result = make("Обучение");
    EXPECT_EQ(result.RaceText, "фыва олдж");
    EXPECT_EQ(result.TextKind, "trainer");
}

TEST_F(GeneratorTest, MemorisationHidesWordsInViewOnly)
{
    fakes::addMode(*db, {"Стихи", "book", "zubr", {"Первый.", "Мама мыла раму."}, {{"book_poz", "1"}, {"prohod", "2"}}});
    const RaceTextResult result = make("Стихи");
    EXPECT_EQ(result.RaceText, "Мама мыла раму.");
    EXPECT_EQ(result.shownText, "Мама **** раму.");
    EXPECT_EQ(result.TextKind, "book");
}

TEST_F(GeneratorTest, MarathonOfTextsCutsFirstWindow)
{
    const QString source = textWithSentenceEnds(1000, {340, 700});
    fakes::addMode(*db, {"Марафон", "marathon", "text", {source}});
    const RaceTextResult result = make("Марафон");
    EXPECT_EQ(result.RaceText, source.left(340));
    EXPECT_EQ(result.MarathonRest, source.mid(341));
    EXPECT_EQ(result.TextKind, "marathon");
    EXPECT_EQ(result.CurrentTextId, "1");
    EXPECT_EQ(result.trackMaximum, 8000) << "10 minutes of 800 characters";
}

TEST_F(GeneratorTest, BookMarathonStartsAtTypedPosition)
{
    const QString source = textWithSentenceEnds(2000, {700, 1400});
    fakes::addMode(*db, {"Книжный марафон", "marathon", "book", {source}, {{"book_poz", "299"}}});
    const RaceTextResult result = make("Книжный марафон");
    EXPECT_EQ(result.RaceText, source.mid(299, 401));
    EXPECT_EQ(result.MarathonRest, source.mid(701));
    EXPECT_EQ(result.CurrentTextId, "1");
}

TEST_F(GeneratorTest, BadLengthEndsProgramWithKindsCode)
{
    fakes::addMode(*db, {"Буквы", "liter", "text", {"x"}, {{"dlina", "много"}}});
    EXPECT_THROW(make("Буквы"), TerminationRequested);
    EXPECT_EQ(fake.prompts.messages, QStringList{"Программа будет закрыта. Код ошибки: R_t5"});
}

TEST_F(GeneratorTest, FragmentBeyondTableEndsProgram)
{
    fakes::addMode(*db, {"Книга", "book", "zubr", {"один"}, {{"book_poz", "5"}}});
    EXPECT_THROW(make("Книга"), TerminationRequested);
    EXPECT_EQ(fake.prompts.messages, QStringList{"Программа будет закрыта. Код ошибки: R_t9"});
}

TEST_F(GeneratorTest, UnknownKindGivesEmptyText)
{
    fakes::addMode(*db, {"Странный", "other", "text"});
    const RaceTextResult result = make("Странный");
    EXPECT_TRUE(result.RaceText.isEmpty());
    EXPECT_TRUE(result.TextKind.isEmpty());
    EXPECT_TRUE(fake.prompts.messages.isEmpty());
}

} // namespace
