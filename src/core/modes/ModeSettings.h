#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace tesmi {

class Database;

// The eleven display settings of a mode, in the settings panel's order.
enum class Setting {
    FontNumber,
    TextSize,
    PoleSize,
    Lighting,
    Speedometr,
    Errors,
    Sekundometr,
    PolePoz,
    LimitErrors,
    LimitKol,
    Doezd,
};
inline constexpr int kSettingCount = 11;

// Ten global marks, chk2 … chk11: a ticked mark makes its settings global.
inline constexpr int kMarkCount = 10;
using GlobalMarks = std::array<bool, kMarkCount>;

// The column a setting is stored under, in a mode's row 1 and in _settings.
QString SettingColumn(Setting setting);
// The mark (2 … 11) that makes a setting global; the limit and its switch share 10.
int SettingMark(Setting setting);

// The values as stored: numbers in decimal, flags as "1"/"0".
class ModeSettings {
public:
    QString text(Setting s) const { return values_[int(s)]; }
    int number(Setting s) const { return values_[int(s)].toInt(); }
    bool flag(Setting s) const { return values_[int(s)] == QStringLiteral("1"); }

    void setText(Setting s, const QString &value) { values_[int(s)] = value; }
    void setNumber(Setting s, int value) { values_[int(s)] = QString::number(value); }
    void setFlag(Setting s, bool on) { values_[int(s)] = on ? QStringLiteral("1") : QStringLiteral("0"); }

    bool operator==(const ModeSettings &) const = default;

private:
    std::array<QString, kSettingCount> values_;
};

inline const QStringList kFontNames{"Arial",         "Courier New", "Garamond",          "Georgia",
                                    "Lucida Console", "Lucida Sans", "Palatino Linotype", "Tahoma",
                                    "Times New Roman", "Trebuchet MS", "Verdana"};
inline const QStringList kLightingChoices{"символ", "слово", "нет"};

GlobalMarks LoadGlobalMarks(Database &db);
void StoreGlobalMark(Database &db, int mark, bool on);

// Each setting from the mode's row 1, or from _settings when its mark is ticked
// or the mode lacks the column.
ModeSettings LoadModeSettings(Database &db, const QString &mode, const GlobalMarks &marks);
// Each setting back to where it is read from; a mode lacking a column keeps it.
void SaveModeSettings(Database &db, const QString &mode, const GlobalMarks &marks, const ModeSettings &settings);

} // namespace tesmi
