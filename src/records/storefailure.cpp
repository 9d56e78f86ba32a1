#include "records/storefailure.h"

QString StoreFailure::message() const
{
    switch (problem) {
    case StoreProblem::Corrupt:
        return QStringLiteral("記録のファイル %1 はこわれていて読めません（%2）。"
                              "ファイルはそのままにしてあります。")
            .arg(path, detail);
    case StoreProblem::Newer:
        return QStringLiteral("記録のファイル %1 は、この花の図鑑より新しい版で作られています"
                              "（形式 %2）。新しい版の花の図鑑で使ってください。")
            .arg(path, detail);
    case StoreProblem::Foreign:
        return QStringLiteral("%1 は花の図鑑の記録のファイルではありません。"
                              "ファイルはそのままにしてあります。")
            .arg(path);
    case StoreProblem::ReadOnly:
        return QStringLiteral("記録のファイル %1 に書きこめません（%2）。").arg(path, detail);
    case StoreProblem::NoFolder:
        return QStringLiteral("記録のフォルダー %1 を作れません（%2）。").arg(path, detail);
    case StoreProblem::DiskFull:
        return QStringLiteral("ディスクがいっぱいで、記録のファイル %1 に書きこめません。")
            .arg(path);
    case StoreProblem::Unavailable:
        break;
    }
    return QStringLiteral("記録のファイル %1 を使えません（%2）。").arg(path, detail);
}
