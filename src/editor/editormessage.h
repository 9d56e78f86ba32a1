#ifndef EDITORMESSAGE_H
#define EDITORMESSAGE_H

#include <QString>
#include <QStringList>

// Every sentence the editor says to a teacher in its own words: what is
// wrong and what to do, without files, code points or pixels; hana-pack's
// own output keeps those. A sentence about one entry follows its flower's
// name, which withFlower puts first.
namespace EditorMessage {

QString withFlower(const QString &flower, const QString &what);

// An entry's explanation.
QString characterLeftOut(int row, const QString &character);
QString characterWritten(int row, const QString &typed, const QString &written);
QString rowWrapped(int row, int rows);
QString textKeptOut();
QString textInOldForm();
QString textUnreadable();
QString textCannotBeRead();
QString textNotSaved(const QString &reason);

// An entry's photograph.
QString photoUnusable();
QString photoRefused();
QString photoNotCopied(const QString &reason);
QString filesForOneEntry(bool pictures, const QStringList &names);
QString fileRefused(const QString &name, const QString &what);

// An entry's voice.
QString voicesForOneEntry(const QStringList &names);
QString voiceNotMade(const QString &file, const QString &what);
QString voiceNotSaved(const QString &reason);
QString voiceSaved(bool recorded);
QString voiceRemoved();
QString voiceRestored();
QString noMicrophone();
QString microphoneFailed(const QString &device);

// The folder.
QString strayFiles(const QStringList &files);
QString fileNotFolder();
QString busyMakingPack();
QString readOnlyFolder();
QString offerCopy(const QString &copy);
QString copyNotMade(const QString &reason);

// Making a pack.
QString unmended(const QStringList &flowers);
QString stoppedKeepingOld(const QString &name);
QString stoppedWithoutPack(const QString &name);
QString stillMaking();

} // namespace EditorMessage

#endif
