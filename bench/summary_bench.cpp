// RefreshModeSummary over a mode with many results: the whole results table is
// read on every refresh, so its cost must stay linear and small.
#include "progress/ModeSummary.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"
#include "util/Guard.h"

#include "FakePlatform.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace tesmi;

namespace {

const QString kMode = QStringLiteral("Обычный");

// A data.db whose Обычный mode holds `count` results with varied speeds and mistakes.
struct FilledDatabase {
    QTemporaryDir dir;
    std::unique_ptr<Database> db;

    explicit FilledDatabase(int count)
    {
        db = Database::OpenDatabase(dir.filePath(QStringLiteral("data.db")));
        EnsureSchema(*db);
        std::mt19937 random(7);
        std::uniform_int_distribution<int> speed(150, 650);
        std::uniform_int_distribution<int> mistakes(0, 9999);
        Transaction transaction(*db);
        Statement insert(*db, QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES (?, ?, ?, ?, ?)")
                                  .arg(QuoteIdentifier(ResultsTableName(kMode))));
        for (int i = 0; i < count; ++i) {
            const int m = mistakes(random);
            insert.run({QString::number(30 + i % 60), QString::number(speed(random)),
                        QStringLiteral("%1,%2").arg(m / 1000).arg(m % 1000, 3, 10, QLatin1Char('0')),
                        QStringLiteral("09.12.2010 9:05:03"), QString::number(m / 500)});
        }
        transaction.commit();
    }
};

void BM_RefreshModeSummary(benchmark::State &state)
{
    FilledDatabase data(int(state.range(0)));
    fakes::FakePlatform fake;
    const Guard guard(fake.prompts, fake.termination);
    for (auto _ : state) {
        const SummaryView view = RefreshModeSummary(*data.db, kMode, QStringLiteral("Профи"), guard);
        benchmark::DoNotOptimize(view.values.ModeAverageSpeed);
    }
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_RefreshModeSummary)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
