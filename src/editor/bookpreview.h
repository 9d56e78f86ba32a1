#ifndef BOOKPREVIEW_H
#define BOOKPREVIEW_H

#include "book/bookpage.h"

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <memory>

class Form;

// The picture book's open book as a child sees one entry on it: the picture
// book's own page, from its own layout table, showing the entry with the
// very code the picture book uses. The rows are shown as given, in the
// list's font and width, cut off at its edge as the list cuts them; the
// picture at its natural size centred on the frame, the page showing
// through where it is transparent. The book is shown as far as it is drawn.
// A photograph dropped on it is offered to the entry shown.
class BookPreview : public QWidget
{
    Q_OBJECT

public:
    explicit BookPreview(QWidget *parent = nullptr);
    ~BookPreview() override;

    void showEntry(const QString &name, const QStringList &rows, const QImage &picture);

    // The controls that show the entry, for what the tests look at.
    const Label *entryName() const { return m_page->entryName(); }
    const ListBox *explanation() const { return m_page->explanation(); }
    const Image *picture() const { return m_page->picture(); }

signals:
    void photoDropped(const QString &file);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    Form *m_form;
    std::unique_ptr<BookPage> m_page;
};

#endif
