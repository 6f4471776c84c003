#include "stats/ErrorList.h"

#include "storage/Schema.h"

#include "FakePlatform.h"
#include "TempDatabase.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

using namespace tesmi;

namespace tesmi {
inline void PrintTo(const ErrorEntry &entry, std::ostream *out)
{
    *out << entry.word.toStdString() << '=' << entry.count;
}
} // namespace tesmi

namespace {

// Thirty words mistyped five times each, and one mistyped four times.
ErrorList listWithThirtyFrequentWords()
{
    ErrorList list;
    for (int i = 0; i < 30; ++i)
        list.entries().append({QStringLiteral("слово%1").arg(i), 5});
    list.entries().append({"редкое", 4});
    return list;
}

TEST(ErrorListMergeTest, CountsAcrossRacesCaseSensitivelyAndTrimmed)
{
    ErrorList list;
    for (int race = 0; race < 3; ++race)
        list.MergeMistypedWords({"кот", " Кот\t"});
    EXPECT_EQ(list.entries(), (QList<ErrorEntry>{{"кот", 3}, {"Кот", 3}}));
    EXPECT_EQ(list.frequentCount(), 0);
    list.MergeMistypedWords({"кот", "кот"}) ; // two error runs in one word of one race
    EXPECT_EQ(list.entries().front().count, 5);
    EXPECT_EQ(list.frequentCount(), 1);
}

TEST(ErrorListMergeTest, EntriesWithoutWordAreDropped)
{
    ErrorList list;
    list.entries().append({"", 0}); // a row the moderator added and left empty
    list.MergeMistypedWords({"  ", "дом"});
    EXPECT_EQ(list.entries(), (QList<ErrorEntry>{{"дом", 1}}));
}

TEST(ErrorDictionaryOfferTest, AskedFromThirtyFrequentWordsAndAgainWhileDeclined)
{
    fakes::FakePrompts prompts;
    ErrorList list = listWithThirtyFrequentWords();
    list.entries().removeAt(29);
    EXPECT_FALSE(OfferErrorDictionary(list, prompts));
    EXPECT_TRUE(prompts.questions.isEmpty());

    list = listWithThirtyFrequentWords();
    prompts.answers = {false, false};
    EXPECT_FALSE(OfferErrorDictionary(list, prompts));
    EXPECT_FALSE(OfferErrorDictionary(list, prompts));
    EXPECT_EQ(prompts.questions, (QStringList{kErrorDictionaryQuestion, kErrorDictionaryQuestion}));
    EXPECT_EQ(list.frequentCount(), 30) << "declining keeps the words";
}

TEST(ErrorDictionaryOfferTest, AcceptingTakesOnlyFrequentWordsLastFirst)
{
    fakes::FakePrompts prompts;
    ErrorList list = listWithThirtyFrequentWords();
    const auto words = OfferErrorDictionary(list, prompts);
    ASSERT_TRUE(words);
    EXPECT_EQ(words->size(), 30);
    EXPECT_EQ(words->front(), "слово29");
    EXPECT_EQ(list.entries(), (QList<ErrorEntry>{{"редкое", 4}}));
}

TEST(ErrorWorkTextTest, EveryWordFiveTimes)
{
    fakes::FakeRandom random;
    const QStringList words = MakeErrorWorkText({"кот", "дом"}, random).split(' ');
    EXPECT_EQ(words.size(), 10);
    EXPECT_EQ(words.count("кот"), 5);
    EXPECT_EQ(words.count("дом"), 5);
}

class ErrorListStorageTest : public fakes::TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }
};

TEST_F(ErrorListStorageTest, SavedListSurvivesAReopenedFile)
{
    ErrorList list;
    list.MergeMistypedWords({"кот", "\"кавычки\"", "кот", "'; DROP TABLE _error; --"});
    list.SaveErrorList(*db);
    db.reset(); // as if the program had crashed right after the merge was saved
    db = Database::OpenDatabase(path());
    EXPECT_EQ(ErrorList::LoadErrorList(*db).entries(),
              (QList<ErrorEntry>{{"кот", 2}, {"\"кавычки\"", 1}, {"'; DROP TABLE _error; --", 1}}));
}

TEST_F(ErrorListStorageTest, OnlyAChangedListIsWrittenAgain)
{
    ErrorList list = ErrorList::LoadErrorList(*db);
    db->Execute(QStringLiteral("insert into _error (letter, koli) values ('чужое', '1')"));
    list.SaveErrorList(*db);
    EXPECT_EQ(ErrorList::LoadErrorList(*db).entries(), (QList<ErrorEntry>{{"чужое", 1}})) << "nothing was rewritten";
    list.MergeMistypedWords({"кот"});
    list.SaveErrorList(*db);
    EXPECT_EQ(ErrorList::LoadErrorList(*db).entries(), (QList<ErrorEntry>{{"кот", 1}}));
}

TEST_F(ErrorListStorageTest, FailedSaveKeepsThePreviousList)
{
    ErrorList list;
    list.MergeMistypedWords({"старое"});
    list.SaveErrorList(*db);
    // A word longer than the connection accepts fails the save half-way through.
    sqlite3_limit(db->handle(), SQLITE_LIMIT_LENGTH, 64);
    list.MergeMistypedWords({QString(100, QChar(u'ж'))});
    EXPECT_THROW(list.SaveErrorList(*db), DatabaseError);
    EXPECT_EQ(ErrorList::LoadErrorList(*db).entries(), (QList<ErrorEntry>{{"старое", 1}}));
}

} // namespace
