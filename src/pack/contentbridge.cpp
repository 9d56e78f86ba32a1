#include "pack/contentbridge.h"
#include "check/expectations.h"
#include "content/contentcheck.h"
#include "content/contentpath.h"
#include "content/datapath.h"
#include "content/explanation.h"
#include "content/textfile.h"
#include "platform/failure.h"
#include "screens/quiz/quizboard.h"

#include <QCoreApplication>

namespace {

// The screens' expectations are measured on a real list widget, once.
const ContentExpectations &expectations()
{
    static const ContentExpectations expected = screenExpectations();
    return expected;
}

// A content path helper's result without the data root in front.
QString relative(const QString &path)
{
    return path.mid(DataPath.size());
}

} // namespace

namespace ContentBridge {

QStringList boardNames()
{
    QStringList names;
    for (QStringView name : QuizBoard::Names)
        names << name.toString();
    return names;
}

QSize pictureFrame()
{
    return expectations().pictureFrame;
}

QFont listFont()
{
    return expectations().listFont;
}

int listTextWidth()
{
    return expectations().listTextWidth;
}

QString namesListFile()
{
    return ContentFile::Names;
}

QString entryTextFile(int entry)
{
    return relative(EntryExplanationPath(entry));
}

QString entryPictureFile(int entry)
{
    return relative(EntryPicturePath(entry));
}

QStringList fixedFiles()
{
    return {ContentFile::RightMark,   ContentFile::WrongMark,   ContentFile::GoldMedal,
            ContentFile::SilverMedal, ContentFile::CopperMedal, ContentFile::ButtonSound,
            ContentFile::EntrySound,  ContentFile::RightSound,  ContentFile::WrongSound,
            ContentFile::PassSound,   ContentFile::FailSound};
}

QStringList splitLines(const QString &text)
{
    return ::splitLines(text);
}

bool readTextBytes(const QString &path, QByteArray *bytes, QString *problem)
{
    try {
        *bytes = readContentBytes(path);
        return true;
    } catch (const Failure &failure) {
        *problem = failure.message().section(QLatin1Char('\n'), 0, 0);
        return false;
    }
}

QStringList checkFolder(const QString &root)
{
    return checkContent(root, expectations());
}

QString bundledRoot()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace ContentBridge
