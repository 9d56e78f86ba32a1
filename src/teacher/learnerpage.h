#ifndef LEARNERPAGE_H
#define LEARNERPAGE_H

#include "teacher/parentreport.h"

#include <QWidget>

class QChartView;
class QLabel;
class QStandardItemModel;
class QTreeView;
class StampCard;

// One child: their counts, the chart of the names they learned over time,
// the names they missed most and their stamp card as they see it.
class LearnerPage : public QWidget
{
    Q_OBJECT

public:
    explicit LearnerPage(QWidget *parent = nullptr);

    void setContent(const ReportContent &content);
    void clear();
    const ReportContent &content() const { return m_content; }
    QChartView *chartView() const { return m_chart; }
    QTreeView *missedView() const { return m_missedView; }
    StampCard *stampCard() const { return m_stampCard; }
    QLabel *summary() const { return m_summary; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void showChart();

    ReportContent m_content;
    QLabel *m_summary;
    QChartView *m_chart;
    QStandardItemModel *m_missed;
    QTreeView *m_missedView;
    StampCard *m_stampCard;
};

#endif
