#pragma once

#include "modes/BuiltInModes.h"

#include <QString>

#include <optional>

namespace tesmi {

// The two graded exercise courses. An exercise is the mode's `book_poz`, from 0.
inline constexpr int kLearningExercises = 5; // Обучение
inline constexpr int kCrunchExercises = 24;  // ХРУСТяшки

// The instructions the information box shows for an exercise; none outside the course.
std::optional<QString> LearningNote(int exercise);
std::optional<QString> CrunchNote(int exercise);

// Whether an Обучение race passed its exercise, and the one message to show
// (empty when the course-complete message follows instead).
struct ExerciseVerdict {
    bool passed = false;
    QString message;
};

ExerciseVerdict JudgeLearningExercise(int exercise, int speed, int errors);

// ХРУСТяшки passes silently; the speed needed follows the rank earned in Обычный.
bool CrunchExercisePassed(int exercise, const QString &regularRank, int speed, int errors);

} // namespace tesmi
