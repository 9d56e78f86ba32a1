#ifndef CLASSSORTMODEL_H
#define CLASSSORTMODEL_H

#include <QSortFilterProxyModel>

// The class table's order: by the column's sort role, and learners alike in
// it by their names from あ, whichever way the column goes.
class ClassSortModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ClassSortModel(QObject *parent = nullptr);

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};

#endif
