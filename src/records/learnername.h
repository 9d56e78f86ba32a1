#ifndef LEARNERNAME_H
#define LEARNERNAME_H

#include "records/learner.h"

#include <QList>
#include <QString>
#include <optional>

// The rules for a learner's name and mark, the same for every way of adding
// or renaming a learner.
namespace LearnerName {

constexpr int MaximumLength = 20;
constexpr int FirstMark = 1;
constexpr int LastMark = 60;

// The name as it is kept: composed (NFC) and without the spaces around it.
QString normalized(const QString &name);
// Why the name cannot be a learner's, in a sentence that names it; none when
// it can. Any text is allowed that is not empty, has no control characters
// and is at most MaximumLength characters as a reader counts them.
std::optional<QString> problem(const QString &name);
// Why the mark cannot be a learner's; none when it is one of the flowers.
std::optional<QString> markProblem(int mark);
// The first flower that no learner has yet as a mark, or the first if all do.
int firstFreeMark(const QList<Learner> &learners);
// The number of characters a reader sees: an emoji made of several code
// points counts once.
int characterCount(const QString &name);

} // namespace LearnerName

#endif
