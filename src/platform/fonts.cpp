#include "platform/fonts.h"

#include <QStringList>

QFont fontFor(const FontSpec &wanted)
{
    QFont font;
    if (wanted.face == Face::PMincho)
        font.setFamilies(QStringList{QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝"),
                                     QStringLiteral("IPAMincho"), QStringLiteral("serif")});
    else
        font.setFamilies(QStringList{QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                                     QStringLiteral("serif")});
    font.setPixelSize(wanted.pixelSize);
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
