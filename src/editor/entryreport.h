#ifndef ENTRYREPORT_H
#define ENTRYREPORT_H

#include "content/contentproblem.h"

#include <QStringList>

// What is known of one entry when its report is made.
struct EntryFacts
{
    QString flower;
    ContentProblems fileProblems; // its refused files, named from the folder
    QStringList pictureFiles;     // the names of its photographs, usable or not
    QStringList textFiles;        // the names of its text files
    QStringList voiceFiles;       // the names of its voices' files
    bool photoUnusable = false;   // its photograph gives no picture
    bool textNotRead = false;     // its text file could not be read
    bool textUnreadable = false;  // its text file holds no text it can be read as
    bool textInOldForm = false;   // its text was read as Shift-JIS
    bool ownText = false;         // its rows differ from the bundled ones
    QStringList rows;             // its rows as they stand in the editor
};

// What is wrong with one entry, and what the pack will write otherwise than
// typed, in the teacher's words, each sentence starting with the flower's
// name; made once for each change of the entry.
class EntryReport
{
public:
    EntryReport() = default;
    explicit EntryReport(const EntryFacts &facts);

    const QStringList &problems() const { return m_problems; }
    // What the pack writes by itself: look-alikes in their written form,
    // wide rows wrapped. Nothing here is to be mended.
    const QStringList &notes() const { return m_notes; }
    bool clean() const { return m_problems.isEmpty(); }
    // Nothing of the teacher's text can be written, so the pack keeps the
    // bundled one.
    bool textKeptOut() const { return m_textKeptOut; }
    // The rows as the picture book will show them.
    const QStringList &shownRows() const { return m_shownRows; }

private:
    void addFileProblems(const EntryFacts &facts);
    void addRowProblems(const EntryFacts &facts);

    QStringList m_problems;
    QStringList m_notes;
    QStringList m_shownRows;
    bool m_textKeptOut = false;
};

#endif
