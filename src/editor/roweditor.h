#ifndef ROWEDITOR_H
#define ROWEDITOR_H

#include "content/textrows.h"

#include <QPlainTextEdit>

// The rows of an explanation as the teacher types them, in the list's font,
// one line of the text to a line. A thin line stands where the list ends;
// beside each line its width against the list's, in red where it is wider.
// What the pack changes in a line by the rows' rule is marked: the parts
// that go to rows of their own, each character left out and each written
// in its look-alike.
class RowEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    // What a mark shows: kept in each marked span's format.
    enum class Mark
    {
        PastTheList = 1,
        NotInCodePage,
        LookAlike,
    };
    static constexpr int MarkProperty = QTextFormat::UserProperty;

    explicit RowEditor(QWidget *parent = nullptr);

    // A document of rows for the editor, each with its own undo history.
    static QTextDocument *newDocument(const QStringList &rows, QObject *parent);
    void showDocument(QTextDocument *document);

    // The widths shown beside the rows.
    QStringList widthTexts() const;
    // The rows of a document's text as they go to the file, and of the one shown.
    static QStringList rowsOf(const QTextDocument *document);
    QStringList rows() const { return rowsOf(document()); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    friend class RowWidthArea;

    int widthAreaWidth() const;
    void paintWidths(QPaintEvent *event);
    void updateMarks();
    QString widthText(const LineRows &line) const;
    int listEdge() const;

    QWidget *m_widthArea;
    QList<LineRows> m_lines; // the rule's result for each line of the document
    int m_rowLimit;          // the widest a row may be, where the list ends
};

#endif
