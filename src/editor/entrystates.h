#ifndef ENTRYSTATES_H
#define ENTRYSTATES_H

#include "editor/entrypage.h"

#include <QImage>
#include <QObject>

class EntryModel;
class PreviewCache;
class SourceDocument;
struct Preview;

// Keeps the entries' model up to date with the open folder and the
// previews made of its pictures: each entry's thumbnail, where its picture
// and text come from, and its report, made once for each change.
class EntryStates : public QObject
{
    Q_OBJECT

public:
    EntryStates(EntryModel &model, PreviewCache &previews, QObject *parent = nullptr);

    void setDocument(const SourceDocument *document);
    void refresh(int entry);
    void refreshAll();

    // The picture the pack will hold for the entry: its photograph's once
    // made, else the bundled one; null while it is being made.
    const Preview *picture(int entry, bool urgent, bool *unusablePhoto) const;
    // The picture the book shows for the chosen entry, asked for first,
    // and where it comes from; photo names the photograph it is made from.
    PictureSource shownPicture(int entry, QImage *picture, QString *photo) const;

signals:
    // The entry's state changed as its picture's preview came.
    void pictureReady(int entry);

private:
    void previewReady(const QString &path);

    EntryModel &m_model;
    PreviewCache &m_previews;
    const SourceDocument *m_document = nullptr;
};

#endif
