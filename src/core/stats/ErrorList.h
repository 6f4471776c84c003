#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tesmi {

class Database;
class Prompts;
class RandomSource;

inline const QString kErrorDictionaryQuestion = QStringLiteral(
    "Отработка ошибок\r\nКоличество слов, в которых регулярно допускаются ошибки\r\nперевалило за 30. Создать на их "
    "основе словарь\r\nдля проработки? (Стоимость создания словаря - 30000 очков)");
inline const QString kErrorDictionaryName = QStringLiteral("Работа_над_ошибками");

struct ErrorEntry {
    QString word;
    int count = 0;

    bool operator==(const ErrorEntry &) const = default;
};

// Words mistyped in races, with how often, in order of first appearance.
class ErrorList {
public:
    static ErrorList LoadErrorList(Database &db);
    // Replaces the stored list in one transaction, so a crash keeps either the
    // old list or the new one. A list unchanged since it was loaded or saved
    // is not written again: each write is a synced transaction.
    void SaveErrorList(Database &db);

    // Adds the mistyped words of one race: a word found (trimmed, case-sensitive)
    // counts once more, a new one is appended; entries without a word go.
    void MergeMistypedWords(const QStringList &mistypedWords);
    // Entries mistyped more than four times.
    int frequentCount() const;
    // Takes the frequent entries out, last to first, and gives their words.
    QStringList takeFrequentWords();

    QList<ErrorEntry> &entries() { return entries_; }
    const QList<ErrorEntry> &entries() const { return entries_; }

private:
    QList<ErrorEntry> entries_;
    std::optional<QList<ErrorEntry>> stored_; // what the file holds, when known
};

// Once 30 words are frequent, asks whether to make a practice dictionary of them;
// on OK the words leave the list and are returned, in the order taken.
std::optional<QStringList> OfferErrorDictionary(ErrorList &list, Prompts &prompts);

// The practice text of error work: every mistyped word five times, in random order.
QString MakeErrorWorkText(const QStringList &mistypedWords, RandomSource &random);

} // namespace tesmi
