#ifndef TEACHERCHARTS_H
#define TEACHERCHARTS_H

#include "records/classrecords.h"

#include <array>

class QChart;
class QPalette;

// The charts of the teacher's view, each made whole from its values.
namespace TeacherCharts {

// One child's learned names at the end of each day they played.
QChart *learnedChart(const QList<LearnedOnDay> &days);
// For each flower, how many of the class's learners know its name.
QChart *classChart(const std::array<int, 61> &learnersWhoKnow, int learnerCount);
// The chart's colours from the palette, so that it reads on a dark one.
void applyPalette(QChart &chart, const QPalette &palette);

} // namespace TeacherCharts

#endif
