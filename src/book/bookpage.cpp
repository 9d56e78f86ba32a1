#include "book/bookpage.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "platform/twips.h"

BookPage::BookPage(const Form &form)
    : m_entryName(form.label("Label2")), m_explanation(form.list("List1")),
      m_picture(form.image("Image2")), m_frame{.left = roundToInt16(m_picture->leftTwips()),
                                               .top = roundToInt16(m_picture->topTwips()),
                                               .width = roundToInt16(m_picture->widthTwips()),
                                               .height = roundToInt16(m_picture->heightTwips())}
{
}

void BookPage::showEntry(const QString &name, const QStringList &rows, const QString &picturePath)
{
    showText(name, rows);
    placePicture([this, &picturePath] { m_picture->loadPicture(picturePath); });
}

void BookPage::showEntry(const QString &name, const QStringList &rows, const QImage &picture)
{
    showText(name, rows);
    placePicture([this, &picture] { m_picture->setPicture(picture); });
}

void BookPage::showText(const QString &name, const QStringList &rows)
{
    m_entryName->setVisible(true);
    m_entryName->setCaption(name);

    m_explanation->clear();
    m_explanation->setVisible(true);
    for (const QString &row : rows)
        m_explanation->addItem(row);
}

// The picture takes its natural size; halves of a twip are kept when it is
// centred, so a picture an odd number of twips off the frame's size lies
// half a twip off the grid.
void BookPage::placePicture(const std::function<void()> &load)
{
    m_picture->setVisible(false);
    m_picture->setStretch(false);
    load();
    m_picture->centreOn(m_frame.left, m_frame.top, m_frame.width, m_frame.height);
    m_picture->setVisible(m_picture->hasPicture());
}
