#include "platform/form.h"
#include "platform/listbox.h"
#include "platform/twips.h"
#include "support/fakes.h"
#include "support/listwindow.h"

#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <memory>

namespace {

constexpr float ListWidth = 3375;

// The rightmost column of an image with ink in it, on white, or -1.
int rightmostInk(const QImage &image)
{
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 192)
                return x;
    return -1;
}

} // namespace

class TestListBox : public QObject
{
    Q_OBJECT

private slots:
    void rowTextEndsAtTheTextWidth_data();
    void rowTextEndsAtTheTextWidth();
    void scrollBarScalesWithTheFactor();

private:
    std::unique_ptr<Form> shownForm(WindowMode mode);
    RecordingSounds m_sounds;
};

std::unique_ptr<Form> TestListBox::shownForm(WindowMode mode)
{
    auto form = std::make_unique<Form>(bookListWindow(), m_sounds, mode);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    return form;
}

void TestListBox::rowTextEndsAtTheTextWidth_data()
{
    QTest::addColumn<QString>("style");
    QTest::newRow("Fusion") << "Fusion";
    QTest::newRow("Windows") << "Windows";
}

// Whatever the style, a row's text starts at the list's own margin and is
// shown whole up to the text width, and cut off right there: 27 half-width
// characters (216 pixels) show as drawn freely, the 28th is cut at 219.
void TestListBox::rowTextEndsAtTheTextWidth()
{
    QFETCH(QString, style);
    const auto form = shownForm(WindowMode::Normal);
    QVERIFY(form);
    ListBox *list = form->list("List1");
    std::unique_ptr<QStyle> chosen(QStyleFactory::create(style));
    QVERIFY(chosen);
    list->view()->setStyle(chosen.get());
    list->view()->setFocusPolicy(Qt::NoFocus); // no focus mark over the rows
    list->view()->clearFocus();
    const int textWidth = ListBox::textWidth(twipsToPixels(ListWidth));
    QCOMPARE(list->view()->frameWidth(), ListBox::FrameWidth);
    QCOMPARE(list->view()->viewport()->width(), twipsToPixels(ListWidth) - 2 * ListBox::FrameWidth);

    const QString fits(27, u'W');
    list->addItem(fits);
    list->addItem(fits + u'W');
    // Asking for an item's place lays the rows out, which a list delays.
    const QRect area = list->view()->viewport()->rect();
    const QRect first = list->view()->visualItemRect(list->view()->item(0)) & area;
    const QRect second = list->view()->visualItemRect(list->view()->item(1)) & area;
    const QImage shown = list->view()->viewport()->grab().toImage();

    QImage free(first.size() + QSize(100, 0), QImage::Format_RGB32);
    free.fill(Qt::white);
    QPainter painter(&free);
    painter.setFont(list->view()->font());
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(ListBox::TextMargin, 0), free.size()),
                     int(Qt::AlignLeft | Qt::AlignVCenter), fits);
    painter.end();

    const int edge = ListBox::TextMargin + textWidth;
    QCOMPARE(rightmostInk(shown.copy(first)), rightmostInk(free));
    QVERIFY(rightmostInk(free) < edge);
    QCOMPARE(rightmostInk(shown.copy(second)), edge - 1);
    list->view()->setStyle(nullptr);
}

// Full screen, the list's scroll bar and rows are as much larger as its font
// is, so the list shows as many rows.
void TestListBox::scrollBarScalesWithTheFactor()
{
    int breadth[2] = {};
    int rowHeight[2] = {};
    for (const WindowMode mode : {WindowMode::Normal, WindowMode::FullScreen}) {
        const auto form = shownForm(mode);
        QVERIFY(form);
        const qreal factor = mode == WindowMode::Normal ? 1 : 2;
        QCOMPARE(form->scaleFactor(), factor);
        ListBox *list = form->list("List1");
        for (int row = 0; row < 40; ++row)
            list->addItem(QStringLiteral("行 %1").arg(row));
        QScrollBar *bar = list->view()->verticalScrollBar();
        QTRY_VERIFY(bar->isVisible());
        breadth[mode == WindowMode::FullScreen] = bar->width();
        rowHeight[mode == WindowMode::FullScreen] =
            list->view()->visualItemRect(list->view()->item(0)).height();
        QCOMPARE(list->view()->viewport()->height() / rowHeight[mode == WindowMode::FullScreen],
                 ListBox::visibleRows(twipsToPixels(3180)));
    }
    QCOMPARE(breadth[0], ListBox::ScrollBarWidth);
    QCOMPARE(breadth[1], 2 * breadth[0]);
    QCOMPARE(rowHeight[0], ListBox::RowHeight);
    QCOMPARE(rowHeight[1], 2 * rowHeight[0]);
}

QTEST_MAIN(TestListBox)
#include "tst_listbox.moc"
