#include "editor/bookpreview.h"
#include "editor/photodrop.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/listbox.h"
#include "platform/picture.h"
#include "platform/twips.h"
#include "screens/picture_book/picturebooklayout.h"

#include <QDragEnterEvent>
#include <QListWidget>

namespace {

// The controls of the picture book that show an entry, and the book they
// lie on.
const QString BookName = QStringLiteral("Image1");
const QString EntryName = QStringLiteral("Label2");
const QString Explanation = QStringLiteral("List1");
const QString Picture = QStringLiteral("Image2");

// The preview plays no sound.
class NoSounds : public SoundFactory
{
public:
    std::unique_ptr<SoundPlayer> create(const QString &) override { return nullptr; }
};

FormSpec bookLayout()
{
    FormSpec layout = pictureBookLayout();
    std::erase_if(layout.controls, [](const ControlSpec &row) {
        return row.name != BookName && row.name != EntryName && row.name != Explanation &&
               row.name != Picture;
    });
    return layout;
}

const ControlSpec &bookRow(const FormSpec &layout)
{
    return *std::find_if(layout.controls.cbegin(), layout.controls.cend(),
                         [](const ControlSpec &row) { return row.name == BookName; });
}

// The part of the book's picture that is drawn, in the window's pixels.
QRect drawnPart(const ControlSpec &book)
{
    const QImage picture = loadPicture(book.picture).convertToFormat(QImage::Format_ARGB32);
    QRect drawn;
    for (int y = 0; y < picture.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(line[x]) != 0)
                drawn |= QRect(x, y, 1, 1);
    }
    return drawn.translated(twipsToPixels(book.left), twipsToPixels(book.top));
}

} // namespace

BookPreview::BookPreview(QWidget *parent) : QWidget(parent)
{
    const FormSpec layout = bookLayout();
    NoSounds sounds;
    m_form = new Form(layout, sounds);
    m_form->setParent(this, Qt::Widget);
    m_entryName = m_form->label(EntryName);
    m_explanation = m_form->list(Explanation);
    m_picture = m_form->image(Picture);
    // Taken before the picture moves, as the picture book takes its frame.
    m_frameLeft = roundToInt16(m_picture->leftTwips());
    m_frameTop = roundToInt16(m_picture->topTwips());
    m_frameWidth = roundToInt16(m_picture->widthTwips());
    m_frameHeight = roundToInt16(m_picture->heightTwips());

    const QRect drawn = drawnPart(bookRow(layout));
    m_form->move(-drawn.topLeft());
    setFixedSize(drawn.size());
    m_explanation->view()->setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);
    setAccessibleName(QStringLiteral("図鑑での見え方"));
}

BookPreview::~BookPreview() = default;

// As the picture book's ShowEntry shows an entry.
void BookPreview::showEntry(const QString &name, const QStringList &rows, const QImage &picture)
{
    m_entryName->setVisible(true);
    m_entryName->setCaption(name);

    m_explanation->clear();
    m_explanation->setVisible(true);
    for (const QString &row : rows)
        m_explanation->addItem(row);

    m_picture->setVisible(false);
    m_picture->setStretch(false);
    m_picture->setPicture(picture);
    m_picture->centreOn(m_frameLeft, m_frameTop, m_frameWidth, m_frameHeight);
    m_picture->setVisible(!picture.isNull());
}

void BookPreview::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedPhoto(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BookPreview::dragMoveEvent(QDragMoveEvent *event)
{
    if (!droppedPhoto(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BookPreview::dropEvent(QDropEvent *event)
{
    const QString file = droppedPhoto(event->mimeData());
    if (file.isEmpty())
        return;
    event->acceptProposedAction();
    emit photoDropped(file);
}
