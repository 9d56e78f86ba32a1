#include "sound/deferredsound.h"
#include "support/fakes.h"

#include <QTest>
#include <QWidget>

class TestDeferredSound : public QObject
{
    Q_OBJECT

private slots:
    void playersMadeEarlyReplayTheirState();
    void playersMadeLaterAreTheBackends();
    void playersMayOutliveTheFactoryOrGoBeforeIt();
    void missingModuleIsSilent();
    void moduleLoadsAfterTheFirstPaint();
};

void TestDeferredSound::playersMadeEarlyReplayTheirState()
{
    DeferredSoundFactory factory;
    auto silenced = factory.create("MediaPlayer1");
    silenced->SetFile("/音/oto.wav");
    silenced->Stop();
    auto sounding = factory.create("MediaPlayer2");
    sounding->SetFile("/音/o.wav");
    auto replayed = factory.create("MediaPlayer3");
    replayed->SetFile("/音/oto1.wav");
    replayed->Stop();
    replayed->Play();
    auto unused = factory.create("MediaPlayer4");
    unused->Play();
    unused->SetProperty1030(1);

    auto backend = std::make_unique<RecordingSounds>();
    RecordingSounds *recorded = backend.get();
    factory.attach(std::move(backend));
    QCOMPARE(recorded->calls,
             (QStringList{"MediaPlayer1 SetFile /音/oto.wav", "MediaPlayer1 Stop",
                          "MediaPlayer2 SetFile /音/o.wav", "MediaPlayer3 SetFile /音/oto1.wav"}));
    silenced->Play();
    QCOMPARE(recorded->calls.last(), QStringLiteral("MediaPlayer1 Play"));
}

void TestDeferredSound::playersMadeLaterAreTheBackends()
{
    DeferredSoundFactory factory;
    auto backend = std::make_unique<RecordingSounds>();
    RecordingSounds *recorded = backend.get();
    factory.attach(std::move(backend));
    QVERIFY(factory.isAttached());
    auto player = factory.create("MediaPlayer2");
    player->SetFile("/音/x.wav");
    QCOMPARE(recorded->calls, QStringList{"MediaPlayer2 SetFile /音/x.wav"});
}

void TestDeferredSound::playersMayOutliveTheFactoryOrGoBeforeIt()
{
    std::unique_ptr<SoundPlayer> survivor;
    {
        DeferredSoundFactory factory;
        survivor = factory.create("MediaPlayer1");
        factory.create("MediaPlayer2").reset();
    }
    survivor->SetFile("/音/oto.wav");
    survivor->Play();
    survivor.reset();
}

void TestDeferredSound::missingModuleIsSilent()
{
    auto factory = loadSoundModule("/nowhere/libhana_sound.so");
    QVERIFY(factory);
    auto player = factory->create("MediaPlayer1");
    player->SetFile("/音/oto.wav");
    player->Play();
}

void TestDeferredSound::moduleLoadsAfterTheFirstPaint()
{
    DeferredSoundFactory factory;
    auto early = factory.create("MediaPlayer1");
    QWidget window;
    factory.attachAfterFirstPaint(&window, "/nowhere/libhana_sound.so");
    QTest::qWait(20);
    QVERIFY(!factory.isAttached());
    window.show();
    QTRY_VERIFY(factory.isAttached());
    early->SetFile("/音/oto.wav");
}

QTEST_MAIN(TestDeferredSound)
#include "tst_deferredsound.moc"
