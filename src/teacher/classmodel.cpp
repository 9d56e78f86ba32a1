#include "teacher/classmodel.h"
#include "content/contentpack.h"
#include "teacher/boxcolours.h"

namespace {

QString flowerName(int entry)
{
    return ContentPack::BoardNames[entry - 1].toString();
}

} // namespace

ClassModel::ClassModel(QObject *parent) : QAbstractTableModel(parent) {}

void ClassModel::setRows(const QList<LearnerBoxes> &rows)
{
    beginResetModel();
    m_rows = rows;
    m_learned.clear();
    for (const LearnerBoxes &row : m_rows)
        m_learned << Leitner::learnedCount(row.states);
    endResetModel();
}

void ClassModel::setPalette(const QPalette &palette)
{
    m_palette = palette;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, FirstEntryColumn), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
}

int ClassModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ClassModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : FirstEntryColumn + ContentPack::EntryCount;
}

QVariant ClassModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const LearnerBoxes &row = m_rows.at(index.row());
    const int learned = m_learned.at(index.row());
    switch (index.column()) {
    case NameColumn:
        if (role == Qt::DisplayRole || role == SortRole || role == Qt::AccessibleTextRole)
            return row.learner.name;
        return {};
    case LearnedColumn:
        if (role == Qt::DisplayRole || role == SortRole)
            return learned;
        if (role == Qt::AccessibleTextRole)
            return QStringLiteral("%1: おぼえた花 %2 / %3")
                .arg(row.learner.name)
                .arg(learned)
                .arg(ContentPack::EntryCount);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    default:
        return entryData(row, entryOf(index.column()), role);
    }
}

QVariant ClassModel::entryData(const LearnerBoxes &row, int entry, int role) const
{
    const int box = row.states[entry].box;
    switch (role) {
    case Qt::DisplayRole:
        return box == 0 ? QString() : QString::number(box);
    case SortRole:
        return box;
    case Qt::BackgroundRole:
        return BoxColours::background(box, m_palette);
    case Qt::ForegroundRole:
        return BoxColours::text(box, m_palette);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return QStringLiteral("%1・%2: %3")
            .arg(row.learner.name, flowerName(entry), BoxColours::meaning(box));
    default:
        return {};
    }
}

QVariant ClassModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == NameColumn)
        return QStringLiteral("名前");
    if (section == LearnedColumn)
        return QStringLiteral("おぼえた");
    return flowerName(entryOf(section));
}
