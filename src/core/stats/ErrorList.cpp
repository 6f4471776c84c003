#include "stats/ErrorList.h"

#include "platform/Prompts.h"
#include "platform/RandomSource.h"
#include "storage/Database.h"

namespace tesmi {

namespace {

constexpr int kFrequentAbove = 4;
constexpr int kOfferThreshold = 30;
constexpr int kPracticeRepeats = 5;

// Blanks are every character up to and including the space.
QString trimBlanks(const QString &word)
{
    qsizetype first = 0;
    qsizetype last = word.size();
    while (first < last && word[first].unicode() <= 0x20)
        ++first;
    while (last > first && word[last - 1].unicode() <= 0x20)
        --last;
    return word.mid(first, last - first);
}

bool frequent(const ErrorEntry &entry)
{
    return entry.count > kFrequentAbove;
}

} // namespace

ErrorList ErrorList::LoadErrorList(Database &db)
{
    ErrorList list;
    for (const QStringList &row : db.Query(QStringLiteral("select id, letter, koli from _error")).rows)
        list.entries_.append({row.at(1), row.at(2).toInt()});
    list.stored_ = list.entries_;
    return list;
}

void ErrorList::SaveErrorList(Database &db)
{
    if (stored_ == entries_)
        return;
    Transaction transaction(db);
    db.Execute(QStringLiteral("drop  table if exists _error"));
    db.Execute(QStringLiteral("CREATE TABLE _error (id INTEGER PRIMARY KEY, letter TEXT, koli TEXT)"));
    Statement insert(db, QStringLiteral("insert into _error (letter, koli) values(?, ?)"));
    for (const ErrorEntry &entry : entries_)
        insert.run({entry.word, QString::number(entry.count)});
    transaction.commit();
    stored_ = entries_;
}

void ErrorList::MergeMistypedWords(const QStringList &mistypedWords)
{
    for (const QString &word : mistypedWords) {
        const QString key = trimBlanks(word);
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const ErrorEntry &entry) { return trimBlanks(entry.word) == key; });
        if (found != entries_.end())
            ++found->count;
        else
            entries_.append({key, 1});
    }
    entries_.removeIf([](const ErrorEntry &entry) { return entry.word.isEmpty() || entry.word == QStringLiteral(" "); });
}

int ErrorList::frequentCount() const
{
    return int(std::count_if(entries_.begin(), entries_.end(), frequent));
}

QStringList ErrorList::takeFrequentWords()
{
    QStringList words;
    for (qsizetype i = entries_.size() - 1; i >= 0; --i) {
        if (frequent(entries_[i])) {
            words << entries_[i].word;
            entries_.removeAt(i);
        }
    }
    return words;
}

std::optional<QStringList> OfferErrorDictionary(ErrorList &list, Prompts &prompts)
{
    if (list.frequentCount() < kOfferThreshold || !prompts.askOkCancel(kErrorDictionaryQuestion))
        return std::nullopt;
    return list.takeFrequentWords();
}

QString MakeErrorWorkText(const QStringList &mistypedWords, RandomSource &random)
{
    QStringList pool;
    for (const QString &word : mistypedWords)
        for (int i = 0; i < kPracticeRepeats; ++i)
            pool << word;
    QStringList practice;
    while (!pool.isEmpty())
        practice << pool.takeAt(random.below(int(pool.size())));
    return practice.join(' ');
}

} // namespace tesmi
