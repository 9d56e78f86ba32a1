#include "content/contentpack.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

namespace {

// Every character that code page 932 holds, each decoded from its bytes
// and written back to them: the single bytes, then every lead byte with
// every trail byte.
QString codePageCharacters()
{
    QStringDecoder decoder("windows-31j");
    QStringEncoder encoder("windows-31j");
    QString all;
    const auto add = [&](const QByteArray &bytes) {
        const QString character = decoder(bytes);
        if (character.size() == 1 && character.at(0).isPrint() &&
            character != QChar::ReplacementCharacter && QByteArray(encoder(character)) == bytes)
            all += character;
    };
    for (int byte = 0x20; byte < 0x100; ++byte)
        add(QByteArray(1, char(byte)));
    for (int lead = 0x81; lead < 0x100; ++lead)
        for (int trail = 0x40; trail < 0x100; ++trail)
            add(QByteArray(1, char(lead)) + char(trail));
    return all;
}

} // namespace

class TestListWidth : public QObject
{
    Q_OBJECT

private slots:
    void fontAgreesWithTheRowWidth();
};

// The rule counts a row's width without fonts. Where the list's face is the
// one installed with the program, Qt's own measure must give the same for
// every character the pack can hold and the face draws; one the face lacks
// (IPA Mincho has no U+2211) is drawn from another face, never wider.
void TestListWidth::fontAgreesWithTheRowWidth()
{
    const QFont font = ContentPack::listFont();
    const QString family = QFontInfo(font).family();
    if (family != QStringLiteral("IPAMincho") && family != QStringLiteral("IPA明朝"))
        QSKIP(qPrintable(QStringLiteral("The list's font is %1, not IPA Mincho "
                                        "(package fonts-ipafont-mincho).")
                             .arg(family)));
    const QFontMetrics metrics(font);
    const QRawFont face = QRawFont::fromFont(font);
    const QString characters = codePageCharacters();
    QVERIFY(characters.size() > 7000);
    QStringList differ;
    int drawn = 0;
    for (const QChar character : characters) {
        const int measured = metrics.horizontalAdvance(character);
        const int counted = ContentPack::rowWidth(QStringView(&character, 1));
        const bool own = face.supportsCharacter(character);
        drawn += own;
        if (own ? measured != counted : measured > counted)
            differ << QStringLiteral("U+%1 %2: %3 / %4")
                          .arg(QString::number(character.unicode(), 16).toUpper())
                          .arg(character)
                          .arg(measured)
                          .arg(counted);
    }
    QVERIFY(drawn > characters.size() - 10);
    QVERIFY2(differ.isEmpty(), qPrintable(differ.mid(0, 40).join(u", ")));
}

QTEST_MAIN(TestListWidth)
#include "tst_listwidth.moc"
