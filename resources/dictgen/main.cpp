// Writes one dictionary file (.ttb) for every mode that ships with the program,
// from the fortune corpora installed on the build machine and the two exercise
// courses kept here. Usage: dictgen <output folder> <Russian fortunes> <English fortunes>
#include "corpus.h"
#include "courses.h"

#include "storage/Database.h"
#include "storage/ModeName.h"
#include "storage/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTextStream>

namespace dictgen {

namespace {

struct Mode {
    QString name;
    QString type;
    QString subtype;
    QString duration; // marathon length code, "0" … "5" for 5 … 30 minutes
    QString dlina;    // length of a generated race text
    QStringList texts;
};

QStringList withLength(const QStringList &texts, int shortest, int longest)
{
    QStringList chosen;
    for (const QString &text : texts)
        if (text.size() >= shortest && text.size() <= longest)
            chosen << text;
    return chosen;
}

bool endsSentence(const QString &text)
{
    return text.endsWith(u'.') || text.endsWith(u'!') || text.endsWith(u'?');
}

// One sentence: the only sentence marks are those at its very end.
QStringList singleSentences(const QStringList &texts, int shortest, int longest)
{
    QStringList chosen;
    for (const QString &text : withLength(texts, shortest, longest)) {
        QString body = text;
        while (endsSentence(body))
            body.chop(1);
        if (endsSentence(text) && !body.contains(u'.') && !body.contains(u'!') && !body.contains(u'?'))
            chosen << text;
    }
    return chosen;
}

// Long texts for marathons: whole fortunes in corpus order, joined until the
// text is long enough; each ends where a fortune ends, at a sentence end. Takes
// the fortunes it uses from the front of `pool`.
QStringList joinedTexts(QStringList &pool, int shortest, int longest, int count)
{
    QStringList texts;
    QString current;
    while (!pool.isEmpty() && texts.size() < count) {
        const QString next = pool.takeFirst();
        if (!endsSentence(next) || current.size() + 1 + next.size() > longest)
            continue;
        current = current.isEmpty() ? next : current + u' ' + next;
        if (current.size() >= shortest) {
            texts << current;
            current.clear();
        }
    }
    return texts;
}

QString sqlLiteral(const QString &value)
{
    return u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// Lines 3 to 5: the mode table made anew with its settings row. The results
// table is not touched, so reinstalling keeps the user's results.
QStringList statements(const Mode &mode)
{
    const QString table = tesmi::QuoteIdentifier(tesmi::EncodeModeName(mode.name));
    QStringList columns{QStringLiteral("text"), QStringLiteral("duration"), QStringLiteral("dlina")};
    columns << tesmi::BaseLayoutColumns().mid(2) << QStringLiteral("book_len") << QStringLiteral("book_poz");
    QStringList declared{QStringLiteral("id INTEGER PRIMARY KEY")};
    for (const QString &column : columns)
        declared << column + QStringLiteral(" TEXT");

    // Row 1: what every dictionary starts with, the mode's own kind and length.
    QMap<QString, QString> row{{"fontnumber", "7"}, {"textsize", "10"}, {"polesize", "1"}, {"lighting", "нет"},
                               {"speedometr", "0"}, {"errors", "1"},    {"sekundometr", "1"}};
    row.insert({{"duration", mode.duration}, {"dlina", mode.dlina}, {"type", mode.type}, {"subtype", mode.subtype},
                {"book_len", QString::number(mode.texts.size())}});
    const QStringList settingsColumns = columns.mid(1);
    QStringList literals;
    for (const QString &column : settingsColumns)
        literals << sqlLiteral(row.value(column, QStringLiteral("0")));

    return {QStringLiteral("DROP TABLE IF EXISTS %1").arg(table),
            QStringLiteral("CREATE TABLE %1 (%2)").arg(table, declared.join(QStringLiteral(", "))),
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, settingsColumns.join(QStringLiteral(", ")), literals.join(QStringLiteral(", ")))};
}

bool writeDictionary(const QString &folder, const Mode &mode)
{
    QStringList lines{mode.name, mode.type + u'/' + mode.subtype};
    lines << statements(mode);
    for (const QString &text : mode.texts)
        lines << QString(text).replace(u'"', QStringLiteral("\"\""));
    QFile file(QDir(folder).filePath(tesmi::EncodeModeName(mode.name) + QStringLiteral(".ttb")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    return file.write(bytes) == bytes.size();
}

QList<Mode> bundledModes(const QStringList &russian, const QStringList &english)
{
    QStringList marathonPool = russian;
    const QStringList miniMarathons = joinedTexts(marathonPool, 3000, 5000, 40);
    const QStringList marathons = joinedTexts(marathonPool, 9500, 10500, 12);
    const QString none = QStringLiteral("0");
    const QString text = QStringLiteral("text");
    const QString length = QStringLiteral("300");
    return {
        {QStringLiteral("Обычный"), text, text, none, none, withLength(russian, 150, 600)},
        {QStringLiteral("Короткие_тексты"), text, text, none, none, withLength(russian, 40, 149)},
        {QStringLiteral("Спринт"), text, text, none, none, singleSentences(russian, 15, 80)},
        {QStringLiteral("Мини_марафон"), QStringLiteral("marathon"), text, QStringLiteral("1"), none, miniMarathons},
        {QStringLiteral("Марафон"), QStringLiteral("marathon"), text, QStringLiteral("5"), none, marathons},
        {QStringLiteral("Обычный_in_English"), text, text, none, none, withLength(english, 150, 600)},
        {QStringLiteral("Частотный_словарь"), QStringLiteral("slova"), text, none, length,
         MostFrequentWords(russian, 1000)},
        {QStringLiteral("Цифры"), QStringLiteral("digits"), text, none, length, {QStringLiteral("1234567890")}},
        {QStringLiteral("Буквы"), QStringLiteral("liter"), text, none, length, {QStringLiteral("фыва олдж")}},
        {QStringLiteral("Letters"), QStringLiteral("letters"), text, none, length, {QStringLiteral("asdf jkl")}},
        {QStringLiteral("Обучение"), QStringLiteral("trainer"), text, none, none, TrainingCourse()},
        {QStringLiteral("ХРУСТяшки"), QStringLiteral("trainer"), text, none, none, CrunchCourse()},
    };
}

} // namespace

} // namespace dictgen

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 4) {
        err << "usage: dictgen <output folder> <Russian fortunes folder> <English fortunes folder>\n";
        return 2;
    }
    const QStringList args = app.arguments();
    const QStringList russian = dictgen::ReadCleanFortunes(args.at(2), dictgen::Keyboard::Russian);
    const QStringList english = dictgen::ReadCleanFortunes(args.at(3), dictgen::Keyboard::English);
    if (russian.isEmpty() || english.isEmpty()) {
        err << "no usable fortunes found; are the fortunes-ru and fortunes packages installed?\n";
        return 1;
    }
    QDir folder(args.at(1));
    folder.mkpath(QStringLiteral("."));
    for (const QString &stale : folder.entryList({QStringLiteral("*.ttb")}, QDir::Files))
        folder.remove(stale);
    for (const dictgen::Mode &mode : dictgen::bundledModes(russian, english)) {
        if (mode.texts.isEmpty() || !dictgen::writeDictionary(folder.path(), mode)) {
            err << "cannot write the dictionary " << mode.name << '\n';
            return 1;
        }
    }
    return 0;
}
