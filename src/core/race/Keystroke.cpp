#include "race/Keystroke.h"

#include <array>

namespace tesmi {

namespace {

struct Variant {
    char16_t expected;
    char16_t typed;
};

// Keys that stand for a character a keyboard rarely has.
constexpr std::array kVariants{
    Variant{u'«', u'"'}, Variant{u'»', u'"'}, Variant{u'„', u'"'}, Variant{u'“', u'"'}, Variant{u'”', u'"'},
    Variant{u'‘', u'\''}, Variant{u'’', u'\''}, Variant{u'—', u'-'}, Variant{u'–', u'-'}, Variant{u'ё', u'е'},
    Variant{u'Ё', u'Е'}, Variant{u'е', u'ё'}, Variant{u'Е', u'Ё'},
};

bool isVariant(QChar typed, QChar expected, const KeyRules &rules)
{
    for (const Variant &v : kVariants) {
        if (expected == QChar(v.expected) && typed == QChar(v.typed))
            return true;
    }
    if (rules.digitsMode && (expected == ',' || expected == '.'))
        return typed == ',' || typed == '.';
    return rules.marathon && expected == kNoBreakSpace && typed == ' ';
}

} // namespace

QChar ComparedKey(QChar typed, QChar expected, const KeyRules &rules)
{
    return isVariant(typed, expected, rules) ? expected : typed;
}

bool IsWordSeparator(QChar c)
{
    return c == ' ' || c == kNoBreakSpace;
}

WordRange WordAt(const QString &text, int pos)
{
    WordRange word{pos, pos};
    while (word.start > 0 && !IsWordSeparator(text[word.start - 1]))
        --word.start;
    while (word.end < text.size() && !IsWordSeparator(text[word.end]))
        ++word.end;
    return word;
}

WordRange HighlightedWordAt(const QString &text, int pos)
{
    WordRange word = WordAt(text, pos);
    if (word.end < text.size())
        ++word.end;
    return word;
}

} // namespace tesmi
