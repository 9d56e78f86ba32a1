#include "content/contentpack.h"
#include "records/recordstore.h"
#include "teacher/boxcolours.h"
#include "teacher/classmodel.h"
#include "teacher/classpage.h"
#include "teacher/learnerdialog.h"
#include "teacher/learnerpage.h"
#include "teacher/stampcard.h"
#include "teacher/storewatch.h"
#include "teacher/teacherwindow.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QValueAxis>

namespace {

const QDateTime FirstDay(QDate(2026, 5, 11), QTime(10, 0));

QString flower(int entry)
{
    return ContentPack::BoardNames[entry - 1].toString();
}

// Runs handle on the next modal dialog once it is open.
template <typename Dialog> void whenOpen(const std::function<void(Dialog *)> &handle)
{
    QTimer::singleShot(0, [handle] {
        QTRY_VERIFY(qobject_cast<Dialog *>(QApplication::activeModalWidget()));
        handle(qobject_cast<Dialog *>(QApplication::activeModalWidget()));
        // A check that failed in the dialog must not leave it waiting.
        if (QTest::currentTestFailed())
            while (QWidget *open = QApplication::activeModalWidget())
                open->close();
    });
}

QPushButton *buttonNamed(QMessageBox *box, const QString &text)
{
    for (QAbstractButton *button : box->buttons())
        if (button->text() == text)
            return qobject_cast<QPushButton *>(button);
    return nullptr;
}

QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        process.kill();
    return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray("(failed)");
}

} // namespace

class TestTeacherWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void classTableShowsEachBoxInColoursThatRead_data();
    void classTableShowsEachBoxInColoursThatRead();
    void classTableSortsByLearnerAndByFlower();
    void learnersAreAddedRenamedAndRemovedAfterConfirmation();
    void oneChildsPageAndTheClassChartShowTheirValues();
    void exportsWriteTheCsvOfHanaRecordsAndAReportForParents();
    void aChildWithoutAnswersHasAReportAndNoneIsMadeWithoutAChild();
    void anAnswerFromAnotherProgramIsShown();
    void learnersChangedByHanaRecordsAreShown();

private:
    void answer(const QString &learner, int entry, bool correct, int day);
    QString storePath() const { return m_folder->filePath(QStringLiteral("records.sqlite")); }
    QModelIndex cell(const QString &learner, int column) const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<RecordStore> m_store;
    std::unique_ptr<TeacherWindow> m_window;
};

void TestTeacherWindow::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = RecordStore::openFile(storePath());
    QVERIFY(!m_store->failure());
    QCOMPARE(m_store->addLearner(QStringLiteral("ゆき"), 7), LearnerChange::Done);
    QCOMPARE(m_store->addLearner(QStringLiteral("はると"), 2), LearnerChange::Done);
    QCOMPARE(m_store->addLearner(QStringLiteral("あおい"), 3), LearnerChange::Done);
    // ゆき learns the first name on the fourth day and loses it on the
    // fifth; the second stays in box 3; the third is missed twice.
    for (int day = 0; day < 4; ++day)
        answer(QStringLiteral("ゆき"), 1, true, day);
    answer(QStringLiteral("ゆき"), 1, false, 4);
    for (int day = 0; day < 3; ++day)
        answer(QStringLiteral("ゆき"), 2, true, day);
    answer(QStringLiteral("ゆき"), 3, false, 0);
    answer(QStringLiteral("ゆき"), 3, false, 1);
    for (int day = 0; day < 4; ++day)
        answer(QStringLiteral("はると"), 5, true, day);
    answer(QStringLiteral("はると"), 6, false, 0);
    m_window = std::make_unique<TeacherWindow>(*m_store, 50);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestTeacherWindow::cleanup()
{
    m_window.reset();
    m_store.reset();
    m_folder.reset();
}

void TestTeacherWindow::answer(const QString &learner, int entry, bool correct, int day)
{
    qint64 id = 0;
    for (const Learner &each : m_store->learners())
        if (each.name == learner)
            id = each.id;
    QVERIFY(m_store->addAnswer({QUuid::createUuid(), id, entry, correct ? entry : entry % 60 + 1,
                                correct, FirstDay.addDays(day).toUTC(), QStringLiteral("hana"),
                                QUuid::createUuid(), GameKind::Full, QStringLiteral("test")}));
}

QModelIndex TestTeacherWindow::cell(const QString &learner, int column) const
{
    QAbstractItemModel *model = m_window->classPage()->view()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, ClassModel::NameColumn).data() == learner)
            return model->index(row, column);
    return {};
}

void TestTeacherWindow::classTableShowsEachBoxInColoursThatRead_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Base, QColor(0x18, 0x18, 0x18));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0x7A, 0xC6));
    QTest::newRow("dark") << dark;
}

void TestTeacherWindow::classTableShowsEachBoxInColoursThatRead()
{
    QFETCH(QPalette, palette);
    m_window->setPalette(palette);
    QCOMPARE(m_window->classPage()->view()->model()->rowCount(), 3);
    const int entry1 = ClassModel::FirstEntryColumn;
    // ゆき: the first name back in box 1, the second in 3, the fourth never asked.
    const QList<std::pair<int, int>> boxes{{entry1, 1}, {entry1 + 1, 3}, {entry1 + 3, 0}};
    for (const auto &[column, box] : boxes) {
        const QModelIndex index = cell(QStringLiteral("ゆき"), column);
        QCOMPARE(index.data(ClassModel::SortRole).toInt(), box);
        QCOMPARE(index.data(Qt::BackgroundRole).value<QColor>(),
                 BoxColours::background(box, palette));
        QVERIFY(index.data(Qt::AccessibleTextRole).toString().contains(flower(column - 1)));
    }
    QCOMPARE(cell(QStringLiteral("はると"), ClassModel::LearnedColumn).data().toInt(), 1);

    // Every box in a colour of its own, its text readable on it, and the
    // legend in the same colours.
    const QList<QLabel *> legend = m_window->classPage()->legend();
    QCOMPARE(legend.size(), Leitner::BoxCount + 1);
    for (int box = 0; box <= Leitner::BoxCount; ++box) {
        const QColor back = BoxColours::background(box, palette);
        QVERIFY2(BoxColours::contrast(back, BoxColours::text(box, palette)) >= 4.5,
                 qPrintable(QString::number(box)));
        if (box > 0)
            QVERIFY(BoxColours::contrast(back, BoxColours::background(box - 1, palette)) > 1.05);
        QCOMPARE(legend[box]->palette().color(QPalette::Window), back);
        QCOMPARE(legend[box]->palette().color(QPalette::WindowText),
                 BoxColours::text(box, palette));
    }
}

void TestTeacherWindow::classTableSortsByLearnerAndByFlower()
{
    QAbstractItemModel *model = m_window->classPage()->view()->model();
    const auto order = [&] {
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, ClassModel::NameColumn).data().toString();
        return names;
    };
    QCOMPARE(order(), (QStringList{"あおい", "はると", "ゆき"}));

    // By keys: the order box moves to the learned count, then the flowers.
    QComboBox *box = m_window->classPage()->order();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), int(ClassModel::LearnedColumn));
    QCOMPARE(order().first(), QStringLiteral("はると"));
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(order(),
             (QStringList{"ゆき", "あおい", "はると"})); // the first flower's box, then names

    // By a click on the header of the third flower, which only ゆき missed.
    m_window->classPage()->sortBy(ClassModel::FirstEntryColumn + 2);
    QCOMPARE(order().first(), QStringLiteral("ゆき"));
    QCOMPARE(box->currentIndex(), ClassModel::FirstEntryColumn + 2);
    m_window->classPage()->sortBy(ClassModel::FirstEntryColumn + 4);
    QCOMPARE(order().first(), QStringLiteral("はると"));
    m_window->classPage()->sortBy(ClassModel::NameColumn);
    QCOMPARE(order().first(), QStringLiteral("あおい"));
}

void TestTeacherWindow::learnersAreAddedRenamedAndRemovedAfterConfirmation()
{
    // Adding: OK waits for a name the rules allow; the first free mark is offered.
    whenOpen<LearnerDialog>([](LearnerDialog *dialog) {
        QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(!ok->isEnabled());
        QCOMPARE(dialog->mark(), 1);
        dialog->nameEdit()->setText(QString(21, QChar(0x82b1)));
        QVERIFY(!ok->isEnabled());
        dialog->nameEdit()->setText(QStringLiteral("'; DROP TABLE x;🌸"));
        QVERIFY(ok->isEnabled());
        dialog->markBox()->setCurrentIndex(9);
        QTest::keyClick(dialog->nameEdit(), Qt::Key_Return);
    });
    m_window->addLearner();
    const QString added = QStringLiteral("'; DROP TABLE x;🌸");
    QCOMPARE(m_store->learners().size(), 4);
    QCOMPARE(m_window->chosenLearner()->name, added);
    QCOMPARE(m_window->chosenLearner()->mark, 10);
    QCOMPARE(m_window->learnerList()->model()->rowCount(), 4);

    // Renaming to a name that is taken says so and asks again.
    m_window->chooseLearner(QStringLiteral("ゆき"));
    whenOpen<LearnerDialog>([](LearnerDialog *dialog) {
        dialog->nameEdit()->setText(QStringLiteral("はると"));
        whenOpen<QMessageBox>([](QMessageBox *box) {
            QVERIFY(box->text().contains(QStringLiteral("はると")));
            box->accept();
            whenOpen<LearnerDialog>([](LearnerDialog *again) {
                again->nameEdit()->setText(QStringLiteral("ゆきな"));
                again->accept();
            });
        });
        dialog->accept();
    });
    m_window->renameLearner();
    QCOMPARE(m_window->chosenLearner()->name, QStringLiteral("ゆきな"));
    QCOMPARE(cell(QStringLiteral("ゆきな"), ClassModel::LearnedColumn).data().toInt(), 0);

    // Removing names the learner and the answers it erases; やめる keeps both.
    QString asked;
    whenOpen<QMessageBox>([&asked](QMessageBox *box) {
        asked = box->text();
        QCOMPARE(box->defaultButton(), buttonNamed(box, QStringLiteral("やめる")));
        QTest::keyClick(box, Qt::Key_Return);
    });
    m_window->removeLearner();
    QCOMPARE(asked, QStringLiteral("「ゆきな」と、その答え 10 件を消します。"));
    QCOMPARE(m_store->learners().size(), 4);
    whenOpen<QMessageBox>(
        [](QMessageBox *box) { buttonNamed(box, QStringLiteral("消す"))->click(); });
    m_window->removeLearner();
    QCOMPARE(m_store->learners().size(), 3);
    QVERIFY(!cell(QStringLiteral("ゆきな"), 0).isValid());
    int answers = 0;
    m_store->forEachAnswer([&](const ExportedAnswer &) { ++answers; });
    QCOMPARE(answers, 5); // はると's alone
}

void TestTeacherWindow::oneChildsPageAndTheClassChartShowTheirValues()
{
    m_window->chooseLearner(QStringLiteral("ゆき"));
    LearnerPage *page = m_window->learnerPage();
    auto *line = qobject_cast<QLineSeries *>(page->chartView()->chart()->series().first());
    QList<qreal> learned;
    for (const QPointF &point : line->points())
        learned << point.y();
    QCOMPARE(learned, (QList<qreal>{0, 0, 0, 1, 0}));
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(qint64(line->points().first().x())).date(),
             FirstDay.date());

    QAbstractItemModel *missed = page->missedView()->model();
    QCOMPARE(missed->rowCount(), 2);
    QCOMPARE(missed->index(0, 0).data().toString(), flower(3)); // missed twice
    QCOMPARE(missed->index(0, 1).data().toString(), QStringLiteral("2"));
    QCOMPARE(missed->index(1, 0).data().toString(), flower(1));
    QVERIFY(page->summary()->text().contains(QStringLiteral("答えた数 10、正しかった数 7")));
    QCOMPARE(page->stampCard()->accessibleName(), QStringLiteral("おぼえた花 0 / 60"));

    m_window->chooseLearner(QStringLiteral("はると"));
    QCOMPARE(page->stampCard()->title(), QStringLiteral("おぼえた花 1 / 60"));
    QCOMPARE(page->stampCard()->accessibleDescription(), QStringLiteral("スタンプ: ") + flower(5));

    auto *bars = qobject_cast<QBarSeries *>(m_window->classChart()->chart()->series().first());
    QBarSet *set = bars->barSets().first();
    QCOMPARE(set->count(), ContentPack::EntryCount);
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        QCOMPARE(set->at(entry - 1), entry == 5 ? 1.0 : 0.0);
}

void TestTeacherWindow::exportsWriteTheCsvOfHanaRecordsAndAReportForParents()
{
    const QString csv = m_folder->filePath(QStringLiteral("answers.csv"));
    QCOMPARE(m_window->exportCsv(csv), std::nullopt);
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes, runTool(QStringLiteral(HANA_RECORDS_PATH),
                            {QStringLiteral("--records=") + storePath(), QStringLiteral("--csv"),
                             QStringLiteral("-")}));
    QCOMPARE(bytes.count("\r\n"), 1 + 15);

    const QString missingFolder = m_folder->filePath(QStringLiteral("none/answers.csv"));
    QVERIFY(m_window->exportCsv(missingFolder).value_or(QString()).contains(missingFolder));
    QVERIFY(m_window->exportReport(m_folder->filePath(QStringLiteral("none/r.pdf"))));

    m_window->chooseLearner(QStringLiteral("はると"));
    const QString pdf = m_folder->filePath(QStringLiteral("はると.pdf"));
    QCOMPARE(m_window->exportReport(pdf), std::nullopt);
    QFile report(pdf);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QVERIFY(report.read(5) == "%PDF-");
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed to read the report back");
    const QByteArray info = runTool(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(QString::fromUtf8(info).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\n"))),
             info.constData());
    const QString text = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-q"), pdf, QStringLiteral("-")}));
    for (const QString &said : {QStringLiteral("はると"), QStringLiteral("おぼえた花 1 / 60"),
                                QStringLiteral("答えた数 5、正しかった数 4"), flower(6)})
        QVERIFY2(text.contains(said), qPrintable(said + u'\n' + text));
    QVERIFY2(!text.contains(QStringLiteral("ゆき")), qPrintable(text)); // no other child
}

void TestTeacherWindow::aChildWithoutAnswersHasAReportAndNoneIsMadeWithoutAChild()
{
    const QString pdf = m_folder->filePath(QStringLiteral("report.pdf"));
    m_window->learnerList()->setCurrentIndex({});
    QVERIFY(m_window->exportReport(pdf).value_or(QString()).contains(QStringLiteral("選んで")));
    QVERIFY(!QFile::exists(pdf));

    m_window->chooseLearner(QStringLiteral("あおい"));
    QVERIFY(m_window->learnerPage()->isEnabled());
    QCOMPARE(m_window->learnerPage()->missedView()->model()->rowCount(), 0);
    QCOMPARE(m_window->exportReport(pdf), std::nullopt);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed to read the report back");
    const QString text = QString::fromUtf8(
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-q"), pdf, QStringLiteral("-")}));
    for (const QString &said :
         {QStringLiteral("あおい"), QStringLiteral("答えた数 0、正しかった数 0（0%）"),
          QStringLiteral("おぼえた花 0 / 60"), QStringLiteral("まちがえた名前はありません")})
        QVERIFY2(text.contains(said), qPrintable(said + u'\n' + text));
}

void TestTeacherWindow::anAnswerFromAnotherProgramIsShown()
{
    m_window->chooseLearner(QStringLiteral("あおい"));
    QCOMPARE(cell(QStringLiteral("あおい"), ClassModel::FirstEntryColumn).data().toString(),
             QString());
    QProcess writer;
    writer.start(QStringLiteral(RECORD_WRITER_PATH),
                 {storePath(), QStringLiteral("あおい"), QStringLiteral("2")});
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 0);
    QTRY_COMPARE(cell(QStringLiteral("あおい"), ClassModel::FirstEntryColumn).data().toString(),
                 QStringLiteral("1"));
    QCOMPARE(m_window->chosenLearner()->name, QStringLiteral("あおい"));
    QVERIFY(m_window->learnerPage()->summary()->text().contains(QStringLiteral("答えた数 2")));
}

void TestTeacherWindow::learnersChangedByHanaRecordsAreShown()
{
    const QString records = QStringLiteral("--records=") + storePath();
    QVERIFY(runTool(QStringLiteral(HANA_RECORDS_PATH),
                    {records, QStringLiteral("--rename"), QStringLiteral("はると"),
                     QStringLiteral("はるくん")}) != "(failed)");
    QTRY_VERIFY(cell(QStringLiteral("はるくん"), ClassModel::NameColumn).isValid());
    QCOMPARE(cell(QStringLiteral("はるくん"), ClassModel::LearnedColumn).data().toInt(), 1);
    QVERIFY(runTool(QStringLiteral(HANA_RECORDS_PATH),
                    {records, QStringLiteral("--remove"), QStringLiteral("ゆき")}) != "(failed)");
    QTRY_COMPARE(m_window->learnerList()->model()->rowCount(), 2);
    QVERIFY(!cell(QStringLiteral("ゆき"), ClassModel::NameColumn).isValid());
    // The class chart counts the two children left.
    auto *axis =
        qobject_cast<QValueAxis *>(m_window->classChart()->chart()->axes(Qt::Vertical).first());
    QCOMPARE(axis->max(), 2.0);
}

QTEST_MAIN(TestTeacherWindow)
#include "tst_teacherwindow.moc"
