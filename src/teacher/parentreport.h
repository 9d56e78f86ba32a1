#ifndef PARENTREPORT_H
#define PARENTREPORT_H

#include "records/classrecords.h"

#include <optional>

// The names missed most that a report lists.
constexpr int MissedNamesShown = 10;

class RecordStore;

// What a report for one child's parents holds.
struct ReportContent
{
    Learner learner;
    NameStates states;
    int answers = 0;
    int rightAnswers = 0;
    QList<LearnedOnDay> days;
    QList<MissedName> missed;
};

// The report for one child's parents as a PDF of two A4 pages: their stamp
// card and the counts, then the chart of the names learned over time and the
// names to practise. It shows nothing of the other children.
namespace ParentReport {

// What the report on one learner of the class holds, read from the store.
ReportContent contentOf(RecordStore &store, const LearnerBoxes &row);

// Writes the report whole into a new file that then takes the name; why it
// could not, in a sentence that names the file, when it fails.
std::optional<QString> write(const ReportContent &content, const QString &path);

} // namespace ParentReport

#endif
