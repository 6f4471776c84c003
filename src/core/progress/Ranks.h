#pragma once

#include <QString>
#include <QStringList>

namespace tesmi {

// The rank earned by a best speed in characters per minute.
QString RankForSpeed(int speed);

// What Rangname shows for a mode: the rank of its best speed, except in
// ХРУСТяшки, whose exercises train for the rank after the regular one.
QString ShowRank(int bestSpeed, const QString &mode, const QString &regularRank);

// Congratulations earned in Обычный when its best speed goes from oldBest to
// newBest, in the order they are shown; one jump can earn more than one.
QStringList RankUpMessages(int oldBest, int newBest);

} // namespace tesmi
