#ifndef PACKSUMMARY_H
#define PACKSUMMARY_H

#include "content/contentproblem.h"

#include <QList>
#include <QString>
#include <QStringList>

// What a run made, took from the bundled pack and refused.
struct PackSummary
{
    QString out;              // the pack's folder, or an installed pack's link
    bool made = false;        // the whole content folder is in place
    bool stopped = false;     // stopped on the way, between two files
    bool earlierPack = false; // a pack was at out before: replaced if made, else untouched
    QList<int> picturesMade;  // entries whose picture came from the source
    QList<int> textsMade;
    QList<int> voicesMade; // entries with a voice, all from the source
    int fixedFiles = 0;
    int refused = 0;               // source files not used
    ContentProblems checkProblems; // what the content check found in the result
    QString menuTitle;             // an installed pack's entry in the menu, as the menu shows it
    QString menuEntry;             // and its file; empty while it has none
    bool menuEntryFailed = false;  // an installed pack has no menu entry

    bool clean() const
    {
        return made && refused == 0 && checkProblems.isEmpty() && !menuEntryFailed;
    }
    // The summary as hana-pack ends with it.
    QStringList lines() const;
};

#endif
