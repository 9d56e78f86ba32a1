#include "editor/folderdialogs.h"
#include "content/contentproblem.h"
#include "editor/editormessage.h"
#include "editor/editorsettings.h"
#include "editor/shownpath.h"
#include "editor/sourcecopy.h"
#include "pack/packbuilder.h"
#include "pack/photoformats.h"
#include "pack/voiceprocessor.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

FolderDialogs::FolderDialogs(QWidget *parent) : QObject(parent) {}

QString FolderDialogs::defaultNewFolder()
{
    const QString base = QDir::homePath() + QStringLiteral("/花の図鑑の内容");
    QString folder = base;
    for (int number = 2; QFileInfo::exists(folder); ++number)
        folder = QStringLiteral("%1 %2").arg(base).arg(number);
    return folder;
}

QString FolderDialogs::existingFolder(const QStringList &candidates)
{
    for (const QString &folder : candidates)
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return QDir::homePath();
}

QFileDialog *FolderDialogs::dialog(const char *name, const QString &title, const QString &start)
{
    auto *dialog = new QFileDialog(qobject_cast<QWidget *>(parent()), title, start);
    dialog->setObjectName(QLatin1String(name));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog;
}

// The new folder is named in the dialog's name box, where a file's name
// would be; it is made once chosen.
void FolderDialogs::askForNewFolder()
{
    const QFileInfo folder(defaultNewFolder());
    QFileDialog *ask = dialog("newFolderDialog", QStringLiteral("新しいフォルダを作る"),
                              existingFolder({folder.path()}));
    ask->setAcceptMode(QFileDialog::AcceptSave);
    ask->setFileMode(QFileDialog::AnyFile);
    ask->setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
    ask->setNameFilter(QStringLiteral("フォルダ (*)"));
    ask->setLabelText(QFileDialog::FileName, QStringLiteral("フォルダ名:"));
    ask->setLabelText(QFileDialog::FileType, QStringLiteral("種類:"));
    ask->setLabelText(QFileDialog::Accept, QStringLiteral("作る"));
    ask->selectFile(folder.fileName());
    connect(ask, &QFileDialog::fileSelected, this, &FolderDialogs::makeFolder);
    ask->open();
}

void FolderDialogs::askForFolder()
{
    const QString last = EditorSettings::lastFolder();
    QFileDialog *ask = dialog("openFolderDialog", QStringLiteral("フォルダを開く"),
                              existingFolder({last.isEmpty() ? last : QFileInfo(last).path()}));
    ask->setFileMode(QFileDialog::Directory);
    ask->setOption(QFileDialog::ShowDirsOnly);
    explainFiles(ask);
    connect(ask, &QFileDialog::fileSelected, this, &FolderDialogs::folderChosen);
    ask->open();
}

// The dialog greys out its button for a file typed into its name box;
// the words under the box say why.
void FolderDialogs::explainFiles(QFileDialog *dialog)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!grid || !name)
        return;
    auto *why = new QLabel(dialog);
    why->setObjectName(QStringLiteral("notAFolder"));
    why->setWordWrap(true);
    why->hide();
    grid->addWidget(why, grid->rowCount(), 0, 1, grid->columnCount());
    connect(name, &QLineEdit::textChanged, why, [dialog, why](const QString &typed) {
        const QFileInfo file(QDir(dialog->directory()).filePath(typed));
        const bool isFile = !typed.isEmpty() && file.isFile();
        why->setText(isFile ? QStringLiteral("「%1」は").arg(file.fileName()) +
                                  EditorMessage::fileNotFolder()
                            : QString());
        why->setVisible(isFile);
    });
}

void FolderDialogs::askForPhoto(const QString &flower)
{
    const QString start =
        existingFolder({EditorSettings::photoFolder(),
                        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation)});
    QFileDialog *ask = dialog("photoDialog", QStringLiteral("%1の写真を選ぶ").arg(flower), start);
    ask->setFileMode(QFileDialog::ExistingFile);
    ask->setNameFilter(PhotoFormats::nameFilter());
    connect(ask, &QFileDialog::fileSelected, this, &FolderDialogs::photoChosen);
    ask->open();
}

void FolderDialogs::askForVoice(const QString &flower)
{
    const QString start =
        existingFolder({EditorSettings::voiceFolder(),
                        QStandardPaths::writableLocation(QStandardPaths::MusicLocation)});
    QFileDialog *ask =
        dialog("voiceDialog", QStringLiteral("%1の声のファイルを選ぶ").arg(flower), start);
    ask->setFileMode(QFileDialog::ExistingFile);
    QStringList patterns;
    for (const QString &suffix : VoiceProcessor::suffixes())
        patterns << QStringLiteral("*.") + suffix;
    ask->setNameFilter(QStringLiteral("声のファイル (%1)").arg(patterns.join(u' ')));
    connect(ask, &QFileDialog::fileSelected, this, [this](const QString &file) {
        EditorSettings::setVoiceFolder(QFileInfo(file).path());
        emit voiceChosen(file);
    });
    ask->open();
}

void FolderDialogs::makeFolder(const QString &folder)
{
    const QFileInfo info(folder);
    const QString shown = withHomeShortened(folder);
    if (info.exists() && !info.isDir())
        emit problem(ContentProblem{shown, 0, EditorMessage::fileNotFolder()}.dialogText());
    else if (!QDir().mkpath(folder))
        emit problem(ContentProblem{shown, 0, ContentMessage::noPermission()}.dialogText());
    else
        emit folderChosen(folder);
}

// The copy is made where the teacher may write, and chosen in its place.
void FolderDialogs::offerWritableCopy(const QString &source)
{
    const QString copy = copyFolderFor(source);
    auto *offer = new QMessageBox(QMessageBox::Warning, QStringLiteral("書き込めないフォルダ"),
                                  EditorMessage::readOnlyFolder(), QMessageBox::NoButton,
                                  qobject_cast<QWidget *>(parent()));
    offer->setObjectName(QStringLiteral("readOnlyOffer"));
    offer->setAttribute(Qt::WA_DeleteOnClose);
    offer->setInformativeText(EditorMessage::offerCopy(withHomeShortened(copy)));
    QPushButton *make =
        offer->addButton(QStringLiteral("写しを作って開く"), QMessageBox::AcceptRole);
    offer->addButton(QStringLiteral("このまま見る"), QMessageBox::RejectRole);
    offer->setDefaultButton(make);
    connect(make, &QPushButton::clicked, this, [this, source, copy] {
        if (const auto refused = copySourceFolder(source, copy))
            emit problem(EditorMessage::copyNotMade(*refused));
        else
            emit folderChosen(copy);
    });
    offer->open();
}
