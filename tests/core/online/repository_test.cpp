#include "online/Repository.h"

#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "storage/Settings.h"

#include "ModeFixture.h"
#include "TempDatabase.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace tesmi;
using namespace tesmi::fakes;

namespace {

const QString kRegularTable = EncodeModeName(kRegularMode);

struct NameCase {
    const char *name;
    bool valid;
};

class RepositoryNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(RepositoryNameTest, OnlyEncodedModeNamesWithTheExtensionAreValid)
{
    EXPECT_EQ(IsValidRepositoryName(QString::fromUtf8(GetParam().name)), GetParam().valid) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Names, RepositoryNameTest,
    ::testing::Values(NameCase{"AAAAaaab.ttb", true}, NameCase{"!AAAAaaab.ttb", true}, NameCase{"Letters.ttb", true},
                      NameCase{"AAAAaaab.TTB", false}, NameCase{"AAAAaaab.txt", false}, NameCase{"AAAAaaab", false},
                      NameCase{".ttb", false}, NameCase{"!.ttb", false}, NameCase{"../AAAAaaab.ttb", false},
                      NameCase{"dir/AAAAaaab.ttb", false}, NameCase{"dir\\AAAAaaab.ttb", false},
                      NameCase{"..ttb", false}, NameCase{"_settings.ttb", false}, NameCase{"a b.ttb", false}),
    [](const auto &info) { return (info.param.valid ? "valid_" : "refused_") + std::to_string(info.index); });

TEST(RepositoryListingTest, BothBoxesDecodeTheSameName)
{
    EXPECT_EQ(DecodeModeName(RepositoryTableName("AAAAaaab.ttb")), "Аб");
    EXPECT_EQ(DecodeModeName(RepositoryTableName("!AAAAaaab.ttb")), "Аб");
    EXPECT_FALSE(IsBook("AAAAaaab.ttb"));
    EXPECT_TRUE(IsBook("!AAAAaaab.ttb"));
}

TEST(RepositoryListingTest, SizeSwitchesToMegabytesAboveATenth)
{
    EXPECT_EQ(RepositorySizeText("Аб", 104857), "Аб (102,40 kb)");
    EXPECT_EQ(RepositorySizeText("Аб", 104858), "Аб (0,10 Mb)");
    EXPECT_EQ(RepositorySizeText("Аб", 3 * 1048576), "Аб (3,00 Mb)");
}

TEST(RepositoryListingTest, ServerCopyWinsAndOnlyValidNamesAreListed)
{
    const QList<RepositoryFile> bundled{{"AAAAaaab.ttb", 10, "/b/AAAAaaab.ttb"}, {"Letters.ttb", 20, "/b/Letters.ttb"}};
    const QList<RepositoryFile> server{{"Letters.ttb", 99, {}},
                                       {"notes.txt", 5, {}},
                                       {"UPPER.TTB", 5, {}},
                                       {"../evil.ttb", 5, {}},
                                       {"!AAAAaaab.ttb", 7, {}}};
    const QList<RepositoryFile> merged = MergeListings(bundled, server);
    ASSERT_EQ(merged.size(), 3);
    EXPECT_EQ(merged[0].name, "Letters.ttb");
    EXPECT_EQ(merged[0].size, 99);
    EXPECT_TRUE(merged[0].onServer());
    EXPECT_EQ(merged[1].name, "!AAAAaaab.ttb");
    EXPECT_EQ(merged[2].name, "AAAAaaab.ttb");
    EXPECT_EQ(merged[2].path, "/b/AAAAaaab.ttb");
}

// A dictionary file as the installer reads it: lines joined by CR LF.
QStringList fileLines(const QString &table, const QStringList &texts, const QStringList &statements = {})
{
    QStringList lines{"comment", "comment"};
    if (statements.isEmpty()) {
        lines << QStringLiteral("DROP TABLE IF EXISTS %1").arg(table)
              << QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, text TEXT, type TEXT, subtype TEXT, "
                                "dlina TEXT)")
                     .arg(table)
              << QStringLiteral("INSERT INTO %1 (type, subtype, dlina) VALUES ('text', 'text', '0')").arg(table);
    } else {
        lines << statements;
    }
    return lines << texts;
}

class InstallTest : public TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        EnsureSchema(*db);
    }

    QString write(const QString &name, const QStringList &lines)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((lines.join("\r\n") + "\r\n").toUtf8());
        return path;
    }

    QString install(const QString &name, const QStringList &lines)
    {
        return InstallDictionary(*db, write(name, lines), name);
    }

    QStringList texts(const QString &table)
    {
        return db->QueryColumn(QStringLiteral("SELECT text FROM %1 ORDER BY id").arg(QuoteIdentifier(table)));
    }

    // Every table's definition and rows.
    QStringList dump()
    {
        QStringList out;
        for (const QStringList &row : db->Query("SELECT name, sql FROM sqlite_master ORDER BY name").rows) {
            out << row.join(" | ");
            for (const QStringList &values :
                 db->Query(QStringLiteral("SELECT * FROM %1").arg(QuoteIdentifier(row[0]))).rows)
                out << values.join(" | ");
        }
        return out;
    }
};

TEST_F(InstallTest, SixLineFileSetsTheFirstRowAndAddsNone)
{
    const QString message = install("AAAAaaab.ttb", fileLines("AAAAaaab", {"Первый"}));
    EXPECT_EQ(message, "Словарь \"Аб\" успешно переустановлен");
    EXPECT_EQ(texts("AAAAaaab"), QStringList{"Первый"});
    EXPECT_TRUE(db->TableExists("_AAAAaaab")) << "the results table is made when the file does not";
    EXPECT_EQ(GetModeSetting(*db, "Аб", "type"), "text");
}

TEST_F(InstallTest, TextsFollowInFileOrderWithQuotesReducedAndEmptyLinesKept)
{
    install("AAAAaaab.ttb", fileLines("AAAAaaab", {"один", "он сказал: \"\"да\"\"", "", "три"}));
    EXPECT_EQ(texts("AAAAaaab"), (QStringList{"один", "он сказал: \"да\"", "", "три"}));
}

TEST_F(InstallTest, BookFileInstallsTheModeWithoutTheMark)
{
    install("!AAAAaaab.ttb", fileLines("AAAAaaab", {"глава"}));
    EXPECT_EQ(texts("AAAAaaab"), QStringList{"глава"});
}

TEST_F(InstallTest, ReinstallingRegularKeepsItsResults)
{
    addResults(*db, kRegularMode, 7);
    install(kRegularTable + ".ttb", fileLines(kRegularTable, {"новый первый", "второй", "третий"}));
    EXPECT_EQ(texts(kRegularTable), (QStringList{"новый первый", "второй", "третий"}));
    EXPECT_EQ(db->Query(QStringLiteral("SELECT count(*) FROM %1").arg(QuoteIdentifier(ResultsTableName(kRegularMode))))
                  .value(),
              "7");
}

TEST_F(InstallTest, RowStatesFollowWhatTheDatabaseHolds)
{
    const auto expectState = [&](const QString &name, const QString &status, const QString &button, bool enabled) {
        const RowState state = RepositoryRowState(*db, name);
        EXPECT_EQ(state.status, status) << name.toStdString();
        EXPECT_EQ(state.button, button) << name.toStdString();
        EXPECT_EQ(state.enabled, enabled) << name.toStdString();
    };
    expectState("AAAAaaab.ttb", "Доступен", "Установить", true);
    expectState("!AAAAaaab.ttb", "Доступен", "Установить", true);
    expectState(kRegularTable + ".ttb", "Нужно обновить", "Обновить", true); // the shipped placeholder rows
    addMode(*db, ModeSpec("Аб"));
    expectState("AAAAaaab.ttb", "Установлен", "Установить", false);
    expectState("!AAAAaaab.ttb", "Установлен", "Установить", false);
    install(kRegularTable + ".ttb", fileLines(kRegularTable, {"1", "2", "3"}));
    expectState(kRegularTable + ".ttb", "Установлен", "Переустановить", true);
}

TEST_F(InstallTest, BrokenFilesChangeNothing)
{
    const QStringList before = dump();
    EXPECT_THROW(install("AAAAaaab.ttb", fileLines("AAAAaaab", {"один", "лишняя \" кавычка"})), DictionaryError);
    EXPECT_THROW(install("AAAAaaab.ttb", fileLines("AAAAaaab", {}).mid(0, 5)), DictionaryError);
    EXPECT_THROW(install("AAAAaaab.ttb", {"1", "2"}), DictionaryError);
    EXPECT_THROW(install("AAAAaaab.ttb", fileLines("AAAAaaab", {"x"}, {"", "", ""})), DictionaryError);
    EXPECT_THROW(install("AAAAaaab.ttb", fileLines("AAAAaaab", {"x"}, {"CREATE TABLE AAAAaaab (id INTEGER PRIMARY KEY, "
                                                                        "text TEXT)",
                                                                        "", ""})),
                 DictionaryError)
        << "no settings row";
    EXPECT_THROW(install("AAAAaaab.ttb", fileLines("AAAAaaab", {"x"}, {"CREATE TABLE AAAAaaab (id, text", "", ""})),
                 DatabaseError);
    EXPECT_THROW(install("../AAAAaaab.ttb", fileLines("AAAAaaab", {"x"})), DictionaryError);
    EXPECT_EQ(dump(), before);
    EXPECT_FALSE(db->inTransaction());
}

struct HostileCase {
    const char *name;
    const char *statement; // %1 is the file's own mode table
};

class HostileFileTest : public InstallTest, public ::testing::WithParamInterface<HostileCase> {};

// A hostile statement in any of the three statement lines fails, and every table
// stays as it was, even after the lines before it ran. After the file's own
// statements it is refused by name, not by chance.
TEST_P(HostileFileTest, IsRefusedAndChangesNothing)
{
    addMode(*db, ModeSpec("Аб", "text", "text", {"старый"}));
    addResults(*db, "Аб", 3);
    const QStringList before = dump();
    const QString hostile = QString::fromUtf8(GetParam().statement).replace("%1", "AAAAaaab");
    const QStringList ownStatements = fileLines("AAAAaaab", {}).mid(2, 3);
    for (int line = 0; line < 3; ++line) {
        QStringList statements = ownStatements;
        statements[line] = hostile;
        EXPECT_ANY_THROW(install("AAAAaaab.ttb", fileLines("AAAAaaab", {"новый"}, statements)))
            << "statement on line " << line + 3;
        EXPECT_EQ(dump(), before) << "statement on line " << line + 3;
        EXPECT_FALSE(db->inTransaction());
    }
    QStringList statements = ownStatements;
    statements[2] = hostile;
    try {
        install("AAAAaaab.ttb", fileLines("AAAAaaab", {"новый"}, statements));
    } catch (const DictionaryError &refusal) {
        EXPECT_TRUE(QString::fromUtf8(refusal.what()).contains("строка 5")) << refusal.what();
    }
    EXPECT_EQ(dump(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, HostileFileTest,
    ::testing::Values(
        HostileCase{"drop_settings", "DROP TABLE _settings"},
        HostileCase{"drop_own_results", "DROP TABLE _%1"},
        HostileCase{"drop_other_mode", "DROP TABLE AAAPaaabaabeaaazaaaoaabeaaak"},
        HostileCase{"create_other_table", "CREATE TABLE zzz (id INTEGER PRIMARY KEY, text TEXT)"},
        HostileCase{"insert_settings", "INSERT INTO _settings (rangob) VALUES ('Экстракибер')"},
        HostileCase{"update_settings", "UPDATE _settings SET level = '99999999'"},
        HostileCase{"delete_errors", "DELETE FROM _chat"},
        HostileCase{"read_settings", "INSERT INTO %1 (text) SELECT level FROM _settings"},
        HostileCase{"pragma", "PRAGMA writable_schema = 1"},
        HostileCase{"attach", "ATTACH DATABASE 'other.db' AS other"},
        HostileCase{"trigger", "CREATE TRIGGER t AFTER INSERT ON %1 BEGIN DELETE FROM _chat; END"},
        HostileCase{"view", "CREATE VIEW v AS SELECT 1"},
        HostileCase{"index", "CREATE INDEX i ON %1 (text)"},
        HostileCase{"temp_table", "CREATE TEMP TABLE %1 (id INTEGER PRIMARY KEY, text TEXT)"},
        HostileCase{"commit", "COMMIT"},
        HostileCase{"two_statements", "DROP TABLE IF EXISTS %1; DROP TABLE _settings"},
        HostileCase{"alter", "ALTER TABLE _settings ADD COLUMN x TEXT"}),
    [](const ::testing::TestParamInfo<HostileCase> &info) { return std::string(info.param.name); });

} // namespace
