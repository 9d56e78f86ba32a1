#include "editor/shownpath.h"

#include <QDir>
#include <QRegularExpression>

QString withHomeShortened(const QString &text)
{
    const QString home = QDir::homePath();
    if (home == QStringLiteral("/"))
        return text;
    // The home folder where it stands alone or starts a path.
    const QRegularExpression path(QStringLiteral("(^|[\\s:：「（(])") +
                                  QRegularExpression::escape(home) + QStringLiteral("(?=/|$)"));
    return QString(text).replace(path, QStringLiteral("\\1~"));
}
