#include "content/contentpack.h"
#include "content/contentpath.h"
#include "platform/fonts.h"
#include "platform/listbox.h"
#include "platform/twips.h"

#include <QListWidget>
#include <QStyle>

namespace ContentPack {

const QStringList &folders()
{
    static const QStringList list{QStringLiteral("説明"), QStringLiteral("画像"),
                                  QStringLiteral("音")};
    return list;
}

const QStringList &fixedPictures()
{
    static const QStringList list{RightMark, WrongMark, GoldMedal, SilverMedal, CopperMedal};
    return list;
}

const QStringList &sounds()
{
    static const QStringList list{ButtonSound, EntrySound, RightSound,
                                  WrongSound,  PassSound,  FailSound};
    return list;
}

QStringList fixedFiles()
{
    return fixedPictures() + sounds();
}

QString entryText(int entry)
{
    return QStringLiteral("/説明/s") + EntryFileNumber(entry) + QStringLiteral(".txt");
}

QString entryPicture(int entry)
{
    return QStringLiteral("/画像/h") + EntryFileNumber(entry) + QStringLiteral(".gif");
}

QStringList boardNames()
{
    QStringList names;
    for (QStringView name : BoardNames)
        names << name.toString();
    return names;
}

int kanaRowOf(int entry)
{
    int row = 0;
    while (row + 1 < int(KanaRows.size()) && KanaRows[row + 1].firstEntry <= entry)
        ++row;
    return row;
}

QSize pictureFrame()
{
    return {twipsToPixels(PictureFrameWidth), twipsToPixels(PictureFrameHeight)};
}

QFont listFont()
{
    return fontFor(ListFont);
}

int listTextWidth()
{
    static const int width = [] {
        const ListBox box({.kind = ControlKind::List,
                           .name = QStringLiteral("List1"),
                           .width = ListWidth,
                           .height = ListHeight,
                           .font = ListFont},
                          nullptr);
        const int margin = box.view()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
        return twipsToPixels(ListWidth) - 2 * box.view()->frameWidth() - 2 * margin;
    }();
    return width;
}

} // namespace ContentPack
