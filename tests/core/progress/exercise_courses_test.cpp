#include "progress/ExerciseCourses.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace tesmi;

namespace {

QString spaces(int n)
{
    return QString(n, ' ');
}

TEST(CrunchNoteTest, FollowsTemplateToTheSpace)
{
    const QStringList first{
        spaces(27) + "Упражнение 1/24",
        "",
        "  Допуск к следующему упражнению будущим:",
        spaces(18) + "гонщикам (360 1 ош)" + spaces(14),
        spaces(18) + "маньякам (460 1 ош)" + spaces(14),
        spaces(18) + "суперменам (550 1 ош)" + spaces(11),
        spaces(18) + "кибергонщикам (650 1 ош)" + spaces(9),
        spaces(18) + "экстракиберам (740 1 ош)" + spaces(9),
        spaces(18) + "тахионам (840 1 ош)" + spaces(9),
    };
    EXPECT_EQ(CrunchNote(0), first.join("\r\n"));

    const QStringList last = CrunchNote(23)->split("\r\n");
    EXPECT_EQ(last.first(), spaces(26) + "Упражнение 24/24");
    EXPECT_EQ(last.at(7), spaces(18) + "экстракиберам (800 0 ош)" + spaces(9));
    EXPECT_EQ(last.at(8), spaces(18) + "тахионам (900 1 ош)" + spaces(9));
    EXPECT_EQ(CrunchNote(9)->split("\r\n").first(), spaces(26) + "Упражнение 10/24");
    EXPECT_EQ(CrunchNote(14)->split("\r\n").at(8), spaces(18) + "тахионам (830 1 ош)" + spaces(9));
}

TEST(CrunchNoteTest, NothingOutsideCourse)
{
    EXPECT_FALSE(CrunchNote(-1));
    EXPECT_FALSE(CrunchNote(24));
    EXPECT_FALSE(LearningNote(5));
}

TEST(LearningNoteTest, KeepsLinesAsWritten)
{
    const QStringList first = LearningNote(0)->split("\r\n");
    EXPECT_EQ(first.size(), 16);
    EXPECT_EQ(first.at(0), spaces(16) + "Упражнение 1 ВЕРХНИЙ РЯД");
    EXPECT_EQ(first.at(1), "");
    EXPECT_EQ(first.at(2), "  Буквы левой руки: \"йцуке\" ");
    EXPECT_EQ(first.at(15), "  \"з\", \"х\" и \"ъ\" - правый мизинец");
    EXPECT_EQ(LearningNote(3)->split("\r\n").size(), 11);
    EXPECT_EQ(LearningNote(4), QStringList({spaces(11) + "Упражнение 5 ШИФТ", "", "  Буквы все те же, однако ",
                                            "  при наборе заглавной буквы", "  шифт зажимается мизинцем ",
                                            "  противоположной руки", "  при их наборе пробел нажимается",
                                            "  левой рукой."})
                                   .join("\r\n"));
}

TEST(JudgeLearningExerciseTest, PassesOrSaysWhatWasMissing)
{
    const struct {
        int exercise;
        int speed;
        int errors;
        bool passed;
        const char *message;
    } cases[] = {
        {0, 110, 2, true, "Поздравляем! Вы прошли первое упражнение и допущены ко второму."},
        {0, 109, 0, false,
         "Вы набирали слишком медленно.\r\nДля прохождения этого упражнения требуется скорость набора не меньше "
         "110 зн/мин."},
        {0, 150, 3, false,
         "Вы допустили слишком много ошибок.\r\nДля прохождения этого упражнения количество допустимых ошибок не "
         "должно превышать 2."},
        {0, 100, 5, false,
         "Вы допустили слишком много ошибок и набирали слишком медленно.\r\nДля прохождения этого упражнения "
         "количество допустимых ошибок не должно превышать 2,\r\nа скорость набора не меньше 110 зн/мин."},
        {3, 150, 2, true, "Поздравляем! Вы прошли четвертое упражнение и допущены до пятого."},
        {3, 149, 2, false,
         "Вы набирали слишком медленно.\r\nДля прохождения этого упражнения требуется скорость набора не меньше "
         "150 зн/мин."},
        {4, 120, 3, true, ""},
        {4, 130, 4, false,
         "Вы допустили слишком много ошибок.\r\nДля прохождения этого упражнения количество допустимых ошибок не "
         "должно превышать 3."},
        {5, 900, 0, false, ""},
    };
    for (const auto &c : cases) {
        const ExerciseVerdict verdict = JudgeLearningExercise(c.exercise, c.speed, c.errors);
        EXPECT_EQ(verdict.passed, c.passed) << c.exercise << " " << c.speed << " " << c.errors;
        EXPECT_EQ(verdict.message, QString::fromUtf8(c.message)) << c.exercise << " " << c.speed << " " << c.errors;
    }
}

TEST(CrunchExercisePassedTest, NeedsRankSpeedAndFewMistakes)
{
    const struct {
        int exercise;
        const char *rank;
        int speed;
        int errors;
        bool passed;
    } cases[] = {
        {16, "Профи", 339, 1, true},      {16, "Профи", 338, 1, false},     {16, "Профи", 339, 2, false},
        {16, "Гонщик", 440, 0, false},    {16, "Гонщик", 441, 0, true},     {0, "Новичок", 60, 1, true},
        {23, "Профи", 400, 1, false},     {23, "Профи", 400, 0, true},      {22, "Профи", 270, 1, true},
        {0, "Тахион", 2000, 0, false},    {24, "Профи", 2000, 0, false},    {8, "Экстракибер", 520, 0, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CrunchExercisePassed(c.exercise, QString::fromUtf8(c.rank), c.speed, c.errors), c.passed)
            << c.exercise << " " << c.rank << " " << c.speed << " " << c.errors;
}

} // namespace
