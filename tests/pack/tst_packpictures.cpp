#include "pack/photoformats.h"
#include "pack/picturepacker.h"
#include "platform/picture.h"
#include "sourcepictures.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

namespace {

const QSize Frame(218, 225);

PackedPicture packBytes(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return PicturePacker(Frame).pack(&buffer);
}

// The GIF as the screens load it.
QImage shown(const PackedPicture &packed)
{
    QByteArray gif = packed.gif;
    QBuffer buffer(&gif);
    buffer.open(QIODevice::ReadOnly);
    return decodePicture(&buffer, QStringLiteral("h1.gif")).convertToFormat(QImage::Format_ARGB32);
}

// Mean difference per colour channel between two pictures of one size.
double meanDifference(const QImage &a, const QImage &b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * a.width() * a.height());
}

// Mean difference of the pictures' 4 × 4 pixel block averages: what the
// eye sees of a dithered area from a little way off.
double blockDifference(const QImage &a, const QImage &b)
{
    const QSize blocks(a.width() / 4, a.height() / 4);
    return meanDifference(a.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                          b.scaled(blocks, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

int distinctColours(const QImage &picture)
{
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            colours.insert(picture.pixel(x, y));
    return int(colours.size());
}

bool allOpaque(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) != 255)
                return false;
    return true;
}

} // namespace

class TestPackPictures : public QObject
{
    Q_OBJECT

private slots:
    void fittedSizeScalesDownOnlyAndKeepsAspect_data();
    void fittedSizeScalesDownOnlyAndKeepsAspect();
    void photographDecodedScaledLooksAsDecodedWhole();
    void photographsBecomeCloseDitheredGifs_data();
    void photographsBecomeCloseDitheredGifs();
    void ditheringKeepsTheLocalColour();
    void noiseStillFitsAndLoads();
    void transparentOnlyWhereTheSourceIs();
    void transparentGroundOfAManyColouredFlower();
    void opaqueAlphaChannelGivesNoTransparency();
    void exifOrientationIsHonoured_data();
    void exifOrientationIsHonoured();
    void badSourcesEndInAMessage_data();
    void badSourcesEndInAMessage();
    void picturesCutShortAreSaidToBe_data();
    void picturesCutShortAreSaidToBe();
    void hugePictureIsRefusedByItsHeader_data();
    void hugePictureIsRefusedByItsHeader();
    void photoFormatsAreThoseThePackerDecodes();
    void photoIsToldByItsSuffix_data();
    void photoIsToldByItsSuffix();
};

// A large JPEG is decoded at an eighth of its size or so and then scaled;
// the result must be what decoding it whole and scaling it gives.
void TestPackPictures::photographDecodedScaledLooksAsDecodedWhole()
{
    for (const QImage &source :
         {gradientPicture(QSize(2400, 1800)), markedPicture(QSize(1800, 2400))}) {
        QByteArray jpeg = encoded(source, "JPEG");
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::ReadOnly);
        const FittedPicture fitted = PicturePacker(Frame).fitted(&buffer);
        QVERIFY(fitted.problem.isEmpty());
        const QImage whole = QImage::fromData(jpeg, "JPEG");
        const QImage expected = whole.scaled(PicturePacker::fittedSize(whole.size(), Frame),
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(fitted.picture.size(), expected.size());
        QVERIFY2(meanDifference(fitted.picture, expected) < 1.5,
                 qPrintable(QString::number(meanDifference(fitted.picture, expected))));
    }
}

void TestPackPictures::fittedSizeScalesDownOnlyAndKeepsAspect_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("smaller stays") << QSize(100, 80) << QSize(100, 80);
    QTest::newRow("exactly the frame") << Frame << Frame;
    QTest::newRow("wide photo") << QSize(4000, 3000) << QSize(218, 164);
    QTest::newRow("tall photo") << QSize(3000, 4000) << QSize(169, 225);
    QTest::newRow("square") << QSize(1000, 1000) << QSize(218, 218);
    QTest::newRow("only too high") << QSize(200, 450) << QSize(100, 225);
    QTest::newRow("thin strip keeps a pixel") << QSize(10000, 10) << QSize(218, 1);
}

void TestPackPictures::fittedSizeScalesDownOnlyAndKeepsAspect()
{
    QFETCH(QSize, source);
    QFETCH(QSize, fitted);
    QCOMPARE(PicturePacker::fittedSize(source, Frame), fitted);
}

void TestPackPictures::photographsBecomeCloseDitheredGifs_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::newRow("JPEG") << QByteArray("JPEG") << QSize(800, 600);
    QTest::newRow("PNG") << QByteArray("PNG") << QSize(300, 900);
    QTest::newRow("WebP") << QByteArray("WEBP") << QSize(640, 480);
    QTest::newRow("small PNG kept at its size") << QByteArray("PNG") << QSize(120, 90);
}

// A smooth gradient has far more than 256 colours: the quantizer must pick a
// palette that follows it, and dithering spreads it over many of them.
void TestPackPictures::photographsBecomeCloseDitheredGifs()
{
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    const QImage source = gradientPicture(size);
    const PackedPicture packed = packBytes(encoded(source, format.constData()));
    QVERIFY2(packed.problem.isEmpty(), qPrintable(packed.problem));

    const QImage picture = shown(packed);
    QCOMPARE(picture.size(), PicturePacker::fittedSize(size, Frame));
    QCOMPARE(packed.size, picture.size());
    QVERIFY(!packed.transparent);
    QVERIFY(allOpaque(picture));
    const QImage expected =
        source.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QVERIFY2(meanDifference(picture, expected) < 4.0,
             qPrintable(QString::number(meanDifference(picture, expected))));
    QVERIFY(distinctColours(picture) > 64);
}

// Every hue at every lightness needs far more than 256 colours; dithering
// mixes neighbouring palette colours so that each small area keeps its own.
void TestPackPictures::ditheringKeepsTheLocalColour()
{
    QImage source(Frame, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixelColor(
                x, y, QColor::fromHsv(x * 359 / Frame.width(), 255 - y / 2, 255 - y * 3 / 4));
    const QImage picture = shown(packBytes(encoded(source, "PNG")));
    QVERIFY2(blockDifference(picture, source) < 1.6,
             qPrintable(QString::number(blockDifference(picture, source))));
}

void TestPackPictures::noiseStillFitsAndLoads()
{
    const PackedPicture packed = packBytes(encoded(noisePicture(QSize(500, 500), 7), "PNG"));
    QVERIFY(packed.problem.isEmpty());
    const QImage picture = shown(packed);
    QCOMPARE(picture.size(), QSize(218, 218));
    QVERIFY(allOpaque(picture));
    QVERIFY(distinctColours(picture) <= 256);
    QVERIFY(distinctColours(picture) > 128);
}

// Scaled down, the disc's rim is half transparent; the GIF has one
// transparent colour, so each pixel ends up wholly one or the other.
void TestPackPictures::transparentOnlyWhereTheSourceIs()
{
    const QImage source = discPicture(QSize(400, 300));
    const PackedPicture packed = packBytes(encoded(source, "PNG"));
    QVERIFY(packed.problem.isEmpty());
    QVERIFY(packed.transparent);
    const QImage picture = shown(packed);
    QCOMPARE(picture.size(), QSize(218, 164));

    const QImage scaled =
        source.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_ARGB32);
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int alpha = qAlpha(picture.pixel(x, y));
            const int sourceAlpha = qAlpha(scaled.pixel(x, y));
            QVERIFY(alpha == 0 || alpha == 255);
            if ((sourceAlpha > 200 && alpha == 0) || (sourceAlpha < 50 && alpha == 255))
                ++wrong;
        }
    QCOMPARE(wrong, 0);
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    const QRgb centre = picture.pixel(109, 82);
    QCOMPARE(qAlpha(centre), 255);
    QVERIFY(qRed(centre) > 200 && qGreen(centre) < 50 && qBlue(centre) < 70);
}

// The palette may name the transparent colour twice, as it does for this
// drawing of many outlined petals made with ImageMagick: a pixel of either
// entry must still be transparent in the GIF, not the entry's dark green.
void TestPackPictures::transparentGroundOfAManyColouredFlower()
{
    QFile file(QStringLiteral(HANA_PACK_TEST_DATA "/petals.png"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QImage source = QImage::fromData(bytes).convertToFormat(QImage::Format_ARGB32);
    const QImage picture = shown(packBytes(bytes));
    QCOMPARE(picture.size(), source.size());
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            wrong += (qAlpha(source.pixel(x, y)) < 128) != (qAlpha(picture.pixel(x, y)) == 0);
    QCOMPARE(wrong, 0);
}

void TestPackPictures::opaqueAlphaChannelGivesNoTransparency()
{
    const QImage source = gradientPicture(QSize(300, 300)).convertToFormat(QImage::Format_ARGB32);
    const PackedPicture packed = packBytes(encoded(source, "PNG"));
    QVERIFY(packed.problem.isEmpty());
    QVERIFY(!packed.transparent);
    QVERIFY(allOpaque(shown(packed)));
}

void TestPackPictures::exifOrientationIsHonoured_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("red"); // where the stored left edge ends up
    QTest::newRow("upright") << 1 << QSize(218, 164) << QPoint(5, 82);
    QTest::newRow("turned right") << 6 << QSize(169, 225) << QPoint(84, 5);
    QTest::newRow("turned left") << 8 << QSize(169, 225) << QPoint(84, 219);
    QTest::newRow("upside down") << 3 << QSize(218, 164) << QPoint(212, 82);
}

// A large camera photograph, stored on its side with the EXIF orientation
// saying how to turn it.
void TestPackPictures::exifOrientationIsHonoured()
{
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    QFETCH(QPoint, red);
    static const QByteArray jpeg = encoded(markedPicture(QSize(4000, 3000)), "JPEG");
    const PackedPicture packed = packBytes(withExifOrientation(jpeg, quint16(orientation)));
    QVERIFY(packed.problem.isEmpty());
    const QImage picture = shown(packed);
    QCOMPARE(picture.size(), size);
    const QColor marked = picture.pixelColor(red);
    QVERIFY2(marked.red() > 220 && marked.green() < 40 && marked.blue() < 40,
             qPrintable(marked.name()));
    const QPoint opposite(size.width() - 1 - red.x(), size.height() - 1 - red.y());
    QVERIFY(picture.pixelColor(opposite).red() < 200 || picture.pixelColor(opposite).green() > 40);
}

void TestPackPictures::badSourcesEndInAMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage picture = gradientPicture(QSize(200, 150));
    const QByteArray jpeg = encoded(picture, "JPEG");
    const QByteArray png = encoded(picture, "PNG");
    const QByteArray webp = encoded(picture, "WEBP");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("text") << QByteArray("not a picture at all\n");
    QTest::newRow("JPEG header only") << jpeg.left(jpeg.indexOf("\xFF\xDA"));
    QTest::newRow("JPEG start only") << jpeg.left(4);
    QTest::newRow("PNG header only") << png.left(40);
    QTest::newRow("WebP cut short") << webp.left(webp.size() / 2);
    QTest::newRow("GIF") << encoded(picture, "GIF");
    QTest::newRow("BMP") << encoded(picture, "BMP");
    QByteArray scrambled = png;
    for (qsizetype i = 100; i < scrambled.size(); i += 7)
        scrambled[i] = char(scrambled[i] ^ 0x5A);
    QTest::newRow("PNG data scrambled") << scrambled;
}

// Whatever the bytes, the packer answers with a picture or a message.
void TestPackPictures::badSourcesEndInAMessage()
{
    QFETCH(QByteArray, bytes);
    const PackedPicture packed = packBytes(bytes);
    QVERIFY(!packed.problem.isEmpty());
    QVERIFY(packed.gif.isEmpty());
}

void TestPackPictures::picturesCutShortAreSaidToBe_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QImage picture = gradientPicture(QSize(200, 150));
    const QByteArray jpeg = encoded(picture, "JPEG");
    const QByteArray png = encoded(picture, "PNG");
    QTest::newRow("JPEG") << jpeg.left(jpeg.size() / 2);
    QTest::newRow("PNG") << png.left(png.size() / 2);
    QByteArray claiming = png;
    claiming.insert(png.indexOf("IEND") - 4, QByteArray("\x7F\x00\x00\x25tEXtdate", 12));
    QTest::newRow("PNG chunk claiming 2 GB") << claiming;
}

// The JPEG decoder fills what is missing with grey and the PNG decoder takes
// memory for what a chunk claims; both are caught before.
void TestPackPictures::picturesCutShortAreSaidToBe()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(packBytes(bytes).problem, QStringLiteral("絵のデータが途中で切れています。"));
}

void TestPackPictures::hugePictureIsRefusedByItsHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("mayBeUnreadable");
    QTest::newRow("JPEG") << jpegClaiming(QSize(20000, 20000)) << false;
    QTest::newRow("WebP") << webpClaiming(QSize(20000, 20000)) << true;
}

// The WebP header holds no image data: newer WebP readers refuse it as
// unreadable before they give its size, which is as good a refusal.
void TestPackPictures::hugePictureIsRefusedByItsHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, mayBeUnreadable);
    const PackedPicture packed = packBytes(bytes);
    const bool unreadable =
        packed.problem == QStringLiteral("絵の大きさを読み取れません（ファイルが壊れています）。");
    QVERIFY2(packed.problem.contains(QStringLiteral("20000 × 20000")) ||
                 (mayBeUnreadable && unreadable),
             qPrintable(packed.problem));
}

// Every format offered to the teacher is one the packer makes a picture
// from; with the image format plugins installed, as the package requires,
// that is all three.
void TestPackPictures::photoFormatsAreThoseThePackerDecodes()
{
    QCOMPARE(PhotoFormats::formats(), (QList<QByteArray>{"jpeg", "png", "webp"}));
    QCOMPARE(PhotoFormats::suffixes(), (QStringList{"jpg", "jpeg", "png", "webp"}));
    for (const QByteArray &format : PhotoFormats::formats()) {
        const PackedPicture packed = packBytes(encoded(gradientPicture(QSize(80, 60)), format.constData()));
        QVERIFY2(packed.problem.isEmpty(), format.constData());
        QCOMPARE(packed.size, QSize(80, 60));
    }
    QCOMPARE(PhotoFormats::nameFilter(),
             QStringLiteral("写真 (*.jpg *.jpeg *.png *.webp *.JPG *.JPEG *.PNG *.WEBP)"));
}

void TestPackPictures::photoIsToldByItsSuffix_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("photo");
    QTest::newRow("jpg") << "/a/1.jpg" << true;
    QTest::newRow("capital JPEG") << "/a/サクラ.JPEG" << true;
    QTest::newRow("mixed WebP") << "/a/1.WebP" << true;
    QTest::newRow("gif, which Qt reads") << "/a/1.gif" << false;
    QTest::newRow("photo's name, other suffix") << "/a/1.jpg.txt" << false;
    QTest::newRow("no suffix") << "/a/jpg" << false;
}

void TestPackPictures::photoIsToldByItsSuffix()
{
    QFETCH(QString, path);
    QFETCH(bool, photo);
    QCOMPARE(PhotoFormats::isPhoto(path), photo);
}

QTEST_MAIN(TestPackPictures)
#include "tst_packpictures.moc"
