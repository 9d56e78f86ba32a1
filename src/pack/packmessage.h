#ifndef PACKMESSAGE_H
#define PACKMESSAGE_H

#include <QString>

// Every sentence that hana-pack and the editor's pack run say of making,
// installing and removing a pack: the steps, what keeps a run from making
// one, and the summary. What is wrong with one source file is said by
// ContentMessage, as the content check says it.
namespace PackMessage {

// A pack's name.
QString nameEmpty();
QString nameHasControl();
QString nameHasSlash(const QString &name);
QString nameStartsWithDot(const QString &name);
QString nameTooLong(const QString &name, int bytes);

// The steps of a run.
QString copyingBundled();
QString makingFile(const QString &kind, int done, int total, const QString &fileName);
QString checkingResult();

// The source and the result's place.
QString sourceHoldsNeither(const QString &pictures, const QString &texts, const QString &voices);
QString sourceFolderMissing(const QString &kind);
QString resultExists();
QString resultIsNoPack();
QString resultFolderMissing();
QString workFolderNotMade(const QString &reason);
QString workFolderBusy();

// Installed packs.
QString menuEntryInvalid(const QString &complaints);
QString notInstalled(const QString &name);
QString removed(const QString &name, const QString &title);

// The summary of a run.
QString stopped();
QString notMade(const QString &out);
QString earlierPackKept(const QString &out);
QString made(const QString &out);
QString picturesFromSource(int count, const QString &entries);
QString textsFromSource(int count, const QString &entries);
QString voicesFromSource(int count, const QString &entries);
QString fromBundled(int pictures, int texts, int fixedFiles);
QString namesFromBoard(int entries);
QString refusedFiles(int count);
QString checkFound(int count);
QString menuEntryMade(const QString &title, const QString &entry);

} // namespace PackMessage

#endif
