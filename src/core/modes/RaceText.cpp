#include "modes/RaceText.h"

#include "modes/ModeSession.h"
#include "platform/RandomSource.h"
#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Settings.h"
#include "util/Guard.h"

#include <functional>
#include <stdexcept>

namespace tesmi {

namespace {

constexpr QChar kNoBreakSpace(0x00A0);
constexpr int kMarathonWindowStart = 301; // a window ends at a sentence end from here on
constexpr int kBookMarathonChunk = 24100;

bool isSentenceEnd(QChar c)
{
    return c == '.' || c == '!' || c == '?';
}

int parseInt(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw std::invalid_argument("not a whole number: " + text.toStdString());
    return value;
}

QString randomDigits(int count, RandomSource &random)
{
    QString digits;
    for (int i = 0; i < count; ++i)
        digits += QChar('0' + random.below(10));
    return digits;
}

struct Alphabet {
    QString lower;
    QString upper;
};

const Alphabet &alphabet(bool latin)
{
    static const Alphabet latinLetters{QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
                                       QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")};
    static const Alphabet cyrillicLetters{QStringLiteral("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"),
                                          QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")};
    return latin ? latinLetters : cyrillicLetters;
}

QString randomLetters(const QString &letters, int count, RandomSource &random)
{
    QString word;
    for (int i = 0; i < count; ++i)
        word += letters[random.below(int(letters.size()))];
    return word;
}

// 1-based position of the first space at or after `from`, or 0.
qsizetype spaceFrom(const QString &text, qsizetype from)
{
    return text.indexOf(' ', std::max<qsizetype>(from, 1) - 1) + 1;
}

// Opens a pair after a word inside a sentence and closes it before that
// sentence ends.
QString insertPair(const QString &text, const QString &opening, const QString &closing, RandomSource &random)
{
    const qsizetype split = spaceFrom(text, random.below(140) + 1);
    if (split == 0 || (split > 1 && isSentenceEnd(text[split - 2])))
        return text;
    const QString head = text.left(split - 1);
    QString rest = text.mid(split);
    QString tail;
    const auto sentenceEnd = std::find_if(rest.begin(), rest.end(), isSentenceEnd);
    if (sentenceEnd != rest.end()) {
        tail = rest.mid(sentenceEnd - rest.begin());
        rest.truncate(sentenceEnd - rest.begin());
    }
    const qsizetype close = spaceFrom(rest, random.below(int(rest.size()) + 1));
    if (close == 0) {
        rest += closing;
    } else if (close > 1 && (isSentenceEnd(rest[close - 2]) || rest[close - 2] == ',')) {
        rest.replace(close - 2, 1, closing);
    } else {
        rest.insert(close - 1, closing);
    }
    return head + opening + rest + tail;
}

bool isMemorisationDelimiter(QChar c)
{
    static const QString delimiters = QStringLiteral(".!()?…;:,- ");
    return delimiters.contains(c);
}

} // namespace

QString NormaliseStoredText(const QString &text, bool marathon)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
        if (c == ' ' && result.endsWith(' '))
            continue;
        result += c;
    }
    if (result.startsWith(' ') || (marathon && result.startsWith(kNoBreakSpace)))
        result.remove(0, 1);
    return result;
}

QString MakeDigitsText(int length, RandomSource &random)
{
    QString text;
    while (text.size() <= length) {
        text += randomDigits(random.below(4) + 1, random);
        const int m = random.below(10) + 1;
        if (m <= 2)
            text += ',' + randomDigits(m, random);
        text += ' ';
    }
    text.back() = '.';
    return text;
}

QString MakeLettersText(int length, bool latin, RandomSource &random)
{
    const Alphabet &letters = alphabet(latin);
    QString text;
    while (text.size() <= length) {
        const int p = random.below(200);
        const int n = random.below(8) + 1;
        QString separator;
        bool capitalised = false;
        if (p >= 35)
            separator = QStringLiteral(" ");
        else if (p >= 15 && p <= 30)
            separator = QStringLiteral(", ");
        else if (p >= 1 && p <= 14)
            separator = QStringLiteral(". "), capitalised = true;
        else if (p == 31 || p == 32)
            separator = QStringLiteral("? "), capitalised = true;
        else if (p == 33)
            separator = QStringLiteral("! "), capitalised = true;
        else
            continue; // 0 and 34 add nothing this round
        if (!text.isEmpty())
            text += separator;
        if (capitalised)
            text += randomLetters(letters.upper, 1, random) + randomLetters(letters.lower, n - 1, random);
        else
            text += (text.isEmpty() ? randomLetters(letters.upper, 1, random) : QString())
                    + randomLetters(letters.lower, n, random);
    }
    const int r = random.below(5) + 1;
    if (r == 1)
        text = insertPair(text, QStringLiteral(" ("), QStringLiteral(")"), random);
    else if (r == 2)
        text = latin ? insertPair(text, QStringLiteral(" “"), QStringLiteral("”"), random)
                     : insertPair(text, QStringLiteral(" «"), QStringLiteral("»"), random);
    return text + '.';
}

QString MakePhrasesText(const QStringList &phrases, int length, RandomSource &random)
{
    QString text;
    while (text.size() < length && !phrases.isEmpty()) {
        if (!text.isEmpty())
            text += ' ';
        text += phrases[random.below(int(phrases.size()))];
    }
    return text + '.';
}

std::pair<QString, QString> CutMarathonWindow(const QString &source)
{
    for (qsizetype i = kMarathonWindowStart - 1; i + 1 < source.size(); ++i) {
        if (isSentenceEnd(source[i]) && (source[i + 1] == ' ' || source[i + 1] == kNoBreakSpace))
            return {source.left(i + 1), source.mid(i + 2)};
    }
    return {source, QString()};
}

QString HideWords(const QString &text, int rounds)
{
    if (rounds >= 6)
        return text;
    QString shown;
    shown.reserve(text.size());
    int count = 0;
    const auto add = [&](const QString &token) {
        const bool word = !token.trimmed().isEmpty() && !(token.size() == 1 && isMemorisationDelimiter(token[0]));
        if (word && ++count == rounds) {
            shown += QString(token.size(), '*');
            count = 0;
        } else {
            shown += token;
        }
    };
    // A word runs to the first delimiter, or to the last character when there is
    // none; the character it stopped at is a token of its own.
    QStringView rest(text);
    while (!rest.isEmpty()) {
        qsizetype stop = std::find_if(rest.begin(), rest.end(), isMemorisationDelimiter) - rest.begin();
        if (stop == rest.size())
            stop = rest.size() - 1;
        add(rest.left(stop).toString());
        add(rest.mid(stop, 1).toString());
        rest = rest.mid(stop + 1);
    }
    return shown;
}

RaceTextGenerator::RaceTextGenerator(Database &db, RandomSource &random, const Guard &guard)
    : db_(db), random_(random), guard_(guard)
{
}

int RaceTextGenerator::intSetting(const QString &mode, const QString &column)
{
    return parseInt(GetModeSetting(db_, mode, column));
}

int RaceTextGenerator::rowCount(const QString &mode)
{
    // Counting reads the whole table; the count holds until rows come or go.
    const QString table = EncodeModeName(mode);
    const quint64 changes = db_.rowChanges(table);
    const auto found = rowCounts_.constFind(table);
    if (found != rowCounts_.constEnd() && found->changes == changes)
        return found->count;
    const int count = db_.Query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QuoteIdentifier(table))).value().toInt();
    rowCounts_.insert(table, {changes, count});
    return count;
}

RaceTextGenerator::Row RaceTextGenerator::nthRow(const QString &mode, int n)
{
    const QString table = QuoteIdentifier(EncodeModeName(mode));
    const int count = rowCount(mode);
    if (n < 1 || n > count)
        throw std::out_of_range("no such row");
    // Ids are dense unless texts were deleted: then the n-th row is found by id.
    const int first = db_.Query(QStringLiteral("SELECT min(id) FROM %1").arg(table)).value().toInt();
    const int last = db_.Query(QStringLiteral("SELECT max(id) FROM %1").arg(table)).value().toInt();
    const QueryResult row =
        last - first + 1 == count
            ? db_.Query(QStringLiteral("SELECT id, text FROM %1 WHERE id = ?").arg(table), {QString::number(first + n - 1)})
            : db_.Query(QStringLiteral("SELECT id, text FROM %1 ORDER BY id LIMIT 1 OFFSET ?").arg(table),
                        {QString::number(n - 1)});
    return {row.value(0), row.value(1)};
}

RaceTextGenerator::Row RaceTextGenerator::randomRow(const QString &mode)
{
    const int count = rowCount(mode);
    if (count == 0)
        throw std::out_of_range("the mode has no texts");
    try {
        return nthRow(mode, random_.below(count) + 1);
    } catch (const DatabaseError &) {
        // Rows changed behind this connection's back (another program edited the
        // file): count again once rather than fail the race.
        rowCounts_.remove(EncodeModeName(mode));
        const int recounted = rowCount(mode);
        if (recounted == 0)
            throw std::out_of_range("the mode has no texts");
        return nthRow(mode, random_.below(recounted) + 1);
    }
}

void RaceTextGenerator::makeMarathonOfTexts(const QString &mode, RaceTextResult &result)
{
    const Row row = randomRow(mode);
    std::tie(result.RaceText, result.MarathonRest) = CutMarathonWindow(NormaliseStoredText(row.text, true));
    result.CurrentTextId = row.id;
}

void RaceTextGenerator::makeBookMarathon(const QString &mode, RaceTextResult &result)
{
    const QString source = NormaliseStoredText(GetModeSetting(db_, mode, QStringLiteral("text")), true);
    const int typed = intSetting(mode, QStringLiteral("book_poz"));
    QString remainder = typed == 0 ? source : source.mid(typed).left(kBookMarathonChunk);
    if (remainder.startsWith(' ') || remainder.startsWith(kNoBreakSpace))
        remainder.remove(0, 1);
    std::tie(result.RaceText, result.MarathonRest) = CutMarathonWindow(remainder);
    result.CurrentTextId = QStringLiteral("1");
}

void RaceTextGenerator::makeTexts(const QString &mode, RaceTextResult &result)
{
    const Row row = randomRow(mode);
    result.RaceText = NormaliseStoredText(row.text, false);
    if (result.RaceText.endsWith(' '))
        result.RaceText.chop(1);
    result.CurrentTextId = row.id;
}

void RaceTextGenerator::makeBook(const QString &mode, RaceTextResult &result)
{
    const int length = intSetting(mode, QStringLiteral("book_len"));
    const int position = intSetting(mode, QStringLiteral("book_poz"));
    const int fragment = position < length ? position + 1 : random_.below(position) + 1;
    const Row row = nthRow(mode, fragment);
    result.RaceText = NormaliseStoredText(row.text, false);
    result.CurrentTextId = row.id;
}

void RaceTextGenerator::makeMemorisation(const QString &mode, int rounds, RaceTextResult &result)
{
    const Row row = nthRow(mode, intSetting(mode, QStringLiteral("book_poz")) + 1);
    result.RaceText = NormaliseStoredText(row.text, false);
    result.CurrentTextId = row.id;
    result.shownText = HideWords(result.RaceText, rounds);
}

RaceTextResult RaceTextGenerator::MakeRaceText(const QString &mode, const ModeKind &kind, int marathonMinutes,
                                               const QString &previousTextId)
{
    RaceTextResult result;
    result.CurrentTextId = previousTextId;
    const auto lengthSetting = [&] { return intSetting(mode, QStringLiteral("dlina")); };
    const auto readPhrases = [&] {
        return db_.QueryColumn(QStringLiteral("SELECT text FROM %1").arg(QuoteIdentifier(EncodeModeName(mode))));
    };

    struct Kind {
        const char *type;
        const char *subtype; // nullptr: any
        const char *textKind;
        const char *code;
        std::function<void()> make;
    };
    const Kind kinds[] = {
        {"digits", "text", "digits", "R_t3", [&] { result.RaceText = MakeDigitsText(lengthSetting(), random_); }},
        {"letters", "text", "letters", "R_t4",
         [&] { result.RaceText = MakeLettersText(lengthSetting(), true, random_); }},
        {"liter", "text", "liter", "R_t5", [&] { result.RaceText = MakeLettersText(lengthSetting(), false, random_); }},
        {"slova", "text", "slova", "R_t6",
         [&] { result.RaceText = MakePhrasesText(readPhrases(), lengthSetting(), random_); }},
        {"marathon", "text", "marathon", "R_t88", [&] { makeMarathonOfTexts(mode, result); }},
        {"marathon", "book", "marathon", "R_t89", [&] { makeBookMarathon(mode, result); }},
        {"text", nullptr, "text", "R_t80", [&] { makeTexts(mode, result); }},
        {"book", "text", "book", "R_t9", [&] { makeBook(mode, result); }},
        {"book", "zubr", "book", "R_t9", [&] { makeMemorisation(mode, kind.ZubrRounds, result); }},
        {"trainer", "text", "trainer", "R_t10", [&] { makeBook(mode, result); }},
    };
    for (const Kind &k : kinds) {
        if (kind.ModeType != QLatin1String(k.type) || (k.subtype && kind.ModeSubtype != QLatin1String(k.subtype)))
            continue;
        guard_.run(QString::fromLatin1(k.code), [&] {
            k.make();
            result.TextKind = QString::fromLatin1(k.textKind);
        });
        break;
    }

    guard_.run(QStringLiteral("R_t2.6"), [&] {
        if (result.shownText.isEmpty())
            result.shownText = result.RaceText;
        result.referenceText = result.RaceText.left(5);
        result.trackMaximum =
            kind.ModeType == QStringLiteral("marathon") ? marathonMinutes * 800 : int(result.RaceText.size());
    });
    return result;
}

} // namespace tesmi
