#pragma once

#include "modes/ModeCatalog.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace tesmi {

struct AppContext;
class RaceChart;

// Form9 "Статистика": any mode's figures, its speeds and mistakes charted with
// their running averages, the export and deleting one race for points.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(AppContext &context, QWidget *parent);

    // Fills the lists with the main window's modes, selects `mode` and loads it.
    void prepare(const QList<ModeEntry> &modes, const QString &mode);
    // prepare(), then shown modally.
    void open(const QList<ModeEntry> &modes, const QString &mode);
    void LoadModeStatistics();
    void ExportStatistics();
    void DeleteResultByDate();

signals:
    // Results were deleted: the mode list and the summary must follow.
    void resultsChanged();

protected:
    void done(int result) override;

private:
    QWidget *buildFigures();
    QWidget *buildDeletion();
    void fillLists(const QList<ModeEntry> &modes);

    AppContext &context_;
    QComboBox *displayList_;
    QComboBox *names_;
    QLabel *totalMileage_;
    QLabel *mileage_;
    QLabel *record_;
    QLabel *averageSpeed_;
    QLabel *averageMistakes_;
    RaceChart *speeds_;
    RaceChart *mistakes_;
    QCheckBox *speedMarks_;
    QCheckBox *mistakeMarks_;
    QLineEdit *date_;
};

} // namespace tesmi
