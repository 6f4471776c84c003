#include "storage/Database.h"

#include "TempDatabase.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace tesmi;
using tesmi::fakes::TempDatabaseTest;

namespace {

class DatabaseTest : public TempDatabaseTest {
protected:
    void SetUp() override
    {
        TempDatabaseTest::SetUp();
        db->Execute("CREATE TABLE t (id INTEGER PRIMARY KEY, text TEXT, n TEXT)");
    }
};

TEST_F(DatabaseTest, ConnectionPragmasAreApplied)
{
    EXPECT_EQ(db->Query("PRAGMA synchronous").value(), "1"); // NORMAL
    EXPECT_EQ(db->Query("PRAGMA temp_store").value(), "2");  // MEMORY
}

TEST_F(DatabaseTest, TextsComeBackUnchanged)
{
    const QStringList texts{"двойные \"кавычки\"",
                            "апостроф ' и '' два",
                            "обратная \\ косая",
                            "\"); DROP TABLE _settings; --",
                            "'); DELETE FROM t; --",
                            "эмодзи 😀 и 中文 и ẞ",
                            "text, n",
                            "",
                            "строка\r\nперевод"};
    for (const QString &text : texts)
        db->Execute("INSERT INTO t (text) VALUES (?)", {text});
    EXPECT_EQ(db->QueryColumn("SELECT text FROM t ORDER BY id"), texts);
    EXPECT_TRUE(db->TableExists("t"));
}

TEST_F(DatabaseTest, StoredBytesAreUtf8Text)
{
    db->Execute("INSERT INTO t (text) VALUES (?)", {"ёж"});
    EXPECT_EQ(db->Query("SELECT typeof(text), hex(text) FROM t").rows.front(), (QStringList{"text", "D191D0B6"}));
}

TEST_F(DatabaseTest, MissingValuesReadAsEmptyTextAndIntegersAsDecimal)
{
    db->Execute("INSERT INTO t (text) VALUES (?)", {"x"});
    const QueryResult result = db->Query("SELECT id, text, n FROM t");
    EXPECT_EQ(result.columns, (QStringList{"id", "text", "n"}));
    EXPECT_EQ(result.rows.front(), (QStringList{"1", "x", ""}));
    EXPECT_FALSE(result.rows.front().at(2).isNull());
}

TEST_F(DatabaseTest, FailuresCarryStatementAndReason)
{
    try {
        db->Execute("INSERT INTO nowhere VALUES (?)", {"1"});
        FAIL() << "no error";
    } catch (const DatabaseError &e) {
        EXPECT_NE(std::string(e.what()).find("no such table: nowhere"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("INSERT INTO nowhere"), std::string::npos);
    }
    db->Execute("INSERT INTO t (text) VALUES ('row')");
    EXPECT_THROW(db->Execute("SELECT * FROM t"), DatabaseError) << "a statement returning rows is not Execute's";
    EXPECT_THROW(db->Execute("DELETE FROM t; DROP TABLE t"), DatabaseError) << "one statement per call";
    EXPECT_TRUE(db->TableExists("t"));
    EXPECT_THROW(db->Query("SELECT nothing FROM t"), DatabaseError);
    EXPECT_THROW(db->Query("SELECT text FROM t WHERE id = 2").value(), DatabaseError) << "no row to read";
}

TEST_F(DatabaseTest, TableExistsIgnoresLatinCaseOnly)
{
    db->Execute("CREATE TABLE AAAPaaab (id INTEGER PRIMARY KEY)");
    EXPECT_TRUE(db->TableExists("aaapaaab"));
    EXPECT_TRUE(db->TableExists("AAAPAAAB"));
    EXPECT_FALSE(db->TableExists("AAAP"));
    db->Execute("CREATE TABLE `Ёж` (id INTEGER PRIMARY KEY)");
    EXPECT_TRUE(db->TableExists("Ёж"));
    EXPECT_FALSE(db->TableExists("ёж"));
}

TEST_F(DatabaseTest, TransactionCommitsOrRollsBackAndNeverStaysOpen)
{
    {
        Transaction transaction(*db);
        db->Execute("INSERT INTO t (text) VALUES ('kept')");
        transaction.commit();
    }
    try {
        Transaction transaction(*db);
        db->Execute("INSERT INTO t (text) VALUES ('lost')");
        db->Execute("INSERT INTO nowhere VALUES (1)");
        transaction.commit();
    } catch (const DatabaseError &) {
    }
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(db->QueryColumn("SELECT text FROM t"), QStringList{"kept"});
}

TEST_F(DatabaseTest, BeginningTwiceIsAnError)
{
    db->BeginTransaction();
    EXPECT_THROW(db->BeginTransaction(), DatabaseError);
    db->Commit();
    EXPECT_FALSE(db->inTransaction());
}

TEST_F(DatabaseTest, PreparedStatementServesManyRows)
{
    Statement insert(*db, "INSERT INTO t (text, n) VALUES (?, ?)");
    for (int i = 0; i < 100; ++i)
        insert.run({QString::number(i), QString::number(i * i)});
    EXPECT_EQ(db->Query("SELECT count(*), max(CAST(n AS INTEGER)) FROM t").rows.front(), (QStringList{"100", "9801"}));
    EXPECT_THROW(insert.run({"only one"}), DatabaseError);
}

TEST_F(DatabaseTest, RowsStreamInOrderAndStatementSurvivesFailingVisitor)
{
    db->Execute("INSERT INTO t (text, n) VALUES (?, ?)", {"ёж", "1"});
    db->Execute("INSERT INTO t (text) VALUES (?)", {"кот"});
    Statement select(*db, "SELECT text, n FROM t WHERE id >= ?");
    QStringList seen;
    select.forEachRow({"1"}, [&](Statement::RowBytes row) {
        seen << QString::fromUtf8(row[0].data(), qsizetype(row[0].size())) + '|'
                    + QString::fromUtf8(row[1].data(), qsizetype(row[1].size()));
    });
    EXPECT_EQ(seen, (QStringList{"ёж|1", "кот|"})) << "NULL reads as empty";

    EXPECT_THROW(select.forEachRow({"1"}, [](Statement::RowBytes) { throw std::runtime_error("stop"); }),
                 std::runtime_error);
    int rows = 0;
    select.forEachRow({"2"}, [&](Statement::RowBytes) { ++rows; });
    EXPECT_EQ(rows, 1) << "the statement starts afresh after a visitor gave up";
    EXPECT_FALSE(db->inTransaction());
}

void expectOpenFailsNaming(const QString &path)
{
    try {
        Database::OpenDatabase(path);
        FAIL() << path.toStdString() << " opened";
    } catch (const DatabaseError &e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(path)) << e.what();
    }
}

TEST_F(DatabaseTest, AuthorizerRefusesWhileItsScopeLivesOnly)
{
    db->Execute("CREATE TABLE auth (id INTEGER PRIMARY KEY, text TEXT)");
    {
        AuthorizerScope scope(*db, [](const AuthorizerRequest &request) { return request.first != "auth"; });
        EXPECT_THROW(db->Execute("INSERT INTO auth (text) VALUES ('x')"), DatabaseError);
        ASSERT_TRUE(scope.refused().has_value());
        EXPECT_EQ(scope.refused()->first, "auth");
        EXPECT_EQ(scope.refused()->database, "main");
    }
    db->Execute("INSERT INTO auth (text) VALUES ('x')");
    EXPECT_EQ(db->Query("SELECT count(*) FROM auth").value(), "1");
}

TEST(OpenDatabaseTest, GarbageFileIsRefusedAndLeftByteForByte)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data.db");
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 37 + 11) % 256));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    expectOpenFailsNaming(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"data.db"}) << "no journal left behind";
}

TEST(OpenDatabaseTest, PathsThatCannotBeOpenedAreReported)
{
    QTemporaryDir dir;
    expectOpenFailsNaming(dir.filePath("no/such/dir/data.db"));
    QDir(dir.path()).mkdir("data.db");
    expectOpenFailsNaming(dir.filePath("data.db"));
}

} // namespace
