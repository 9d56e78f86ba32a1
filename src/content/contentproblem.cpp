#include "content/contentproblem.h"
#include "platform/failure.h"
#include "sound/wavfile.h"

namespace {

QString located(const ContentProblem &problem)
{
    return problem.line > 0 ? QStringLiteral("%1行目%2").arg(problem.line).arg(problem.what)
                            : problem.what;
}

// A character and its code point: 「〜」（U+301C）.
QString characterCode(char32_t character)
{
    const QString hex = QString::number(uint(character), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("「%1」（U+%2）").arg(QString::fromUcs4(&character, 1), hex);
}

} // namespace

QString ContentProblem::text() const
{
    return QStringLiteral("%1: %2").arg(file, located(*this));
}

QString ContentProblem::dialogText() const
{
    return QStringLiteral("%1\n%2").arg(located(*this), file);
}

QStringList texts(const ContentProblems &problems)
{
    QStringList lines;
    for (const ContentProblem &problem : problems)
        lines << problem.text();
    return lines;
}

void raise(const ContentProblem &problem)
{
    throw Failure(problem.dialogText());
}

namespace ContentMessage {

QString fileMissing()
{
    return QStringLiteral("ファイルが見つかりません。");
}

QString folderInPlaceOfFile()
{
    return QStringLiteral("ファイルの場所にフォルダがあります。");
}

QString fileInPlaceOfFolder()
{
    return QStringLiteral("フォルダの場所にファイルがあります。");
}

QString fileTooLarge(qint64 limitBytes)
{
    return QStringLiteral("ファイルが大きすぎます（%1 KB まで）。").arg(limitBytes / 1024);
}

QString cannotRead(const QString &reason)
{
    return QStringLiteral("ファイルを読み込めません（%1）。").arg(reason);
}

QString tooFewNames(int needed, int found)
{
    return QStringLiteral("名前の一覧には名前が%1個必要ですが、%2個で終わっています。")
        .arg(needed)
        .arg(found);
}

QString quoteLeftOpen(int name)
{
    return QStringLiteral("%1番目の名前で引用符（\"）が閉じられていません。").arg(name);
}

QString notShiftJis()
{
    return QStringLiteral("文字コード（Shift-JIS）として読めないバイトがあります。");
}

QString nameDiffersFromBoard(int entry, const QString &name, const QString &board)
{
    return QStringLiteral("%1番目の名前「%2」がクイズの札「%3」と違います。")
        .arg(entry)
        .arg(name, board);
}

QString lineTooWide(int width, int listWidth)
{
    return QStringLiteral("が一覧の幅より広すぎます（%1 / %2 ピクセル）。")
        .arg(width)
        .arg(listWidth);
}

QString lineTooWideBesideScrollBar(int width, int listWidth, int rows, int shown)
{
    return QStringLiteral("がスクロールバーの横の幅より広すぎます（%1 / %2 ピクセル）。"
                          "%3 行あって一覧に見える %4 行より多いので、スクロールバーが出ます。")
        .arg(width)
        .arg(listWidth)
        .arg(rows)
        .arg(shown);
}

QString pictureDoesNotFit(QSize picture, QSize frame)
{
    return QStringLiteral("絵（%1 × %2）が図鑑の枠（%3 × %4）に収まりません。")
        .arg(picture.width())
        .arg(picture.height())
        .arg(frame.width())
        .arg(frame.height());
}

QString sound(WavProblem problem)
{
    return wavProblemMessage(problem);
}

QString notUtf8()
{
    return QStringLiteral("に UTF-8 の文字として読めないバイトがあります。");
}

QString lookAlikeWritten(char32_t typed, QChar written)
{
    return QStringLiteral("の文字%1は Shift-JIS にないので、同じ形の%2で書きました。")
        .arg(characterCode(typed), characterCode(written.unicode()));
}

QString notInCodePageLeftOut(char32_t character)
{
    return QStringLiteral("の文字%1は Shift-JIS にないので、除きました。")
        .arg(characterCode(character));
}

QString lineWrapped(int width, int listWidth, int rows)
{
    return QStringLiteral("は一覧の幅より広いので（%1 / %2 ピクセル）、%3 行に折り返しました。")
        .arg(width)
        .arg(listWidth)
        .arg(rows);
}

QString lineWrappedBesideScrollBar(int width, int listWidth, int rows, int shown)
{
    return QStringLiteral("はスクロールバーの横の幅より広いので（%1 / %2 ピクセル）、%3 行に"
                          "折り返しました。説明が一覧に見える %4 行より多いので、"
                          "スクロールバーが出ます。")
        .arg(width)
        .arg(listWidth)
        .arg(rows)
        .arg(shown);
}

QString nothingWritable()
{
    return QStringLiteral("Shift-JIS で書ける文字が一つもないので、使えません。");
}

QString pictureIsFolder()
{
    return QStringLiteral("絵の場所にフォルダがあります。");
}

QString notASourcePicture()
{
    return QStringLiteral("JPEG、PNG、WebP のどの絵としても読めません。");
}

QString pictureCutShort()
{
    return QStringLiteral("絵のデータが途中で切れています。");
}

QString pictureSizeUnreadable()
{
    return QStringLiteral("絵の大きさを読み取れません（ファイルが壊れています）。");
}

QString pictureTooLarge(QSize picture, qint64 limitPixels)
{
    return QStringLiteral("絵が大きすぎます（%1 × %2 ピクセル、%3 万ピクセルまで）。")
        .arg(picture.width())
        .arg(picture.height())
        .arg(limitPixels / 10000);
}

QString pictureCorrupt()
{
    return QStringLiteral("絵を読み込めません（ファイルが壊れています）。");
}

QString pictureNotMade()
{
    return QStringLiteral("GIF の絵を作れませんでした。");
}

QString notAVoice()
{
    return QStringLiteral("WAV、FLAC、Ogg Vorbis、Opus、MP3 のどれの音としても読めません。");
}

QString voiceEmpty()
{
    return QStringLiteral("音が入っていません。");
}

QString voiceCutShort()
{
    return QStringLiteral("音のデータが途中で切れています。");
}

QString voiceCorrupt(const QString &reason)
{
    return QStringLiteral("音のデータが壊れています（%1）。").arg(reason);
}

QString voiceChannels(int channels, int limit)
{
    return QStringLiteral("%1 チャンネルの音は読めません（%2 チャンネルまで）。"
                          "「sox 元のファイル -c 1 声.wav」などでモノラルにしてください。")
        .arg(channels)
        .arg(limit);
}

QString voiceRate(int rate, int lowest, int highest)
{
    return QStringLiteral("標本化周波数 %1 Hz の音は読めません（%2〜%3 Hz）。"
                          "「sox 元のファイル -r 48000 声.wav」などで変えてください。")
        .arg(rate)
        .arg(lowest)
        .arg(highest);
}

QString voiceSourceTooLong(int limitSeconds)
{
    return QStringLiteral("録音が長すぎます（%1 秒まで）。名前を言うところだけにしてください。")
        .arg(limitSeconds);
}

QString voiceSilent()
{
    return QStringLiteral("音が小さすぎて、声が聞こえません。");
}

QString voiceTooLong(double seconds, int limitSeconds)
{
    return QStringLiteral("前後の無音を除いても %1 秒あります（%2 秒まで）。"
                          "名前だけをもう一度録ってください。")
        .arg(seconds, 0, 'f', 1)
        .arg(limitSeconds);
}

QString voiceNeedsConverting(const QString &format)
{
    return QStringLiteral("%1 の音は読めません。「ffmpeg -i 元のファイル 声.wav」などで WAV か "
                          "FLAC にしてください。")
        .arg(format);
}

QString subfolderNotRead()
{
    return QStringLiteral("フォルダの中は読みません。");
}

QString wrongKind(const QStringList &suffixes)
{
    return QStringLiteral("使えるのは %1 のファイルです。")
        .arg(suffixes.join(QStringLiteral("、")));
}

QString nameIsNoEntry(int entries)
{
    return QStringLiteral("ファイル名が花の名前にも番号（1〜%1）にもなっていません。").arg(entries);
}

QString filesForOneEntry(int entry, const QStringList &names)
{
    return QStringLiteral("%1番の花のファイルが %2 個あります（%3）。一つにしてください。")
        .arg(entry)
        .arg(names.size())
        .arg(names.join(QStringLiteral("、")));
}

QString sourceMissing()
{
    return QStringLiteral("元のフォルダが見つかりません。");
}

QString folderIsBundledPack()
{
    return QStringLiteral("プログラムと一緒に入っている内容のフォルダなので、書き換えません。"
                          "写真と説明は新しいフォルダに入れてください。");
}

QString folderIsInstalledPack()
{
    return QStringLiteral("入れたパックのフォルダなので、書き換えません。"
                          "パックを作った元のフォルダを開いてください。");
}

QString folderIsMadePack()
{
    return QStringLiteral("出来上がったパックのフォルダです。"
                          "元のフォルダ（pictures と texts のあるフォルダ）を開いてください。");
}

QString folderInUse()
{
    return QStringLiteral("ほかの窓で開いています。同じフォルダは一つの窓でだけ開けます。");
}

QString diskFull()
{
    return QStringLiteral("ディスクがいっぱいで書き込めません。空きを作ってから、もう一度どうぞ。");
}

QString quotaExceeded()
{
    return QStringLiteral("使ってよいディスクの量を超えるので書き込めません。");
}

QString noPermission()
{
    return QStringLiteral("書き込む権限がありません。");
}

QString readOnlyPlace()
{
    return QStringLiteral("読み出し専用の場所なので書き込めません。");
}

QString cannotWrite(const QString &reason)
{
    return QStringLiteral("書き込めません（%1）。").arg(reason);
}

} // namespace ContentMessage
