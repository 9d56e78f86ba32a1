#include "editor/editormessage.h"

namespace EditorMessage {

QString withFlower(const QString &flower, const QString &what)
{
    return QStringLiteral("%1: %2").arg(flower, what);
}

QString characterLeftOut(int row, const QString &character)
{
    return QStringLiteral("説明の%1行目の「%2」は、図鑑に出せない字なので、パックには入りません。"
                          "消すか、ほかの字に書き換えてください。")
        .arg(row)
        .arg(character);
}

QString characterWritten(int row, const QString &typed, const QString &written)
{
    return QStringLiteral("説明の%1行目の「%2」は、図鑑では形の似た「%3」になります。")
        .arg(row)
        .arg(typed, written);
}

QString rowWrapped(int row, int rows)
{
    return QStringLiteral("説明の%1行目は一覧の幅より長いので、図鑑では%2行に分けて出ます。"
                          "分けるところを決めたいときは、そこで改行してください。")
        .arg(row)
        .arg(rows);
}

QString textKeptOut()
{
    return QStringLiteral("説明を直すまでは、パックには同梱の説明が入ります。");
}

QString textInOldForm()
{
    return QStringLiteral("説明のファイルは古い形式で書かれていました。"
                          "保存すると、今の形式で書き直します。");
}

QString textUnreadable()
{
    return QStringLiteral("説明のファイルに読めない字があるので、ここでは書き換えません。"
                          "「同梱の説明に戻す」でそのファイルを消してから、書き直してください。");
}

QString textCannotBeRead()
{
    return QStringLiteral("説明のファイルを読めません。「同梱の説明に戻す」で消してから、"
                          "書き直してください。");
}

QString textNotSaved(const QString &reason)
{
    return QStringLiteral("説明を保存できません。%1").arg(reason);
}

QString photoUnusable()
{
    return QStringLiteral("写真が壊れているか大きすぎて使えないので、同梱の絵のままです。"
                          "別の写真を選んでください。");
}

QString photoRefused()
{
    return QStringLiteral("この写真は壊れているか大きすぎて、図鑑の絵にできません。"
                          "フォルダには入れていません。別の写真を選んでください。");
}

QString photoNotCopied(const QString &reason)
{
    return QStringLiteral("写真をフォルダに入れられません。%1").arg(reason);
}

QString filesForOneEntry(bool pictures, const QStringList &names)
{
    const QString kind = pictures ? QStringLiteral("写真") : QStringLiteral("説明のファイル");
    return QStringLiteral("%1が %2 つあります（%3）。一つにしてください。"
                          "使わないほうをフォルダから消すか、選び直してください。")
        .arg(kind)
        .arg(names.size())
        .arg(names.join(QStringLiteral("、")));
}

QString fileRefused(const QString &name, const QString &what)
{
    return QStringLiteral("「%1」は使えません。%2").arg(name, what);
}

QString voicesForOneEntry(const QStringList &names)
{
    return QStringLiteral("声のファイルが %1 つあります（%2）。一つにしてください。"
                          "使わないほうをフォルダから消すか、録音し直してください。")
        .arg(names.size())
        .arg(names.join(QStringLiteral("、")));
}

QString voiceNotMade(const QString &file, const QString &what)
{
    return QStringLiteral("「%1」を声にできません。%2").arg(file, what);
}

QString voiceNotSaved(const QString &reason)
{
    return QStringLiteral("声をフォルダに保存できません。%1").arg(reason);
}

QString voiceSaved(bool recorded)
{
    return recorded ? QStringLiteral("声を録音して保存しました。")
                    : QStringLiteral(
                          "声のファイルから声を作って保存しました。元のファイルはそのままです。");
}

QString voiceRemoved()
{
    return QStringLiteral("声を消しました。「前の声に戻す」で戻せます。");
}

QString voiceRestored()
{
    return QStringLiteral("前の声に戻しました。");
}

QString noMicrophone()
{
    return QStringLiteral("マイクが見つかりません。マイクをつなぐと録音できます。"
                          "声のファイルを選ぶこともできます。");
}

QString microphoneFailed(const QString &device)
{
    return QStringLiteral("マイク「%1」から録音できませんでした。つながっているか確かめるか、"
                          "別のマイクを選んでください。")
        .arg(device);
}

QString strayFiles(const QStringList &files)
{
    return QStringLiteral("どの花のものでもないファイルがあり、パックには入りません。"
                          "花の名前か番号の名前にすると、その花のものになります。\n%1")
        .arg(files.join(u'\n'));
}

QString fileNotFolder()
{
    return QStringLiteral("フォルダではなく、ファイルです。"
                          "写真と説明を入れるフォルダを選んでください。");
}

QString busyMakingPack()
{
    return QStringLiteral("パックを作っている間は、ほかのフォルダを開いたり作ったりできません。"
                          "終わるのを待つか、「止める」を押してください。");
}

QString readOnlyFolder()
{
    return QStringLiteral("このフォルダには書き込めないので、写真や説明を変えても保存できません。");
}

QString offerCopy(const QString &copy)
{
    return QStringLiteral("書き込める写しを「%1」に作って、そちらを開きますか？"
                          "元のフォルダはそのまま残ります。")
        .arg(copy);
}

QString copyNotMade(const QString &reason)
{
    return QStringLiteral("写しを作れませんでした。%1").arg(reason);
}

QString unmended(const QStringList &flowers)
{
    return QStringLiteral("まだ直すところがある花があります: %1。\n"
                          "このまま作ると、その花には同梱の絵や説明が入ります。作りますか？")
        .arg(flowers.join(QStringLiteral("、")));
}

QString stoppedKeepingOld(const QString &name)
{
    return QStringLiteral("止めました。前に作ったパック「%1」は、そのまま残っています。").arg(name);
}

QString stoppedWithoutPack(const QString &name)
{
    return QStringLiteral("止めました。パック「%1」は作っていません。").arg(name);
}

QString stillMaking()
{
    return QStringLiteral("パックを作っている途中です。止めて閉じますか？\n"
                          "前に作ったパックがあれば、そのまま残ります。");
}

} // namespace EditorMessage
