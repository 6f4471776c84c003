#include "stats/StatisticsWindow.h"

#include "app/AppContext.h"
#include "app/Style.h"
#include "stats/RaceChart.h"
#include "stats/Statistics.h"
#include "stats/StatisticsExport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <numeric>

namespace tesmi {

namespace {

const QString kDeletionHelp = QStringLiteral(
    "Для удаления результата заезда экспортируйте статистику. В полученном файле посмотрите дату и время заезда, "
    "который хотите удалить (пример: 27.11.2011 15:16:21 между датой и временем должен быть один пробел). \r\n"
    "Стоимость удаления одного результата равняется 10000 очков.");

QLabel *figure(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    SetTextLook(*label, colours::kHeading, 0, true);
    return label;
}

} // namespace

StatisticsWindow::StatisticsWindow(AppContext &context, QWidget *parent)
    : QDialog(parent), context_(context), displayList_(new QComboBox(this)), names_(new QComboBox(this)),
      totalMileage_(figure("Label11", this)), mileage_(figure("Label7", this)), record_(figure("Label8", this)),
      averageSpeed_(figure("Label6", this)), averageMistakes_(figure("Label10", this)),
      speeds_(new RaceChart(QStringLiteral("cht1"), QStringLiteral("lnsrsSeries1"), QStringLiteral("lnsrsSeries2"), this)),
      mistakes_(new RaceChart(QStringLiteral("Chart1"), QStringLiteral("LineSeries1"), QStringLiteral("LineSeries2"), this)),
      speedMarks_(new QCheckBox(QStringLiteral("Отображать значения скоростей на графике"), this)),
      mistakeMarks_(new QCheckBox(QStringLiteral("Отображать значения ошибок на графике"), this)),
      date_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Form9"));
    SetBackground(*this, colours::kPanel);
    setWindowTitle(QStringLiteral("Статистика"));
    setModal(true);
    setMinimumSize(798, 650);
    displayList_->setObjectName(QStringLiteral("ComboBox2"));
    names_->setObjectName(QStringLiteral("ComboBox1"));
    names_->hide();
    speedMarks_->setObjectName(QStringLiteral("chk8"));
    mistakeMarks_->setObjectName(QStringLiteral("CheckBox1"));
    connect(displayList_, &QComboBox::activated, this, [this](int index) {
        names_->setCurrentIndex(index);
        LoadModeStatistics();
    });
    connect(speedMarks_, &QCheckBox::toggled, speeds_, &RaceChart::setValueMarksVisible);
    connect(mistakeMarks_, &QCheckBox::toggled, mistakes_, &RaceChart::setValueMarksVisible);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFigures());
    layout->addWidget(speeds_, 1);
    layout->addWidget(speedMarks_);
    layout->addWidget(mistakes_, 1);
    layout->addWidget(mistakeMarks_);
    layout->addWidget(buildDeletion());
}

QWidget *StatisticsWindow::buildFigures()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Режим:"), box), 0, 0);
    grid->addWidget(displayList_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Суммарный пробег:"), box), 0, 2);
    grid->addWidget(totalMileage_, 0, 3);
    const std::pair<const char *, QLabel *> rows[] = {
        {"Пробег:", mileage_}, {"Рекорд:", record_}, {"Средняя скорость:", averageSpeed_}, {"Ошибки:", averageMistakes_}};
    int column = 0;
    for (const auto &[caption, value] : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(caption), box), 1, column++);
        grid->addWidget(value, 1, column++);
    }
    grid->setColumnStretch(7, 1);
    displayList_->setMinimumWidth(220);
    return box;
}

QWidget *StatisticsWindow::buildDeletion()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto *exportButton = new QPushButton(QStringLiteral("Экспорт статистики"), box);
    exportButton->setObjectName(QStringLiteral("SpeedButton1"));
    auto *caption = new QLabel(QStringLiteral("Дата и время заезда"), box);
    caption->setObjectName(QStringLiteral("Label12"));
    date_->setObjectName(QStringLiteral("Edit1"));
    date_->setPlaceholderText(QStringLiteral("27.11.2011 15:16:21"));
    auto *deleteButton = new QPushButton(QStringLiteral("Удалить результат заезда"), box);
    deleteButton->setObjectName(QStringLiteral("SpeedButton2"));
    auto *help = new QLabel(QString(kDeletionHelp).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), box);
    help->setObjectName(QStringLiteral("StaticText1"));
    help->setWordWrap(true);
    grid->addWidget(exportButton, 1, 0);
    grid->addWidget(caption, 0, 1);
    grid->addWidget(date_, 1, 1);
    grid->addWidget(deleteButton, 1, 2);
    grid->addWidget(help, 2, 0, 1, 3);
    connect(exportButton, &QPushButton::clicked, this, &StatisticsWindow::ExportStatistics);
    connect(deleteButton, &QPushButton::clicked, this, &StatisticsWindow::DeleteResultByDate);
    return box;
}

void StatisticsWindow::fillLists(const QList<ModeEntry> &modes)
{
    const int selected = displayList_->currentIndex();
    displayList_->clear();
    names_->clear();
    for (const ModeEntry &mode : modes) {
        displayList_->addItem(mode.caption());
        names_->addItem(mode.name);
    }
    totalMileage_->setText(TotalMileageCaption(std::accumulate(
        modes.begin(), modes.end(), 0, [](int total, const ModeEntry &mode) { return total + mode.resultCount; })));
    displayList_->setCurrentIndex(std::min(selected, displayList_->count() - 1));
}

void StatisticsWindow::prepare(const QList<ModeEntry> &modes, const QString &mode)
{
    fillLists(modes);
    const int index = names_->findText(mode);
    names_->setCurrentIndex(index);
    displayList_->setCurrentIndex(index);
    LoadModeStatistics();
}

void StatisticsWindow::open(const QList<ModeEntry> &modes, const QString &mode)
{
    prepare(modes, mode);
    exec();
}

void StatisticsWindow::LoadModeStatistics()
{
    const ModeStatistics statistics = tesmi::LoadModeStatistics(context_.db, names_->currentText());
    QList<QPointF> speeds, speedAverages, mistakes, mistakeAverages;
    QStringList dates;
    for (qsizetype i = 0; i < statistics.races.size(); ++i) {
        const RacePoint &race = statistics.races[i];
        speeds << QPointF(double(i), race.speed);
        speedAverages << QPointF(double(i), race.averageSpeed);
        mistakes << QPointF(double(i), race.mistakes);
        mistakeAverages << QPointF(double(i), race.averageMistakes);
        dates << race.dateLabel;
    }
    speeds_->setRaces(speeds, speedAverages, dates);
    mistakes_->setRaces(mistakes, mistakeAverages, dates);
    averageSpeed_->setText(statistics.Label6);
    mileage_->setText(statistics.Label7);
    averageMistakes_->setText(statistics.Label10);
    record_->setText(statistics.Label8);
}

void StatisticsWindow::ExportStatistics()
{
    const auto path = context_.platform.prompts.askSaveFileName(QStringLiteral("csv-файл (*.csv)"));
    if (!path)
        return;
    try {
        tesmi::ExportStatistics(context_.db, names_->currentText(), *path);
    } catch (const std::exception &error) {
        context_.platform.prompts.message(QString::fromUtf8(error.what()));
        return;
    }
    context_.platform.prompts.message(kExportSavedMessage + QStringLiteral("\r\n") + *path);
}

void StatisticsWindow::DeleteResultByDate()
{
    const DeletionOutcome outcome =
        tesmi::DeleteResultByDate(context_.db, context_.platform.prompts, names_->currentText(), date_->text());
    if (outcome.deleted) {
        emit resultsChanged();
        fillLists(FillModeList(context_.db));
        LoadModeStatistics();
    }
    if (outcome.clearField)
        date_->clear();
}

void StatisticsWindow::done(int result)
{
    date_->clear();
    QDialog::done(result);
}

} // namespace tesmi
