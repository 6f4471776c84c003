#include "corpus.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <optional>

namespace dictgen {

namespace {

const QString kRussianSigns = QStringLiteral(" 0123456789!\"№;%:?*()_+-=\\/.,");

bool isRussianLetter(QChar c)
{
    return (c >= u'а' && c <= u'я') || (c >= u'А' && c <= u'Я') || c == u'ё' || c == u'Ё';
}

// Typographic marks that have no key of their own become the ones that do.
QString straightenMarks(QString text)
{
    for (const QChar quote : {u'«', u'»', u'„', u'“', u'”'})
        text.replace(quote, u'"');
    text.replace(u'‘', u'\'').replace(u'’', u'\'');
    text.replace(u'—', u'-').replace(u'–', u'-');
    text.replace(QStringLiteral("…"), QStringLiteral("..."));
    text.replace(QChar(0x00A0), u' ');
    return text;
}

// Pictures and tables: aligned columns, long runs of one sign, few letters.
bool looksLikeArt(const QString &line)
{
    static const QRegularExpression alignedColumns(QStringLiteral("\\S {3,}\\S"));
    static const QRegularExpression signRun(QStringLiteral("([^\\w\\s.])\\1\\1"));
    if (line.contains(alignedColumns) || line.contains(signRun))
        return true;
    const auto letters = std::count_if(line.begin(), line.end(), [](QChar c) { return c.isLetter(); });
    const auto visible = std::count_if(line.begin(), line.end(), [](QChar c) { return !c.isSpace(); });
    return letters * 2 < visible;
}

std::optional<QString> cleanFortune(const QString &fortune, Keyboard keyboard)
{
    QStringList kept;
    for (const QString &line : fortune.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        // The attribution and whatever follows it (book titles, dates).
        if (trimmed.startsWith(QStringLiteral("--")) || trimmed.startsWith(u'—'))
            break;
        // Indented or tabbed lines are verse, tables or pictures: their layout is
        // the point, and a single line of text loses it.
        if (line.startsWith(QStringLiteral("  ")) || line.contains(u'\t') || looksLikeArt(trimmed))
            return std::nullopt;
        kept << trimmed;
    }
    const QString text = straightenMarks(kept.join(u' ')).simplified();
    if (text.isEmpty() || !Typeable(text, keyboard))
        return std::nullopt;
    return text;
}

QStringList fortuneFiles(const QString &folder)
{
    QStringList files;
    for (const QString &name : QDir(folder).entryList(QDir::Files, QDir::Name))
        if (!name.endsWith(QStringLiteral(".dat")) && !name.endsWith(QStringLiteral(".u8")))
            files << QDir(folder).filePath(name);
    return files;
}

} // namespace

bool Typeable(const QString &text, Keyboard keyboard)
{
    return std::all_of(text.begin(), text.end(), [keyboard](QChar c) {
        if (keyboard == Keyboard::English)
            return c.unicode() >= 0x20 && c.unicode() <= 0x7E;
        return isRussianLetter(c) || kRussianSigns.contains(c);
    });
}

QStringList ReadCleanFortunes(const QString &folder, Keyboard keyboard)
{
    QStringList texts;
    QSet<QString> seen;
    for (const QString &path : fortuneFiles(folder)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        static const QRegularExpression separator(QStringLiteral("\\n%\\n"));
        const QString content = QString::fromUtf8(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (const QString &fortune : content.split(separator)) {
            const auto text = cleanFortune(fortune, keyboard);
            if (text && !seen.contains(*text)) {
                seen.insert(*text);
                texts << *text;
            }
        }
    }
    return texts;
}

QStringList MostFrequentWords(const QStringList &texts, int count)
{
    static const QRegularExpression word(QStringLiteral("[а-яё]+"));
    QHash<QString, int> counts;
    for (const QString &text : texts) {
        auto matches = word.globalMatch(text.toLower());
        while (matches.hasNext())
            ++counts[matches.next().captured()];
    }
    QStringList words = counts.keys();
    std::sort(words.begin(), words.end(), [&](const QString &a, const QString &b) {
        return counts[a] != counts[b] ? counts[a] > counts[b] : a < b;
    });
    return words.mid(0, count);
}

} // namespace dictgen
