#include "editor/editoractions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>

namespace {

// The access key a menu item's words end with: "(&O)".
const QRegularExpression Mnemonic(QStringLiteral("\\(&.\\)"));

QList<QKeySequence> standard(QKeySequence::StandardKey key)
{
    return QKeySequence::keyBindings(key);
}

QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence &key : standard(QKeySequence::Redo))
        if (!keys.contains(key))
            keys << key;
    return keys;
}

} // namespace

EditorActions::EditorActions(QMainWindow *window) : QObject(window)
{
    newFolder = make("new", QStringLiteral("新しいフォルダ(&N)…"), "folder-new",
                     standard(QKeySequence::New));
    open = make("open", QStringLiteral("フォルダを開く(&O)…"), "document-open",
                standard(QKeySequence::Open));
    save = make("save", QStringLiteral("保存(&S)"), "document-save", standard(QKeySequence::Save));
    pack = make("pack", QStringLiteral("パックを作る(&P)…"), "run-build", {});
    view = make("view", QStringLiteral("図鑑で見る(&V)"), "view-preview", {});
    quit =
        make("quit", QStringLiteral("終了(&Q)"), "application-exit", standard(QKeySequence::Quit));
    undo = make("undo", QStringLiteral("元に戻す(&U)"), "edit-undo", standard(QKeySequence::Undo));
    redo = make("redo", QStringLiteral("やり直す(&R)"), "edit-redo", redoKeys());
    photo = make("photo", QStringLiteral("写真を選ぶ(&I)…"), "insert-image", {});
    revertPicture = make("revertPicture", QStringLiteral("同梱の絵に戻す"), "edit-clear", {});
    revertText = make("revertText", QStringLiteral("同梱の説明に戻す"), "edit-clear", {});
    record = make("record", QStringLiteral("録音(&R)"), "media-record", {Qt::CTRL | Qt::Key_R});
    listen =
        make("listen", QStringLiteral("聞く(&L)"), "media-playback-start", {Qt::CTRL | Qt::Key_L});
    removeVoice = make("removeVoice", QStringLiteral("声を消す"), "edit-delete", {});
    restoreVoice = make("restoreVoice", QStringLiteral("前の声に戻す"), "edit-undo", {});
    voiceFile = make("voiceFile", QStringLiteral("声のファイルを選ぶ(&W)…"), "document-open", {});
    help = make("help", QStringLiteral("使い方(&H)"), "help-contents",
                standard(QKeySequence::HelpContents));
    about = make("about", QStringLiteral("花の図鑑の内容づくりについて(&A)"), "help-about", {});
    pack->setToolTip(
        QStringLiteral("写真と説明からパックを作り、メニューに「花の図鑑（名前）」を入れます"));
    view->setToolTip(QStringLiteral("作ったパックで花の図鑑を始めます"));
    addMenus(window);
}

QAction *EditorActions::make(const char *name, const QString &text, const char *icon,
                             const QList<QKeySequence> &keys)
{
    auto *action = new QAction(QIcon::fromTheme(QLatin1String(icon)), text, parent());
    action->setObjectName(QLatin1String(name));
    // A button shows the words without the menu's access key and dots.
    action->setIconText(QString(text).remove(Mnemonic).remove(u'…'));
    action->setShortcuts(keys);
    return action;
}

void EditorActions::addMenus(QMainWindow *window)
{
    QMenu *file = window->menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addActions({newFolder, open});
    file->addSeparator();
    file->addAction(save);
    file->addSeparator();
    file->addActions({pack, view});
    file->addSeparator();
    file->addAction(quit);
    QMenu *edit = window->menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->addActions({undo, redo});
    edit->addSeparator();
    edit->addActions({photo, revertPicture, revertText});
    edit->addSeparator();
    edit->addActions({record, listen, removeVoice, restoreVoice, voiceFile});
    QMenu *helpMenu = window->menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    helpMenu->addActions({help, about});

    QToolBar *tools = window->addToolBar(QStringLiteral("主なツールバー"));
    tools->setObjectName(QStringLiteral("mainToolBar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->setMovable(false);
    tools->addActions({open, save});
    tools->addSeparator();
    tools->addActions({pack, view});
    tools->addSeparator();
    tools->addAction(help);
}
