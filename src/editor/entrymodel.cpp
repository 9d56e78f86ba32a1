#include "editor/entrymodel.h"
#include "content/contentpack.h"

#include <QFont>
#include <QPainter>

namespace {

using ContentPack::KanaRows;

int firstOf(int kanaRow)
{
    return KanaRows[kanaRow].firstEntry;
}

int sizeOf(int kanaRow)
{
    const int next =
        kanaRow + 1 < int(KanaRows.size()) ? firstOf(kanaRow + 1) : ContentPack::EntryCount + 1;
    return next - firstOf(kanaRow);
}

QString statusOf(const EntryState &state)
{
    if (!state.report.clean())
        return QStringLiteral("⚠ 直すところが %1 つ").arg(state.report.problems().size());
    return QStringLiteral("%1・%2%3")
        .arg(state.ownPicture ? QStringLiteral("写真") : QStringLiteral("同梱の絵"),
             state.ownText ? QStringLiteral("自分の説明") : QStringLiteral("同梱の説明"),
             state.voice ? QStringLiteral("・声") : QString());
}

// The thumbnail on a square, with "同梱" across the foot of a bundled
// picture and a mark in the corner of an entry with problems.
QIcon iconOf(const EntryState &state, const QColor &problemColour, qreal pixelRatio)
{
    const int side = EntryModel::ThumbnailSide;
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
    if (!state.report.clean()) {
        const QRect mark(side - 18, 0, 18, 18);
        painter.setPen(Qt::NoPen);
        painter.setBrush(problemColour);
        painter.drawEllipse(mark);
        painter.setPen(problemColour.lightness() > 160 ? Qt::black : Qt::white);
        small.setBold(true);
        small.setPixelSize(13);
        painter.setFont(small);
        painter.drawText(mark, Qt::AlignCenter, QStringLiteral("!"));
    }
    painter.end();
    return QIcon(canvas);
}

} // namespace

// The thumbnails are drawn once the view gives its look.
EntryModel::EntryModel(QObject *parent) : QAbstractItemModel(parent), m_problemColour(Qt::red) {}

// A heading's index carries 0, an entry's its heading's row plus one.
QModelIndex EntryModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column, parent.isValid() ? quintptr(parent.row() + 1) : quintptr(0));
}

QModelIndex EntryModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int EntryModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(KanaRows.size());
    return parent.internalId() == 0 && parent.column() == 0 ? sizeOf(parent.row()) : 0;
}

int EntryModel::columnCount(const QModelIndex &) const
{
    return 1;
}

int EntryModel::entryAt(const QModelIndex &index)
{
    if (!index.isValid() || index.internalId() == 0)
        return 0;
    return firstOf(int(index.internalId() - 1)) + index.row();
}

QModelIndex EntryModel::indexOf(int entry) const
{
    const int kanaRow = ContentPack::kanaRowOf(entry);
    return index(entry - firstOf(kanaRow), 0, index(kanaRow, 0));
}

Qt::ItemFlags EntryModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (entryAt(index) == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
}

QVariant EntryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int entry = entryAt(index);
    return entry ? entryData(entry, role) : headingData(index.row(), role);
}

QVariant EntryModel::headingData(int kanaRow, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return KanaRows[kanaRow].kana.toString() + QStringLiteral("行");
    case Qt::FontRole: {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    case EntryRole:
        return 0;
    default:
        return {};
    }
}

QVariant EntryModel::entryData(int entry, int role) const
{
    const EntryState &state = m_states[entry];
    const QString name = ContentPack::BoardNames[entry - 1].toString();
    const QString told =
        state.report.clean() ? statusOf(state) : state.report.problems().join(u'\n');
    switch (role) {
    case Qt::DisplayRole:
        return QStringLiteral("%1  %2\n%3").arg(entry).arg(name, statusOf(state));
    case Qt::DecorationRole:
        return m_icons[entry];
    case Qt::AccessibleTextRole:
        return name;
    case Qt::AccessibleDescriptionRole:
    case Qt::ToolTipRole:
        return told;
    case Qt::ForegroundRole:
        return state.report.clean() ? QVariant() : QVariant(m_problemColour);
    case EntryRole:
        return entry;
    default:
        return {};
    }
}

void EntryModel::setState(int entry, const EntryState &state)
{
    m_states[entry] = state;
    m_icons[entry] = iconOf(state, m_problemColour, m_pixelRatio);
    const QModelIndex changed = indexOf(entry);
    emit dataChanged(changed, changed);
}

void EntryModel::setLook(const QColor &problemColour, qreal pixelRatio)
{
    m_problemColour = problemColour;
    m_pixelRatio = pixelRatio;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        m_icons[entry] = iconOf(m_states[entry], m_problemColour, m_pixelRatio);
    for (int row = 0; row < int(KanaRows.size()); ++row) {
        const QModelIndex heading = index(row, 0);
        emit dataChanged(index(0, 0, heading), index(sizeOf(row) - 1, 0, heading));
    }
}
