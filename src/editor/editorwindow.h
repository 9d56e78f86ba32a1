#ifndef EDITORWINDOW_H
#define EDITORWINDOW_H

#include "editor/packrun.h"
#include "editor/packsource.h"
#include "editor/previewcache.h"
#include "pack/packinstaller.h"
#include "pack/textpacker.h"

#include <QFileSystemWatcher>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

class BookPreview;
class EntryList;
class QLabel;
class QMessageBox;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTextBrowser;
class QTextDocument;
class RowEditor;
class WelcomePage;

// Where the editor finds the bundled pack and the program, and puts packs.
struct EditorSetup
{
    QString bundled; // fills in what a source does not give
    QString program; // the command that starts the picture book
    PackPlace place;
    int saveDelay = 1000; // milliseconds after the last key until texts are saved
};

// The pack editor's window: the entries on the left; on the right the
// chosen entry as the picture book will show it, its explanation's rows to
// edit and what is to be mended. The texts are saved a moment after typing
// stops, before a pack is made and when the window closes; photographs are
// copied into the folder as soon as they are given.
class EditorWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit EditorWindow(EditorSetup setup, QWidget *parent = nullptr);
    ~EditorWindow() override;

    // Opens a source folder; what keeps it from being opened, or nothing.
    std::optional<QString> openFolder(const QString &folder);
    // Shows the choice of a new, an existing or the last folder.
    void showWelcome();
    // Writes every text changed since it was saved; false when one could not be.
    bool saveAll();
    void setPhoto(int entry, const QString &file);
    void revertPicture();
    void revertText();
    // Makes and installs the pack under that name; packFinished tells the end.
    void makePack(const QString &name);
    void viewPack();

    const PackSource *source() const { return m_source.get(); }
    int currentEntry() const { return m_current; }
    // What the chosen entry has to mend, as shown below its text.
    QStringList problems(int entry);
    EntryList *entryList() const { return m_list; }
    BookPreview *bookPreview() const { return m_book; }
    RowEditor *rowEditor() const { return m_editor; }
    PreviewCache &previews() { return m_previews; }
    QString packName() const;

signals:
    void packFinished(const PackResult &result);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // An entry's explanation: its document with its own undo history, what
    // was read, the bundled rows, and the file as it was last read or
    // written, to tell a change made outside.
    struct EntryText
    {
        QTextDocument *document = nullptr;
        SourceText read;
        QStringList bundled;
        QString stamp;
    };

    void makeActions();
    void makeMenus();
    QWidget *makeEditingPage();
    void closeFolder();
    void loadText(int entry);
    void chooseEntry(int entry);
    void refreshEntry(int entry);
    void refreshAll();
    void showBook();
    void textChanged(int entry);
    void previewReady(const QString &path);
    void rescan();
    void watchFolder();
    void updateActions();
    QList<QWidget *> progressWidgets() const;
    void showProgress(bool shown);
    void packProgress(const QString &step, int done, int total);
    void packDone(const PackResult &result);
    void showPackResult(const PackResult &result);
    void showProblem(const QString &problem);
    void showHelp();
    void showAbout();
    void askForNewFolder();
    void askForFolder();
    void makeDefaultFolder();
    void askForPhoto();
    void askToMakePack();
    void openChosen(const QString &folder);

    bool ownText(int entry) const;
    QStringList textProblems(int entry) const;
    QString defaultNewFolder() const;
    const Preview *picturePreview(int entry, bool urgent, QString *problem);
    QString installedFolder() const;

    EditorSetup m_setup;
    TextPacker m_packer;
    PreviewCache m_previews;
    PackRun m_run;
    std::unique_ptr<PackSource> m_source;
    std::array<EntryText, 61> m_texts; // by entry, from 1
    int m_current = 0;
    QString m_saveProblem;
    QTimer m_saveTimer;
    QTimer m_rescanTimer;
    QFileSystemWatcher m_watcher;

    QStackedWidget *m_pages;
    WelcomePage *m_welcome;
    EntryList *m_list;
    BookPreview *m_book;
    RowEditor *m_editor;
    QLabel *m_heading;
    QLabel *m_pictureStatus;
    QLabel *m_problems;
    QLabel *m_folderLabel;
    QLabel *m_progressStep;
    QProgressBar *m_progressBar;
    QPushButton *m_cancel;
    QMessageBox *m_summary = nullptr;
    QTextBrowser *m_help = nullptr;
    QTextDocument *m_blank; // in the editor while no entry is shown

    QAction *m_newAction, *m_openAction, *m_saveAction, *m_packAction, *m_viewAction, *m_quitAction,
        *m_undoAction, *m_redoAction, *m_photoAction, *m_revertPictureAction, *m_revertTextAction,
        *m_helpAction, *m_aboutAction;
};

#endif
