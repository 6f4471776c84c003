#include "storage/ModeName.h"

#include <array>

namespace tesmi {

namespace {

struct Rule {
    QChar character;
    const char *code;
};

// Read row by row, left to right: а, А, б, Б, …, я, Я, space, hyphen. The codes aaar
// and aaba are never used, and В is the one capital whose code is not upper-cased.
const std::array<Rule, 68> &rules()
{
    static const std::array<Rule, 68> table{{
        {u'а', "aaaa"}, {u'А', "AAAA"}, {u'б', "aaab"}, {u'Б', "AAAB"}, {u'в', "aaac"}, {u'В', "aaaC"},
        {u'г', "aaad"}, {u'Г', "AAAD"}, {u'д', "aaae"}, {u'Д', "AAAE"}, {u'е', "aaaf"}, {u'Е', "AAAF"},
        {u'ё', "aaag"}, {u'Ё', "AAAG"}, {u'ж', "aaah"}, {u'Ж', "AAAH"}, {u'з', "aaai"}, {u'З', "AAAI"},
        {u'и', "aaaj"}, {u'И', "AAAJ"}, {u'й', "aaak"}, {u'Й', "AAAK"}, {u'к', "aaal"}, {u'К', "AAAL"},
        {u'л', "aaam"}, {u'Л', "AAAM"}, {u'м', "aaan"}, {u'М', "AAAN"}, {u'н', "aaao"}, {u'Н', "AAAO"},
        {u'о', "aaap"}, {u'О', "AAAP"}, {u'п', "aaaq"}, {u'П', "AAAQ"}, {u'р', "aaas"}, {u'Р', "AAAS"},
        {u'с', "aaat"}, {u'С', "AAAT"}, {u'т', "aaau"}, {u'Т', "AAAU"}, {u'у', "aaav"}, {u'У', "AAAV"},
        {u'ф', "aaaw"}, {u'Ф', "AAAW"}, {u'х', "aaax"}, {u'Х', "AAAX"}, {u'ц', "aaay"}, {u'Ц', "AAAY"},
        {u'ч', "aaaz"}, {u'Ч', "AAAZ"}, {u'ш', "aabb"}, {u'Ш', "AABB"}, {u'щ', "aabc"}, {u'Щ', "AABC"},
        {u'ъ', "aabd"}, {u'Ъ', "AABD"}, {u'ы', "aabe"}, {u'Ы', "AABE"}, {u'ь', "aabf"}, {u'Ь', "AABF"},
        {u'э', "aabg"}, {u'Э', "AABG"}, {u'ю', "aabh"}, {u'Ю', "AABH"}, {u'я', "aabi"}, {u'Я', "AABI"},
        {u' ', "aabj"}, {u'-', "AABJ"},
    }};
    return table;
}

} // namespace

QString EncodeModeName(const QString &name)
{
    QString encoded = name;
    for (const Rule &rule : rules())
        encoded.replace(rule.character, QLatin1String(rule.code));
    return encoded;
}

QString DecodeModeName(const QString &tableName)
{
    QString decoded = tableName;
    for (const Rule &rule : rules())
        decoded.replace(QLatin1String(rule.code), QString(rule.character), Qt::CaseSensitive);
    return decoded;
}

QString ResultsTableName(const QString &modeName)
{
    return '_' + EncodeModeName(modeName);
}

} // namespace tesmi
