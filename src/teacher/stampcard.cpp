#include "teacher/stampcard.h"
#include "content/contentpack.h"

#include <QPainter>
#include <QStringList>

namespace {

constexpr int Columns = 6;
constexpr int Rows = ContentPack::EntryCount / Columns;
// The stamp's colour, a seal's red that reads on light and dark paper.
const QColor StampColour(0xE5, 0x39, 0x35);

QString titleOf(const NameStates &states)
{
    return QStringLiteral("おぼえた花 %1 / %2")
        .arg(Leitner::learnedCount(states))
        .arg(ContentPack::EntryCount);
}

// A round seal over the name, drawn see-through so that the name still reads.
void paintStamp(QPainter &painter, const QRectF &cell)
{
    const qreal size = std::min(cell.width(), cell.height()) * 0.85;
    const QRectF circle(cell.center().x() - size / 2, cell.center().y() - size / 2, size, size);
    QColor ink = StampColour;
    ink.setAlpha(190);
    painter.save();
    painter.setPen(QPen(ink, std::max<qreal>(1, size / 12)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle.adjusted(2, 2, -2, -2));
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(size * 0.3)));
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(circle.adjusted(0, size * 0.5, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("花"));
    painter.restore();
}

} // namespace

StampCard::StampCard(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setStates({});
}

void StampCard::setStates(const NameStates &states)
{
    m_states = states;
    QStringList stamped;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (Leitner::isLearned(states[entry]))
            stamped << ContentPack::BoardNames[entry - 1].toString();
    setAccessibleName(title());
    setAccessibleDescription(stamped.isEmpty()
                                 ? QStringLiteral("スタンプはまだありません")
                                 : QStringLiteral("スタンプ: ") + stamped.join(u'、'));
    update();
}

QString StampCard::title() const
{
    return titleOf(m_states);
}

QSize StampCard::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {Columns * metrics.horizontalAdvance(QStringLiteral("ほととぎす花")),
            (Rows + 2) * metrics.height() * 2};
}

void StampCard::paint(QPainter &painter, const QRectF &area, const NameStates &states,
                      const QPalette &palette)
{
    const qreal titleHeight = area.height() / (Rows + 2);
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(titleHeight * 0.6)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight * 1.5),
                     Qt::AlignCenter, titleOf(states));

    const QRectF grid = area.adjusted(0, titleHeight * 2, 0, 0);
    const qreal width = grid.width() / Columns;
    const qreal height = grid.height() / Rows;
    font.setBold(false);
    // The longest names have six characters.
    font.setPixelSize(std::max(1, int(std::min(height * 0.3, width * 0.85 / 6))));
    painter.setFont(font);
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        const int index = entry - 1;
        const QRectF cell(grid.left() + (index % Columns) * width,
                          grid.top() + (index / Columns) * height, width, height);
        painter.setPen(palette.color(QPalette::Mid));
        painter.setBrush(palette.color(QPalette::Base));
        painter.drawRoundedRect(cell.adjusted(2, 2, -2, -2), 4, 4);
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(cell.adjusted(0, 0, 0, -height * 0.3), Qt::AlignCenter,
                         ContentPack::BoardNames[index].toString());
        if (Leitner::isLearned(states[entry]))
            paintStamp(painter, cell);
    }
}

void StampCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, rect(), m_states, palette());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}
