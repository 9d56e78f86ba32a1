#include "teacher/classsortmodel.h"
#include "teacher/classmodel.h"

ClassSortModel::ClassSortModel(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(ClassModel::SortRole);
    setSortLocaleAware(true);
}

bool ClassSortModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (left.column() == ClassModel::NameColumn)
        return QSortFilterProxyModel::lessThan(left, right);
    const int a = left.data(ClassModel::SortRole).toInt();
    const int b = right.data(ClassModel::SortRole).toInt();
    if (a != b)
        return a < b;
    const QModelIndex leftName = left.siblingAtColumn(ClassModel::NameColumn);
    const QModelIndex rightName = right.siblingAtColumn(ClassModel::NameColumn);
    const bool nameFirst = QSortFilterProxyModel::lessThan(leftName, rightName);
    // A descending sort turns the answer round; the names must not turn.
    return sortOrder() == Qt::AscendingOrder ? nameFirst
                                             : QSortFilterProxyModel::lessThan(rightName, leftName);
}
