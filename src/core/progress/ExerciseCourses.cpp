#include "progress/ExerciseCourses.h"

#include <QStringList>

#include <array>

namespace tesmi {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// clang-format off
const std::array<QStringList, kLearningExercises> &learningNotes()
{
    static const std::array<QStringList, kLearningExercises> notes{{
        QStringList{
            "                Упражнение 1 ВЕРХНИЙ РЯД",
            "",
            "  Буквы левой руки: \"йцуке\" ",
            "  при их наборе пробел нажимается",
            "  правой рукой.",
            "  Буквы правой руки: \"нгшщзхъ\" ",
            "  при их наборе пробел нажимается",
            "  левой рукой.",
            "  \"й\" - левый мизинец; ",
            "  \"ц\" - левый безымянный;",
            "  \"у\" - левый средний; ",
            "  \"к\" и \"е\" - левый указательный.",
            "  \"н\" и \"г\" - правый указательный;",
            "  \"ш\" - правый средний;",
            "  \"щ\" - правый безымянный;",
            "  \"з\", \"х\" и \"ъ\" - правый мизинец",
        },
        QStringList{
            "                Упражнение 2 СРЕДНИЙ РЯД",
            "",
            "  Буквы левой руки: \"фывап\" ",
            "  при их наборе пробел нажимается",
            "  правой рукой.",
            "  Буквы правой руки: \"ролдж\" ",
            "  при их наборе пробел нажимается",
            "  левой рукой.",
            "  \"ф\" - левый мизинец; ",
            "  \"ы\" - левый безымянный;",
            "  \"в\" - левый средний; ",
            "  \"а\" и \"п\" - левый указательный.",
            "  \"р\" и \"о\" - правый указательный;",
            "  \"л\" - правый средний;",
            "  \"д\" - правый безымянный;",
            "  \"ж\" и \"э\" - правый мизинец",
        },
        QStringList{
            "                Упражнение 3 НИЖНИЙ РЯД",
            "",
            "  Буквы левой руки: \"ячсми\" ",
            "  при их наборе пробел нажимается",
            "  правой рукой.",
            "  Буквы правой руки: \"тьбю.\" ",
            "  при их наборе пробел нажимается",
            "  левой рукой.",
            "  \"я\" - левый мизинец; ",
            "  \"ч\" - левый безымянный;",
            "  \"с\" - левый средний; ",
            "  \"м\" и \"и\" - левый указательный.",
            "  \"т\" и \"ь\" - правый указательный;",
            "  \"б\" - правый средний;",
            "  \"ю\" - правый безымянный;",
            "  \".\" - правый мизинец",
        },
        QStringList{
            "           Упражнение 4 РЯДОМ ТРИ РЯДА",
            "",
            "  Закрепление трех рядов",
            "  в смешанном режиме.",
            "  Не забывайте, что когда",
            "  работает одна рука, вторая ",
            "  нажимает пробел.",
            "  Буквы левой руки:",
            "  \"йцуке\", \"фывап\" и \"ячсми\".",
            "  Буквы правой руки:",
            "  \"нгшщзхъ\", \"ролдж\" и \"тьбю.\".",
        },
        QStringList{
            "           Упражнение 5 ШИФТ",
            "",
            "  Буквы все те же, однако ",
            "  при наборе заглавной буквы",
            "  шифт зажимается мизинцем ",
            "  противоположной руки",
            "  при их наборе пробел нажимается",
            "  левой рукой.",
        },
    }};
    return notes;
}
// clang-format on

// The speed and the mistakes an Обучение exercise allows, and what passing it says.
struct LearningExercise {
    int speed;
    int errors;
    const char *passedMessage; // the last exercise hands over to the course-complete message
};

constexpr std::array<LearningExercise, kLearningExercises> kLearningExercisesTable{{
    {110, 2, "Поздравляем! Вы прошли первое упражнение и допущены ко второму."},
    {130, 2, "Поздравляем! Вы прошли второе упражнение и допущены до третьего."},
    {140, 2, "Поздравляем! Вы прошли третье упражнение и допущены до четвертого."},
    {150, 2, "Поздравляем! Вы прошли четвертое упражнение и допущены до пятого."},
    {120, 3, ""},
}};

// The failure messages differ only in the exercise's speed (%1) and mistakes (%2).
const QString kTooSlow = QStringLiteral(
    "Вы набирали слишком медленно.\r\nДля прохождения этого упражнения требуется скорость набора не меньше %1 зн/мин.");
const QString kTooManyErrors = QStringLiteral(
    "Вы допустили слишком много ошибок.\r\nДля прохождения этого упражнения количество допустимых ошибок не должно "
    "превышать %2.");
const QString kTooSlowAndTooManyErrors = QStringLiteral(
    "Вы допустили слишком много ошибок и набирали слишком медленно.\r\nДля прохождения этого упражнения количество "
    "допустимых ошибок не должно превышать %2,\r\nа скорость набора не меньше %1 зн/мин.");

// Speeds a ХРУСТяшки exercise needs, by the regular rank, in the order of kCrunchRanks.
constexpr int kCrunchRankCount = 9;
constexpr std::array<const char *, kCrunchRankCount> kCrunchRanks{
    "Новичок", "Любитель", "Таксист", "Профи", "Гонщик", "Маньяк", "Супермен", "Кибергонщик", "Экстракибер"};

// clang-format off
constexpr std::array<std::array<int, kCrunchRankCount>, kCrunchExercises> kCrunchSpeeds{{
    {60, 160, 260, 360, 460, 550, 650, 740, 840},
    {60, 160, 260, 350, 450, 520, 620, 720, 820},
    {60, 160, 260, 360, 450, 520, 580, 640, 740},
    {60, 160, 260, 360, 470, 560, 660, 760, 860},
    {60, 160, 260, 350, 420, 510, 600, 670, 770},
    {60, 160, 260, 330, 430, 500, 580, 660, 760},
    {60, 160, 260, 340, 430, 500, 600, 700, 800},
    {60, 100, 180, 280, 370, 430, 490, 550, 650},
    {60, 100, 160, 200, 250, 320, 370, 420, 520},
    {60, 160, 260, 360, 460, 540, 640, 740, 840},
    {60, 160, 230, 330, 390, 480, 580, 680, 780},
    {60, 160, 260, 340, 400, 520, 620, 720, 820},
    {60, 160, 260, 350, 450, 550, 670, 800, 900},
    {60, 160, 260, 340, 420, 490, 580, 670, 770},
    {60, 160, 260, 370, 440, 550, 630, 730, 840},
    {60, 160, 260, 370, 470, 570, 670, 780, 880},
    {60, 160, 260, 339, 441, 500, 600, 700, 800},
    {60, 160, 260, 350, 450, 520, 600, 680, 780},
    {60, 160, 260, 330, 420, 480, 550, 630, 730},
    {60, 160, 260, 350, 420, 520, 620, 720, 820},
    {60, 160, 260, 340, 430, 500, 580, 640, 740},
    {60, 160, 260, 370, 470, 560, 660, 760, 860},
    {60, 160, 200, 270, 330, 400, 470, 550, 650},
    {100, 200, 300, 400, 500, 600, 700, 800, 900},
}};
// clang-format on

// What the ХРУСТяшки note tells each future rank: the speed and the mistakes.
// These figures only inform; the pass rule above is what counts.
struct Allowance {
    int speed;
    int errors;
};

constexpr int kFutureRankCount = 6;

struct FutureRankLine {
    const char *caption;
    int spacesAfter;
};

constexpr std::array<FutureRankLine, kFutureRankCount> kFutureRankLines{{
    {"гонщикам", 14},
    {"маньякам", 14},
    {"суперменам", 11},
    {"кибергонщикам", 9},
    {"экстракиберам", 9},
    {"тахионам", 9},
}};

// clang-format off
constexpr std::array<std::array<Allowance, kFutureRankCount>, kCrunchExercises> kCrunchAllowances{{
    {{{360, 1}, {460, 1}, {550, 1}, {650, 1}, {740, 1}, {840, 1}}},
    {{{350, 1}, {450, 1}, {520, 1}, {620, 1}, {720, 1}, {820, 1}}},
    {{{360, 1}, {450, 1}, {520, 1}, {580, 1}, {640, 1}, {740, 1}}},
    {{{360, 1}, {470, 1}, {560, 1}, {660, 1}, {760, 1}, {860, 1}}},
    {{{350, 1}, {420, 1}, {510, 1}, {600, 1}, {670, 1}, {760, 1}}},
    {{{330, 1}, {430, 1}, {500, 1}, {580, 1}, {660, 1}, {760, 1}}},
    {{{340, 1}, {430, 1}, {500, 1}, {600, 1}, {700, 1}, {800, 1}}},
    {{{280, 1}, {370, 1}, {430, 1}, {490, 1}, {550, 1}, {650, 1}}},
    {{{200, 1}, {250, 1}, {320, 1}, {370, 1}, {420, 1}, {520, 1}}},
    {{{360, 1}, {460, 1}, {540, 1}, {640, 1}, {740, 1}, {840, 1}}},
    {{{330, 1}, {390, 1}, {480, 1}, {580, 1}, {680, 1}, {780, 1}}},
    {{{340, 1}, {400, 1}, {520, 1}, {620, 1}, {720, 1}, {820, 1}}},
    {{{350, 1}, {450, 1}, {550, 1}, {670, 1}, {800, 1}, {900, 1}}},
    {{{340, 1}, {420, 1}, {490, 1}, {580, 1}, {670, 1}, {770, 1}}},
    {{{370, 1}, {440, 1}, {550, 1}, {630, 1}, {730, 1}, {830, 1}}},
    {{{370, 1}, {470, 1}, {570, 1}, {670, 1}, {780, 1}, {880, 1}}},
    {{{339, 1}, {441, 1}, {500, 1}, {600, 1}, {700, 1}, {800, 1}}},
    {{{350, 1}, {450, 1}, {520, 1}, {600, 1}, {680, 1}, {780, 1}}},
    {{{330, 1}, {420, 1}, {480, 1}, {550, 1}, {630, 1}, {730, 1}}},
    {{{350, 1}, {420, 1}, {520, 1}, {620, 1}, {720, 1}, {820, 1}}},
    {{{340, 1}, {430, 1}, {500, 1}, {580, 1}, {640, 1}, {740, 1}}},
    {{{370, 1}, {470, 1}, {560, 1}, {660, 1}, {760, 1}, {860, 1}}},
    {{{270, 1}, {330, 1}, {400, 1}, {470, 1}, {550, 1}, {650, 1}}},
    {{{400, 0}, {500, 0}, {600, 0}, {700, 0}, {800, 0}, {900, 1}}},
}};
// clang-format on

QString crunchNote(int exercise)
{
    const int number = exercise + 1;
    QStringList lines;
    lines << QString(number < 10 ? 27 : 26, ' ') + QStringLiteral("Упражнение %1/24").arg(number);
    lines << QString();
    lines << QStringLiteral("  Допуск к следующему упражнению будущим:");
    for (int rank = 0; rank < kFutureRankCount; ++rank) {
        const Allowance allowance = kCrunchAllowances[exercise][rank];
        const FutureRankLine &line = kFutureRankLines[rank];
        lines << QString(18, ' ')
                     + QStringLiteral("%1 (%2 %3 ош)")
                           .arg(QString::fromUtf8(line.caption))
                           .arg(allowance.speed)
                           .arg(allowance.errors)
                     + QString(line.spacesAfter, ' ');
    }
    return lines.join(kLineBreak);
}

bool inCourse(int exercise, int count)
{
    return exercise >= 0 && exercise < count;
}

} // namespace

std::optional<QString> LearningNote(int exercise)
{
    if (!inCourse(exercise, kLearningExercises))
        return std::nullopt;
    return learningNotes()[exercise].join(kLineBreak);
}

std::optional<QString> CrunchNote(int exercise)
{
    if (!inCourse(exercise, kCrunchExercises))
        return std::nullopt;
    return crunchNote(exercise);
}

ExerciseVerdict JudgeLearningExercise(int exercise, int speed, int errors)
{
    if (!inCourse(exercise, kLearningExercises))
        return {};
    const LearningExercise &rule = kLearningExercisesTable[exercise];
    const bool fastEnough = speed >= rule.speed;
    const bool fewEnoughErrors = errors <= rule.errors;
    if (fastEnough && fewEnoughErrors)
        return {true, QString::fromUtf8(rule.passedMessage)};
    const QString &message = !fastEnough && !fewEnoughErrors ? kTooSlowAndTooManyErrors
                             : fastEnough                    ? kTooManyErrors
                                                             : kTooSlow;
    // Each template holds only the numbers it names, so arg() would complain.
    QString text = message;
    text.replace(QStringLiteral("%1"), QString::number(rule.speed));
    text.replace(QStringLiteral("%2"), QString::number(rule.errors));
    return {false, text};
}

bool CrunchExercisePassed(int exercise, const QString &regularRank, int speed, int errors)
{
    if (!inCourse(exercise, kCrunchExercises))
        return false;
    const int allowedErrors = exercise == kCrunchExercises - 1 ? 0 : 1;
    for (int rank = 0; rank < kCrunchRankCount; ++rank) {
        if (regularRank == QString::fromUtf8(kCrunchRanks[rank]))
            return speed >= kCrunchSpeeds[exercise][rank] && errors <= allowedErrors;
    }
    return false; // a rank beyond the table (Тахион) has nothing left to train for
}

} // namespace tesmi
