#ifndef ENTRYPAGE_H
#define ENTRYPAGE_H

#include <QScrollArea>

class BookPreview;
class EntryReport;
class QLabel;
class RowEditor;

// Where the entry's picture in the book comes from, as the page tells it.
enum class PictureSource
{
    BeingMade,
    UnusablePhoto,
    Photo,
    Bundled,
};

// The chosen entry: its number and name with the picture's buttons, the
// book as the picture book shows it, where its picture comes from, its
// voice, the rows of its explanation to edit, and what is to be mended, in
// colours that read on the palette.
class EntryPage : public QScrollArea
{
    Q_OBJECT

public:
    // The buttons for the picture's and the text's actions stand beside
    // them; the voice's panel stands below the book.
    EntryPage(const QList<QAction *> &pictureActions, QAction *textAction, QWidget *voicePanel,
              QWidget *parent = nullptr);

    BookPreview *book() const { return m_book; }
    RowEditor *editor() const { return m_editor; }

    void showHeading(int entry, const QString &flower);
    void showPicture(PictureSource source, const QString &photo = {});
    void showReport(const EntryReport &report);
    QString problemsText() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void showShown();

    BookPreview *m_book;
    RowEditor *m_editor;
    QLabel *m_heading;
    QLabel *m_pictureStatus;
    QLabel *m_problems;
    PictureSource m_source = PictureSource::Bundled;
    QString m_photo;
    QStringList m_found;
    QStringList m_notes;
    bool m_textKeptOut = false;
};

#endif
