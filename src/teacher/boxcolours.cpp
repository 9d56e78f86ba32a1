#include "teacher/boxcolours.h"
#include "records/leitner.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace BoxColours {

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

QColor background(int box, const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor highlight = palette.color(QPalette::Highlight);
    const double share = double(std::clamp(box, 0, Leitner::BoxCount)) / Leitner::BoxCount;
    const auto mix = [&](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(float(mix(base.redF(), highlight.redF())),
                            float(mix(base.greenF(), highlight.greenF())),
                            float(mix(base.blueF(), highlight.blueF())));
}

QColor text(int box, const QPalette &palette)
{
    const QColor back = background(box, palette);
    return contrast(back, Qt::black) >= contrast(back, Qt::white) ? QColor(Qt::black)
                                                                  : QColor(Qt::white);
}

QString meaning(int box)
{
    if (box <= 0)
        return QStringLiteral("まだ");
    if (box >= Leitner::LearnedBox)
        return QStringLiteral("箱 %1（おぼえた）").arg(box);
    return QStringLiteral("箱 %1").arg(box);
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

} // namespace BoxColours
