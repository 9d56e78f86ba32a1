#include "app/screen.h"
#include "platform/failure.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "support/fakes.h"

#include <QApplication>
#include <QTest>

namespace {

FormSpec screenLayout(const QString &name)
{
    return FormSpec{
        .name = name,
        .caption = name,
        .clientWidth = 3000,
        .clientHeight = 3000,
        .backColor = 0xFFFFFFFF,
        .controls =
            {
                {.kind = ControlKind::Timer, .name = "Timer1"},
                {.kind = ControlKind::Label,
                 .name = "Label1",
                 .width = 1500,
                 .height = 300,
                 .caption = "配置のまま"},
            },
    };
}

const FormSpec &firstLayout()
{
    static const FormSpec layout = screenLayout("甲");
    return layout;
}

const FormSpec &secondLayout()
{
    static const FormSpec layout = screenLayout("乙");
    return layout;
}

// Closes itself from its own timer tick, then opens the next screen and
// still reads its own variables, as the leave delay of every screen does.
class FirstScreen : public Screen
{
public:
    explicit FirstScreen(Program &program) : Screen(program, firstLayout()) {}

    int loads = 0;
    int next = 0;
    QString seenAfterClosing;
    bool failOnLoad = false;

protected:
    void connectHandlers(Form &form) override
    {
        on(form.timer("Timer1"), &Timer::tick, [this] { tick(); });
    }
    void load() override
    {
        ++loads;
        if (failOnLoad)
            throw Failure::forFile("/データ/説明/name.txt", "ファイルが見つかりません。");
    }

private:
    void tick()
    {
        form()->timer("Timer1")->setInterval(0);
        close();
        if (next == 1)
            program().open("乙");
        seenAfterClosing = QStringLiteral("next %1").arg(next);
    }
};

class SecondScreen : public Screen
{
public:
    explicit SecondScreen(Program &program) : Screen(program, secondLayout()) {}

protected:
    void connectHandlers(Form &) override {}
    void load() override {}
};

int visibleWindows()
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->isVisible();
    return count;
}

int liveForms()
{
    flushDeletedWindows();
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += qobject_cast<Form *>(widget) != nullptr;
    return count;
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void instancesAreMadeOnFirstUse();
    void closingFromOwnTickOpensTheNextScreen();
    void closingTheLastScreenEndsAfterTheHandler();
    void reopeningRebuildsTheWindowButKeepsVariables();
    void closeBoxEndsTheProgram();
    void errorInLoadingEndsWithReportAndNoWindow();

private:
    FirstScreen &first() { return static_cast<FirstScreen &>(m_test->program.screen("甲")); }

    std::unique_ptr<TestProgram> m_test;
};

void TestLifecycle::init()
{
    m_test = std::make_unique<TestProgram>();
    m_test->program.addScreen("甲", [](Program &p) { return std::make_unique<FirstScreen>(p); });
    m_test->program.addScreen("乙", [](Program &p) { return std::make_unique<SecondScreen>(p); });
}

void TestLifecycle::cleanup()
{
    m_test.reset();
    QCOMPARE(liveForms(), 0);
}

void TestLifecycle::instancesAreMadeOnFirstUse()
{
    QVERIFY(!m_test->program.hasInstance("甲"));
    m_test->program.dispatch([this] { m_test->program.open("甲"); });
    QVERIFY(m_test->program.hasInstance("甲"));
    QVERIFY(!m_test->program.hasInstance("乙"));
    QCOMPARE(first().form()->objectName(), QStringLiteral("甲"));
    QVERIFY(first().form()->isVisible());
}

void TestLifecycle::closingFromOwnTickOpensTheNextScreen()
{
    m_test->program.dispatch([this] { m_test->program.open("甲"); });
    first().next = 1;
    first().form()->timer("Timer1")->setInterval(5);
    QTRY_VERIFY(m_test->program.screen("乙").isOpen());
    QVERIFY(!first().isOpen());
    QCOMPARE(first().seenAfterClosing, QStringLiteral("next 1"));
    QVERIFY(!m_test->program.hasEnded());
    QCOMPARE(visibleWindows(), 1);
    QCOMPARE(liveForms(), 1);
}

void TestLifecycle::closingTheLastScreenEndsAfterTheHandler()
{
    m_test->program.dispatch([this] { m_test->program.open("甲"); });
    first().next = 3;
    first().form()->timer("Timer1")->setInterval(5);
    QTRY_VERIFY(m_test->program.hasEnded());
    QCOMPARE(first().seenAfterClosing, QStringLiteral("next 3"));
    QCOMPARE(m_test->program.exitStatus(), 0);
    QCOMPARE(visibleWindows(), 0);
}

void TestLifecycle::reopeningRebuildsTheWindowButKeepsVariables()
{
    m_test->program.dispatch([this] { m_test->program.open("甲"); });
    first().form()->label("Label1")->setCaption("変えた");
    first().next = 1;
    first().form()->timer("Timer1")->setInterval(5);
    QTRY_VERIFY(m_test->program.screen("乙").isOpen());

    m_test->program.dispatch([this] {
        m_test->program.screen("乙").close();
        m_test->program.open("甲");
    });
    QCOMPARE(first().form()->label("Label1")->caption(), QStringLiteral("配置のまま"));
    QVERIFY(!first().form()->timer("Timer1")->isTicking());
    QCOMPARE(first().next, 1);
    QCOMPARE(first().loads, 2);
    QCOMPARE(liveForms(), 1);
}

void TestLifecycle::closeBoxEndsTheProgram()
{
    m_test->program.dispatch([this] { m_test->program.open("甲"); });
    first().next = 1;
    first().form()->timer("Timer1")->setInterval(5);
    first().form()->close();
    QVERIFY(m_test->program.hasEnded());
    QTest::qWait(30);
    QVERIFY(!m_test->program.hasInstance("乙"));
    QCOMPARE(visibleWindows(), 0);
}

void TestLifecycle::errorInLoadingEndsWithReportAndNoWindow()
{
    first().failOnLoad = true;
    m_test->program.dispatch([this] { m_test->program.open("甲"); });
    QVERIFY(m_test->program.hasEnded());
    QCOMPARE(m_test->program.exitStatus(), 1);
    QCOMPARE(m_test->errors.messages.size(), 1);
    QVERIFY(m_test->errors.messages.first().contains("/データ/説明/name.txt"));
    QCOMPARE(visibleWindows(), 0);
    m_test->program.dispatch([this] { m_test->program.open("乙"); });
    QVERIFY(!m_test->program.hasInstance("乙"));
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
