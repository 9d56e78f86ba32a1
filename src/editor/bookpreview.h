#ifndef BOOKPREVIEW_H
#define BOOKPREVIEW_H

#include <QImage>
#include <QStringList>
#include <QWidget>

class Form;
class Image;
class Label;
class ListBox;

// The picture book's open book as a child sees one entry on it, made of the
// picture book's own controls from its own layout table: the name, the
// explanation's rows in the list's font and width, cut off at its edge as
// the list cuts them, and the picture at its natural size centred on the
// frame as the picture book centres it, the page showing through where it
// is transparent. The book is shown as far as it is drawn. A photograph
// dropped on it is offered to the entry shown.
class BookPreview : public QWidget
{
    Q_OBJECT

public:
    explicit BookPreview(QWidget *parent = nullptr);
    ~BookPreview() override;

    void showEntry(const QString &name, const QStringList &rows, const QImage &picture);

    // The controls that show the entry, for what the tests look at.
    const Label *entryName() const { return m_entryName; }
    const ListBox *explanation() const { return m_explanation; }
    const Image *picture() const { return m_picture; }

signals:
    void photoDropped(const QString &file);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    Form *m_form;
    Label *m_entryName;
    ListBox *m_explanation;
    Image *m_picture;
    int m_frameLeft, m_frameTop, m_frameWidth, m_frameHeight;
};

#endif
