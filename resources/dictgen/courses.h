#pragma once

#include <QStringList>

namespace dictgen {

// Обучение: one exercise per row of keys (upper, middle, lower), then the three
// rows together, then capitals typed with Shift.
QStringList TrainingCourse();
// ХРУСТяшки: 24 exercises of rising difficulty on what slows people down.
QStringList CrunchCourse();

} // namespace dictgen
