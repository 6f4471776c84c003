#pragma once

#include <QString>
#include <QStringList>

namespace dictgen {

enum class Keyboard { Russian, English };

// True when every character of the text has a key (with or without Shift) on
// the layout.
bool Typeable(const QString &text, Keyboard keyboard);

// Every fortune of the plain fortune files in a folder (files in name order,
// fortunes in file order), cleaned for typing: one line, single spaces, no
// attribution, straight quotes and dashes. Fortunes that are pictures, tables or
// verse laid out with spaces, or that hold a character the keyboard lacks, are
// left out; so are repeats.
QStringList ReadCleanFortunes(const QString &folder, Keyboard keyboard);

// The most frequent words of the texts, lower-cased, most frequent first (equal
// counts in alphabetical order).
QStringList MostFrequentWords(const QStringList &texts, int count);

} // namespace dictgen
