#ifndef EDITORTESTING_H
#define EDITORTESTING_H

#include <QImage>
#include <QMessageBox>
#include <QPoint>
#include <QString>

class BookPreview;
class EditorWindow;
class QWidget;

// What the editor's tests share: files, pictures as the pack holds them,
// and a teacher's hands on the window.
QByteArray readAll(const QString &path);
void writeAll(const QString &path, const QByteArray &bytes);
// The pack that comes with the program.
QString bundled();
// A folder of a teacher's: a photograph by number, one by flower name with
// a text by that name, and a file that belongs to no entry.
void writeGarden(const QString &folder);

// The picture the program shows for what hana-pack writes from a photograph.
QImage packedPicture(const QString &photo);
// Whether the book shows the picture: the same size, and the same colour
// wherever the picture is not transparent.
bool showsPicture(const BookPreview *book, const QImage &picture);

// Japanese text arrives as an input method commits it.
void type(QWidget *editor, const QString &text);
// A file dragged from a file manager and let go over a point of a widget:
// the window finds the widget that takes drops there, as on a desktop.
void dropFile(QWidget *widget, QPoint position, const QString &file);
// Presses the button of the next message box that waits for an answer,
// once it is shown; what it said.
void answerNextBox(QMessageBox::StandardButton button, QString *said = nullptr);
// The shown message box of that name among the window's children.
QMessageBox *shownBox(const QWidget *window, const char *name);

#endif
