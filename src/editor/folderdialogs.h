#ifndef FOLDERDIALOGS_H
#define FOLDERDIALOGS_H

#include <QObject>

class QFileDialog;
class QWidget;

// The editor's file dialogs, shown without stopping the window: where a
// new folder goes, which folder to open, which photograph or sound file to
// take, and the
// offer of a writable copy of a folder that cannot be written. Each starts
// in a folder that exists and says what it asks for in its own words.
class FolderDialogs : public QObject
{
    Q_OBJECT

public:
    explicit FolderDialogs(QWidget *parent);

    void askForNewFolder();
    // Starts beside the folder opened last.
    void askForFolder();
    // Starts where the last photograph came from, or in the pictures folder.
    void askForPhoto(const QString &flower);
    // Starts where the last sound file came from, or in the music folder.
    void askForVoice(const QString &flower);
    // Makes the folder and chooses it, unless it cannot be made.
    void makeFolder(const QString &folder);
    void offerWritableCopy(const QString &source);

    // ~/花の図鑑の内容, or the first of "~/花の図鑑の内容 2", ... that is free.
    static QString defaultNewFolder();
    // The first of the folders that exists, else the home folder.
    static QString existingFolder(const QStringList &candidates);

signals:
    void folderChosen(const QString &folder);
    void photoChosen(const QString &file);
    void voiceChosen(const QString &file);
    void problem(const QString &problem);

private:
    QFileDialog *dialog(const char *name, const QString &title, const QString &start);
    static void explainFiles(QFileDialog *dialog);
};

#endif
