// Time from process start to the main window shown and idle (the program
// quits there and the time runs until it has ended), beside a minimal Qt
// Widgets program doing the same.
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tesmi;

namespace {

QProcessEnvironment benchEnvironment(const QString &runtimeDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LANG", "ru_RU.UTF-8");
    env.insert("LC_ALL", "ru_RU.UTF-8");
    env.insert("XDG_RUNTIME_DIR", runtimeDir);
    env.insert("TESMI_QUIT_WHEN_IDLE", "1");
    return env;
}

// Wall time of one run of a program from its start to its exit at idle.
double secondsToIdle(benchmark::State &state, const QString &program, const QString &runtimeDir)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setProcessEnvironment(benchEnvironment(runtimeDir));
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        state.SkipWithError("the program did not reach an idle window");
    return double(clock.nsecsElapsed()) / 1e9;
}

// A program folder of its own, so data.db lands in it.
struct ProgramCopy {
    QTemporaryDir dir;
    QString program;

    ProgramCopy()
    {
        program = dir.filePath("tesmitrainer");
        QFile::copy(TESMI_PROGRAM, program);
        QFile::copy(TESMI_CARS_PACK, dir.filePath("cars.dll"));
    }
    QString database() const { return dir.filePath("data.db"); }
};

void fillResults(const QString &path, int modes, int resultsPerMode)
{
    auto db = Database::OpenDatabase(path);
    EnsureSchema(*db);
    Transaction transaction(*db);
    for (int m = 0; m < modes; ++m) {
        const QString mode = QStringLiteral("Режим %1").arg(m);
        db->Execute(QStringLiteral("CREATE TABLE %1 (id INTEGER PRIMARY KEY, text TEXT)").arg(QuoteIdentifier(EncodeModeName(mode))));
        db->Execute(CreateResultsTableSql(mode));
        Statement insert(*db, QStringLiteral("INSERT INTO %1 (time, speed, errorr, date, error) VALUES (?, ?, ?, ?, ?)")
                                  .arg(QuoteIdentifier(ResultsTableName(mode))));
        for (int r = 0; r < resultsPerMode; ++r)
            insert.run({"60", QString::number(200 + r % 300), "1,250", "09.12.2010 9:05:03", "2"});
    }
    transaction.commit();
}

// The yardstick and the program run in turn, so that both meet the same
// machine (other builds, clock changes); the ratio is the budget's figure.
void runSideBySide(benchmark::State &state, const ProgramCopy &copy, bool freshDatabase)
{
    QTemporaryDir yardstickRuntime;
    double own = 0;
    double yardstick = 0;
    for (auto _ : state) {
        if (freshDatabase)
            QFile::remove(copy.database());
        yardstick += secondsToIdle(state, TESMI_MINIMAL_WINDOW, yardstickRuntime.path());
        const double seconds = secondsToIdle(state, copy.program, copy.dir.path());
        state.SetIterationTime(seconds);
        own += seconds;
    }
    state.counters["minimal_ms"] = yardstick * 1e3 / double(state.iterations());
    state.counters["ratio"] = own / yardstick;
}

void BM_StartupEmptyDatabase(benchmark::State &state)
{
    ProgramCopy copy;
    runSideBySide(state, copy, true);
}

void BM_StartupLargeDatabase(benchmark::State &state)
{
    ProgramCopy copy;
    fillResults(copy.database(), 100, 2000);
    runSideBySide(state, copy, false);
}

BENCHMARK(BM_StartupEmptyDatabase)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_StartupLargeDatabase)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
