#include "pack/packsummary.h"
#include "content/contentpack.h"
#include "pack/packmessage.h"

namespace {

QString entryList(const QList<int> &entries)
{
    QStringList numbers;
    for (int entry : entries)
        numbers << QString::number(entry);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

QStringList PackSummary::lines() const
{
    QStringList lines;
    if (!made) {
        if (stopped)
            lines << PackMessage::stopped();
        lines << PackMessage::notMade(out);
        if (earlierPack)
            lines << PackMessage::earlierPackKept(out);
        return lines;
    }
    const int entries = ContentPack::EntryCount;
    lines << PackMessage::made(out);
    if (!picturesMade.isEmpty())
        lines << PackMessage::picturesFromSource(int(picturesMade.size()), entryList(picturesMade));
    if (!textsMade.isEmpty())
        lines << PackMessage::textsFromSource(int(textsMade.size()), entryList(textsMade));
    if (!voicesMade.isEmpty())
        lines << PackMessage::voicesFromSource(int(voicesMade.size()), entryList(voicesMade));
    lines << PackMessage::fromBundled(entries - int(picturesMade.size()),
                                      entries - int(textsMade.size()), fixedFiles);
    lines << PackMessage::namesFromBoard(entries);
    if (refused > 0)
        lines << PackMessage::refusedFiles(refused);
    if (!checkProblems.isEmpty())
        lines << PackMessage::checkFound(int(checkProblems.size()));
    if (!menuEntry.isEmpty())
        lines << PackMessage::menuEntryMade(menuTitle, menuEntry);
    return lines;
}
