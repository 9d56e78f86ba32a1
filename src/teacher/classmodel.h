#ifndef CLASSMODEL_H
#define CLASSMODEL_H

#include "records/classrecords.h"

#include <QAbstractTableModel>
#include <QPalette>

// The class as a table: one row per learner, a column for their name, one
// for how many names they learned and one per flower with the box its name
// is in, coloured by the box. SortRole gives what a column sorts by.
class ClassModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        NameColumn,
        LearnedColumn,
        FirstEntryColumn,
    };
    static constexpr int SortRole = Qt::UserRole;

    explicit ClassModel(QObject *parent = nullptr);

    void setRows(const QList<LearnerBoxes> &rows);
    const QList<LearnerBoxes> &rows() const { return m_rows; }
    void setPalette(const QPalette &palette);
    static int entryOf(int column) { return column - FirstEntryColumn + 1; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVariant entryData(const LearnerBoxes &row, int entry, int role) const;

    QList<LearnerBoxes> m_rows;
    QList<int> m_learned;
    QPalette m_palette;
};

#endif
