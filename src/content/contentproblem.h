#ifndef CONTENTPROBLEM_H
#define CONTENTPROBLEM_H

#include <QSize>
#include <QString>
#include <QStringList>

enum class WavProblem;

// What is wrong with one file of a content pack or of a teacher's source:
// the file as the user named it, the line (from 1; 0 for the whole file) and
// what is wrong, in words for the user.
struct ContentProblem
{
    QString file;
    int line = 0;
    QString what;

    // "file: what", or "file: 3行目what" for a line.
    QString text() const;
    // The words for a dialog: what is wrong, then the file on a line of its own.
    QString dialogText() const;
    bool operator==(const ContentProblem &) const = default;
};

using ContentProblems = QList<ContentProblem>;

QStringList texts(const ContentProblems &problems);

// Throws the problem as the Failure that ends the program with its report.
[[noreturn]] void raise(const ContentProblem &problem);

// Every sentence that tells a user what is wrong with a content file or a
// source file. A line's sentence follows its line number ("3行目") directly.
namespace ContentMessage {

// Reading any file.
QString fileMissing();
QString folderInPlaceOfFile();
QString fileInPlaceOfFolder();
QString fileTooLarge(qint64 limitBytes);
QString cannotRead(const QString &reason);

// The names list and the explanation texts of a pack.
QString tooFewNames(int needed, int found);
QString quoteLeftOpen(int name);
QString notShiftJis();
QString nameDiffersFromBoard(int entry, const QString &name, const QString &board);
QString lineTooWide(int width, int listWidth);
// A row of a text of more rows (rows) than the list shows (shown).
QString lineTooWideBesideScrollBar(int width, int listWidth, int rows, int shown);

// Pictures and sounds of a pack.
QString pictureDoesNotFit(QSize picture, QSize frame);
QString sound(WavProblem problem);

// A teacher's texts.
QString notUtf8();
// What the pack changed in a teacher's text to write it.
QString lookAlikeWritten(char32_t typed, QChar written);
QString notInCodePageLeftOut(char32_t character);
QString lineWrapped(int width, int listWidth, int rows);
QString lineWrappedBesideScrollBar(int width, int listWidth, int rows, int shown);
QString nothingWritable();

// A teacher's photographs.
QString pictureIsFolder();
QString notASourcePicture();
QString pictureCutShort();
QString pictureSizeUnreadable();
QString pictureTooLarge(QSize picture, qint64 limitPixels);
QString pictureCorrupt();
QString pictureNotMade();

// A teacher's recordings of the entries' names.
QString notAVoice();
QString voiceEmpty();
QString voiceCutShort();
QString voiceCorrupt(const QString &reason);
QString voiceChannels(int channels, int limit);
QString voiceRate(int rate, int lowest, int highest);
QString voiceSourceTooLong(int limitSeconds);
QString voiceSilent();
QString voiceTooLong(double seconds, int limitSeconds);
QString voiceNeedsConverting(const QString &format);

// The files of a source folder.
QString subfolderNotRead();
QString wrongKind(const QStringList &suffixes);
QString nameIsNoEntry(int entries);
QString filesForOneEntry(int entry, const QStringList &names);

// A source folder.
QString sourceMissing();

// Editing a source folder: folders that are not to be written into.
QString folderIsBundledPack();
QString folderIsInstalledPack();
QString folderIsMadePack();
QString folderInUse();

// Writing.
QString diskFull();
QString quotaExceeded();
QString noPermission();
QString readOnlyPlace();
QString cannotWrite(const QString &reason);

} // namespace ContentMessage

#endif
