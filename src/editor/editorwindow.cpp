#include "editor/editorwindow.h"
#include "content/contentpack.h"
#include "editor/bookpreview.h"
#include "editor/editoractions.h"
#include "editor/editormessage.h"
#include "editor/editorsettings.h"
#include "editor/entrylist.h"
#include "editor/entrypage.h"
#include "editor/entrystates.h"
#include "editor/folderdialogs.h"
#include "editor/helpwindows.h"
#include "editor/packpanel.h"
#include "editor/roweditor.h"
#include "editor/shownpath.h"
#include "editor/strayfiles.h"
#include "editor/welcomepage.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextDocument>
#include <QVBoxLayout>

EditorWindow::EditorWindow(EditorSetup setup, QWidget *parent)
    : QMainWindow(parent), m_setup(std::move(setup)),
      m_previews(QSize(EntryModel::ThumbnailSide, EntryModel::ThumbnailSide)),
      m_states(new EntryStates(m_model, m_previews, this)), m_actions(new EditorActions(this)),
      m_dialogs(new FolderDialogs(this)), m_help(new HelpWindows(this))
{
    m_pages = new QStackedWidget(this);
    m_welcome = new WelcomePage(m_pages);
    m_pages->addWidget(m_welcome);
    m_pages->addWidget(makeEditingPage());
    m_blank = RowEditor::newDocument({}, rowEditor());
    rowEditor()->showDocument(m_blank);
    setCentralWidget(m_pages);

    m_folderLabel = new QLabel(this);
    statusBar()->addWidget(m_folderLabel, 1);
    m_pack = new PackPanel(m_setup.place, m_setup.program, this);
    statusBar()->addPermanentWidget(m_pack);
    connectActions();

    if (!restoreGeometry(EditorSettings::geometry())) {
        const QSize room = screen()->availableSize();
        resize(std::min(1120, room.width()), std::min(800, room.height() - 40));
    }
    updateActions();
}

// The editor is left with its own blank document, so that no document it
// shows is deleted under it.
EditorWindow::~EditorWindow()
{
    m_voices->setDocument(nullptr);
    rowEditor()->showDocument(m_blank);
}

BookPreview *EditorWindow::bookPreview() const
{
    return m_page->book();
}

RowEditor *EditorWindow::rowEditor() const
{
    return m_page->editor();
}

void EditorWindow::connectActions()
{
    const EditorActions &a = *m_actions;
    connect(a.newFolder, &QAction::triggered, m_dialogs, &FolderDialogs::askForNewFolder);
    connect(a.open, &QAction::triggered, m_dialogs, &FolderDialogs::askForFolder);
    connect(a.save, &QAction::triggered, this, &EditorWindow::saveAll);
    connect(a.pack, &QAction::triggered, this, &EditorWindow::askToMakePack);
    connect(a.view, &QAction::triggered, this, &EditorWindow::viewPack);
    connect(a.quit, &QAction::triggered, this, &QWidget::close);
    connect(a.undo, &QAction::triggered, rowEditor(), &QPlainTextEdit::undo);
    connect(a.redo, &QAction::triggered, rowEditor(), &QPlainTextEdit::redo);
    connect(a.photo, &QAction::triggered, this, &EditorWindow::askForPhoto);
    connect(a.revertPicture, &QAction::triggered, this, &EditorWindow::revertPicture);
    connect(a.revertText, &QAction::triggered, this, &EditorWindow::revertText);
    connect(a.help, &QAction::triggered, m_help, &HelpWindows::showHelp);
    connect(a.about, &QAction::triggered, m_help, &HelpWindows::showAbout);
    connect(m_voices, &VoicePanel::problem, this, &EditorWindow::showProblem);
    connect(m_voices, &VoicePanel::told, this,
            [this](const QString &message) { statusBar()->showMessage(message, 5000); });
    connect(m_voices, &VoicePanel::fileAsked, m_dialogs, &FolderDialogs::askForVoice);
    connect(m_dialogs, &FolderDialogs::voiceChosen, this,
            [this](const QString &file) { m_voices->takeFile(m_current, file); });
    connect(rowEditor(), &QPlainTextEdit::undoAvailable, a.undo, &QAction::setEnabled);
    connect(rowEditor(), &QPlainTextEdit::redoAvailable, a.redo, &QAction::setEnabled);

    connect(m_dialogs, &FolderDialogs::folderChosen, this, &EditorWindow::openChosen);
    connect(m_dialogs, &FolderDialogs::problem, this, &EditorWindow::showProblem);
    connect(m_dialogs, &FolderDialogs::photoChosen, this,
            [this](const QString &file) { setPhoto(m_current, file); });
    connect(m_welcome, &WelcomePage::makeFolder, m_dialogs, &FolderDialogs::makeFolder);
    connect(m_welcome, &WelcomePage::chooseFolder, a.open, &QAction::trigger);
    connect(m_welcome, &WelcomePage::openFolder, this, &EditorWindow::openChosen);
    connect(m_states, &EntryStates::pictureReady, this, [this](int entry) {
        if (entry == m_current)
            showBook();
    });
    connect(m_pack, &PackPanel::finished, this, &EditorWindow::packDone);
    connect(m_pack, &PackPanel::nameChosen, this, &EditorWindow::makePack);
    connect(m_pack, &PackPanel::problem, this, &EditorWindow::showProblem);
}

QWidget *EditorWindow::makeEditingPage()
{
    auto *splitter = new QSplitter(this);
    auto *left = new QWidget(splitter);
    auto *column = new QVBoxLayout(left);
    column->setContentsMargins(0, 0, 0, 0);
    m_list = new EntryList(&m_model, left);
    m_list->setMinimumWidth(250);
    column->addWidget(m_list, 1);
    m_stray = new StrayFiles(left);
    column->addWidget(m_stray);

    const EditorActions &a = *m_actions;
    m_voices = new VoicePanel({a.record, a.listen, a.removeVoice, a.restoreVoice, a.voiceFile},
                              m_setup.voices);
    m_page = new EntryPage({a.photo, a.revertPicture}, a.revertText, m_voices, splitter);
    splitter->setStretchFactor(1, 1);

    connect(m_list, &EntryList::entryChosen, this, &EditorWindow::chooseEntry);
    connect(m_list, &EntryList::photoDropped, this, &EditorWindow::setPhoto);
    connect(m_list, &EntryList::voiceDropped, m_voices, &VoicePanel::takeFile);
    connect(m_page->book(), &BookPreview::photoDropped, this,
            [this](const QString &file) { setPhoto(m_current, file); });
    return splitter;
}

void EditorWindow::showWelcome()
{
    m_welcome->offerFolders(m_setup.bundled);
    m_pages->setCurrentWidget(m_welcome);
    setWindowTitle(QString());
}

// Another folder is not opened while a pack is made of this one: its lock
// keeps the folder as the worker reads it.
std::optional<QString> EditorWindow::openFolder(const QString &folder)
{
    if (m_document && QFileInfo(folder).canonicalFilePath() == m_document->folder()) {
        m_pages->setCurrentIndex(1);
        return std::nullopt;
    }
    if (m_pack->isRunning())
        return EditorMessage::busyMakingPack();
    QString refusal;
    auto opened = SourceDocument::open(folder, m_setup.bundled, m_setup.saving, &refusal);
    if (!opened)
        return ContentProblem{withHomeShortened(folder), 0, refusal}.dialogText();
    closeFolder();
    m_document = std::move(opened);
    m_states->setDocument(m_document.get());
    m_voices->setDocument(m_document.get());
    connect(m_document.get(), &SourceDocument::textEdited, this, &EditorWindow::textEdited);
    connect(m_document.get(), &SourceDocument::textReplaced, this, &EditorWindow::textReplaced);
    connect(m_document.get(), &SourceDocument::filesChanged, this, &EditorWindow::refreshAll);
    connect(m_document.get(), &SourceDocument::saved, this, &EditorWindow::showSaved);
    EditorSettings::setLastFolder(m_document->folder());
    setWindowTitle(m_document->files().name() + QStringLiteral("[*]"));
    m_folderLabel->setText(withHomeShortened(m_document->folder()));
    m_pages->setCurrentIndex(1);
    const int entry = std::clamp(EditorSettings::lastEntry(m_document->folder()), 1,
                                 int(ContentPack::EntryCount));
    refreshAll();
    m_list->setCurrentEntry(entry);
    chooseEntry(entry);
    if (m_document->files().isReadOnly())
        m_dialogs->offerWritableCopy(m_document->folder());
    return std::nullopt;
}

void EditorWindow::closeFolder()
{
    if (!m_document)
        return;
    m_voices->setDocument(nullptr);
    saveAll();
    EditorSettings::setLastEntry(m_document->folder(), m_current);
    m_previews.clearQueue();
    rowEditor()->showDocument(m_blank);
    m_states->setDocument(nullptr);
    m_document.reset();
    m_current = 0;
}

void EditorWindow::chooseEntry(int entry)
{
    if (!m_document || entry < 1)
        return;
    QTextDocument *text = m_document->text(entry);
    if (entry != m_current || rowEditor()->document() != text) {
        m_current = entry;
        rowEditor()->showDocument(text);
        rowEditor()->setReadOnly(!m_document->readText(entry).editable);
    }
    m_page->showHeading(entry, SourceDocument::flower(entry));
    m_voices->showEntry(entry);
    if (m_list->currentEntry() != entry)
        m_list->setCurrentEntry(entry);
    showBook();
    updateActions();
}

QStringList EditorWindow::problems(int entry) const
{
    return m_model.state(entry).report.problems();
}

void EditorWindow::refreshAll()
{
    m_states->refreshAll();
    m_stray->showFiles(m_document->files().strayFiles());
    m_voices->showEntry(m_current);
    showBook();
    updateActions();
}

void EditorWindow::showBook()
{
    if (!m_document || m_current < 1)
        return;
    QImage picture;
    QString photo;
    const PictureSource source = m_states->shownPicture(m_current, &picture, &photo);
    const EntryReport &report = m_model.state(m_current).report;
    bookPreview()->showEntry(SourceDocument::flower(m_current), report.shownRows(), picture);
    m_page->showPicture(source, photo);
    m_page->showReport(report);
}

void EditorWindow::textEdited(int entry)
{
    setWindowModified(true);
    m_states->refresh(entry);
    if (entry == m_current) {
        showBook();
        updateActions();
    }
}

void EditorWindow::textReplaced(int entry)
{
    if (entry == m_current)
        chooseEntry(entry);
}

bool EditorWindow::saveAll()
{
    return !m_document || m_document->saveAll();
}

void EditorWindow::showSaved(bool allSaved)
{
    setWindowModified(!allSaved);
    if (allSaved)
        statusBar()->showMessage(QStringLiteral("保存しました。"), 3000);
    else
        statusBar()->showMessage(m_document->saveProblem());
    refreshAll();
}

void EditorWindow::setPhoto(int entry, const QString &file)
{
    if (!m_document || entry < 1)
        return;
    if (const auto problem = m_document->setPhoto(entry, file, m_previews)) {
        showProblem(*problem);
        return;
    }
    EditorSettings::setPhotoFolder(QFileInfo(file).path());
    chooseEntry(entry);
    statusBar()->showMessage(QStringLiteral("%1の写真にしました。元の写真はそのままです。")
                                 .arg(SourceDocument::flower(entry)),
                             5000);
}

void EditorWindow::revertPicture()
{
    if (!m_document || m_current < 1)
        return;
    if (const auto problem = m_document->removePhoto(m_current))
        showProblem(*problem);
}

void EditorWindow::revertText()
{
    if (!m_document || m_current < 1)
        return;
    if (const auto problem = m_document->revertText(m_current))
        showProblem(*problem);
}

void EditorWindow::updateActions()
{
    const EditorActions &a = *m_actions;
    const bool open = m_document != nullptr;
    const bool entry = open && m_current > 0;
    const bool running = m_pack->isRunning();
    a.newFolder->setEnabled(!running);
    a.open->setEnabled(!running);
    a.save->setEnabled(open);
    a.pack->setEnabled(open && !running);
    a.view->setEnabled(open && m_pack->isInstalled(packName()));
    a.undo->setEnabled(entry && rowEditor()->document()->isUndoAvailable());
    a.redo->setEnabled(entry && rowEditor()->document()->isRedoAvailable());
    a.photo->setEnabled(entry);
    a.revertPicture->setEnabled(entry && m_document->files().hasOwnPicture(m_current));
    a.revertText->setEnabled(
        entry && (m_document->ownText(m_current) || m_document->files().hasOwnText(m_current)));
}

QString EditorWindow::packName() const
{
    if (!m_document)
        return {};
    return EditorSettings::packName(m_document->folder(), m_document->files().name());
}

void EditorWindow::makePack(const QString &name)
{
    if (m_document && m_pack->make(name, *m_document, m_setup.bundled))
        EditorSettings::setPackName(m_document->folder(), name);
    updateActions();
}

void EditorWindow::packDone(const PackResult &result)
{
    updateActions();
    emit packFinished(result);
}

void EditorWindow::viewPack()
{
    m_pack->view(packName());
}

// A message the teacher reads while the window goes on working.
void EditorWindow::showProblem(const QString &problem)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("花の図鑑の内容づくり"),
                                problem, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("problem"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void EditorWindow::openChosen(const QString &folder)
{
    if (const auto problem = openFolder(folder))
        showProblem(*problem);
}

void EditorWindow::askForPhoto()
{
    if (m_current > 0)
        m_dialogs->askForPhoto(SourceDocument::flower(m_current));
}

// The teacher hears which flowers still have something to mend before the
// pack is made without their pictures or texts.
void EditorWindow::askToMakePack()
{
    QStringList unmended;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        if (!m_model.state(entry).report.clean())
            unmended << SourceDocument::flower(entry);
    m_pack->askToMake(unmended, packName());
}

// A pack being made is stopped only once the teacher has said to close.
void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (m_pack->isRunning()) {
        const auto answer = QMessageBox::question(
            this, QStringLiteral("パックを作っています"), EditorMessage::stillMaking(),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        m_pack->cancel();
    }
    // A take not ended is let go; a voice being made is saved.
    m_voices->finish();
    if (!saveAll()) {
        const auto answer = QMessageBox::warning(
            this, QStringLiteral("保存できません"),
            QStringLiteral("%1\n\n閉じると、保存できなかった説明は失われます。閉じますか？")
                .arg(m_document->saveProblem()),
            QMessageBox::Close | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Close) {
            event->ignore();
            return;
        }
    }
    if (m_document)
        EditorSettings::setLastEntry(m_document->folder(), m_current);
    EditorSettings::setGeometry(saveGeometry());
    m_help->close();
    event->accept();
}
