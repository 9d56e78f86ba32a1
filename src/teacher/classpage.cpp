#include "teacher/classpage.h"
#include "records/leitner.h"
#include "teacher/boxcolours.h"
#include "teacher/classmodel.h"
#include "teacher/classsortmodel.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

ClassPage::ClassPage(ClassModel &model, QWidget *parent)
    : QWidget(parent), m_model(model), m_sorted(new ClassSortModel(this)), m_view(new QTableView),
      m_order(new QComboBox)
{
    for (int column = 0; column < m_model.columnCount(); ++column)
        m_order->addItem(m_model.headerData(column, Qt::Horizontal).toString());
    m_order->setAccessibleName(QStringLiteral("並べる順"));
    connect(m_order, &QComboBox::activated, this, &ClassPage::sortBy);
    connect(m_view->horizontalHeader(), &QHeaderView::sortIndicatorChanged, m_order,
            &QComboBox::setCurrentIndex);
    m_sorted->setSourceModel(&m_model);
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(ClassModel::NameColumn, Qt::AscendingOrder);
    m_view->setAccessibleName(QStringLiteral("クラスの表"));
    m_view->setAccessibleDescription(QStringLiteral("子どもごとに、60 の花の名前がどの箱にあるか"));
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() * 2);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setMinimumSectionSize(m_view->fontMetrics().height());

    // The names and counts whole; the flowers narrow, named in full in the
    // tooltip of their header.
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] {
        m_view->resizeColumnToContents(ClassModel::NameColumn);
        m_view->resizeColumnToContents(ClassModel::LearnedColumn);
    });

    auto *legend = new QHBoxLayout;
    auto *orderLabel = new QLabel(QStringLiteral("並べる順(&S)"));
    orderLabel->setBuddy(m_order);
    legend->addWidget(orderLabel);
    legend->addWidget(m_order);
    legend->addSpacing(m_view->fontMetrics().height());
    legend->addWidget(new QLabel(QStringLiteral("色:")));
    for (int box = 0; box <= Leitner::BoxCount; ++box) {
        auto *label = new QLabel(BoxColours::meaning(box));
        label->setAutoFillBackground(true);
        label->setMargin(4);
        label->setAccessibleName(QStringLiteral("色の見本 %1").arg(BoxColours::meaning(box)));
        legend->addWidget(label);
        m_legend << label;
    }
    legend->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(legend);
    paintLegend();
}

void ClassPage::sortBy(int column)
{
    m_view->sortByColumn(column, column == ClassModel::NameColumn ? Qt::AscendingOrder
                                                                  : Qt::DescendingOrder);
}

void ClassPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_model.setPalette(palette());
        paintLegend();
    }
}

void ClassPage::paintLegend()
{
    m_model.setPalette(palette());
    for (int box = 0; box < m_legend.size(); ++box) {
        QPalette colours = m_legend[box]->palette();
        colours.setColor(QPalette::Window, BoxColours::background(box, palette()));
        colours.setColor(QPalette::WindowText, BoxColours::text(box, palette()));
        m_legend[box]->setPalette(colours);
    }
}
