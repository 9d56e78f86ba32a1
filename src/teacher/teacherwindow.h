#ifndef TEACHERWINDOW_H
#define TEACHERWINDOW_H

#include <QMainWindow>
#include <optional>

class ClassModel;
class ClassPage;
class LearnerPage;
class QChartView;
class QListView;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class RecordStore;
class StoreWatch;
struct Learner;

// 「花の図鑑のきろく」, the teacher's view of one store: the learners, to
// add, rename and remove; the class table; one child's page; the class
// chart; and the exports. It reads the store again whenever its watch sees
// another program change it.
class TeacherWindow : public QMainWindow
{
    Q_OBJECT

public:
    TeacherWindow(RecordStore &store, int watchInterval, QWidget *parent = nullptr);
    ~TeacherWindow() override;

    // The dialogs' steps, each of which asks first.
    void addLearner();
    void renameLearner();
    void removeLearner();
    void chooseCsvFile();
    void chooseReportFile();

    // Writes every answer as hana-records --csv does; why not, when it fails.
    std::optional<QString> exportCsv(const QString &path);
    // Writes the report on the chosen learner for their parents.
    std::optional<QString> exportReport(const QString &path);
    // Reads the whole store again, keeping the chosen learner.
    void refresh();
    void chooseLearner(const QString &name);
    std::optional<Learner> chosenLearner() const;

    QListView *learnerList() const { return m_learnerList; }
    ClassPage *classPage() const { return m_classPage; }
    LearnerPage *learnerPage() const { return m_learnerPage; }
    QChartView *classChart() const { return m_classChart; }
    QTabWidget *tabs() const { return m_tabs; }
    StoreWatch *watch() const { return m_watch; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *makeLearnerPanel();
    void makeActions();
    void showChosenLearner();
    void showClassChart();
    void showFailure();

    RecordStore &m_store;
    ClassModel *m_class;
    QStandardItemModel *m_learners;
    QListView *m_learnerList;
    QPushButton *m_rename;
    QPushButton *m_remove;
    QTabWidget *m_tabs;
    ClassPage *m_classPage;
    LearnerPage *m_learnerPage;
    QChartView *m_classChart;
    StoreWatch *m_watch;
    bool m_failureShown = false;
};

#endif
