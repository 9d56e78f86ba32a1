#include "content/contentcheck.h"
#include "content/contentpack.h"
#include "content/contentpath.h"
#include "content/contenttext.h"
#include "content/entrynames.h"
#include "content/explanation.h"
#include "platform/failure.h"
#include "platform/picture.h"
#include "sound/wavfile.h"

#include <QFileInfo>

namespace {

QString firstLine(const QString &message)
{
    return message.section(QLatin1Char('\n'), 0, 0);
}

// Reads a text file and notes bytes that are neither CP932 nor UTF-8 text.
std::optional<QString> readText(const QString &path, ContentProblems *problems)
{
    const TextBytes read = readTextBytes(path);
    if (read.problem) {
        *problems << *read.problem;
        return std::nullopt;
    }
    bool valid = true;
    QString text = decodeContentText(read.bytes, &valid);
    if (!valid)
        *problems << ContentProblem{path, 0, ContentMessage::notShiftJis()};
    return text;
}

void checkNames(const QString &root, ContentProblems *problems)
{
    const QString path = ContentPath(root, ContentPack::NamesList);
    const auto text = readText(path, problems);
    if (!text)
        return;
    try {
        const QStringList names = parseEntryNames(*text, path);
        for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
            const QString board = ContentPack::BoardNames[size_t(entry - 1)].toString();
            if (names.at(entry - 1) != board)
                *problems << ContentProblem{
                    path, 0,
                    ContentMessage::nameDiffersFromBoard(entry, names.at(entry - 1), board)};
        }
    } catch (const Failure &failure) {
        *problems << ContentProblem{path, 0, firstLine(failure.message())};
    }
}

void checkExplanation(const QString &root, int entry, ContentProblems *problems)
{
    const QString path = EntryExplanationPath(root, entry);
    const auto text = readText(path, problems);
    if (!text)
        return;
    const QStringList lines = splitLines(*text);
    const int listWidth = ContentPack::listTextWidth(lines.size());
    const bool scrolls = lines.size() > ContentPack::listVisibleRows();
    for (int line = 0; line < lines.size(); ++line) {
        const int width = ContentPack::rowWidth(lines.at(line));
        if (width > listWidth)
            *problems << ContentProblem{
                path, line + 1,
                scrolls ? ContentMessage::lineTooWideBesideScrollBar(
                              width, listWidth, int(lines.size()), ContentPack::listVisibleRows())
                        : ContentMessage::lineTooWide(width, listWidth)};
    }
}

void checkPicture(const QString &path, std::optional<QSize> frame, ContentProblems *problems)
{
    try {
        const QImage picture = loadPicture(path);
        if (frame && (picture.width() > frame->width() || picture.height() > frame->height()))
            *problems << ContentProblem{path, 0,
                                        ContentMessage::pictureDoesNotFit(picture.size(), *frame)};
    } catch (const Failure &failure) {
        *problems << ContentProblem{path, 0, firstLine(failure.message())};
    }
}

void checkSound(const QString &path, ContentProblems *problems)
{
    const WavProblem found = checkWavFile(path);
    if (found != WavProblem::None)
        *problems << ContentProblem{path, 0, ContentMessage::sound(found)};
}

// An entry may have no voice; one it has plays through the same check as
// every sound, and must say a name: not too long, not silent.
void checkVoice(const QString &path, ContentProblems *problems)
{
    if (!QFileInfo::exists(path))
        return;
    const WavProblem found = checkVoiceFile(path);
    if (found != WavProblem::None)
        *problems << ContentProblem{path, 0, ContentMessage::sound(found)};
}

} // namespace

ContentProblems checkContent(const QString &root)
{
    ContentProblems problems;
    checkNames(root, &problems);
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry) {
        checkExplanation(root, entry, &problems);
        checkPicture(EntryPicturePath(root, entry), ContentPack::pictureFrame(), &problems);
        checkVoice(EntryVoicePath(root, entry), &problems);
    }
    for (const QString &picture : ContentPack::fixedPictures())
        checkPicture(ContentPath(root, picture), std::nullopt, &problems);
    for (const QString &sound : ContentPack::sounds())
        checkSound(ContentPath(root, sound), &problems);
    return problems;
}
