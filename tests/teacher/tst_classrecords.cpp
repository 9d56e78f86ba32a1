#include "records/classrecords.h"
#include "records/recordstore.h"
#include "teacher/stampcard.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Noon local time on the day given, as the store keeps it.
QDateTime localNoon(int day, int minute = 0)
{
    return QDateTime(QDate(2026, 6, 1).addDays(day), QTime(12, minute)).toUTC();
}

// How many pixels of the area are the stamp's red.
int redPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            count += colour.red() > 180 && colour.green() < 120 && colour.blue() < 120;
        }
    return count;
}

} // namespace

// The class's reads on a real store, and the stamp card as it paints.
class TestClassRecords : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void learnedOverTimeFollowsTheAnswersInTheirOrder();
    void classBoxesAndWhoKnowsLeaveRemovedLearnersOut();
    void missedMostIsByWrongAnswersThenFewestRight();
    void theStampChangesWithEveryAnswerAndChangeOfLearners();
    void theStampCardStampsOnlyLearnedNames();

private:
    qint64 learner(const QString &name);
    void answer(qint64 learner, int entry, bool correct, const QDateTime &at);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<RecordStore> m_store;
};

void TestClassRecords::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_store = RecordStore::openFile(m_folder->filePath(QStringLiteral("records.sqlite")));
    QVERIFY(!m_store->failure());
    for (const QString &name : {QStringLiteral("ゆき"), QStringLiteral("はると")})
        QCOMPARE(m_store->addLearner(name, 1), LearnerChange::Done);
}

qint64 TestClassRecords::learner(const QString &name)
{
    for (const Learner &each : m_store->learners())
        if (each.name == name)
            return each.id;
    return 0;
}

void TestClassRecords::answer(qint64 learner, int entry, bool correct, const QDateTime &at)
{
    QVERIFY(m_store->addAnswer({QUuid::createUuid(), learner, entry, entry, correct, at,
                                QStringLiteral("hana"), QUuid::createUuid(), GameKind::Review,
                                QStringLiteral("test")}));
}

void TestClassRecords::learnedOverTimeFollowsTheAnswersInTheirOrder()
{
    const qint64 yuki = learner(QStringLiteral("ゆき"));
    QCOMPARE(ClassRecords::learnedOverTime(*m_store, yuki).size(), 0);
    // Sent late from another machine: the answers of day 2 arrive first.
    for (int i = 0; i < 2; ++i)
        answer(yuki, 1, true, localNoon(2, i));
    for (int i = 0; i < 2; ++i)
        answer(yuki, 1, true, localNoon(0, i));
    answer(yuki, 2, true, localNoon(0, 5));
    answer(yuki, 1, false, localNoon(5));
    // Late in the evening is still that day where the child plays.
    answer(yuki, 3, true, QDateTime(QDate(2026, 6, 7), QTime(23, 59)).toUTC());

    const QList<LearnedOnDay> days = ClassRecords::learnedOverTime(*m_store, yuki);
    QList<std::pair<QDate, int>> seen;
    for (const LearnedOnDay &day : days)
        seen << std::pair(day.day, day.learned);
    const QDate first(2026, 6, 1);
    QCOMPARE(seen,
             (QList<std::pair<QDate, int>>{
                 {first, 0}, {first.addDays(2), 1}, {first.addDays(5), 0}, {first.addDays(6), 0}}));
    QCOMPARE(ClassRecords::answerCounts(*m_store, yuki), std::pair(7, 6));
    QCOMPARE(ClassRecords::answerCounts(*m_store, learner(QStringLiteral("はると"))),
             std::pair(0, 0));
}

void TestClassRecords::classBoxesAndWhoKnowsLeaveRemovedLearnersOut()
{
    const qint64 yuki = learner(QStringLiteral("ゆき"));
    const qint64 haruto = learner(QStringLiteral("はると"));
    for (int i = 0; i < Leitner::LearnedBox; ++i) {
        answer(yuki, 7, true, localNoon(i));
        answer(haruto, 7, true, localNoon(i));
    }
    for (int i = 0; i < Leitner::LearnedBox - 1; ++i)
        answer(haruto, 8, true, localNoon(i));

    QList<LearnerBoxes> rows = ClassRecords::classBoxes(*m_store);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].learner.name, QStringLiteral("はると"));
    QCOMPARE(rows[0].states[8].box, Leitner::LearnedBox - 1);
    QCOMPARE(rows[1].states[7].rightCount, Leitner::LearnedBox);
    std::array<int, 61> know = ClassRecords::learnersWhoKnow(rows);
    QCOMPARE(know[7], 2);
    QCOMPARE(know[8], 0); // one box short of learned

    int erased = 0;
    QCOMPARE(m_store->removeLearner(QStringLiteral("ゆき"), erased), LearnerChange::Done);
    rows = ClassRecords::classBoxes(*m_store);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(ClassRecords::learnersWhoKnow(rows)[7], 1);
}

void TestClassRecords::missedMostIsByWrongAnswersThenFewestRight()
{
    NameStates states;
    states[4] = {1, localNoon(0), 2, 5};
    states[9] = {1, localNoon(0), 3, 0};
    states[12] = {1, localNoon(0), 2, 1};
    states[20] = {3, localNoon(0), 0, 3}; // never missed
    QList<int> order;
    for (const MissedName &missed : ClassRecords::missedMost(states, 10))
        order << missed.entry;
    QCOMPARE(order, (QList<int>{9, 12, 4}));
    QCOMPARE(ClassRecords::missedMost(states, 2).size(), 2);
    QCOMPARE(ClassRecords::missedMost(states, -1).size(), 0);
}

void TestClassRecords::theStampChangesWithEveryAnswerAndChangeOfLearners()
{
    const auto stamp = [this] {
        const std::optional<StoreStamp> now = ClassRecords::stamp(*m_store);
        return now.value_or(StoreStamp{-1, {}, {}});
    };
    StoreStamp seen = stamp();
    QVERIFY(seen == stamp());
    const auto changes = [&](const char *what) {
        const StoreStamp now = stamp();
        QVERIFY2(!(now == seen), what);
        seen = now;
    };
    answer(learner(QStringLiteral("ゆき")), 3, true, localNoon(0));
    changes("an answer");
    answer(learner(QStringLiteral("ゆき")), 3, false, localNoon(1));
    changes("a second answer for the same name");
    QCOMPARE(m_store->renameLearner(QStringLiteral("はると"), QStringLiteral("はるくん")),
             LearnerChange::Done);
    changes("a rename");
    QCOMPARE(m_store->addLearner(QStringLiteral("あおい"), 4), LearnerChange::Done);
    changes("a learner added");
    int erased = 0;
    QCOMPARE(m_store->removeLearner(QStringLiteral("ゆき"), erased), LearnerChange::Done);
    changes("a learner removed");
}

void TestClassRecords::theStampCardStampsOnlyLearnedNames()
{
    NameStates states;
    states[1].box = Leitner::LearnedBox;
    states[2].box = Leitner::LearnedBox - 1;
    states[60].box = Leitner::BoxCount;
    QImage image(600, 720, QImage::Format_RGB32);
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        StampCard::paint(painter, image.rect(), states, palette);
    }
    // The grid lies below two rows of title: six columns, ten rows.
    const int top = 720 / 12 * 2;
    const QSize cell(600 / 6, (720 - top) / 10);
    const auto cellOf = [&](int entry) {
        return QRect(QPoint((entry - 1) % 6 * cell.width(), top + (entry - 1) / 6 * cell.height()),
                     cell);
    };
    QVERIFY(redPixels(image, cellOf(1)) > 50);
    QCOMPARE(redPixels(image, cellOf(2)), 0);
    QVERIFY(redPixels(image, cellOf(60)) > 50);

    StampCard card;
    card.setStates(states);
    QCOMPARE(card.accessibleName(), QStringLiteral("おぼえた花 2 / 60"));
}

QTEST_MAIN(TestClassRecords)
#include "tst_classrecords.moc"
