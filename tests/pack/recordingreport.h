#ifndef RECORDINGREPORT_H
#define RECORDINGREPORT_H

#include "pack/packreport.h"

#include <QList>
#include <QStringList>

// A pack's report that keeps everything it is told, in order.
class RecordingReport : public PackReport
{
public:
    struct Step
    {
        QString step;
        int done = 0;
        int total = 0;
    };

    void step(const QString &step, int done, int total) override
    {
        steps << Step{step, done, total};
        told << QStringLiteral("step");
    }
    void problem(const ContentProblem &problem) override
    {
        problems << problem;
        told << QStringLiteral("problem");
    }
    void note(const ContentProblem &note) override
    {
        notes << note;
        told << QStringLiteral("note");
    }
    void summary(const PackSummary &summary) override
    {
        summaries << summary;
        told << QStringLiteral("summary");
    }

    QList<Step> steps;
    ContentProblems problems;
    ContentProblems notes;
    QList<PackSummary> summaries;
    QStringList told; // the kind of each call, in order
};

#endif
