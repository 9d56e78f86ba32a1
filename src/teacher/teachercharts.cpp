#include "teacher/teachercharts.h"
#include "content/contentpack.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPalette>
#include <QValueAxis>

namespace TeacherCharts {

namespace {

QValueAxis *countAxis(int maximum, const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setRange(0, std::max(maximum, 1));
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTickCount(std::min(std::max(maximum, 1), 6) + 1);
    axis->setTitleText(title);
    return axis;
}

} // namespace

QChart *learnedChart(const QList<LearnedOnDay> &days)
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("おぼえた花の数"));
    chart->legend()->hide();
    auto *series = new QLineSeries;
    series->setName(QStringLiteral("おぼえた花"));
    series->setPointsVisible(true);
    for (const LearnedOnDay &day : days)
        series->append(double(day.day.startOfDay().toMSecsSinceEpoch()), day.learned);
    chart->addSeries(series);
    auto *time = new QDateTimeAxis;
    time->setFormat(QStringLiteral("M/d"));
    time->setTitleText(QStringLiteral("日"));
    if (!days.isEmpty())
        time->setRange(days.first().day.startOfDay(), days.last().day.addDays(1).startOfDay());
    chart->addAxis(time, Qt::AlignBottom);
    chart->addAxis(countAxis(ContentPack::EntryCount, QStringLiteral("花")), Qt::AlignLeft);
    series->attachAxis(time);
    series->attachAxis(chart->axes(Qt::Vertical).first());
    return chart;
}

QChart *classChart(const std::array<int, 61> &learnersWhoKnow, int learnerCount)
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("花ごとの、おぼえた子の数"));
    chart->legend()->hide();
    auto *set = new QBarSet(QStringLiteral("おぼえた子"));
    QStringList names;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        *set << learnersWhoKnow[entry];
        names << ContentPack::BoardNames[entry - 1].toString();
    }
    auto *series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto *flowers = new QBarCategoryAxis;
    flowers->append(names);
    flowers->setLabelsAngle(-90);
    flowers->setTruncateLabels(false);
    chart->addAxis(flowers, Qt::AlignBottom);
    chart->addAxis(countAxis(learnerCount, QStringLiteral("子")), Qt::AlignLeft);
    series->attachAxis(flowers);
    series->attachAxis(chart->axes(Qt::Vertical).first());
    return chart;
}

void applyPalette(QChart &chart, const QPalette &palette)
{
    const QColor text = palette.color(QPalette::Active, QPalette::WindowText);
    chart.setBackgroundBrush(palette.color(QPalette::Active, QPalette::Window));
    chart.setTitleBrush(text);
    for (QAbstractAxis *axis : chart.axes()) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(palette.color(QPalette::Active, QPalette::Mid));
        axis->setGridLineColor(palette.color(QPalette::Active, QPalette::Mid));
    }
    const QColor accent = palette.color(QPalette::Active, QPalette::Highlight);
    for (QAbstractSeries *series : chart.series()) {
        if (auto *line = qobject_cast<QLineSeries *>(series))
            line->setPen(QPen(accent, 3));
        if (auto *bars = qobject_cast<QBarSeries *>(series))
            for (QBarSet *set : bars->barSets())
                set->setColor(accent);
    }
}

} // namespace TeacherCharts
