#include "editor/entrylist.h"
#include "content/contentpack.h"
#include "editor/photodrop.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QPainter>

namespace {

constexpr int EntryRole = Qt::UserRole;
const QColor ProblemColour(0xC6, 0x28, 0x28);

QString statusOf(const EntryState &state)
{
    const QString made = QStringLiteral("%1・%2").arg(
        state.ownPicture ? QStringLiteral("写真") : QStringLiteral("同梱の絵"),
        state.ownText ? QStringLiteral("自分の説明") : QStringLiteral("同梱の説明"));
    if (state.problems.isEmpty())
        return made;
    return QStringLiteral("⚠ 直すところが %1 つ").arg(state.problems.size());
}

// The thumbnail on a square, with "同梱" across the foot of a bundled
// picture and a red mark in the corner of an entry with problems.
QIcon iconOf(const EntryState &state, qreal pixelRatio)
{
    const int side = EntryList::ThumbnailSide;
    QPixmap canvas(QSize(side, side) * pixelRatio);
    canvas.setDevicePixelRatio(pixelRatio);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    if (state.thumbnail.isNull()) {
        painter.setPen(QColor(0xA0, 0xA0, 0xA0));
        painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QStringLiteral("…"));
    } else {
        const QSize size = state.thumbnail.size().scaled(side, side, Qt::KeepAspectRatio);
        painter.drawImage(
            QRect(QPoint((side - size.width()) / 2, (side - size.height()) / 2), size),
            state.thumbnail);
    }
    QFont small = painter.font();
    small.setPixelSize(11);
    painter.setFont(small);
    if (!state.ownPicture) {
        const QRect band(0, side - 14, side, 14);
        painter.fillRect(band, QColor(255, 255, 255, 210));
        painter.setPen(QColor(0x55, 0x55, 0x55));
        painter.drawText(band, Qt::AlignCenter, QStringLiteral("同梱"));
    }
    if (!state.problems.isEmpty()) {
        const QRect mark(side - 18, 0, 18, 18);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ProblemColour);
        painter.drawEllipse(mark);
        painter.setPen(Qt::white);
        small.setBold(true);
        small.setPixelSize(13);
        painter.setFont(small);
        painter.drawText(mark, Qt::AlignCenter, QStringLiteral("!"));
    }
    painter.end();
    return QIcon(canvas);
}

} // namespace

EntryList::EntryList(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    setIconSize(QSize(ThumbnailSide, ThumbnailSide));
    setUniformRowHeights(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    setAccessibleName(QStringLiteral("花の一覧"));

    QTreeWidgetItem *row = nullptr;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        const ContentPack::KanaRow &kana = ContentPack::KanaRows[ContentPack::kanaRowOf(entry)];
        if (kana.firstEntry == entry) {
            row = new QTreeWidgetItem(this, {kana.kana.toString() + QStringLiteral("行")});
            row->setFlags(Qt::ItemIsEnabled);
            QFont bold = font();
            bold.setBold(true);
            row->setFont(0, bold);
            row->setFirstColumnSpanned(true);
        }
        const QString name = ContentPack::BoardNames[entry - 1].toString();
        auto *item = new QTreeWidgetItem(row);
        item->setData(0, EntryRole, entry);
        item->setData(0, Qt::AccessibleTextRole, name);
        m_entries << item;
        showState(entry, EntryState());
    }
    expandAll();
    // A selection made by assistive technology moves no current item.
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> chosen = selectedItems();
        if (!chosen.isEmpty())
            emit entryChosen(chosen.first()->data(0, EntryRole).toInt());
    });
}

int EntryList::currentEntry() const
{
    const QList<QTreeWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? 0 : chosen.first()->data(0, EntryRole).toInt();
}

void EntryList::setCurrentEntry(int entry)
{
    setCurrentItem(entryItem(entry));
    scrollToItem(entryItem(entry), QAbstractItemView::PositionAtCenter);
}

void EntryList::showState(int entry, const EntryState &state)
{
    QTreeWidgetItem *item = entryItem(entry);
    const QString name = item->data(0, Qt::AccessibleTextRole).toString();
    const QString status = statusOf(state);
    item->setText(0, QStringLiteral("%1  %2\n%3").arg(entry).arg(name, status));
    item->setIcon(0, iconOf(state, devicePixelRatioF()));
    item->setData(0, Qt::AccessibleDescriptionRole,
                  state.problems.isEmpty() ? status : state.problems.join(u'\n'));
    item->setToolTip(0, state.problems.isEmpty() ? status : state.problems.join(u'\n'));
    item->setForeground(0, state.problems.isEmpty() ? palette().text() : QBrush(ProblemColour));
}

// The keys pass over the kana rows' headings, to the next entry the way
// they go.
QModelIndex EntryList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTreeWidget::moveCursor(action, modifiers);
    if (!next.isValid() || next.data(EntryRole).toInt() > 0)
        return next;
    const bool up = action == MoveUp || action == MovePrevious || action == MovePageUp;
    const QModelIndex above = indexAbove(next);
    return up && above.isValid() ? above : indexBelow(next);
}

int EntryList::entryAt(QPoint position) const
{
    const QTreeWidgetItem *item = itemAt(position);
    return item ? item->data(0, EntryRole).toInt() : 0;
}

void EntryList::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedPhoto(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// Only an entry takes a photograph, not a kana row's heading.
void EntryList::dragMoveEvent(QDragMoveEvent *event)
{
    if (entryAt(event->position().toPoint()) > 0 && !droppedPhoto(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void EntryList::dropEvent(QDropEvent *event)
{
    const int entry = entryAt(event->position().toPoint());
    const QString file = droppedPhoto(event->mimeData());
    if (entry == 0 || file.isEmpty())
        return;
    event->acceptProposedAction();
    setCurrentEntry(entry);
    emit photoDropped(entry, file);
}
