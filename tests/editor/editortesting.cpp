#include "editortesting.h"
#include "content/contentpack.h"
#include "editor/bookpreview.h"
#include "pack/picturepacker.h"
#include "platform/image.h"
#include "platform/picture.h"
#include "sourcepictures.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString bundled()
{
    return qEnvironmentVariable("HANA_SOURCE_DIR") + "/data";
}

void writeGarden(const QString &folder)
{
    writeAll(folder + "/pictures/1.jpg", encoded(gradientPicture(QSize(800, 600)), "JPEG"));
    writeAll(folder + "/pictures/ひまわり.png", encoded(discPicture(QSize(400, 300)), "PNG"));
    writeAll(folder + "/pictures/notes.txt", "not a picture");
    writeAll(folder + "/texts/ひまわり.txt", "夏に咲く花。\n");
}

QImage packedPicture(const QString &photo)
{
    PackedPicture packed = PicturePacker(ContentPack::pictureFrame()).pack(photo);
    QBuffer gif(&packed.gif);
    gif.open(QIODevice::ReadOnly);
    return decodePicture(&gif, photo);
}

bool showsPicture(const BookPreview *book, const QImage &picture)
{
    const QImage shown = const_cast<Image *>(book->picture())
                             ->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    const QImage expected = picture.convertToFormat(QImage::Format_ARGB32);
    if (shown.size() != expected.size())
        return false;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (qAlpha(expected.pixel(x, y)) == 255 && shown.pixel(x, y) != expected.pixel(x, y))
                return false;
    return true;
}

void type(QWidget *editor, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(editor, &commit);
}

void dropFile(QWidget *widget, QPoint position, const QString &file)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QWindow *window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), position);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
}

void answerNextBox(QMessageBox::StandardButton button, QString *said)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, button, said] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (said)
            *said = box->text();
        box->button(button)->click();
        poll->deleteLater();
    });
    poll->start();
}

QMessageBox *shownBox(const QWidget *window, const char *name)
{
    for (QMessageBox *box : window->findChildren<QMessageBox *>(QLatin1String(name)))
        if (box->isVisible())
            return box;
    return nullptr;
}
