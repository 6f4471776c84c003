#include "race/AutoReplace.h"

#include "storage/Database.h"

namespace tesmi {

namespace {

const QString kTable = QStringLiteral("_AZ");

bool isPieceDelimiter(QChar c)
{
    static const QString delimiters = QStringLiteral(".!? …;:,-");
    return delimiters.contains(c);
}

} // namespace

QStringList LoadAutoReplaceWords(Database &db)
{
    if (!db.TableExists(kTable))
        return {};
    return db.QueryColumn(QStringLiteral("SELECT text FROM %1").arg(QuoteIdentifier(kTable)));
}

AutoReplaceMatcher::AutoReplaceMatcher(const QStringList &words)
{
    for (const QString &word : words) {
        // An empty row would turn lone quotes green.
        if (!word.isEmpty())
            words_.insert(word.toLower());
    }
}

bool AutoReplaceMatcher::matchesPiece(const QString &piece) const
{
    const QString folded = piece.toLower();
    const auto enclosedBy = [&](const QString &open, const QString &close) {
        return folded.size() > open.size() + close.size() && folded.startsWith(open) && folded.endsWith(close)
               && words_.contains(folded.mid(open.size(), folded.size() - open.size() - close.size()));
    };
    static const QString none;
    static const QString paren = QStringLiteral("(");
    static const QString closeParen = QStringLiteral(")");
    static const QString quote = QStringLiteral("\"");
    return words_.contains(folded) || enclosedBy(paren, closeParen) || enclosedBy(paren, none)
           || enclosedBy(none, closeParen) || enclosedBy(quote, quote) || enclosedBy(none, quote)
           || enclosedBy(quote, none);
}

QList<WordRange> AutoReplaceMatcher::matches(const QString &text) const
{
    QList<WordRange> found;
    if (words_.isEmpty())
        return found;
    int start = 0;
    for (int i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isPieceDelimiter(text[i]))
            continue;
        if (i > start && matchesPiece(text.mid(start, i - start)))
            found.append({start, i});
        start = i + 1;
    }
    return found;
}

} // namespace tesmi
