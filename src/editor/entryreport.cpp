#include "editor/entryreport.h"
#include "content/contenttext.h"
#include "editor/editormessage.h"
#include "pack/textpacker.h"

#include <QFileInfo>

EntryReport::EntryReport(const EntryFacts &facts, const TextPacker &packer)
{
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
        addRowProblems(facts, packer);
    for (QString &problem : m_problems)
        problem = EditorMessage::withFlower(facts.flower, problem);
}

// Two files for one entry are one problem for the teacher, told once;
// the other files it names are refused each for its own reason.
void EntryReport::addFileProblems(const EntryFacts &facts)
{
    QStringList many;
    for (const QStringList *files : {&facts.pictureFiles, &facts.textFiles})
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
}
// Each character the list cannot show is named once a row, before the
// row's width.
void EntryReport::addRowProblems(const EntryFacts &facts, const TextPacker &packer)
{
    const int before = int(m_problems.size());
    for (int i = 0; i < facts.rows.size(); ++i) {
        const QString &row = facts.rows.at(i);
        QList<char32_t> named;
        for (const char32_t character : row.toUcs4()) {
            if (named.contains(character) || fitsCodePage(character))
                continue;
            named << character;
            m_problems << EditorMessage::characterNotShown(i + 1, QString::fromUcs4(&character, 1),
                                                           codePageLookAlike(character));
        }
        if (packer.lineWidth(row) > packer.listWidth())
            m_problems << EditorMessage::rowTooWide(i + 1);
    }
    m_textKeptOut = m_problems.size() > before;
}
