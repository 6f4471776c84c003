#include "progress/ModeSummary.h"

#include "modes/ModeSession.h"
#include "progress/ExerciseCourses.h"
#include "progress/Points.h"
#include "progress/Ranks.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Settings.h"
#include "util/Formatting.h"
#include "util/Guard.h"
#include "util/Rounding.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <string>

namespace tesmi {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
constexpr int kSecondsPerDay = 86400;

// The weight of result `number` (from 1) against the running average.
double weightOf(int number)
{
    return number <= 12 ? 0.3 : 0.02;
}

// FormatFixed(value, 2) read back as hundredths. Away from the exact midpoint
// between two hundredths the answer follows from the four-decimal rounding
// FormatFixed starts with; at the midpoint it depends on the binary value, so
// FormatFixed itself decides.
qint64 roundToHundredths(double value)
{
    const double tenThousandths = std::nearbyint(value * 10000.0);
    const qint64 units = qint64(tenThousandths);
    const qint64 lower = units >= 0 ? units / 100 : -((-units + 99) / 100);
    const qint64 rest = units - lower * 100;
    if (rest < 50)
        return lower;
    if (rest > 50)
        return lower + 1;
    return std::llround(FormatFixed(value, 2).replace(',', '.').toDouble() * 100.0);
}

int wholeNumber(std::string_view text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A stored decimal with a comma, as 1,237.
double commaDecimal(std::string_view text)
{
    std::string digits(text);
    for (char &c : digits) {
        if (c == ',')
            c = '.';
    }
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

QString clockText(const Guard &guard, qint64 seconds)
{
    return SecondsToTime(guard, int(seconds)).toString(QStringLiteral("hh:mm:ss"));
}

// Longer than a day reads as whole days and the rest of the day: "1 д. 00:00:00".
QString clockOrDaysText(const Guard &guard, qint64 seconds)
{
    if (seconds < kSecondsPerDay)
        return clockText(guard, seconds);
    return QString::number(seconds / kSecondsPerDay) + QStringLiteral(" д. ")
           + clockText(guard, seconds % kSecondsPerDay);
}

QString mileageText(const Guard &guard, int count)
{
    const QString number = QString::number(count);
    return number + ' ' + PluralTexts(guard, number);
}

QString memorisationNote(const ModeKind &kind, int position)
{
    const QString indent(10, ' ');
    return QStringList{QStringLiteral(" "),
                       indent + QStringLiteral("ЗАУЧИВАНИЕ"),
                       QString(),
                       indent + QStringLiteral("Текущая сложность: ") + QString::number(6 - kind.ZubrRounds),
                       QString(),
                       indent + QStringLiteral("Текущий текст: ") + QString::number(position + 1),
                       QString(),
                       indent + QStringLiteral("Необходимая скорость: ") + QString::number(kind.ZubrSpeedLimit),
                       QString(),
                       indent + QStringLiteral("Лимит ошибок: 0")}
        .join(kLineBreak);
}

// How far a book marathon has come, and how long the rest should take at the
// pace so far.
QString bookMarathonNote(const Guard &guard, qint64 typed, qint64 length, qint64 totalTime)
{
    const qint64 remaining = length - typed;
    // A book with no text has nothing to measure: its shares read as zero.
    const auto share = [&](qint64 part) {
        return FormatFixed(guard, length > 0 ? double(part) * 100 / double(length) : 0.0, 2);
    };
    const QString indent(10, ' ');
    QStringList lines{QStringLiteral(" "),
                      indent + QStringLiteral("СТАТИСТИКА ПО КНИГОМАРАФОНУ"),
                      QString(),
                      indent + QStringLiteral("Символов  набрано: ") + QString::number(typed) + QStringLiteral(" (")
                          + share(typed) + QStringLiteral("%)"),
                      QString(),
                      indent + QStringLiteral("Символов осталось: ") + QString::number(remaining)
                          + QStringLiteral(" (") + share(remaining) + QStringLiteral("%)")};
    if (typed > 0) {
        const auto estimate = qint64(std::nearbyint(double(totalTime) * double(remaining) / double(typed)));
        lines << QString() << indent + QStringLiteral("Затраченное время: ") + clockOrDaysText(guard, totalTime)
              << QString() << indent + QStringLiteral("Оставшееся  время: ") + clockOrDaysText(guard, estimate);
    }
    return lines.join(kLineBreak);
}

int intSetting(Database &db, const QString &mode, const char *column)
{
    return GetModeSetting(db, mode, QString::fromLatin1(column)).toInt();
}

// The extra texts of memorisation sets, books, book marathons and the two
// exercise courses; every rule that matches applies, in this order.
void addSpecialModeTexts(Database &db, const QString &mode, const Guard &guard, SummaryView &view)
{
    const ModeKind kind = LoadModeKind(db, mode);
    const QString &type = kind.ModeType;
    const QString &subtype = kind.ModeSubtype;
    if (subtype == QStringLiteral("zubr"))
        view.Hrust = memorisationNote(kind, intSetting(db, mode, "book_poz"));
    if (type == QStringLiteral("book")) {
        const QString position = QString::number(intSetting(db, mode, "book_poz"));
        view.Label21 = position + ' ' + PluralTexts(guard, position) + QStringLiteral(" из ")
                       + QString::number(intSetting(db, mode, "book_len"));
        view.StaticText1 = kBookKeysHint;
    }
    if (type == QStringLiteral("marathon") && subtype == QStringLiteral("book")) {
        const qint64 length = GetModeSetting(db, mode, QStringLiteral("text")).size();
        view.Hrust = bookMarathonNote(guard, intSetting(db, mode, "book_poz"), length, view.values.ModeTotalTime);
    }
    if (type == QStringLiteral("trainer") && subtype == QStringLiteral("text")) {
        const int exercise = intSetting(db, mode, "book_poz");
        std::optional<QString> note;
        if (mode == kLearningMode)
            note = LearningNote(exercise);
        else if (mode == kCrunchMode)
            note = CrunchNote(exercise);
        if (note)
            view.Hrust = note;
    }
}

} // namespace

void RunningAverages::add(int speed, double mistakesPercent)
{
    ++count_;
    if (count_ == 1) {
        speed_ = speed;
        mistakeHundredths_ = roundToHundredths(mistakesPercent);
        return;
    }
    const double w = weightOf(count_);
    speed_ = RoundHalfEven(w * speed + (1 - w) * speed_);
    mistakeHundredths_ = roundToHundredths(w * mistakesPercent + (1 - w) * (double(mistakeHundredths_) / 100.0));
}

QString RunningAverages::mistakes() const
{
    return FormatFixed(double(mistakeHundredths_) / 100.0, 2);
}

ModeSummary ReadModeSummary(Database &db, const QString &mode)
{
    ModeSummary summary;
    const QString table = ResultsTableName(mode);
    // A mode whose results table is missing simply has no results yet.
    if (!db.TableExists(table))
        return summary;
    RunningAverages averages;
    Statement rows(db, QStringLiteral("SELECT time, speed, errorr FROM %1").arg(QuoteIdentifier(table)));
    rows.forEachRow({}, [&](Statement::RowBytes row) {
        const int speed = wholeNumber(row[1]);
        summary.ModeBestSpeed = std::max(summary.ModeBestSpeed, speed);
        summary.ModeTotalTime += wholeNumber(row[0]);
        averages.add(speed, commaDecimal(row[2]));
    });
    summary.ModeResultCount = averages.count();
    if (summary.ModeResultCount > 0) {
        summary.ModeAverageSpeed = averages.speed();
        summary.ModeAverageMistakes = averages.mistakes();
    }
    return summary;
}

SummaryView RefreshModeSummary(Database &db, const QString &mode, const QString &regularRank, const Guard &guard)
{
    SummaryView view;
    view.values = ReadModeSummary(db, mode);
    const ModeSummary &values = view.values;
    view.Label17 = QString::number(values.ModeBestSpeed) + kSpeedUnit;
    view.Label19 = QString::number(values.ModeAverageSpeed) + kSpeedUnit;
    view.Label22 = values.ModeResultCount > 0 ? values.ModeAverageMistakes + '%' : QStringLiteral("0,00%");
    view.Label21 = mileageText(guard, values.ModeResultCount);
    view.StaticText1 = kRaceKeysHint;
    view.Rangname = ShowRank(values.ModeBestSpeed, mode, regularRank);
    view.level = ShowLevel(CurrentPoints(db));
    view.medal = ShowMedal(values.ModeResultCount);
    addSpecialModeTexts(db, mode, guard, view);
    return view;
}

} // namespace tesmi
