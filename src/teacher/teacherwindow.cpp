#include "teacher/teacherwindow.h"
#include "content/contentpack.h"
#include "records/answercsv.h"
#include "records/learnername.h"
#include "records/recordstore.h"
#include "teacher/classmodel.h"
#include "teacher/classpage.h"
#include "teacher/learnerdialog.h"
#include "teacher/learnerpage.h"
#include "teacher/storewatch.h"
#include "teacher/teachercharts.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int LearnerIdRole = Qt::UserRole;

QString markName(int mark)
{
    return ContentPack::BoardNames[std::clamp(mark, 1, ContentPack::EntryCount) - 1].toString();
}

QString changeProblem(LearnerChange change, const QString &name)
{
    switch (change) {
    case LearnerChange::Taken:
        return QStringLiteral("名前「%1」はもう使われています。").arg(name);
    case LearnerChange::Missing:
        return QStringLiteral("「%1」という学習者はもういません。").arg(name);
    default:
        return {};
    }
}

} // namespace

TeacherWindow::TeacherWindow(RecordStore &store, int watchInterval, QWidget *parent)
    : QMainWindow(parent), m_store(store), m_class(new ClassModel(this)),
      m_learners(new QStandardItemModel(this)), m_learnerList(new QListView),
      m_rename(new QPushButton(QStringLiteral("名前を変える(&R)…"))),
      m_remove(new QPushButton(QStringLiteral("消す(&D)…"))), m_tabs(new QTabWidget),
      m_classPage(new ClassPage(*m_class)), m_learnerPage(new LearnerPage),
      m_classChart(new QChartView), m_watch(new StoreWatch(store, watchInterval, this))
{
    setWindowTitle(QStringLiteral("花の図鑑のきろく"));
    m_classChart->setAccessibleName(QStringLiteral("花ごとの、おぼえた子の数"));
    m_classChart->setRenderHint(QPainter::Antialiasing);
    m_tabs->addTab(m_classPage, QStringLiteral("クラス(&1)"));
    m_tabs->addTab(m_learnerPage, QStringLiteral("ひとり(&2)"));
    m_tabs->addTab(m_classChart, QStringLiteral("花ごと(&3)"));
    m_tabs->setAccessibleName(QStringLiteral("見るもの"));

    auto *splitter = new QSplitter;
    splitter->addWidget(makeLearnerPanel());
    splitter->addWidget(m_tabs);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    makeActions();
    connect(m_watch, &StoreWatch::changed, this, &TeacherWindow::refresh);
    connect(m_classPage->view(), &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) {
                chooseLearner(index.siblingAtColumn(ClassModel::NameColumn).data().toString());
                m_tabs->setCurrentWidget(m_learnerPage);
            });
    resize(1100, 720);
    refresh();
}

TeacherWindow::~TeacherWindow() = default;

QWidget *TeacherWindow::makeLearnerPanel()
{
    auto *panel = new QWidget;
    auto *label = new QLabel(QStringLiteral("子ども(&L)"));
    label->setBuddy(m_learnerList);
    m_learnerList->setModel(m_learners);
    m_learnerList->setAccessibleName(QStringLiteral("子ども"));
    m_learnerList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_learnerList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TeacherWindow::showChosenLearner);
    auto *add = new QPushButton(QStringLiteral("加える(&A)…"));
    connect(add, &QPushButton::clicked, this, &TeacherWindow::addLearner);
    connect(m_rename, &QPushButton::clicked, this, &TeacherWindow::renameLearner);
    connect(m_remove, &QPushButton::clicked, this, &TeacherWindow::removeLearner);
    auto *layout = new QVBoxLayout(panel);
    layout->addWidget(label);
    layout->addWidget(m_learnerList);
    for (QPushButton *button : {add, m_rename, m_remove})
        layout->addWidget(button);
    return panel;
}

void TeacherWindow::makeActions()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addAction(QStringLiteral("答えを CSV に書き出す(&C)…"),
                    QKeySequence(Qt::CTRL | Qt::Key_E), this, &TeacherWindow::chooseCsvFile);
    file->addAction(QStringLiteral("保護者への報告を PDF に(&P)…"), QKeySequence::Print, this,
                    &TeacherWindow::chooseReportFile);
    file->addAction(QStringLiteral("読み直す(&U)"), QKeySequence::Refresh, this,
                    &TeacherWindow::refresh);
    file->addSeparator();
    file->addAction(QStringLiteral("閉じる(&Q)"), QKeySequence::Quit, this, &QWidget::close);
    QMenu *view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->addAction(QStringLiteral("全画面(&F)"), QKeySequence::FullScreen, this,
                    [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });
}

void TeacherWindow::refresh()
{
    const std::optional<Learner> chosen = chosenLearner();
    const QList<LearnerBoxes> rows = ClassRecords::classBoxes(m_store);
    m_class->setRows(rows);
    m_learners->clear();
    for (const LearnerBoxes &row : rows) {
        auto *item = new QStandardItem(
            QStringLiteral("%1（%2）").arg(row.learner.name, markName(row.learner.mark)));
        item->setData(row.learner.id, LearnerIdRole);
        item->setData(row.learner.name, Qt::AccessibleTextRole);
        m_learners->appendRow(item);
    }
    showClassChart();
    m_watch->markSeen();
    if (chosen)
        chooseLearner(chosen->name);
    if (!chosenLearner())
        showChosenLearner();
    statusBar()->showMessage(
        QStringLiteral("%1　子ども %2 人").arg(m_store.path()).arg(rows.size()));
    showFailure();
}

void TeacherWindow::chooseLearner(const QString &name)
{
    for (int row = 0; row < m_learners->rowCount(); ++row)
        if (m_class->rows().at(row).learner.name == name)
            m_learnerList->setCurrentIndex(m_learners->index(row, 0));
}

std::optional<Learner> TeacherWindow::chosenLearner() const
{
    const QModelIndex current = m_learnerList->currentIndex();
    if (!current.isValid() || current.row() >= m_class->rows().size())
        return std::nullopt;
    return m_class->rows().at(current.row()).learner;
}

void TeacherWindow::showChosenLearner()
{
    const QModelIndex current = m_learnerList->currentIndex();
    const bool chosen = current.isValid() && current.row() < m_class->rows().size();
    m_rename->setEnabled(chosen);
    m_remove->setEnabled(chosen);
    if (chosen)
        m_learnerPage->setContent(
            ParentReport::contentOf(m_store, m_class->rows().at(current.row())));
    else
        m_learnerPage->clear();
}

void TeacherWindow::showClassChart()
{
    QChart *old = m_classChart->chart();
    QChart *chart = TeacherCharts::classChart(ClassRecords::learnersWhoKnow(m_class->rows()),
                                              int(m_class->rows().size()));
    TeacherCharts::applyPalette(*chart, palette());
    m_classChart->setChart(chart);
    delete old;
}

void TeacherWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_classChart->chart())
        TeacherCharts::applyPalette(*m_classChart->chart(), palette());
}

void TeacherWindow::showFailure()
{
    if (!m_store.failure() || m_failureShown)
        return;
    m_failureShown = true;
    statusBar()->showMessage(m_store.failure()->message());
    QMessageBox::warning(this, QStringLiteral("記録を使えません"), m_store.failure()->message());
}

void TeacherWindow::addLearner()
{
    QList<Learner> learners;
    for (const LearnerBoxes &row : m_class->rows())
        learners << row.learner;
    LearnerDialog dialog(QStringLiteral("子どもを加える"), {}, LearnerName::firstFreeMark(learners),
                         this);
    while (dialog.exec() == QDialog::Accepted) {
        const LearnerChange change = m_store.addLearner(dialog.name(), dialog.mark());
        if (change != LearnerChange::Taken) {
            refresh();
            chooseLearner(dialog.name());
            return;
        }
        QMessageBox::information(this, dialog.windowTitle(), changeProblem(change, dialog.name()));
    }
}

void TeacherWindow::renameLearner()
{
    const std::optional<Learner> learner = chosenLearner();
    if (!learner)
        return;
    LearnerDialog dialog(QStringLiteral("名前を変える"), learner->name, learner->mark, this);
    dialog.markBox()->setEnabled(false);
    while (dialog.exec() == QDialog::Accepted) {
        if (dialog.name() == learner->name)
            return;
        const LearnerChange change = m_store.renameLearner(learner->name, dialog.name());
        if (change != LearnerChange::Taken) {
            refresh();
            chooseLearner(dialog.name());
            if (change == LearnerChange::Missing)
                QMessageBox::information(this, dialog.windowTitle(),
                                         changeProblem(change, learner->name));
            return;
        }
        QMessageBox::information(this, dialog.windowTitle(), changeProblem(change, dialog.name()));
    }
}

void TeacherWindow::removeLearner()
{
    const std::optional<Learner> learner = chosenLearner();
    if (!learner)
        return;
    const int answers = m_store.answerCount(learner->id);
    QMessageBox question(
        QMessageBox::Warning, QStringLiteral("子どもを消す"),
        QStringLiteral("「%1」と、その答え %2 件を消します。").arg(learner->name).arg(answers),
        QMessageBox::NoButton, this);
    question.setInformativeText(QStringLiteral("消したものは、もとに戻せません。"));
    QPushButton *erase = question.addButton(QStringLiteral("消す"), QMessageBox::DestructiveRole);
    question.setDefaultButton(
        question.addButton(QStringLiteral("やめる"), QMessageBox::RejectRole));
    question.exec();
    if (question.clickedButton() != erase)
        return;
    int erased = 0;
    const LearnerChange change = m_store.removeLearner(learner->name, erased);
    refresh();
    if (change == LearnerChange::Done)
        statusBar()->showMessage(QStringLiteral("「%1」と、その答え %2 件を消しました。")
                                     .arg(learner->name)
                                     .arg(erased));
}

std::optional<QString> TeacherWindow::exportCsv(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("CSV を %1 に書けません（%2）。").arg(path, file.errorString());
    const bool written = AnswerCsv::write(m_store, file);
    if (m_store.failure()) {
        showFailure();
        return m_store.failure()->message();
    }
    if (!written || !file.commit())
        return QStringLiteral("CSV を %1 に書けません（%2）。").arg(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> TeacherWindow::exportReport(const QString &path)
{
    if (!chosenLearner())
        return QStringLiteral("報告を作る子どもを選んでください。");
    return ParentReport::write(m_learnerPage->content(), path);
}

void TeacherWindow::chooseCsvFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("答えを CSV に書き出す"),
        folder + QStringLiteral("/花の図鑑のきろく.csv"), QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (const auto problem = exportCsv(path))
        QMessageBox::warning(this, QStringLiteral("書き出せません"), *problem);
    else
        statusBar()->showMessage(QStringLiteral("%1 に書き出しました。").arg(path));
}

void TeacherWindow::chooseReportFile()
{
    const std::optional<Learner> learner = chosenLearner();
    if (!learner) {
        QMessageBox::information(this, QStringLiteral("保護者への報告"),
                                 QStringLiteral("報告を作る子どもを、左の一覧で選んでください。"));
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("保護者への報告"),
                                     folder + QStringLiteral("/花の図鑑のきろく %1.pdf")
                                                  .arg(QString(learner->name).replace(u'/', u'／')),
                                     QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (const auto problem = exportReport(path))
        QMessageBox::warning(this, QStringLiteral("書き出せません"), *problem);
    else
        statusBar()->showMessage(QStringLiteral("%1 に書き出しました。").arg(path));
}
