#include "util/Formatting.h"

#include "util/Guard.h"

#include <cmath>
#include <stdexcept>

namespace tesmi {

namespace {

struct WordForms {
    const char *one;
    const char *few;
    const char *many;
};

constexpr WordForms kMistakeForms{"ошибка", "ошибки", "ошибок"};
constexpr WordForms kTextForms{"текст", "текста", "текстов"};

QString pluralForm(const QString &count, const WordForms &forms)
{
    if (count.size() >= 2) {
        bool ok = false;
        const int lastTwo = count.right(2).toInt(&ok);
        if (ok && lastTwo >= 11 && lastTwo <= 19)
            return QString::fromUtf8(forms.many);
    }
    if (count.isEmpty() || !count.back().isDigit())
        throw std::invalid_argument("count does not end in a digit");
    switch (count.back().digitValue()) {
    case 1:
        return QString::fromUtf8(forms.one);
    case 2:
    case 3:
    case 4:
        return QString::fromUtf8(forms.few);
    default:
        return QString::fromUtf8(forms.many);
    }
}

QString twoDigits(int value)
{
    return value < 10 ? QStringLiteral("0") + QString::number(value) : QString::number(value);
}

QString composeClockText(int seconds)
{
    const int totalMinutes = seconds / 60;
    const int hours = totalMinutes / 60;
    return twoDigits(hours) + ':' + twoDigits(totalMinutes - 60 * hours) + ':'
           + twoDigits(seconds - 60 * totalMinutes);
}

QTime readClockText(const QString &text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("hh:mm:ss"));
    if (!time.isValid())
        throw std::out_of_range("not a time of day: " + text.toStdString());
    return time;
}

QChar flipCase(QChar c)
{
    const QChar upper = c.toUpper();
    return upper != c ? upper : c.toLower();
}

} // namespace

QString PluralMistakes(const QString &count)
{
    return pluralForm(count, kMistakeForms);
}

QString PluralTexts(const QString &count)
{
    return pluralForm(count, kTextForms);
}

QTime SecondsToTime(int seconds)
{
    return readClockText(composeClockText(seconds));
}

QString FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        throw std::invalid_argument("not a finite number");
    // nearbyint rounds halves to even in the default rounding mode.
    const double rounded = std::nearbyint(value * 10000.0) / 10000.0;
    QString text = QString::number(rounded, 'f', decimals);
    // A value that rounds to zero reads as zero, not as "-0,00".
    if (text.startsWith('-') && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text.replace('.', ',');
}

QString PluralMistakes(const Guard &guard, const QString &count)
{
    return guard.run(QStringLiteral("o_t_t"), [&] { return PluralMistakes(count); });
}

QString PluralTexts(const Guard &guard, const QString &count)
{
    return guard.run(QStringLiteral("t_t_t"), [&] { return PluralTexts(count); });
}

QTime SecondsToTime(const Guard &guard, int seconds)
{
    const QString text = guard.run(QStringLiteral("STT"), [&] { return composeClockText(seconds); });
    return readClockText(text);
}

QString FormatFixed(const Guard &guard, double value, int decimals)
{
    return guard.run(QStringLiteral("RE"), [&] { return FormatFixed(value, decimals); });
}

QStringList WaveFrames(const QString &caption)
{
    QStringList frames;
    QString shown = caption;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        shown[i] = flipCase(shown[i]);
        if (i > 0)
            shown[i - 1] = caption[i - 1];
        frames << shown;
    }
    if (!caption.isEmpty())
        frames << caption;
    return frames;
}

} // namespace tesmi
