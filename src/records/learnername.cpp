#include "records/learnername.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace LearnerName {

QString normalized(const QString &name)
{
    return name.normalized(QString::NormalizationForm_C).trimmed();
}

int characterCount(const QString &name)
{
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
    int count = 0;
    while (graphemes.toNextBoundary() >= 0)
        ++count;
    return count;
}

std::optional<QString> problem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("名前が空です。");
    const auto isControl = [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    };
    if (std::any_of(name.begin(), name.end(), isControl)) {
        QString shown = name;
        std::replace_if(shown.begin(), shown.end(), isControl, u'?');
        return QStringLiteral("名前「%1」に制御文字（改行やタブなど）があります。").arg(shown);
    }
    if (characterCount(name) > MaximumLength)
        return QStringLiteral("名前「%1」は %2 文字をこえています。").arg(name).arg(MaximumLength);
    return std::nullopt;
}

std::optional<QString> markProblem(int mark)
{
    if (mark >= FirstMark && mark <= LastMark)
        return std::nullopt;
    return QStringLiteral("しるしは %1 から %2 までの数です。").arg(FirstMark).arg(LastMark);
}

int firstFreeMark(const QList<Learner> &learners)
{
    for (int mark = FirstMark; mark <= LastMark; ++mark)
        if (std::none_of(learners.begin(), learners.end(),
                         [&](const Learner &learner) { return learner.mark == mark; }))
            return mark;
    return FirstMark;
}

} // namespace LearnerName
