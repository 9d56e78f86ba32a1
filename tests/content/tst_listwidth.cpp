#include "content/contentpack.h"
#include "platform/form.h"
#include "platform/listbox.h"
#include "support/fakes.h"
#include "support/listwindow.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QProxyStyle>
#include <QRawFont>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStyleFactory>
#include <QTest>
#include <memory>

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

// A desktop style of its own measures, as some are: a broader scroll bar
// and taller rows than Fusion gives.
class BroadStyle : public QProxyStyle
{
public:
    BroadStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_ScrollBarExtent ? base + 11 : base;
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
        return type == CT_ItemViewItem ? base + QSize(0, 10) : base;
    }
};

std::unique_ptr<QStyle> styleNamed(const QString &name)
{
    if (name == QStringLiteral("broad"))
        return std::make_unique<BroadStyle>();
    return std::unique_ptr<QStyle>(QStyleFactory::create(name));
}

} // namespace

class TestListWidth : public QObject
{
    Q_OBJECT

private slots:
    void fontAgreesWithTheRowWidth();
    void listShowsWhatTheRuleCounts_data();
    void listShowsWhatTheRuleCounts();

private:
    RecordingSounds m_sounds;
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

void TestListWidth::listShowsWhatTheRuleCounts_data()
{
    QTest::addColumn<QString>("style");
    QTest::newRow("Fusion") << "Fusion";
    QTest::newRow("Windows") << "Windows";
    QTest::newRow("a broader scroll bar, taller rows") << "broad";
}

// The rows the rule counts as shown are those the list shows whole, and the
// width it wraps at, with the scroll bar and without, is the width the list
// leaves a row's text, whatever the style's own measures.
void TestListWidth::listShowsWhatTheRuleCounts()
{
    QFETCH(QString, style);
    Form form(bookListWindow(), m_sounds, WindowMode::Normal);
    ListBox *list = form.list("List1");
    QListWidget *view = list->view();
    const std::unique_ptr<QStyle> chosen = styleNamed(style);
    QVERIFY(chosen);
    view->setStyle(chosen.get());
    view->verticalScrollBar()->setStyle(chosen.get());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const int shown = ContentPack::listVisibleRows();
    for (int row = 0; row <= shown; ++row)
        list->addItem(QStringLiteral("行 %1").arg(row));
    QTRY_VERIFY(view->verticalScrollBar()->isVisible());
    const int viewHeight = view->viewport()->height();
    QVERIFY(view->visualItemRect(view->item(shown - 1)).bottom() < viewHeight);
    QVERIFY(view->visualItemRect(view->item(shown)).bottom() >= viewHeight);
    const int besideScrollBar = view->viewport()->width() - 2 * ListBox::TextMargin;
    QCOMPARE(besideScrollBar, ContentPack::listTextWidth(shown + 1));

    delete view->takeItem(shown);
    QTRY_VERIFY(!view->verticalScrollBar()->isVisible());
    QCOMPARE(view->viewport()->width() - 2 * ListBox::TextMargin, ContentPack::listTextWidth());
    QCOMPARE(ContentPack::listTextWidth(shown), ContentPack::listTextWidth());
    QVERIFY(besideScrollBar < ContentPack::listTextWidth());
    view->verticalScrollBar()->setStyle(nullptr);
    view->setStyle(nullptr);
}

QTEST_MAIN(TestListWidth)
#include "tst_listwidth.moc"
