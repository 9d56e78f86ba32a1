#include "editor/bookpreview.h"
#include "book/picturebooklayout.h"
#include "editor/photodrop.h"
#include "platform/form.h"
#include "platform/listbox.h"

#include <QDragEnterEvent>
#include <QListWidget>

namespace {

// The preview plays no sound.
class NoSounds : public SoundFactory
{
public:
    std::unique_ptr<SoundPlayer> create(const QString &) override { return nullptr; }
};

} // namespace

BookPreview::BookPreview(QWidget *parent) : QWidget(parent)
{
    NoSounds sounds;
    m_form = new Form(bookPageLayout(), sounds);
    m_form->setParent(this, Qt::Widget);
    m_page = std::make_unique<BookPage>(*m_form);

    const QRect drawn = drawnBookArea();
    m_form->move(-drawn.topLeft());
    setFixedSize(drawn.size());
    m_page->explanation()->view()->setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);
    setAccessibleName(QStringLiteral("図鑑での見え方"));
}

BookPreview::~BookPreview() = default;

void BookPreview::showEntry(const QString &name, const QStringList &rows, const QImage &picture)
{
    m_page->showEntry(name, rows, picture);
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
