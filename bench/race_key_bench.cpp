// The cost of one key in a race, the typing area's repaint included, on a
// short text and on a book-sized one: it must not grow with the text.
#include "platform/CarsPack.h"
#include "race/RaceEngine.h"
#include "race/TypingArea.h"

#include "FakePlatform.h"
#include "RaceFakes.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace tesmi;

namespace {

QString textOfLength(int length)
{
    const QString sentence = QStringLiteral("Съешь же ещё этих мягких французских булок, да выпей чаю. ");
    return QString(sentence).repeated(length / int(sentence.size()) + 1).left(length);
}

// A shown typing area with a race running on a text of the given length.
class Race {
public:
    explicit Race(int length)
    {
        cars.open(QStringLiteral(TESMI_CARS_PACK));
        area = std::make_unique<TypingArea>(cars);
        host.mode.name = QStringLiteral("Обычный");
        host.mode.ModeType = QStringLiteral("text");
        host.mode.lighting = QStringLiteral("символ");
        host.mode.fontFamily = QStringLiteral("Tahoma");
        host.mode.Speedometr = true;
        host.setText(textOfLength(length));
        engine = std::make_unique<RaceEngine>(*area, host, platform);
        area->resize(TypingArea::kNaturalWidth, area->naturalHeight());
        area->show();
        restart();
    }

    void restart()
    {
        engine->NextText(false);
        for (int tick = 0; tick < 3; ++tick)
            engine->CountdownTick();
        area->resize(TypingArea::kNaturalWidth, area->naturalHeight());
        QApplication::processEvents();
    }
    // The key the text expects next.
    QChar expected() const { return engine->state().RaceText[engine->state().TextPos - 1]; }
    bool nearEnd() const { return engine->state().TextPos + 1 >= engine->state().RaceText.size(); }

    fakes::FakePlatform fake;
    Platform platform = fake.platform();
    CarsPack cars;
    fakes::FakeRaceHost host;
    std::unique_ptr<TypingArea> area;
    std::unique_ptr<RaceEngine> engine;
};

void AcceptedKey(benchmark::State &state)
{
    Race race(int(state.range(0)));
    for (auto _ : state) {
        if (race.nearEnd()) {
            state.PauseTiming();
            race.restart();
            state.ResumeTiming();
        }
        race.engine->HandleCharKey(race.expected());
        QApplication::processEvents(); // the repaint of what the key changed
    }
}

void WrongKeyAndBackspace(benchmark::State &state)
{
    Race race(int(state.range(0)));
    // Somewhere inside the text, not at its start.
    for (int i = 0; i < 150; ++i)
        race.engine->HandleCharKey(race.expected());
    for (auto _ : state) {
        race.engine->HandleCharKey(QChar('#'));
        QApplication::processEvents();
        race.engine->HandleCharKey(kBackspaceKey);
        QApplication::processEvents();
    }
}

BENCHMARK(AcceptedKey)->Arg(300)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WrongKeyAndBackspace)->Arg(300)->Arg(20000)->Unit(benchmark::kMicrosecond);

} // namespace
