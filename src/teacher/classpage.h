#ifndef CLASSPAGE_H
#define CLASSPAGE_H

#include <QWidget>

class ClassModel;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;

// The class table with the legend of its colours. A click on a column's
// header, or the choice in the order box from the keyboard, sorts the
// learners by that column: their names, how many they learned, or the box
// of one flower's name, highest first.
class ClassPage : public QWidget
{
    Q_OBJECT

public:
    explicit ClassPage(ClassModel &model, QWidget *parent = nullptr);

    QTableView *view() const { return m_view; }
    QSortFilterProxyModel *sorted() const { return m_sorted; }
    QList<QLabel *> legend() const { return m_legend; }
    QComboBox *order() const { return m_order; }
    // Sorts by the column: names from あ, numbers and boxes highest first.
    void sortBy(int column);

protected:
    void changeEvent(QEvent *event) override;

private:
    void paintLegend();

    ClassModel &m_model;
    QSortFilterProxyModel *m_sorted;
    QTableView *m_view;
    QComboBox *m_order;
    QList<QLabel *> m_legend;
};

#endif
