#include "records/storefailure.h"
#include "records/serveraddress.h"

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
    case StoreProblem::BadAddress:
        return QStringLiteral("記録のサーバーのアドレス %1 は使えません（%2）。").arg(path, detail);
    case StoreProblem::Away:
        return QStringLiteral("記録のサーバー %1 につながりません（%2）。").arg(path, detail);
    case StoreProblem::Refused:
        return QStringLiteral("記録のサーバー %1 に入れません（%2）。").arg(path, detail);
    case StoreProblem::NotAllowed:
        return QStringLiteral("記録のサーバー %1 で、このロールにはできないことです（%2）。"
                              "hana-records --init の説明を見てください。")
            .arg(path, detail);
    case StoreProblem::Unavailable:
        break;
    }
    if (ServerAddress::isServer(path))
        return QStringLiteral("記録のサーバー %1 を使えません（%2）。").arg(path, detail);
    return QStringLiteral("記録のファイル %1 を使えません（%2）。").arg(path, detail);
}
