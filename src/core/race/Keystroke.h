#pragma once

#include <QChar>
#include <QString>

namespace tesmi {

inline constexpr QChar kNoBreakSpace(0x00A0);

// Which loose spellings of a character a race accepts beyond the table of quotes,
// dashes and ё.
struct KeyRules {
    bool digitsMode = false; // comma and period stand for each other
    bool marathon = false;   // a space stands for a no-break space
};

// The key as it is compared: the expected character when the typed one is an
// accepted variant of it, else the typed character itself.
QChar ComparedKey(QChar typed, QChar expected, const KeyRules &rules);

bool IsWordSeparator(QChar c);

// A word of a text: from the character after the separator before `pos` up to
// the separator after it or the end (0-based, end exclusive).
struct WordRange {
    int start = 0;
    int end = 0;
    int length() const { return end - start; }
};

WordRange WordAt(const QString &text, int pos);
// The same word with the separator that ends it: what the word highlight covers.
WordRange HighlightedWordAt(const QString &text, int pos);

} // namespace tesmi
