#ifndef EDITORWINDOW_H
#define EDITORWINDOW_H

#include "editor/entrymodel.h"
#include "editor/packrun.h"
#include "editor/previewcache.h"
#include "editor/sourcedocument.h"
#include "editor/voicepanel.h"
#include "pack/packinstaller.h"

#include <QMainWindow>
#include <memory>

class BookPreview;
class EditorActions;
class EntryList;
class EntryPage;
class EntryStates;
class FolderDialogs;
class HelpWindows;
class PackPanel;
class QLabel;
class StrayFiles;
class QStackedWidget;
class QTextDocument;
class RowEditor;
class WelcomePage;

// Where the editor finds the bundled pack and the program, puts packs,
// when it saves, and how it records and plays voices.
struct EditorSetup
{
    QString bundled; // fills in what a source does not give
    QString program; // the command that starts the picture book
    PackPlace place;
    SaveTiming saving;
    VoiceSetup voices{};
};

// The pack editor's window: the entries on the left; on the right the
// chosen entry as the picture book will show it, its voice, its
// explanation's rows to edit and what is to be mended; the making of a pack
// in the status bar.
// It arranges those parts and carries the teacher's commands to them.
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
    // Takes a photograph as the entry's once it is found to give a picture.
    void setPhoto(int entry, const QString &file);
    void revertPicture();
    void revertText();
    // Makes and installs the pack under that name; packFinished tells the end.
    void makePack(const QString &name);
    void viewPack();

    const SourceDocument *source() const { return m_document.get(); }
    int currentEntry() const { return m_current; }
    // What the entry has to mend, as shown below its text.
    QStringList problems(int entry) const;
    EntryList *entryList() const { return m_list; }
    EntryPage *entryPage() const { return m_page; }
    VoicePanel *voicePanel() const { return m_voices; }
    BookPreview *bookPreview() const;
    RowEditor *rowEditor() const;
    PreviewCache &previews() { return m_previews; }
    QString packName() const;

signals:
    void packFinished(const PackResult &result);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectActions();
    QWidget *makeEditingPage();
    void closeFolder();
    void chooseEntry(int entry);
    void refreshAll();
    void showBook();
    void textEdited(int entry);
    void textReplaced(int entry);
    void showSaved(bool allSaved);
    void updateActions();
    void packDone(const PackResult &result);
    void showProblem(const QString &problem);
    void askForPhoto();
    void askToMakePack();
    void openChosen(const QString &folder);

    EditorSetup m_setup;
    PreviewCache m_previews;
    EntryModel m_model;
    std::unique_ptr<SourceDocument> m_document;
    int m_current = 0;
    EntryStates *m_states;

    EditorActions *m_actions;
    FolderDialogs *m_dialogs;
    QStackedWidget *m_pages;
    WelcomePage *m_welcome;
    EntryList *m_list;
    EntryPage *m_page;
    VoicePanel *m_voices;
    StrayFiles *m_stray;
    QLabel *m_folderLabel;
    PackPanel *m_pack;
    HelpWindows *m_help;
    QTextDocument *m_blank; // in the editor while no entry is shown
};

#endif
