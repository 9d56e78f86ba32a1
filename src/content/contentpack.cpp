#include "content/contentpack.h"
#include "content/contentpath.h"
#include "platform/fonts.h"
#include "platform/listbox.h"
#include "platform/twips.h"

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

QString entryVoice(int entry)
{
    return VoicesFolder + QStringLiteral("/k") + EntryFileNumber(entry) + QStringLiteral(".wav");
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

int listVisibleRows()
{
    return ListBox::visibleRows(twipsToPixels(ListHeight));
}

int listTextWidth()
{
    return ListBox::textWidth(twipsToPixels(ListWidth));
}

int listTextWidth(qsizetype rowCount)
{
    return rowCount > listVisibleRows()
               ? ListBox::textWidthBesideScrollBar(twipsToPixels(ListWidth))
               : listTextWidth();
}

// Code page 932 writes ASCII and the half-width katakana in one byte. A
// character outside the basic plane is written as two surrogates: the low
// one adds nothing.
int characterWidth(char16_t character)
{
    const int whole = ListFont.pixelSize;
    if (character < 0x80 || (character >= 0xFF61 && character <= 0xFF9F))
        return whole / 2;
    return QChar::isLowSurrogate(character) ? 0 : whole;
}

int rowWidth(QStringView row)
{
    int width = 0;
    for (const QChar character : row)
        width += characterWidth(character.unicode());
    return width;
}

} // namespace ContentPack
