#include "teacher/learnerpage.h"
#include "content/contentpack.h"
#include "teacher/stampcard.h"
#include "teacher/teachercharts.h"

#include <QChartView>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTreeView>

LearnerPage::LearnerPage(QWidget *parent)
    : QWidget(parent), m_summary(new QLabel), m_chart(new QChartView),
      m_missed(new QStandardItemModel(this)), m_missedView(new QTreeView),
      m_stampCard(new StampCard)
{
    m_summary->setAccessibleName(QStringLiteral("この子の答え"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_chart->setAccessibleName(QStringLiteral("おぼえた花の数の移り変わり"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(220);
    m_missedView->setModel(m_missed);
    m_missedView->setRootIsDecorated(false);
    m_missedView->setAccessibleName(QStringLiteral("よくまちがえる名前"));
    m_missedView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_stampCard->setMinimumSize(360, 300);

    auto *missedLabel = new QLabel(QStringLiteral("よくまちがえる名前(&W)"));
    missedLabel->setBuddy(m_missedView);
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_summary, 0, 0, 1, 2);
    layout->addWidget(m_chart, 1, 0);
    layout->addWidget(missedLabel, 2, 0);
    layout->addWidget(m_missedView, 3, 0);
    layout->addWidget(m_stampCard, 1, 1, 3, 1);
    layout->setColumnStretch(0, 3);
    layout->setColumnStretch(1, 2);
    layout->setRowStretch(1, 3);
    layout->setRowStretch(3, 2);
    clear();
}

void LearnerPage::setContent(const ReportContent &content)
{
    m_content = content;
    setEnabled(true);
    m_summary->setText(QStringLiteral("%1 さん: 答えた数 %2、正しかった数 %3、おぼえた花 %4 / %5")
                           .arg(content.learner.name)
                           .arg(content.answers)
                           .arg(content.rightAnswers)
                           .arg(Leitner::learnedCount(content.states))
                           .arg(ContentPack::EntryCount));
    m_missed->clear();
    m_missed->setHorizontalHeaderLabels(
        {QStringLiteral("名前"), QStringLiteral("まちがい"), QStringLiteral("正しく")});
    for (const MissedName &missed : content.missed) {
        QList<QStandardItem *> row{
            new QStandardItem(ContentPack::BoardNames[missed.entry - 1].toString()),
            new QStandardItem(QString::number(missed.wrongCount)),
            new QStandardItem(QString::number(missed.rightCount))};
        m_missed->appendRow(row);
    }
    m_stampCard->setStates(content.states);
    showChart();
}

void LearnerPage::clear()
{
    setContent({});
    m_summary->setText(QStringLiteral("左の一覧で子どもを選んでください。"));
    setEnabled(false);
}

void LearnerPage::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_chart->chart())
        TeacherCharts::applyPalette(*m_chart->chart(), palette());
}

void LearnerPage::showChart()
{
    QChart *old = m_chart->chart();
    QChart *chart = TeacherCharts::learnedChart(m_content.days);
    TeacherCharts::applyPalette(*chart, palette());
    m_chart->setChart(chart);
    delete old;
}
