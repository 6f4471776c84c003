#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include "race/Keystroke.h"

namespace tesmi {

class Database;

// The auto-replace words kept in _AZ, one per row; none while the table is missing.
QStringList LoadAutoReplaceWords(Database &db);

// The pieces of a text that are words of the auto-replace list, alone, in
// parentheses or in straight double quotes, compared without letter case.
class AutoReplaceMatcher {
public:
    explicit AutoReplaceMatcher(const QStringList &words);
    bool empty() const { return words_.isEmpty(); }
    QList<WordRange> matches(const QString &text) const;

private:
    bool matchesPiece(const QString &piece) const;

    QSet<QString> words_; // folded to lower case
};

} // namespace tesmi
