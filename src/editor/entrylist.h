#ifndef ENTRYLIST_H
#define ENTRYLIST_H

#include <QImage>
#include <QTreeWidget>

// How one entry stands: its picture's thumbnail (null while it is being
// made), where its picture and text come from, and what is to be mended.
struct EntryState
{
    QImage thumbnail;
    bool ownPicture = false;
    bool ownText = false;
    QStringList problems;
};

// The entries in the order of the quiz board, under the kana rows of the
// picture book's index. Each shows its name, a thumbnail of its picture
// (marked when it is the bundled one), where picture and text come from,
// and a mark when something is to be mended. A screen reader finds each by
// its flower's name. A photograph dropped on an entry is offered to it.
class EntryList : public QTreeWidget
{
    Q_OBJECT

public:
    static constexpr int ThumbnailSide = 48;

    explicit EntryList(QWidget *parent = nullptr);

    int currentEntry() const;
    void setCurrentEntry(int entry);
    void showState(int entry, const EntryState &state);
    QTreeWidgetItem *entryItem(int entry) const { return m_entries.at(entry - 1); }

signals:
    void entryChosen(int entry);
    void photoDropped(int entry, const QString &file);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int entryAt(QPoint position) const;

    QList<QTreeWidgetItem *> m_entries;
};

#endif
