// The next text of a large texts mode, and the mode list over many modes.
#include "modes/ModeCatalog.h"
#include "modes/ModeSession.h"
#include "modes/RaceText.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "util/Guard.h"

#include <QTemporaryDir>

#include "FakePlatform.h"

#include <benchmark/benchmark.h>

using namespace tesmi;

namespace {

QString sampleText(int i)
{
    const QString sentence = QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю. ");
    return sentence.repeated(10).left(150 + (i * 37) % 450);
}

void makeTextsMode(Database &db, const QString &mode, int rows)
{
    Transaction transaction(db);
    const QString table = QuoteIdentifier(EncodeModeName(mode));
    db.Execute(QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, text TEXT, type TEXT, subtype TEXT)").arg(table));
    db.Execute(CreateResultsTableSql(mode));
    db.Execute(QStringLiteral("INSERT INTO %1 (text, type, subtype) VALUES (?, 'text', 'text')").arg(table),
               {sampleText(0)});
    Statement insert(db, QStringLiteral("INSERT INTO %1 (text) VALUES (?)").arg(table));
    for (int i = 1; i < rows; ++i)
        insert.run({sampleText(i)});
    transaction.commit();
}

void BM_NextTextOfLargeMode(benchmark::State &state)
{
    QTemporaryDir dir;
    auto db = Database::OpenDatabase(dir.filePath("data.db"));
    EnsureSchema(*db);
    makeTextsMode(*db, "Большой", int(state.range(0)));
    fakes::FakePlatform fake;
    const Guard guard(fake.prompts, fake.termination);
    RaceTextGenerator generator(*db, fake.random, guard);
    const ModeKind kind = LoadModeKind(*db, "Большой");
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.MakeRaceText("Большой", kind, 5, "1"));
}

void BM_FillModeList(benchmark::State &state)
{
    QTemporaryDir dir;
    auto db = Database::OpenDatabase(dir.filePath("data.db"));
    EnsureSchema(*db);
    const int modes = 100;
    const int resultsPerMode = int(state.range(0)) / modes;
    for (int m = 0; m < modes; ++m) {
        const QString mode = QStringLiteral("Режим %1").arg(m);
        makeTextsMode(*db, mode, 1);
        Transaction transaction(*db);
        Statement insert(*db, QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES (?, ?, ?, ?, ?)")
                                  .arg(QuoteIdentifier(ResultsTableName(mode))));
        for (int r = 0; r < resultsPerMode; ++r)
            insert.run({"60", "300", "1,000", "09.12.2010 9:05:03", "2"});
        transaction.commit();
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(FillModeList(*db));
}

BENCHMARK(BM_NextTextOfLargeMode)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillModeList)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
