#ifndef ENTRYREPORT_H
#define ENTRYREPORT_H

#include "content/contentproblem.h"

#include <QStringList>

class TextPacker;

// What is known of one entry when its report is made.
struct EntryFacts
{
    QString flower;
    ContentProblems fileProblems; // its refused files, named from the folder
    QStringList pictureFiles;     // the names of its photographs, usable or not
    QStringList textFiles;        // the names of its text files
    bool photoUnusable = false;   // its photograph gives no picture
    bool textNotRead = false;     // its text file could not be read
    bool textUnreadable = false;  // its text file holds no text it can be read as
    bool textInOldForm = false;   // its text was read as Shift-JIS
    bool ownText = false;         // its rows differ from the bundled ones
    QStringList rows;             // its rows as they stand in the editor
};

// What is wrong with one entry, in the teacher's words, each sentence
// starting with the flower's name; made once for each change of the entry.
class EntryReport
{
public:
    EntryReport() = default;
    EntryReport(const EntryFacts &facts, const TextPacker &packer);

    const QStringList &problems() const { return m_problems; }
    bool clean() const { return m_problems.isEmpty(); }
    // The rows keep the teacher's text out of the pack until they are mended.
    bool textKeptOut() const { return m_textKeptOut; }

private:
    void addFileProblems(const EntryFacts &facts);
    void addRowProblems(const EntryFacts &facts, const TextPacker &packer);

    QStringList m_problems;
    bool m_textKeptOut = false;
};

#endif
