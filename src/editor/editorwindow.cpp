#include "editor/editorwindow.h"
#include "content/contentpack.h"
#include "editor/bookpreview.h"
#include "editor/entrylist.h"
#include "editor/roweditor.h"
#include "editor/shownpath.h"
#include "editor/welcomepage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString DefaultFolderName = QStringLiteral("花の図鑑の内容");
const QString LastFolderKey = QStringLiteral("lastFolder");
const QString PhotoFolderKey = QStringLiteral("photoFolder");
const QString GeometryKey = QStringLiteral("geometry");
constexpr int RescanDelay = 300;
// The access key a menu item's words end with: "(&O)".
const QRegularExpression Mnemonic(QStringLiteral("\\(&.\\)"));

QSettings settings()
{
    return QSettings(QStringLiteral("hana"), QStringLiteral("hana-editor"));
}

// The pack name last used for a folder, under a key that any path can be.
QString packNameKey(const QString &folder)
{
    return QStringLiteral("packNames/") + QString::fromLatin1(folder.toUtf8().toHex());
}

QString fileStamp(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() ? QStringLiteral("%1 %2")
                               .arg(file.lastModified().toMSecsSinceEpoch())
                               .arg(file.size())
                         : QString();
}

QString boardName(int entry)
{
    return ContentPack::BoardNames[entry - 1].toString();
}

QLabel *wrappingLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QToolButton *buttonFor(QAction *action, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

QString htmlLines(const QStringList &lines)
{
    QStringList escaped;
    for (const QString &line : lines)
        escaped << line.toHtmlEscaped();
    return escaped.join(QStringLiteral("<br>"));
}

} // namespace

EditorWindow::EditorWindow(EditorSetup setup, QWidget *parent)
    : QMainWindow(parent), m_setup(std::move(setup)),
      m_previews(QSize(EntryList::ThumbnailSide, EntryList::ThumbnailSide))
{
    makeActions();
    m_pages = new QStackedWidget(this);
    m_welcome = new WelcomePage(m_pages);
    m_pages->addWidget(m_welcome);
    m_pages->addWidget(makeEditingPage());
    m_blank = RowEditor::newDocument({}, m_editor);
    m_editor->showDocument(m_blank);
    setCentralWidget(m_pages);
    makeMenus();

    m_folderLabel = new QLabel(this);
    statusBar()->addWidget(m_folderLabel, 1);
    m_progressStep = new QLabel(this);
    m_progressStep->setMinimumWidth(m_progressStep->fontMetrics().averageCharWidth() * 44);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setMaximumWidth(200);
    m_cancel = new QPushButton(QStringLiteral("止める"), this);
    m_cancel->setObjectName(QStringLiteral("cancelPack"));
    for (QWidget *widget : progressWidgets())
        statusBar()->addPermanentWidget(widget);
    showProgress(false);

    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(m_setup.saveDelay);
    m_rescanTimer.setSingleShot(true);
    m_rescanTimer.setInterval(RescanDelay);
    connect(&m_saveTimer, &QTimer::timeout, this, [this] { saveAll(); });
    connect(&m_rescanTimer, &QTimer::timeout, this, &EditorWindow::rescan);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { m_rescanTimer.start(); });
    connect(&m_previews, &PreviewCache::ready, this, &EditorWindow::previewReady);
    connect(&m_run, &PackRun::progress, this, &EditorWindow::packProgress);
    connect(&m_run, &PackRun::finished, this, &EditorWindow::packDone);
    connect(m_cancel, &QPushButton::clicked, &m_run, &PackRun::cancel);
    connect(m_welcome, &WelcomePage::makeFolder, this, &EditorWindow::makeDefaultFolder);
    connect(m_welcome, &WelcomePage::chooseFolder, this, &EditorWindow::askForFolder);
    connect(m_welcome, &WelcomePage::openLastFolder, this,
            [this] { openChosen(settings().value(LastFolderKey).toString()); });

    if (!restoreGeometry(settings().value(GeometryKey).toByteArray())) {
        const QSize room = screen()->availableSize();
        resize(std::min(1120, room.width()), std::min(800, room.height() - 40));
    }
    updateActions();
}

// The editor is left with its own blank document, so that no document it
// shows is deleted under it.
EditorWindow::~EditorWindow()
{
    m_editor->showDocument(m_blank);
}

void EditorWindow::makeActions()
{
    const auto make = [this](const QString &name, const QString &text, const char *icon,
                             const QList<QKeySequence> &keys, auto slot) {
        auto *action = new QAction(QIcon::fromTheme(QLatin1String(icon)), text, this);
        action->setObjectName(name);
        // A button shows the words without the menu's access key and dots.
        action->setIconText(QString(text).remove(Mnemonic).remove(u'…'));
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const auto standard = [](QKeySequence::StandardKey key) {
        return QKeySequence::keyBindings(key);
    };
    m_newAction = make("new", QStringLiteral("新しいフォルダ(&N)…"), "folder-new",
                       standard(QKeySequence::New), [this] { askForNewFolder(); });
    m_openAction = make("open", QStringLiteral("フォルダを開く(&O)…"), "document-open",
                        standard(QKeySequence::Open), [this] { askForFolder(); });
    m_saveAction = make("save", QStringLiteral("保存(&S)"), "document-save",
                        standard(QKeySequence::Save), [this] { saveAll(); });
    m_packAction = make("pack", QStringLiteral("パックを作る(&P)…"), "run-build", {},
                        [this] { askToMakePack(); });
    m_viewAction =
        make("view", QStringLiteral("図鑑で見る(&V)"), "view-preview", {}, [this] { viewPack(); });
    m_quitAction = make("quit", QStringLiteral("終了(&Q)"), "application-exit",
                        standard(QKeySequence::Quit), [this] { close(); });
    m_undoAction = make("undo", QStringLiteral("元に戻す(&U)"), "edit-undo",
                        standard(QKeySequence::Undo), [this] { m_editor->undo(); });
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence &key : standard(QKeySequence::Redo))
        if (!redoKeys.contains(key))
            redoKeys << key;
    m_redoAction = make("redo", QStringLiteral("やり直す(&R)"), "edit-redo", redoKeys,
                        [this] { m_editor->redo(); });
    m_photoAction = make("photo", QStringLiteral("写真を選ぶ(&I)…"), "insert-image", {},
                         [this] { askForPhoto(); });
    m_revertPictureAction = make("revertPicture", QStringLiteral("同梱の絵に戻す"), "edit-clear",
                                 {}, [this] { revertPicture(); });
    m_revertTextAction = make("revertText", QStringLiteral("同梱の説明に戻す"), "edit-clear", {},
                              [this] { revertText(); });
    m_helpAction = make("help", QStringLiteral("使い方(&H)"), "help-contents",
                        standard(QKeySequence::HelpContents), [this] { showHelp(); });
    m_aboutAction = make("about", QStringLiteral("花の図鑑の内容づくりについて(&A)"), "help-about",
                         {}, [this] { showAbout(); });
    m_packAction->setToolTip(
        QStringLiteral("写真と説明からパックを作り、メニューに「花の図鑑（名前）」を入れます"));
    m_viewAction->setToolTip(QStringLiteral("作ったパックで花の図鑑を始めます"));
}

void EditorWindow::makeMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addActions({m_newAction, m_openAction});
    file->addSeparator();
    file->addAction(m_saveAction);
    file->addSeparator();
    file->addActions({m_packAction, m_viewAction});
    file->addSeparator();
    file->addAction(m_quitAction);
    QMenu *edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->addActions({m_undoAction, m_redoAction});
    edit->addSeparator();
    edit->addActions({m_photoAction, m_revertPictureAction, m_revertTextAction});
    QMenu *help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->addActions({m_helpAction, m_aboutAction});

    QToolBar *tools = addToolBar(QStringLiteral("主なツールバー"));
    tools->setObjectName(QStringLiteral("mainToolBar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->setMovable(false);
    tools->addActions({m_openAction, m_saveAction});
    tools->addSeparator();
    tools->addActions({m_packAction, m_viewAction});
    tools->addSeparator();
    tools->addAction(m_helpAction);
}

QWidget *EditorWindow::makeEditingPage()
{
    auto *splitter = new QSplitter(this);
    m_list = new EntryList(splitter);
    m_list->setMinimumWidth(250);

    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    m_heading = new QLabel(panel);
    QFont large = m_heading->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_heading->setFont(large);
    auto *headingRow = new QHBoxLayout;
    headingRow->addWidget(m_heading);
    headingRow->addStretch();
    headingRow->addWidget(buttonFor(m_photoAction, panel));
    headingRow->addWidget(buttonFor(m_revertPictureAction, panel));
    layout->addLayout(headingRow);

    m_book = new BookPreview(panel);
    layout->addWidget(m_book, 0, Qt::AlignLeft);
    m_pictureStatus = wrappingLabel(panel);
    layout->addWidget(m_pictureStatus);

    auto *textRow = new QHBoxLayout;
    textRow->addWidget(new QLabel(QStringLiteral("<b>説明の文</b>　1行が図鑑の一覧の1行です。"
                                                 "青い点線のところで一覧が終わります。"),
                                  panel),
                       1);
    textRow->addWidget(buttonFor(m_revertTextAction, panel));
    layout->addLayout(textRow);
    m_editor = new RowEditor(panel);
    m_editor->setMinimumHeight(130);
    layout->addWidget(m_editor, 1);
    m_problems = wrappingLabel(panel);
    layout->addWidget(m_problems);

    auto *scroll = new QScrollArea(splitter);
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    splitter->setStretchFactor(1, 1);

    connect(m_list, &EntryList::entryChosen, this, &EditorWindow::chooseEntry);
    connect(m_list, &EntryList::photoDropped, this, &EditorWindow::setPhoto);
    connect(m_book, &BookPreview::photoDropped, this,
            [this](const QString &file) { setPhoto(m_current, file); });
    connect(m_editor, &QPlainTextEdit::undoAvailable, m_undoAction, &QAction::setEnabled);
    connect(m_editor, &QPlainTextEdit::redoAvailable, m_redoAction, &QAction::setEnabled);
    return splitter;
}

void EditorWindow::showWelcome()
{
    const QString last = settings().value(LastFolderKey).toString();
    const bool usable = !last.isEmpty() && !PackSource::refusal(last, m_setup.bundled);
    m_welcome->setFolders(defaultNewFolder(), usable ? last : QString());
    m_pages->setCurrentWidget(m_welcome);
    setWindowTitle(QString());
}

// ~/花の図鑑の内容, or the first of "~/花の図鑑の内容 2", ... that is free.
QString EditorWindow::defaultNewFolder() const
{
    const QString base = QDir::homePath() + u'/' + DefaultFolderName;
    QString folder = base;
    for (int number = 2; QFileInfo::exists(folder); ++number)
        folder = QStringLiteral("%1 %2").arg(base).arg(number);
    return folder;
}

std::optional<QString> EditorWindow::openFolder(const QString &folder)
{
    // The folder held here would refuse itself as held by another window.
    if (m_source && QFileInfo(folder).canonicalFilePath() == m_source->folder()) {
        m_pages->setCurrentIndex(1);
        return std::nullopt;
    }
    QString refusal;
    std::optional<PackSource> opened = PackSource::open(folder, m_setup.bundled, &refusal);
    if (!opened)
        return ContentProblem{folder, 0, refusal}.text();
    closeFolder();
    m_source = std::make_unique<PackSource>(std::move(*opened));
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        loadText(entry);
    settings().setValue(LastFolderKey, m_source->folder());
    setWindowTitle(m_source->name() + QStringLiteral("[*]"));
    m_folderLabel->setText(withHomeShortened(m_source->folder()));
    m_pages->setCurrentIndex(1);
    watchFolder();
    m_list->setCurrentEntry(1);
    chooseEntry(1);
    refreshAll();
    return std::nullopt;
}

void EditorWindow::closeFolder()
{
    if (!m_source)
        return;
    saveAll();
    m_previews.clearQueue();
    if (!m_watcher.directories().isEmpty())
        m_watcher.removePaths(m_watcher.directories());
    m_editor->showDocument(m_blank);
    for (EntryText &text : m_texts) {
        delete text.document;
        text = EntryText();
    }
    m_source.reset();
    m_current = 0;
}

// A text read again replaces its document only once the editor shows the
// new one.
void EditorWindow::loadText(int entry)
{
    EntryText &text = m_texts[entry];
    QTextDocument *old = text.document;
    text.read = m_source->readText(entry);
    text.bundled = m_source->bundledRows(entry);
    text.stamp = m_source->hasOwnText(entry) ? fileStamp(m_source->textPath(entry)) : QString();
    text.document = RowEditor::newDocument(text.read.rows, this);
    text.document->setModified(text.read.recoded);
    connect(text.document, &QTextDocument::contentsChanged, this,
            [this, entry] { textChanged(entry); });
    if (entry == m_current) {
        m_editor->showDocument(text.document);
        m_editor->setReadOnly(!text.read.editable);
    }
    delete old;
}

void EditorWindow::chooseEntry(int entry)
{
    if (!m_source || entry < 1)
        return;
    const EntryText &text = m_texts[entry];
    if (entry != m_current || m_editor->document() != text.document) {
        m_current = entry;
        m_editor->showDocument(text.document);
        m_editor->setReadOnly(!text.read.editable);
    }
    m_heading->setText(QStringLiteral("%1　%2").arg(entry).arg(boardName(entry)));
    if (m_list->currentEntry() != entry)
        m_list->setCurrentEntry(entry);
    showBook();
    updateActions();
}

bool EditorWindow::ownText(int entry) const
{
    const EntryText &text = m_texts[entry];
    if (!text.read.editable)
        return m_source->hasOwnText(entry);
    return RowEditor::rowsOf(text.document) != text.bundled;
}

QStringList EditorWindow::textProblems(int entry) const
{
    const EntryText &text = m_texts[entry];
    if (!text.read.editable || !ownText(entry))
        return {};
    const QByteArray bytes = PackSource::textBytes(RowEditor::rowsOf(text.document));
    const PackedText packed = m_packer.pack(bytes, m_source->relative(m_source->textPath(entry)));
    return texts(packed.problems + packed.notes);
}

// The photograph's picture once made, or the bundled one where there is no
// usable photograph, as the pack will hold it.
const Preview *EditorWindow::picturePreview(int entry, bool urgent, QString *problem)
{
    const QString photo = m_source->photo(entry);
    if (!photo.isEmpty()) {
        const Preview *made = m_previews.preview(photo, urgent);
        if (!made)
            return nullptr;
        if (made->problem.isEmpty())
            return made;
        *problem = ContentProblem{m_source->relative(photo), 0, made->problem}.text();
    }
    return m_previews.preview(m_source->bundledPicture(entry), urgent);
}

QStringList EditorWindow::problems(int entry)
{
    QStringList found = texts(m_source->fileProblems(entry));
    QString photoProblem;
    picturePreview(entry, false, &photoProblem);
    if (!photoProblem.isEmpty())
        found << photoProblem;
    if (const auto &read = m_texts[entry].read; read.problem)
        found << read.problem->text();
    return found + textProblems(entry);
}

void EditorWindow::refreshEntry(int entry)
{
    QString photoProblem;
    const Preview *preview = picturePreview(entry, false, &photoProblem);
    EntryState state;
    state.thumbnail = preview ? preview->thumbnail : QImage();
    state.ownPicture = !m_source->photo(entry).isEmpty() && photoProblem.isEmpty();
    state.ownText = ownText(entry);
    state.problems = problems(entry);
    m_list->showState(entry, state);
}

void EditorWindow::refreshAll()
{
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        refreshEntry(entry);
}

void EditorWindow::showBook()
{
    if (!m_source || m_current < 1)
        return;
    QString photoProblem;
    const Preview *preview = picturePreview(m_current, true, &photoProblem);
    m_book->showEntry(boardName(m_current), m_editor->rows(),
                      preview ? preview->picture : QImage());

    const QString photo = m_source->photo(m_current);
    QString status;
    if (!preview)
        status = QStringLiteral("絵を作っています…");
    else if (!photoProblem.isEmpty())
        status = QStringLiteral(
            "<span style='color:#c62828'>この写真は使えないので、同梱の絵のままです。</span>");
    else if (!photo.isEmpty())
        status = QStringLiteral("写真 %1 から作った絵です（図鑑の枠に合わせた大きさ、256色）。")
                     .arg(m_source->relative(photo).toHtmlEscaped());
    else
        status = QStringLiteral("同梱の絵です。写真をこの本か左の一覧の花に引いてくるか、"
                                "「写真を選ぶ」で選ぶと、その写真に変わります。");
    m_pictureStatus->setText(status);

    const QStringList found = problems(m_current);
    if (found.isEmpty()) {
        m_problems->setText(
            QStringLiteral("<span style='color:#2e7d32'>✓ 直すところはありません。</span>"));
        return;
    }
    QString notes;
    if (!textProblems(m_current).isEmpty())
        notes = QStringLiteral("<br>説明を直すまでは、パックには同梱の説明が入ります。");
    if (m_texts[m_current].read.recoded)
        notes +=
            QStringLiteral("<br>Shift-JIS の文として読みました。保存すると UTF-8 で書き直します。");
    QStringList marked;
    for (const QString &problem : found)
        marked << QStringLiteral("⚠ ") + problem;
    m_problems->setText(
        QStringLiteral("<span style='color:#c62828'>%1</span>%2").arg(htmlLines(marked), notes));
}

void EditorWindow::textChanged(int entry)
{
    m_saveTimer.start();
    setWindowModified(true);
    refreshEntry(entry);
    if (entry == m_current) {
        showBook();
        updateActions();
    }
}

void EditorWindow::previewReady(const QString &path)
{
    if (!m_source)
        return;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        if (m_source->photo(entry) != path && m_source->bundledPicture(entry) != path)
            continue;
        refreshEntry(entry);
        if (entry == m_current)
            showBook();
    }
}

bool EditorWindow::saveAll()
{
    if (!m_source)
        return true;
    m_saveTimer.stop();
    bool saved = true;
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        EntryText &text = m_texts[entry];
        if (!text.document->isModified() || !text.read.editable)
            continue;
        if (auto problem = m_source->saveText(entry, RowEditor::rowsOf(text.document))) {
            saved = false;
            m_saveProblem =
                ContentProblem{m_source->relative(problem->file), 0, problem->what}.text();
            continue;
        }
        text.document->setModified(false);
        if (text.read.recoded)
            text.read.problem.reset();
        text.read.recoded = false;
        text.stamp = m_source->hasOwnText(entry) ? fileStamp(m_source->textPath(entry)) : QString();
        refreshEntry(entry);
    }
    setWindowModified(!saved);
    if (saved)
        statusBar()->showMessage(QStringLiteral("保存しました。"), 3000);
    else
        statusBar()->showMessage(QStringLiteral("保存できません: %1").arg(m_saveProblem));
    showBook();
    updateActions();
    return saved;
}

void EditorWindow::setPhoto(int entry, const QString &file)
{
    if (!m_source || entry < 1)
        return;
    if (auto problem = m_source->setPhoto(entry, file)) {
        showProblem(ContentProblem{m_source->relative(problem->file), 0, problem->what}.text());
        return;
    }
    settings().setValue(PhotoFolderKey, QFileInfo(file).path());
    chooseEntry(entry);
    refreshEntry(entry);
    statusBar()->showMessage(QStringLiteral("写真を %1 に写しました。元の写真はそのままです。")
                                 .arg(m_source->relative(m_source->photo(entry))),
                             5000);
}

void EditorWindow::revertPicture()
{
    if (!m_source || m_current < 1)
        return;
    if (auto problem = m_source->removePhoto(m_current))
        showProblem(problem->text());
    refreshEntry(m_current);
    showBook();
    updateActions();
}

// The bundled rows take the place of the teacher's as one edit, which undo
// takes back; a text that could not be read is removed instead.
void EditorWindow::revertText()
{
    if (!m_source || m_current < 1)
        return;
    const EntryText &text = m_texts[m_current];
    if (text.read.editable) {
        QTextCursor cursor(text.document);
        cursor.select(QTextCursor::Document);
        cursor.insertText(text.bundled.join(u'\n'));
        saveAll();
        return;
    }
    if (auto problem = m_source->removeText(m_current))
        showProblem(problem->text());
    loadText(m_current);
    refreshEntry(m_current);
    showBook();
    updateActions();
}

// A text changed outside the editor is read again unless it has changes
// of its own that are not saved yet.
void EditorWindow::rescan()
{
    if (!m_source)
        return;
    m_source->rescan();
    watchFolder();
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        const EntryText &text = m_texts[entry];
        const QString stamp =
            m_source->hasOwnText(entry) ? fileStamp(m_source->textPath(entry)) : QString();
        if (!text.document->isModified() && stamp != text.stamp)
            loadText(entry);
    }
    refreshAll();
    showBook();
    updateActions();
}

void EditorWindow::watchFolder()
{
    const QString folder = m_source->folder();
    for (const QString &path :
         {folder, folder + QStringLiteral("/pictures"), folder + QStringLiteral("/texts")})
        if (QFileInfo(path).isDir() && !m_watcher.directories().contains(path))
            m_watcher.addPath(path);
}

void EditorWindow::updateActions()
{
    const bool open = m_source != nullptr;
    const bool entry = open && m_current > 0;
    m_saveAction->setEnabled(open);
    m_packAction->setEnabled(open && !m_run.isRunning());
    m_viewAction->setEnabled(open && QFileInfo(installedFolder()).isSymLink());
    m_undoAction->setEnabled(entry && m_editor->document()->isUndoAvailable());
    m_redoAction->setEnabled(entry && m_editor->document()->isRedoAvailable());
    m_photoAction->setEnabled(entry);
    m_revertPictureAction->setEnabled(entry && m_source->hasOwnPicture(m_current));
    m_revertTextAction->setEnabled(entry &&
                                   (ownText(m_current) || m_source->hasOwnText(m_current)));
}

QString EditorWindow::packName() const
{
    if (!m_source)
        return {};
    return settings().value(packNameKey(m_source->folder()), m_source->name()).toString();
}

QString EditorWindow::installedFolder() const
{
    return m_setup.place.folderOf(packName());
}

void EditorWindow::makePack(const QString &name)
{
    if (!m_source || m_run.isRunning())
        return;
    if (const auto problem = PackInstaller::nameProblem(name)) {
        showProblem(*problem);
        return;
    }
    if (!saveAll()) {
        showProblem(QStringLiteral("保存できない説明があるので、パックは作りません。\n%1")
                        .arg(m_saveProblem));
        return;
    }
    settings().setValue(packNameKey(m_source->folder()), name);
    PackOptions options;
    options.source = m_source->folder();
    options.bundled = m_setup.bundled;
    packProgress(QStringLiteral("パックを作り始めます…"), 0, 0);
    showProgress(true);
    m_run.start(name, options, m_setup.place, m_setup.program);
    updateActions();
}

QList<QWidget *> EditorWindow::progressWidgets() const
{
    return {m_progressStep, m_progressBar, m_cancel};
}

void EditorWindow::showProgress(bool shown)
{
    for (QWidget *widget : progressWidgets())
        widget->setVisible(shown);
}

void EditorWindow::packProgress(const QString &step, int done, int total)
{
    m_progressStep->setText(step);
    m_progressBar->setRange(0, total);
    m_progressBar->setValue(done);
}

void EditorWindow::packDone(const PackResult &result)
{
    showProgress(false);
    updateActions();
    showPackResult(result);
    emit packFinished(result);
}

void EditorWindow::showPackResult(const PackResult &result)
{
    if (m_summary)
        m_summary->deleteLater();
    m_summary = new QMessageBox(this);
    m_summary->setObjectName(QStringLiteral("packSummary"));
    m_summary->setWindowTitle(QStringLiteral("パックを作る"));
    m_summary->setIcon(result.summary.clean() ? QMessageBox::Information : QMessageBox::Warning);
    m_summary->setText(
        result.summary.made
            ? QStringLiteral("パック「%1」を作って、メニューに入れました。").arg(result.name)
            : QStringLiteral("パック「%1」は作りませんでした。").arg(result.name));
    // The source's files named from the folder, as the rest of the window names them.
    QStringList problems;
    for (const QString &line : texts(result.notes + result.problems))
        problems << (line.startsWith(m_source->folder() + u'/')
                         ? line.mid(m_source->folder().size() + 1)
                         : line);
    QStringList summary;
    for (const QString &line : result.summary.lines())
        summary << withHomeShortened(line);
    QString words = htmlLines(summary);
    if (!problems.isEmpty())
        words = QStringLiteral("<span style='color:#c62828'>%1</span><br><br>%2")
                    .arg(htmlLines(problems), words);
    m_summary->setInformativeText(words);
    m_summary->setStandardButtons(QMessageBox::Close);
    if (result.summary.made) {
        QPushButton *view =
            m_summary->addButton(QStringLiteral("図鑑で見る"), QMessageBox::AcceptRole);
        connect(view, &QPushButton::clicked, this, &EditorWindow::viewPack);
        m_summary->setDefaultButton(view);
    }
    m_summary->open();
}

void EditorWindow::viewPack()
{
    const QString folder = installedFolder();
    if (!QFileInfo::exists(folder)) {
        showProblem(QStringLiteral("パック「%1」はまだ入っていません。"
                                   "先に「パックを作る」で作ってください。")
                        .arg(packName()));
        return;
    }
    if (!QProcess::startDetached(m_setup.program, {QStringLiteral("--content"), folder}))
        showProblem(QStringLiteral("花の図鑑を始められません（%1）。").arg(m_setup.program));
}

// A message the teacher reads while the window goes on working.
void EditorWindow::showProblem(const QString &problem)
{
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("花の図鑑の内容づくり"),
                                problem, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void EditorWindow::showHelp()
{
    if (!m_help) {
        m_help = new QTextBrowser(this);
        m_help->setWindowFlag(Qt::Window);
        m_help->setObjectName(QStringLiteral("help"));
        m_help->setWindowTitle(QStringLiteral("使い方"));
        m_help->setOpenExternalLinks(true);
        m_help->setSource(QUrl(QStringLiteral("qrc:/editor/help.html")));
        m_help->resize(680, 640);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void EditorWindow::showAbout()
{
    QMessageBox::about(
        this, QStringLiteral("花の図鑑の内容づくりについて"),
        QStringLiteral("<h3>花の図鑑の内容づくり %1</h3>"
                       "<p>自分の写真と説明の文で、花の図鑑の内容のパックを作ります。</p>"
                       "<p>ライセンス: GPL-3.0-or-later（GNU 一般公衆利用許諾書 第3版、"
                       "またはそれ以降の版）。これはフリーソフトウェアです。</p>")
            .arg(QCoreApplication::applicationVersion()));
}

void EditorWindow::askForNewFolder()
{
    const QString folder = QFileDialog::getSaveFileName(
        this, QStringLiteral("新しいフォルダを作る"), defaultNewFolder(), QString(), nullptr,
        QFileDialog::DontConfirmOverwrite);
    if (folder.isEmpty())
        return;
    if (!QDir().mkpath(folder)) {
        showProblem(ContentProblem{folder, 0, ContentMessage::noPermission()}.text());
        return;
    }
    openChosen(folder);
}

void EditorWindow::makeDefaultFolder()
{
    const QString folder = defaultNewFolder();
    if (!QDir().mkpath(folder)) {
        showProblem(ContentProblem{folder, 0, ContentMessage::noPermission()}.text());
        return;
    }
    openChosen(folder);
}

void EditorWindow::askForFolder()
{
    const QString last = settings().value(LastFolderKey).toString();
    const QString folder = QFileDialog::getExistingDirectory(
        this, QStringLiteral("フォルダを開く"),
        last.isEmpty() ? QDir::homePath() : QFileInfo(last).path());
    if (!folder.isEmpty())
        openChosen(folder);
}

void EditorWindow::openChosen(const QString &folder)
{
    if (const auto problem = openFolder(folder))
        showProblem(*problem);
}

void EditorWindow::askForPhoto()
{
    if (m_current < 1)
        return;
    const QString start =
        settings()
            .value(PhotoFolderKey,
                   QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
            .toString();
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("%1の写真を選ぶ").arg(boardName(m_current)), start,
        QStringLiteral("写真 (*.jpg *.jpeg *.png *.webp *.JPG *.JPEG *.PNG *.WEBP)"));
    if (!file.isEmpty())
        setPhoto(m_current, file);
}

void EditorWindow::askToMakePack()
{
    bool chosen = false;
    const QString name = QInputDialog::getText(
        this, QStringLiteral("パックを作る"),
        QStringLiteral("パックの名前を決めてください。メニューには「花の図鑑（名前）」と出ます。\n"
                       "同じ名前のパックがあれば、新しく作ったものに置き換わります。"),
        QLineEdit::Normal, packName(), &chosen);
    if (chosen)
        makePack(name.trimmed());
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    m_run.cancel();
    if (!saveAll()) {
        const auto answer = QMessageBox::warning(
            this, QStringLiteral("保存できません"),
            QStringLiteral("%1\n\n閉じると、保存できなかった説明は失われます。閉じますか？")
                .arg(m_saveProblem),
            QMessageBox::Close | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Close) {
            event->ignore();
            return;
        }
    }
    settings().setValue(GeometryKey, saveGeometry());
    if (m_help)
        m_help->close();
    event->accept();
}
