#pragma once

#include <QString>

namespace tesmi {

// The modes the program treats by name. Обычный and Безошибочный are made at
// the first start; the others arrive from the repository.
inline const QString kRegularMode = QStringLiteral("Обычный");
inline const QString kErrorlessMode = QStringLiteral("Безошибочный");
inline const QString kCrunchMode = QStringLiteral("ХРУСТяшки");
inline const QString kLearningMode = QStringLiteral("Обучение");
inline const QString kDigitsMode = QStringLiteral("Цифры");
inline const QString kLettersMode = QStringLiteral("Буквы");
inline const QString kEnglishLettersMode = QStringLiteral("Letters");
inline const QString kSprintMode = QStringLiteral("Спринт");
inline const QString kShortTextsMode = QStringLiteral("Короткие_тексты");
inline const QString kMiniMarathonMode = QStringLiteral("Мини_марафон");
inline const QString kRegularEnglishMode = QStringLiteral("Обычный_in_English");
inline const QString kFrequencyMode = QStringLiteral("Частотный_словарь");

} // namespace tesmi
