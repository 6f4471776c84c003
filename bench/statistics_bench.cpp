// Opening the statistics window on a mode with 20 000 results, until it is shown.
#include "app/AppContext.h"
#include "platform/CarsPack.h"
#include "stats/StatisticsWindow.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"

#include <QApplication>
#include <QTemporaryDir>

#include "FakePlatform.h"

#include <benchmark/benchmark.h>

using namespace tesmi;

namespace {

void BM_OpenStatisticsWindow(benchmark::State &state)
{
    QTemporaryDir dir;
    auto db = Database::OpenDatabase(dir.filePath("data.db"));
    EnsureSchema(*db);
    {
        Transaction transaction(*db);
        Statement insert(*db, QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES (?, ?, ?, ?, ?)")
                                  .arg(ResultsTableName(kRegularMode)));
        for (int i = 0; i < state.range(0); ++i)
            insert.run({"60", QString::number(200 + i % 250), "1,250", "09.12.2010 9:05:03", "2"});
        transaction.commit();
    }
    fakes::FakePlatform fake;
    CarsPack cars;
    AppContext context{fake.platform(), Guard(fake.prompts, fake.termination), AppPaths(dir.path()), *db, cars};
    const QList<ModeEntry> modes{{kRegularMode, int(state.range(0))}};
    for (auto _ : state) {
        StatisticsWindow window(context, nullptr);
        window.prepare(modes, kRegularMode);
        window.show();
        QApplication::processEvents();
    }
}

BENCHMARK(BM_OpenStatisticsWindow)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
