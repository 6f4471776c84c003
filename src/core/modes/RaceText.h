#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace tesmi {

class Database;
class Guard;
class RandomSource;
struct ModeKind;

// What MakeRaceText produces for the next race.
struct RaceTextResult {
    QString RaceText;            // what the user must type (a marathon's first window)
    QString TextKind;            // "digits", "letters", "liter", "slova", "marathon", "text", "book", "trainer"
    QString CurrentTextId;       // row of the text; unchanged for generated kinds
    QString MarathonRest;        // a marathon's source after the first window
    QString MarathonNextWindow;  // cleared for a marathon
    QString shownText;           // the text view's text: memorisation hides words
    QString referenceText;       // the reference label: the first five characters
    int trackMaximum = 0;
};

// Pure pieces of text generation, each drawing through the random source.
QString NormaliseStoredText(const QString &text, bool marathon);
QString MakeDigitsText(int length, RandomSource &random);
// Latin (a … z) when `latin`, else Cyrillic (а … я with ё).
QString MakeLettersText(int length, bool latin, RandomSource &random);
QString MakePhrasesText(const QStringList &phrases, int length, RandomSource &random);
// Splits a marathon source at the first sentence end from the 301st character on:
// the window, and the rest after the separating space. A source with no such end is
// one window.
std::pair<QString, QString> CutMarathonWindow(const QString &source);
// Memorisation: every `rounds`-th word shown as asterisks; 6 rounds show all.
QString HideWords(const QString &text, int rounds);

class RaceTextGenerator {
public:
    RaceTextGenerator(Database &db, RandomSource &random, const Guard &guard);

    // The next text of `mode` (for Безошибочный the caller passes Обычный).
    // `previousTextId` stays the text id for the generated kinds.
    RaceTextResult MakeRaceText(const QString &mode, const ModeKind &kind, int marathonMinutes,
                                const QString &previousTextId);

private:
    struct Row {
        QString id;
        QString text;
    };
    // Rows in table order, 1-based, without reading the rows before it.
    Row nthRow(const QString &mode, int n);
    int rowCount(const QString &mode);
    Row randomRow(const QString &mode);
    int intSetting(const QString &mode, const QString &column);

    void makeMarathonOfTexts(const QString &mode, RaceTextResult &result);
    void makeBookMarathon(const QString &mode, RaceTextResult &result);
    void makeTexts(const QString &mode, RaceTextResult &result);
    void makeBook(const QString &mode, RaceTextResult &result);
    void makeMemorisation(const QString &mode, int rounds, RaceTextResult &result);

    struct CachedCount {
        quint64 changes;
        int count;
    };

    Database &db_;
    RandomSource &random_;
    const Guard &guard_;
    QHash<QString, CachedCount> rowCounts_; // per mode table
};

} // namespace tesmi
