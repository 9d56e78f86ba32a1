#include "editor/roweditor.h"
#include "content/contentpack.h"
#include "editor/statuscolours.h"

#include <QApplication>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>

namespace {

// The marks lie over the text's own background, light or dark, so they are
// drawn half see-through, and the text keeps the palette's colour.
const QColor EdgeColour(0x4A, 0x90, 0xD9);
const QColor PastTheListBackground(0xF4, 0x43, 0x36, 0x50);
const QColor NotInCodePageBackground(0xFF, 0xB3, 0x00, 0x60);
const QColor MarkLine(0xE5, 0x39, 0x35);

RowEditor::Mark markFor(RowChange change)
{
    switch (change) {
    case RowChange::Wrapped:
        return RowEditor::Mark::PastTheList;
    case RowChange::LeftOut:
        return RowEditor::Mark::NotInCodePage;
    case RowChange::Converted:
        break;
    }
    return RowEditor::Mark::LookAlike;
}

QTextEdit::ExtraSelection markOf(QTextCursor span, RowEditor::Mark mark)
{
    QTextCharFormat format;
    format.setProperty(RowEditor::MarkProperty, int(mark));
    switch (mark) {
    case RowEditor::Mark::PastTheList:
        format.setBackground(PastTheListBackground);
        break;
    case RowEditor::Mark::NotInCodePage:
        format.setBackground(NotInCodePageBackground);
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(MarkLine);
        break;
    case RowEditor::Mark::LookAlike:
        format.setUnderlineStyle(QTextCharFormat::DotLine);
        format.setUnderlineColor(EdgeColour);
        break;
    }
    return {span, format};
}

} // namespace

// The margin on the left of the editor where the rows' widths stand.
class RowWidthArea : public QWidget
{
public:
    explicit RowWidthArea(RowEditor *editor) : QWidget(editor), m_editor(editor)
    {
        setFont(QApplication::font());
    }
    QSize sizeHint() const override { return {m_editor->widthAreaWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent *event) override { m_editor->paintWidths(event); }

private:
    RowEditor *m_editor;
};

RowEditor::RowEditor(QWidget *parent)
    : QPlainTextEdit(parent), m_widthArea(new RowWidthArea(this)),
      m_rowLimit(ContentPack::listTextWidth())
{
    setFont(ContentPack::listFont());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    setViewportMargins(widthAreaWidth(), 0, 0, 0);
    setAccessibleName(QStringLiteral("花の説明の文"));
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &rect, int dy) {
        if (dy)
            m_widthArea->scroll(0, dy);
        else
            m_widthArea->update(0, rect.y(), m_widthArea->width(), rect.height());
    });
    connect(this, &QPlainTextEdit::textChanged, this, &RowEditor::updateMarks);
}

QTextDocument *RowEditor::newDocument(const QStringList &rows, QObject *parent)
{
    auto *document = new QTextDocument(parent);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    document->setDefaultFont(ContentPack::listFont());
    document->setPlainText(rows.join(u'\n'));
    document->setModified(false);
    return document;
}

void RowEditor::showDocument(QTextDocument *document)
{
    setDocument(document);
    updateMarks();
}

QStringList RowEditor::rowsOf(const QTextDocument *document)
{
    const QString text = document->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

int RowEditor::widthAreaWidth() const
{
    return m_widthArea->fontMetrics().horizontalAdvance(QStringLiteral("888 / 888")) + 12;
}

QString RowEditor::widthText(const LineRows &line) const
{
    return QStringLiteral("%1 / %2").arg(line.width).arg(line.rowLimit);
}

QStringList RowEditor::widthTexts() const
{
    QStringList widths;
    for (const LineRows &line : m_lines)
        widths << widthText(line);
    return widths;
}

// Where the list's text ends, in the viewport.
int RowEditor::listEdge() const
{
    return int(contentOffset().x() + document()->documentMargin()) + m_rowLimit;
}

void RowEditor::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect area = contentsRect();
    m_widthArea->setGeometry(area.left(), area.top(), widthAreaWidth(), area.height());
}

void RowEditor::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    QPainter painter(viewport());
    painter.setPen(QPen(EdgeColour, 1, Qt::DashLine));
    const int edge = listEdge();
    painter.drawLine(edge, 0, edge, viewport()->height());
}

void RowEditor::paintWidths(QPaintEvent *event)
{
    QPainter painter(m_widthArea);
    painter.fillRect(event->rect(), palette().window());
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= event->rect().bottom()) {
        const qreal height = blockBoundingRect(block).height();
        const int number = block.blockNumber();
        if (!block.text().isEmpty() && number < m_lines.size()) {
            const LineRows &line = m_lines.at(number);
            const bool wide = line.rows.size() > 1;
            QFont font = painter.font();
            font.setBold(wide);
            painter.setFont(font);
            painter.setPen(wide ? problemColour(palette())
                                : palette().color(QPalette::PlaceholderText));
            painter.drawText(QRectF(0, top, m_widthArea->width() - 6, height),
                             Qt::AlignRight | Qt::AlignVCenter, widthText(line));
        }
        block = block.next();
        top += height;
    }
}

void RowEditor::updateMarks()
{
    const TextRows text = rowsOfText(rows());
    m_lines = text.lines;
    m_rowLimit = ContentPack::listTextWidth(text.rows().size());
    QList<QTextEdit::ExtraSelection> marks;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockNumber() >= m_lines.size())
            break;
        for (const RowSpan &change : m_lines.at(block.blockNumber()).spans) {
            QTextCursor span(block);
            span.setPosition(block.position() + int(change.start));
            span.setPosition(block.position() + int(change.start + change.length),
                             QTextCursor::KeepAnchor);
            marks << markOf(span, markFor(change.change));
        }
    }
    setExtraSelections(marks);
    m_widthArea->update();
}
