#ifndef ENTRYLIST_H
#define ENTRYLIST_H

#include <QTreeView>

class EntryModel;
class QMimeData;

// The view of the entries under their kana rows' headings. The keys pass
// over the headings; a photograph or a sound file dropped on an entry is
// offered to it.
class EntryList : public QTreeView
{
    Q_OBJECT

public:
    explicit EntryList(EntryModel *model, QWidget *parent = nullptr);

    EntryModel *entries() const { return m_model; }
    int currentEntry() const;
    void setCurrentEntry(int entry);
    // Where the entry is drawn, in the viewport.
    QRect entryRect(int entry) const;

signals:
    void entryChosen(int entry);
    void photoDropped(int entry, const QString &file);
    void voiceDropped(int entry, const QString &file);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void changeEvent(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int entryAt(QPoint position) const;
    static bool carriesFile(const QMimeData *data);
    void takeLook();

    EntryModel *m_model;
};

#endif
