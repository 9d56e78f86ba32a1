#include "editor/entrylist.h"
#include "editor/entrymodel.h"
#include "editor/photodrop.h"
#include "editor/statuscolours.h"

#include <QDragEnterEvent>

EntryList::EntryList(EntryModel *model, QWidget *parent) : QTreeView(parent), m_model(model)
{
    setModel(model);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    setIconSize(QSize(EntryModel::ThumbnailSide, EntryModel::ThumbnailSide));
    setUniformRowHeights(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setAccessibleName(QStringLiteral("花の一覧"));
    expandAll();
    takeLook();
    // A selection made by assistive technology moves no current item.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (const int entry = currentEntry())
            emit entryChosen(entry);
    });
}

int EntryList::currentEntry() const
{
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? 0 : chosen.first().data(EntryModel::EntryRole).toInt();
}

void EntryList::setCurrentEntry(int entry)
{
    const QModelIndex index = m_model->indexOf(entry);
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QRect EntryList::entryRect(int entry) const
{
    return visualRect(m_model->indexOf(entry));
}

// The keys pass over the kana rows' headings, to the next entry the way
// they go.
QModelIndex EntryList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTreeView::moveCursor(action, modifiers);
    if (!next.isValid() || next.data(EntryModel::EntryRole).toInt() > 0)
        return next;
    const bool up = action == MoveUp || action == MovePrevious || action == MovePageUp;
    const QModelIndex above = indexAbove(next);
    return up && above.isValid() ? above : indexBelow(next);
}

void EntryList::changeEvent(QEvent *event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        takeLook();
}

void EntryList::takeLook()
{
    m_model->setLook(problemColour(palette()), devicePixelRatioF());
}

int EntryList::entryAt(QPoint position) const
{
    return indexAt(position).data(EntryModel::EntryRole).toInt();
}

bool EntryList::carriesFile(const QMimeData *data)
{
    return !droppedPhoto(data).isEmpty() || !droppedVoice(data).isEmpty();
}

void EntryList::dragEnterEvent(QDragEnterEvent *event)
{
    if (carriesFile(event->mimeData()))
        event->acceptProposedAction();
}

// Only an entry takes a photograph or a voice, not a kana row's heading.
void EntryList::dragMoveEvent(QDragMoveEvent *event)
{
    if (entryAt(event->position().toPoint()) > 0 && carriesFile(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void EntryList::dropEvent(QDropEvent *event)
{
    const int entry = entryAt(event->position().toPoint());
    const QString photo = droppedPhoto(event->mimeData());
    const QString voice = droppedVoice(event->mimeData());
    if (entry == 0 || (photo.isEmpty() && voice.isEmpty()))
        return;
    event->acceptProposedAction();
    setCurrentEntry(entry);
    if (!photo.isEmpty())
        emit photoDropped(entry, photo);
    else
        emit voiceDropped(entry, voice);
}
