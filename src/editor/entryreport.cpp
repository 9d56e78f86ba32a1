#include "editor/entryreport.h"
#include "content/textrows.h"
#include "editor/editormessage.h"

#include <QFileInfo>

EntryReport::EntryReport(const EntryFacts &facts)
{
    m_shownRows = facts.rows;
    addFileProblems(facts);
    if (facts.photoUnusable)
        m_problems << EditorMessage::photoUnusable();
    if (facts.textNotRead)
        m_problems << EditorMessage::textCannotBeRead();
    else if (facts.textUnreadable)
        m_problems << EditorMessage::textUnreadable();
    else if (facts.textInOldForm)
        m_problems << EditorMessage::textInOldForm();
    if (facts.ownText && !facts.textNotRead && !facts.textUnreadable)
        addRowProblems(facts);
    for (QStringList *sentences : {&m_problems, &m_notes})
        for (QString &sentence : *sentences)
            sentence = EditorMessage::withFlower(facts.flower, sentence);
}

// Two files for one entry are one problem for the teacher, told once;
// the other files it names are refused each for its own reason.
void EntryReport::addFileProblems(const EntryFacts &facts)
{
    QStringList many;
    for (const QStringList *files : {&facts.pictureFiles, &facts.textFiles, &facts.voiceFiles})
        if (files->size() > 1)
            many << *files;
    for (const ContentProblem &problem : facts.fileProblems) {
        const QString name = QFileInfo(problem.file).fileName();
        if (!many.contains(name))
            m_problems << EditorMessage::fileRefused(name, problem.what);
    }
    if (facts.pictureFiles.size() > 1)
        m_problems << EditorMessage::filesForOneEntry(true, facts.pictureFiles);
    if (facts.textFiles.size() > 1)
        m_problems << EditorMessage::filesForOneEntry(false, facts.textFiles);
    if (facts.voiceFiles.size() > 1)
        m_problems << EditorMessage::voicesForOneEntry(facts.voiceFiles);
}
// Each character left out or written otherwise is named once a row, before
// the row's wrapping; the text stays out of the pack only when nothing of
// it can be written.
void EntryReport::addRowProblems(const EntryFacts &facts)
{
    const TextRows text = rowsOfText(facts.rows);
    bool typed = false;
    bool written = false;
    for (int i = 0; i < text.lines.size(); ++i) {
        const LineRows &line = text.lines.at(i);
        const QString &row = facts.rows.at(i);
        typed = typed || !row.isEmpty();
        written = written || !line.rows.join(QString()).isEmpty();
        QStringList named;
        for (const RowSpan &span : line.spans) {
            const QString character = row.mid(span.start, span.length);
            if (span.change == RowChange::Wrapped || named.contains(character))
                continue;
            named << character;
            if (span.change == RowChange::LeftOut)
                m_problems << EditorMessage::characterLeftOut(i + 1, character);
            else
                m_notes << EditorMessage::characterWritten(i + 1, character, span.written);
        }
        if (line.rows.size() > 1)
            m_notes << EditorMessage::rowWrapped(i + 1, int(line.rows.size()));
    }
    m_textKeptOut = typed && !written;
    if (!m_textKeptOut)
        m_shownRows = text.rows();
}
