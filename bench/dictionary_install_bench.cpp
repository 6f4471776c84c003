// Installing a dictionary of 100 000 texts, against the sqlite3 shell running
// the same statements in one transaction. Budget: at most 2 × the shell.
#include "online/Repository.h"
#include "storage/Database.h"
#include "storage/Schema.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tesmi;

namespace {

constexpr int kTexts = 100000;
const QString kTable = QStringLiteral("AAAAaaab");

struct Fixture {
    QTemporaryDir dir;
    QString baseDatabase = dir.filePath("base.db");
    QString dictionary = dir.filePath(kTable + ".ttb");
    QString script = dir.filePath("install.sql");
    QString database = dir.filePath("data.db");

    Fixture()
    {
        EnsureSchema(*Database::OpenDatabase(baseDatabase));
        const QStringList statements{
            "DROP TABLE IF EXISTS " + kTable,
            "CREATE TABLE " + kTable + " (id INTEGER PRIMARY KEY, text TEXT, type TEXT, subtype TEXT)",
            "INSERT INTO " + kTable + " (type, subtype) VALUES ('text', 'text')"};
        QStringList texts;
        for (int i = 0; i < kTexts; ++i)
            texts << QStringLiteral("Текст номер %1: съешь же ещё этих мягких французских булок, да выпей чаю. "
                                    "Широкая электрификация южных губерний даст мощный толчок подъёму.")
                         .arg(i);
        write(dictionary, (QStringList{"", ""} + statements + texts).join("\r\n") + "\r\n");

        QStringList sql{"BEGIN TRANSACTION;"};
        for (const QString &statement : statements)
            sql << statement + ';';
        sql << "UPDATE " + kTable + " SET text = '" + texts.first() + "' WHERE id = 1;";
        for (const QString &text : texts.mid(1))
            sql << "INSERT INTO " + kTable + " (text) VALUES ('" + text + "');";
        sql << "COMMIT;";
        write(script, sql.join('\n') + '\n');
    }

    static void write(const QString &path, const QString &content)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write " + path.toStdString());
        file.write(content.toUtf8());
    }

    void freshDatabase() const
    {
        QFile::remove(database);
        QFile::copy(baseDatabase, database);
    }
};

Fixture &fixture()
{
    static Fixture instance;
    return instance;
}

void BM_InstallDictionary(benchmark::State &state)
{
    const Fixture &f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.freshDatabase();
        state.ResumeTiming();
        auto db = Database::OpenDatabase(f.database);
        InstallDictionary(*db, f.dictionary, kTable + ".ttb");
    }
}
BENCHMARK(BM_InstallDictionary)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SqliteShell(benchmark::State &state)
{
    const Fixture &f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.freshDatabase();
        state.ResumeTiming();
        QProcess shell;
        shell.setStandardInputFile(f.script);
        shell.start(QStringLiteral(TESMI_SQLITE_SHELL), {f.database});
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0)
            state.SkipWithError("the sqlite3 shell failed");
    }
}
BENCHMARK(BM_SqliteShell)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
