#include "pack/debianname.h"

#include <QList>
#include <algorithm>

namespace {

// The parameters of Punycode (RFC 3492, section 5). The encoding starts
// from code point 0 instead of 128, since the characters not encoded are
// only a-z and 0-9: every other one, ASCII too, is counted.
constexpr quint64 Base = 36;
constexpr quint64 TMin = 1;
constexpr quint64 TMax = 26;
constexpr quint64 Skew = 38;
constexpr quint64 Damp = 700;
constexpr quint64 InitialBias = 72;

bool standsAsItIs(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

QChar digit(quint64 value)
{
    return QChar(value < 26 ? u'a' + char16_t(value) : u'0' + char16_t(value - 26));
}

quint64 adapt(quint64 delta, quint64 points, bool first)
{
    delta = first ? delta / Damp : delta / 2;
    delta += delta / points;
    quint64 k = 0;
    while (delta > ((Base - TMin) * TMax) / 2) {
        delta /= Base - TMin;
        k += Base;
    }
    return k + (Base - TMin + 1) * delta / (delta + Skew);
}

// One delta as a variable-length number of base 36 with the bias's
// thresholds.
QString variableLength(quint64 q, quint64 bias)
{
    QString out;
    for (quint64 k = Base;; k += Base) {
        const quint64 t = k <= bias ? TMin : k >= bias + TMax ? TMax : k - bias;
        if (q < t)
            break;
        out += digit(t + (q - t) % (Base - t));
        q = (q - t) / (Base - t);
    }
    return out + digit(q);
}

} // namespace

namespace DebianName {

QString encoded(const QString &packName)
{
    const QList<uint> input = packName.toUcs4();
    QString out;
    for (const uint c : input)
        if (standsAsItIs(c))
            out += QChar(c);
    const qsizetype kept = out.size();
    if (kept == input.size())
        return out;
    out += u'-';

    quint64 n = 0;
    quint64 delta = 0;
    quint64 bias = InitialBias;
    for (qsizetype handled = kept; handled < input.size(); ++delta, ++n) {
        uint next = UINT_MAX;
        for (const uint c : input)
            if (!standsAsItIs(c) && c >= n)
                next = std::min(next, c);
        delta += (next - n) * quint64(handled + 1);
        n = next;
        for (const uint c : input) {
            if (c < n || standsAsItIs(c)) {
                ++delta;
            } else if (c == n) {
                out += variableLength(delta, bias);
                bias = adapt(delta, quint64(handled + 1), handled == kept);
                delta = 0;
                ++handled;
            }
        }
    }
    return out;
}

QString packageName(const QString &packName)
{
    return QStringLiteral("hana-pack-") + encoded(packName);
}

} // namespace DebianName
