#ifndef ENTRYMODEL_H
#define ENTRYMODEL_H

#include "editor/entryreport.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <array>

// How one entry stands: its picture's thumbnail (null while it is being
// made), where its picture and text come from, whether it has a voice, and
// what is to be mended.
struct EntryState
{
    QImage thumbnail;
    bool ownPicture = false;
    bool ownText = false;
    bool voice = false;
    EntryReport report;
};

// The entries in the order of the quiz board, each under the kana row of
// the picture book's index it belongs to. An entry shows its number, name
// and state beside a thumbnail of its picture (marked when it is the
// bundled one, and when something is to be mended); a screen reader reads
// it by its flower's name and hears the state or the problems after it.
// A heading can be neither chosen nor given a photograph.
class EntryModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    static constexpr int EntryRole = Qt::UserRole; // the entry, 0 for a heading
    static constexpr int ThumbnailSide = 48;

    explicit EntryModel(QObject *parent = nullptr);

    QModelIndex indexOf(int entry) const;
    const EntryState &state(int entry) const { return m_states[entry]; }
    void setState(int entry, const EntryState &state);
    // The colour of an entry's words when it has problems, and the pixel
    // ratio its thumbnails are drawn at.
    void setLook(const QColor &problemColour, qreal pixelRatio);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    static int entryAt(const QModelIndex &index);
    QVariant headingData(int kanaRow, int role) const;
    QVariant entryData(int entry, int role) const;

    std::array<EntryState, 61> m_states; // by entry, from 1
    std::array<QIcon, 61> m_icons;
    QColor m_problemColour;
    qreal m_pixelRatio = 1;
};

#endif
