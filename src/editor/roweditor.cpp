#include "editor/roweditor.h"
#include "content/contentpack.h"
#include "content/contenttext.h"
#include "pack/textpacker.h"

#include <QApplication>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>

namespace {

const QColor TooWide(0xC6, 0x28, 0x28);
const QColor Fits(0x70, 0x70, 0x70);
const QColor EdgeColour(0x4A, 0x90, 0xD9);
const QColor PastTheListBackground(0xFF, 0xD6, 0xD6);
const QColor NotInCodePageBackground(0xFF, 0xE0, 0x82);

QTextEdit::ExtraSelection markOf(QTextCursor span, RowEditor::Mark mark)
{
    QTextCharFormat format;
    format.setProperty(RowEditor::MarkProperty, int(mark));
    if (mark == RowEditor::Mark::PastTheList) {
        format.setBackground(PastTheListBackground);
    } else {
        format.setBackground(NotInCodePageBackground);
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(TooWide);
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

RowEditor::RowEditor(const TextPacker &packer, QWidget *parent)
    : QPlainTextEdit(parent), m_packer(packer), m_widthArea(new RowWidthArea(this))
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

QString RowEditor::widthText(const QString &row) const
{
    return QStringLiteral("%1 / %2").arg(m_packer.lineWidth(row)).arg(m_packer.listWidth());
}

QStringList RowEditor::widthTexts() const
{
    QStringList widths;
    for (const QString &row : rows())
        widths << widthText(row);
    return widths;
}

// Where the list's text ends, in the viewport.
int RowEditor::listEdge() const
{
    return int(contentOffset().x() + document()->documentMargin()) + m_packer.listWidth();
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
        if (!block.text().isEmpty()) {
            const bool wide = m_packer.lineWidth(block.text()) > m_packer.listWidth();
            QFont font = painter.font();
            font.setBold(wide);
            painter.setFont(font);
            painter.setPen(wide ? TooWide : Fits);
            painter.drawText(QRectF(0, top, m_widthArea->width() - 6, height),
                             Qt::AlignRight | Qt::AlignVCenter, widthText(block.text()));
        }
        block = block.next();
        top += height;
    }
}

// A row's part past the list starts at its first character that does not
// fit entirely; each character of a row that the code page lacks is marked.
void RowEditor::updateMarks()
{
    QList<QTextEdit::ExtraSelection> marks;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString row = block.text();
        if (m_packer.lineWidth(row) > m_packer.listWidth()) {
            int fits = 0;
            while (fits < row.size() &&
                   m_packer.lineWidth(row.left(fits + 1)) <= m_packer.listWidth())
                ++fits;
            QTextCursor span(block);
            span.setPosition(block.position() + fits);
            span.setPosition(block.position() + int(row.size()), QTextCursor::KeepAnchor);
            marks << markOf(span, Mark::PastTheList);
        }
        for (int i = 0; i < row.size();) {
            const bool pair = row.at(i).isHighSurrogate() && i + 1 < row.size();
            const char32_t character =
                pair ? QChar::surrogateToUcs4(row.at(i), row.at(i + 1)) : row.at(i).unicode();
            const int length = pair ? 2 : 1;
            if (!fitsCodePage(character)) {
                QTextCursor span(block);
                span.setPosition(block.position() + i);
                span.setPosition(block.position() + i + length, QTextCursor::KeepAnchor);
                marks << markOf(span, Mark::NotInCodePage);
            }
            i += length;
        }
    }
    setExtraSelections(marks);
    m_widthArea->update();
}
