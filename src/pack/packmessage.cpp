#include "pack/packmessage.h"

namespace PackMessage {

QString nameEmpty()
{
    return QStringLiteral("パックの名前が空です。");
}

QString nameHasControl()
{
    return QStringLiteral("パックの名前に改行などの制御文字は使えません。");
}

QString nameHasSlash(const QString &name)
{
    return QStringLiteral("パックの名前「%1」に「/」は使えません。").arg(name);
}

QString nameStartsWithDot(const QString &name)
{
    return QStringLiteral("パックの名前「%1」は「.」で始められません。").arg(name);
}

QString nameTooLong(const QString &name, int bytes)
{
    return QStringLiteral("パックの名前「%1」が長すぎます（%2 バイトまで）。").arg(name).arg(bytes);
}

QString copyingBundled()
{
    return QStringLiteral("同梱のパックを写しています…");
}

QString makingFile(const QString &kind, int done, int total, const QString &fileName)
{
    return QStringLiteral("%1 %2 / %3: %4").arg(kind).arg(done).arg(total).arg(fileName);
}

QString checkingResult()
{
    return QStringLiteral("できた内容を確かめています…");
}

QString sourceHoldsNeither(const QString &pictures, const QString &texts, const QString &voices)
{
    return QStringLiteral("中に %1 のフォルダも %2 のフォルダも %3 のフォルダもありません。")
        .arg(pictures, texts, voices);
}

QString sourceFolderMissing(const QString &kind)
{
    return QStringLiteral("フォルダがないので、%1はすべて同梱のパックのものです。").arg(kind);
}

QString resultExists()
{
    return QStringLiteral("すでにあります。別の名前にするか、消してからもう一度どうぞ。");
}

QString resultIsNoPack()
{
    return QStringLiteral("すでにあり、hana-pack が入れたパックではないので置き換えません。");
}

QString resultFolderMissing()
{
    return QStringLiteral("作る先のフォルダが見つかりません。");
}

QString workFolderNotMade(const QString &reason)
{
    return QStringLiteral("作業用のフォルダを作れません。%1").arg(reason);
}

QString workFolderBusy()
{
    return QStringLiteral("ほかの処理が同じ場所を使い続けています。");
}

QString menuEntryInvalid(const QString &complaints)
{
    return QStringLiteral("メニューの項目に誤りがあります: %1").arg(complaints);
}

QString notInstalled(const QString &name)
{
    return QStringLiteral("パック「%1」は入っていません。").arg(name);
}

QString removed(const QString &name, const QString &title)
{
    return QStringLiteral("消しました: パック「%1」とメニューの「%2」").arg(name, title);
}

QString stopped()
{
    return QStringLiteral("止めました。");
}

QString notMade(const QString &out)
{
    return QStringLiteral("%1 は作りませんでした。").arg(out);
}

QString earlierPackKept(const QString &out)
{
    return QStringLiteral("前に入れたパック %1 は、元のまま残っています。").arg(out);
}

QString made(const QString &out)
{
    return QStringLiteral("作りました: %1").arg(out);
}

QString picturesFromSource(int count, const QString &entries)
{
    return QStringLiteral("  元の写真から作った絵: %1 枚（%2 番）").arg(count).arg(entries);
}

QString textsFromSource(int count, const QString &entries)
{
    return QStringLiteral("  元の文から作った説明: %1 件（%2 番）").arg(count).arg(entries);
}

QString voicesFromSource(int count, const QString &entries)
{
    return QStringLiteral("  元の録音から作った声: %1 件（%2 番）").arg(count).arg(entries);
}

QString fromBundled(int pictures, int texts, int fixedFiles)
{
    return QStringLiteral("  同梱のパックから: 絵 %1 枚、説明 %2 件、マーク・メダル・音 %3 個")
        .arg(pictures)
        .arg(texts)
        .arg(fixedFiles);
}

QString namesFromBoard(int entries)
{
    return QStringLiteral("  名前の一覧: クイズの札の %1 の名前").arg(entries);
}

QString refusedFiles(int count)
{
    return QStringLiteral("使わなかった元のファイル: %1 個（上に理由があります）").arg(count);
}

QString checkFound(int count)
{
    return QStringLiteral("できた内容の確認で %1 件の問題が見つかりました（上にあります）")
        .arg(count);
}

QString menuEntryMade(const QString &title, const QString &entry)
{
    return QStringLiteral("メニューに「%1」を入れました: %2").arg(title, entry);
}

} // namespace PackMessage
