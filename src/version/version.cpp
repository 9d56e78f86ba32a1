#include "version/version.h"

QString versionNumber()
{
    return QStringLiteral(HANA_VERSION);
}

QString licenceText()
{
    return QStringLiteral(
        "Copyright (C) 2026 Hana Zukan developers\n"
        "ライセンス: GPL-3.0-or-later（GNU 一般公衆利用許諾書 第 3 版、またはそれ以降の版）\n"
        "<https://www.gnu.org/licenses/gpl-3.0.html>\n"
        "これはフリーソフトウェアです。変更して再配布できます。\n"
        "法律が許す限り、保証はありません。");
}

QString versionText()
{
    return versionNumber() + u'\n' + licenceText();
}
