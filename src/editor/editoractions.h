#ifndef EDITORACTIONS_H
#define EDITORACTIONS_H

#include <QObject>

class QAction;
class QMainWindow;

// The editor's commands, each with its words, icon and keys, and the menus
// and tool bar that offer them. Who owns the window connects them.
class EditorActions : public QObject
{
    Q_OBJECT

public:
    explicit EditorActions(QMainWindow *window);

    QAction *newFolder, *open, *save, *pack, *view, *quit, *undo, *redo, *photo, *revertPicture,
        *revertText, *record, *listen, *removeVoice, *restoreVoice, *voiceFile, *help, *about;

private:
    QAction *make(const char *name, const QString &text, const char *icon,
                  const QList<QKeySequence> &keys);
    void addMenus(QMainWindow *window);
};

#endif
