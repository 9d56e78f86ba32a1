#include "platform/fonts.h"

#include <QStringList>
#include <algorithm>

namespace {

// The faces the layouts name come first, under their Japanese and their
// English names; the IPA faces stand in where they are not installed.
const QStringList &familiesFor(Face face)
{
    static const QStringList mincho{QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"),
                                    QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                                    QStringLiteral("serif")};
    static const QStringList proportional{
        QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("MS PMincho"), QStringLiteral("IPAPMincho"),
        QStringLiteral("IPA P明朝"),   QStringLiteral("IPAMincho"),  QStringLiteral("serif")};
    return face == Face::PMincho ? proportional : mincho;
}

} // namespace

QFont fontFor(const FontSpec &wanted, qreal factor)
{
    QFont font;
    font.setFamilies(familiesFor(wanted.face));
    font.setPixelSize(std::max(1, int(wanted.pixelSize * factor)));
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
