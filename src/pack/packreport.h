#ifndef PACKREPORT_H
#define PACKREPORT_H

#include "content/contentproblem.h"
#include "pack/packsummary.h"

#include <QString>

// What the pack core tells while it makes, installs or removes a pack, as
// values, on the thread that does the work: the terminal writes it
// (ProgressLine), the editor passes it to its window (PackRun).
class PackReport
{
public:
    virtual ~PackReport() = default;

    // A step begins or moves on, with how far its files have come: done of
    // total, both 0 for a step without files.
    virtual void step(const QString &step, int done, int total) = 0;
    // A source file that is not used and why, a file that could not be
    // written, or what the content check found in the result.
    virtual void problem(const ContentProblem &problem) = 0;
    // Something about a file that keeps nothing from being made: a source
    // folder that is not there, so the bundled pack gives all its kind.
    virtual void note(const ContentProblem &note) = 0;
    // How the run ended; told once, last.
    virtual void summary(const PackSummary &summary) = 0;
};

#endif
