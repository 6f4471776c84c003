#include "modes/ModeSettings.h"

#include "storage/Database.h"
#include "storage/Settings.h"

namespace tesmi {

namespace {

struct SettingInfo {
    const char *column;
    int mark;
};

constexpr std::array<SettingInfo, kSettingCount> kSettings{{
    {"fontnumber", 2},
    {"textsize", 3},
    {"polesize", 4},
    {"lighting", 5},
    {"speedometr", 6},
    {"errors", 7},
    {"sekundometr", 8},
    {"polepoz", 9},
    {"limiterrors", 10},
    {"limitkol", 10},
    {"doezd", 11},
}};

bool isGlobal(const GlobalMarks &marks, Setting setting)
{
    return marks[SettingMark(setting) - 2];
}

QString markColumn(int mark)
{
    return QStringLiteral("chk%1").arg(mark);
}

// A dictionary from elsewhere may lack a display column; the global value then
// stands in for it instead of keeping the mode from opening at all.
QString modeOrGlobal(Database &db, const QString &mode, const QString &column)
{
    try {
        return GetModeSetting(db, mode, column);
    } catch (const DatabaseError &) {
        return GetSetting(db, column);
    }
}

} // namespace

QString SettingColumn(Setting setting)
{
    return QString::fromLatin1(kSettings[int(setting)].column);
}

int SettingMark(Setting setting)
{
    return kSettings[int(setting)].mark;
}

GlobalMarks LoadGlobalMarks(Database &db)
{
    GlobalMarks marks{};
    for (int mark = 2; mark <= 11; ++mark)
        marks[mark - 2] = GetSetting(db, markColumn(mark)) == QStringLiteral("1");
    return marks;
}

void StoreGlobalMark(Database &db, int mark, bool on)
{
    SetSetting(db, markColumn(mark), on ? QStringLiteral("1") : QStringLiteral("0"));
}

ModeSettings LoadModeSettings(Database &db, const QString &mode, const GlobalMarks &marks)
{
    ModeSettings settings;
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = Setting(i);
        const QString column = SettingColumn(setting);
        settings.setText(setting, isGlobal(marks, setting) ? GetSetting(db, column) : modeOrGlobal(db, mode, column));
    }
    return settings;
}

void SaveModeSettings(Database &db, const QString &mode, const GlobalMarks &marks, const ModeSettings &settings)
{
    Transaction transaction(db);
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = Setting(i);
        if (isGlobal(marks, setting))
            SetSetting(db, SettingColumn(setting), settings.text(setting));
    }
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = Setting(i);
        if (!isGlobal(marks, setting))
            SetModeSettings(db, mode, {{SettingColumn(setting), settings.text(setting)}});
    }
    transaction.commit();
}

} // namespace tesmi
