// The dictionaries the build writes for the shipped modes.
#include "modes/ModeSession.h"
#include "modes/RaceText.h"
#include "online/Repository.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "storage/Settings.h"
#include "util/Guard.h"

#include "FakePlatform.h"
#include "TempDatabase.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace tesmi;
using namespace tesmi::fakes;

namespace {

struct BundledMode {
    const char *name;
    const char *type;
    int shortest; // texts, or rows for the exercise and word modes
    int longest;
    bool english;
};

// Characters with a key (with or without Shift) on the layout.
bool typeable(const QString &text, bool english)
{
    static const QString russianSigns = QStringLiteral(" 0123456789!\"№;%:?*()_+-=\\/.,");
    for (const QChar c : text) {
        const bool ok = english ? (c.unicode() >= 0x20 && c.unicode() <= 0x7E)
                                : ((c >= u'а' && c <= u'я') || (c >= u'А' && c <= u'Я') || c == u'ё' || c == u'Ё' ||
                                   russianSigns.contains(c));
        if (!ok)
            return false;
    }
    return true;
}

const QList<BundledMode> &bundledModes()
{
    static const QList<BundledMode> modes{
        {"Обычный", "text", 150, 600, false},          {"Короткие_тексты", "text", 40, 150, false},
        {"Спринт", "text", 10, 80, false},             {"Мини_марафон", "marathon", 3000, 5000, false},
        {"Марафон", "marathon", 9000, 11000, false},   {"Обычный_in_English", "text", 150, 600, true},
        {"Частотный_словарь", "slova", 1, 30, false},  {"Цифры", "digits", 1, 100, false},
        {"Буквы", "liter", 1, 100, false},             {"Letters", "letters", 1, 100, true},
        {"Обучение", "trainer", 50, 300, false},       {"ХРУСТяшки", "trainer", 40, 300, false},
    };
    return modes;
}

class BundledDictionariesTest : public TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
        for (const RepositoryFile &file : BundledFiles(QStringLiteral(TESMI_DICTIONARIES)))
            InstallDictionary(*db, file.path, file.name);
    }

    QStringList texts(const QString &mode)
    {
        return db->QueryColumn(QStringLiteral("SELECT text FROM %1").arg(QuoteIdentifier(EncodeModeName(mode))));
    }
};

TEST_F(BundledDictionariesTest, OneFilePerShippedModeAndNothingElse)
{
    QStringList names;
    for (const RepositoryFile &file : BundledFiles(QStringLiteral(TESMI_DICTIONARIES)))
        names << DecodeModeName(RepositoryTableName(file.name));
    QStringList expected;
    for (const BundledMode &mode : bundledModes())
        expected << QString::fromUtf8(mode.name);
    names.sort();
    expected.sort();
    EXPECT_EQ(names, expected);
    EXPECT_EQ(QDir(QStringLiteral(TESMI_DICTIONARIES)).entryList(QDir::Files).size(), expected.size());
}

TEST_F(BundledDictionariesTest, EveryModeHasItsKindAndTypeableTextsOfItsLength)
{
    for (const BundledMode &bundled : bundledModes()) {
        const QString mode = QString::fromUtf8(bundled.name);
        SCOPED_TRACE(bundled.name);
        EXPECT_EQ(GetModeSetting(*db, mode, "type"), bundled.type);
        EXPECT_EQ(GetModeSetting(*db, mode, "subtype"), "text");
        EXPECT_TRUE(db->TableExists(ResultsTableName(mode)));
        const QStringList all = texts(mode);
        EXPECT_EQ(GetModeSetting(*db, mode, "book_len"), QString::number(all.size()));
        for (const QString &text : all) {
            EXPECT_TRUE(typeable(text, bundled.english)) << text.toStdString();
            EXPECT_GE(text.size(), bundled.shortest) << text.toStdString();
            EXPECT_LE(text.size(), bundled.longest) << text.toStdString();
            EXPECT_EQ(text, text.simplified()) << "no tabs, line breaks or doubled spaces";
        }
    }
}

TEST_F(BundledDictionariesTest, CountsOfTheCoursesWordsAndTexts)
{
    EXPECT_EQ(texts("Обучение").size(), 5);
    EXPECT_EQ(texts("ХРУСТяшки").size(), 24);
    const QStringList words = texts("Частотный_словарь");
    EXPECT_EQ(words.size(), 1000);
    EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), 1000);
    for (const char *mode : {"Цифры", "Буквы", "Letters", "Частотный_словарь"})
        EXPECT_EQ(GetModeSetting(*db, mode, "dlina"), "300") << mode;
    EXPECT_GE(texts("Обычный").size(), 500);
    EXPECT_GE(texts("Обычный_in_English").size(), 500);
    EXPECT_GE(texts("Мини_марафон").size(), 10);
    EXPECT_GE(texts("Марафон").size(), 5);
    for (const QString &text : texts("Мини_марафон") + texts("Марафон"))
        EXPECT_TRUE(text.endsWith('.') || text.endsWith('!') || text.endsWith('?')) << text.right(40).toStdString();
    EXPECT_EQ(RepositoryRowState(*db, EncodeModeName(kRegularMode) + ".ttb").button, "Переустановить");
}

TEST_F(BundledDictionariesTest, EveryModeMakesARaceText)
{
    FakePlatform fake;
    const Guard guard(fake.prompts, fake.termination);
    RaceTextGenerator generator(*db, fake.random, guard);
    for (const BundledMode &bundled : bundledModes()) {
        const QString mode = QString::fromUtf8(bundled.name);
        const RaceTextResult result = generator.MakeRaceText(mode, LoadModeKind(*db, mode), 5, "1");
        EXPECT_FALSE(result.RaceText.isEmpty()) << bundled.name;
    }
}

TEST_F(BundledDictionariesTest, ReinstallingKeepsResults)
{
    db->Execute("INSERT INTO _AAAPaaabaabeaaazaaaoaabeaaak (time, speed) VALUES ('60', '300')");
    const QString regular = EncodeModeName(kRegularMode) + ".ttb";
    InstallDictionary(*db, QDir(QStringLiteral(TESMI_DICTIONARIES)).filePath(regular), regular);
    EXPECT_EQ(db->Query("SELECT count(*) FROM _AAAPaaabaabeaaazaaaoaabeaaak").value(), "1");
}

} // namespace
