#include "records/leitner.h"

#include <QTest>

namespace {

const QDateTime Start(QDate(2026, 4, 1), QTime(3, 0), Qt::UTC);

JudgedAnswer answer(int entry, bool correct, int day)
{
    return {entry, correct, Start.addDays(day)};
}

// A history in which the entry is answered right on as many days in a row.
QList<JudgedAnswer> rightOnDays(int entry, int days)
{
    QList<JudgedAnswer> history;
    for (int day = 0; day < days; ++day)
        history << answer(entry, true, day);
    return history;
}

} // namespace

class TestLeitner : public QObject
{
    Q_OBJECT

private slots:
    void answersMoveNamesBetweenBoxes();
    void aBoxIsDueAfterItsInterval_data();
    void aBoxIsDueAfterItsInterval();
    void reviewAsksDueNamesLowestBoxFirst();
    void reviewTakesAtMostThreeNewNames();
    void reviewFillsWithTheWeakestNames();
    void reviewOfAFreshLearnerIsTheNewNames();
    void learnedNamesAreInTheTopTwoBoxes();
};

void TestLeitner::answersMoveNamesBetweenBoxes()
{
    NameStates states = Leitner::statesOf(rightOnDays(5, 7));
    QCOMPARE(states[5].box, Leitner::BoxCount);
    QCOMPARE(states[5].rightCount, 7);
    QCOMPARE(states[5].lastAnswered, Start.addDays(6));
    QCOMPARE(states[4].box, 0);
    QVERIFY(!states[4].lastAnswered.isValid());

    QList<JudgedAnswer> history = rightOnDays(5, 4);
    history << answer(5, false, 4) << answer(5, true, 5);
    states = Leitner::statesOf(history);
    QCOMPARE(states[5].box, 2);
    QCOMPARE(states[5].wrongCount, 1);
    QCOMPARE(states[5].rightCount, 5);

    // A first answer that is wrong puts the name in box 1, not box 0.
    QCOMPARE(Leitner::statesOf({answer(60, false, 0)})[60].box, 1);
    // Entries outside the board are no names.
    states = Leitner::statesOf({answer(0, true, 0), answer(61, true, 0), answer(-3, true, 0)});
    QCOMPARE(Leitner::learnedCount(states), 0);
    QCOMPARE(states[0].box, 0);
}

void TestLeitner::aBoxIsDueAfterItsInterval_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("days");
    QTest::newRow("box 1 again the same day") << 1 << 0;
    QTest::newRow("box 2 the next day") << 2 << 1;
    QTest::newRow("box 3 after three days") << 3 << 3;
    QTest::newRow("box 4 after a week") << 4 << 7;
    QTest::newRow("box 5 after two weeks") << 5 << 14;
}

void TestLeitner::aBoxIsDueAfterItsInterval()
{
    QFETCH(int, box);
    QFETCH(int, days);
    QCOMPARE(Leitner::intervalDays(box), days);
    const NameState state{box, Start, 0, box};
    QVERIFY(Leitner::isDue(state, Start.addDays(days)));
    QVERIFY(Leitner::isDue(state, Start.addDays(days + 30)));
    if (days > 0)
        QVERIFY(!Leitner::isDue(state, Start.addDays(days - 1)));
    QVERIFY(!Leitner::isDue(NameState{}, Start.addDays(100)));
}

void TestLeitner::reviewAsksDueNamesLowestBoxFirst()
{
    NameStates states;
    for (int entry = 1; entry <= 60; ++entry)
        states[entry] = NameState{5, Start, 0, 5}; // known, not due for two weeks
    states[40] = NameState{3, Start.addDays(-3), 0, 3};
    states[30] = NameState{1, Start, 1, 0};
    states[20] = NameState{2, Start.addDays(-1), 0, 1};
    states[10] = NameState{4, Start.addDays(-6), 0, 4}; // due tomorrow, not today
    const QList<int> chosen = Leitner::chooseReview(states, Start);
    QCOMPARE(chosen.first(3), (QList<int>{30, 20, 40}));
    QCOMPARE(chosen.size(), Leitner::ReviewSize);
    QVERIFY(!chosen.first(3).contains(10));
    QCOMPARE(Leitner::chooseReview(states, Start, 2), (QList<int>{30, 20}));
}

void TestLeitner::reviewTakesAtMostThreeNewNames()
{
    NameStates states;
    for (int entry = 1; entry <= 10; ++entry)
        states[entry] = NameState{1, Start, 1, 0}; // all due
    states[3] = NameState{};
    states[7] = NameState{};
    // Eight due names, then the first three of the 52 never asked; no other
    // name was asked, so the game is shorter than it might be.
    const QList<int> chosen = Leitner::chooseReview(states, Start, 12);
    QCOMPARE(chosen, (QList<int>{1, 2, 4, 5, 6, 8, 9, 10, 3, 7, 11}));
}

void TestLeitner::reviewFillsWithTheWeakestNames()
{
    NameStates states;
    for (int entry = 1; entry <= 60; ++entry)
        states[entry] = NameState{3, Start, 1, 2};
    states[50] = NameState{2, Start, 3, 1};             // the weakest: a low box
    states[51] = NameState{3, Start, 4, 1};             // more wrong than right
    states[52] = NameState{3, Start.addDays(-1), 1, 2}; // asked longest ago
    const QList<int> chosen = Leitner::chooseReview(states, Start);
    QCOMPARE(chosen.first(3), (QList<int>{50, 51, 52}));
    QCOMPARE(chosen.size(), Leitner::ReviewSize);
    QCOMPARE(QSet<int>(chosen.begin(), chosen.end()).size(), chosen.size());
}

void TestLeitner::reviewOfAFreshLearnerIsTheNewNames()
{
    QCOMPARE(Leitner::chooseReview(NameStates{}, Start), (QList<int>{1, 2, 3}));
    QVERIFY(Leitner::chooseReview(NameStates{}, Start, 0).isEmpty());
}

void TestLeitner::learnedNamesAreInTheTopTwoBoxes()
{
    QList<JudgedAnswer> history;
    history << rightOnDays(1, 3) << rightOnDays(2, 4) << rightOnDays(3, 9);
    QCOMPARE(Leitner::learnedCount(Leitner::statesOf(history)), 2);
}

QTEST_GUILESS_MAIN(TestLeitner)
#include "tst_leitner.moc"
