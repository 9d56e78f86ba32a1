#ifndef BOOKPAGE_H
#define BOOKPAGE_H

#include <QImage>
#include <QStringList>
#include <cstdint>
#include <functional>

class Form;
class Image;
class Label;
class ListBox;

// The rectangle on which entry pictures are centred, in twips.
struct PictureFrame
{
    int16_t left = 0;
    int16_t top = 0;
    int16_t width = 0;
    int16_t height = 0;
};

// The open book's pages as they show one flower entry, on a window built
// from the picture book's layout: the name on the left page (Label2), the
// explanation below it, one row of the list (List1) to each row given, and
// the picture (Image2) at its natural size centred on the picture frame on
// the right page. The frame is Image2's rectangle in the layout, taken when
// the page is bound to a new window, before anything has moved the picture.
// The page shows only what it is given; it reads and plays nothing itself.
class BookPage
{
public:
    explicit BookPage(const Form &form);

    // Shows an entry with its picture read from a file; a picture that
    // cannot be read raises a Failure that names the file. The rows are shown
    // exactly as given: nothing is joined, wrapped or trimmed.
    void showEntry(const QString &name, const QStringList &rows, const QString &picturePath);
    // The same with a picture already decoded; a null one shows no picture.
    void showEntry(const QString &name, const QStringList &rows, const QImage &picture);

    const PictureFrame &pictureFrame() const { return m_frame; }
    Label *entryName() const { return m_entryName; }
    ListBox *explanation() const { return m_explanation; }
    Image *picture() const { return m_picture; }

private:
    void showText(const QString &name, const QStringList &rows);
    void placePicture(const std::function<void()> &load);

    Label *m_entryName;
    ListBox *m_explanation;
    Image *m_picture;
    PictureFrame m_frame;
};

#endif
