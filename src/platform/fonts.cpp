#include "fonts.h"

#include <QStringList>

QFont fontFor(const FontSpec &spec)
{
    QFont font;
    if (spec.face == Face::PMincho)
        font.setFamilies(QStringList{QStringLiteral("IPAPMincho"), QStringLiteral("IPA P明朝"),
                                     QStringLiteral("IPAMincho"), QStringLiteral("serif")});
    else
        font.setFamilies(QStringList{QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                                     QStringLiteral("serif")});
    font.setPixelSize(spec.pixelSize);
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
