#ifndef ROWEDITOR_H
#define ROWEDITOR_H

#include <QPlainTextEdit>

class TextPacker;

// The rows of an explanation as the teacher types them, in the list's font,
// one row of the picture book's list to a line. A thin line stands where
// the list ends; beside each row its width against the list's, in red where
// it is wider. The part of a row past the list and each character that
// code page 932 cannot hold are marked.
class RowEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    // What a mark shows: kept in each marked span's format.
    enum class Mark
    {
        PastTheList = 1,
        NotInCodePage,
    };
    static constexpr int MarkProperty = QTextFormat::UserProperty;

    explicit RowEditor(const TextPacker &packer, QWidget *parent = nullptr);

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
    QString widthText(const QString &row) const;
    int listEdge() const;

    const TextPacker &m_packer;
    QWidget *m_widthArea;
};

#endif
