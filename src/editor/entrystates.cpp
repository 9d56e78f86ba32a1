#include "editor/entrystates.h"
#include "content/contentpack.h"
#include "editor/entrymodel.h"
#include "editor/previewcache.h"
#include "editor/sourcedocument.h"

#include <QFileInfo>

EntryStates::EntryStates(EntryModel &model, PreviewCache &previews, QObject *parent)
    : QObject(parent), m_model(model), m_previews(previews)
{
    connect(&m_previews, &PreviewCache::ready, this, &EntryStates::previewReady);
}

void EntryStates::setDocument(const SourceDocument *document)
{
    m_document = document;
}

const Preview *EntryStates::picture(int entry, bool urgent, bool *unusablePhoto) const
{
    *unusablePhoto = false;
    const QString photo = m_document->files().photo(entry);
    if (!photo.isEmpty()) {
        const Preview *made = m_previews.preview(photo, urgent);
        if (!made || made->problem.isEmpty())
            return made;
        *unusablePhoto = true;
    }
    return m_previews.preview(m_document->files().bundledPicture(entry), urgent);
}

PictureSource EntryStates::shownPicture(int entry, QImage *picture, QString *photo) const
{
    bool unusable = false;
    const Preview *preview = this->picture(entry, true, &unusable);
    *picture = preview ? preview->picture : QImage();
    *photo = QFileInfo(m_document->files().photo(entry)).fileName();
    if (!preview)
        return PictureSource::BeingMade;
    if (unusable)
        return PictureSource::UnusablePhoto;
    return photo->isEmpty() ? PictureSource::Bundled : PictureSource::Photo;
}

void EntryStates::refresh(int entry)
{
    const PackSource &files = m_document->files();
    bool unusable = false;
    const Preview *preview = picture(entry, false, &unusable);
    const SourceText &read = m_document->readText(entry);
    const EntryFacts facts{SourceDocument::flower(entry),
                           files.fileProblems(entry),
                           files.pictureFiles(entry),
                           files.textFiles(entry),
                           files.voiceFiles(entry),
                           unusable,
                           read.notRead,
                           !read.editable && !read.notRead,
                           read.recoded,
                           m_document->ownText(entry),
                           m_document->rows(entry)};
    EntryState state;
    state.thumbnail = preview ? preview->thumbnail : QImage();
    state.ownPicture = !files.photo(entry).isEmpty() && !unusable;
    state.ownText = facts.ownText;
    state.voice = !files.voice(entry).isEmpty();
    state.report = EntryReport(facts);
    m_model.setState(entry, state);
}

void EntryStates::refreshAll()
{
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        refresh(entry);
}

void EntryStates::previewReady(const QString &path)
{
    if (!m_document)
        return;
    const PackSource &files = m_document->files();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        if (files.photo(entry) != path && files.bundledPicture(entry) != path)
            continue;
        refresh(entry);
        emit pictureReady(entry);
    }
}
