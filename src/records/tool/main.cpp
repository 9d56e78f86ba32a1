#include "records/answercsv.h"
#include "records/learnername.h"
#include "records/recordstore.h"
#include "records/serveraddress.h"
#include "records/serverroles.h"
#include "records/storelocation.h"
#include "teacher/teacherapp.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

namespace {

const QString Program = QStringLiteral("hana-records");
const QStringList Actions{QStringLiteral("add"),    QStringLiteral("list"),
                          QStringLiteral("rename"), QStringLiteral("remove"),
                          QStringLiteral("csv"),    QStringLiteral("init")};
constexpr int StoreFailed = 1;

CommandLineSpec commandLineSpec()
{
    return {.program = Program,
            .usage = QStringLiteral("[--records[=FILE]] --add 名前 [--mark N] | --list | "
                                    "--rename 名前 新しい名前 | --remove 名前 | --csv FILE | "
                                    "--init"),
            .description = QStringLiteral("花の図鑑が子どもごとにとる記録の、学習者を加え、"
                                          "名前を変え、消し、答えを CSV に書き出します。"
                                          "操作を書かなければ、記録を見る窓"
                                          "「花の図鑑のきろく」を開きます。"),
            .options = {StoreLocation::recordsOption(),
                        {{QStringLiteral("add")},
                         QStringLiteral("名前"),
                         QStringLiteral("学習者を加えます。")},
                        {{QStringLiteral("mark")},
                         QStringLiteral("N"),
                         QStringLiteral("加える学習者のしるしの花（1〜60）。")},
                        {{QStringLiteral("list")}, {}, QStringLiteral("学習者を一覧にします。")},
                        {{QStringLiteral("rename")},
                         QStringLiteral("名前"),
                         QStringLiteral("学習者の名前を、引数の新しい名前に変えます。")},
                        {{QStringLiteral("remove")},
                         QStringLiteral("名前"),
                         QStringLiteral("学習者と、その答えのすべてを消します。")},
                        {{QStringLiteral("csv")},
                         QStringLiteral("FILE"),
                         QStringLiteral("すべての答えを CSV に書き出します（- で標準出力）。")},
                        {{QStringLiteral("init")},
                         {},
                         QStringLiteral("記録のサーバーに、表と、子どもの機械のロール %1 と"
                                        "先生のロール %2 を用意します。")
                             .arg(ServerRoles::Machine, ServerRoles::Teacher)}},
            .notes = {QStringLiteral("名前は 20 文字まで、ほかの学習者と同じ名前や制御文字は"
                                     "使えません。"),
                      QStringLiteral("--records も設定もなければ ~/.local/share/hana/"
                                     "records.sqlite を使います。"),
                      QStringLiteral("--records=postgresql://ユーザー@ホスト/データベース で"
                                     "サーバーの記録を使います。パスワードは ~/.pgpass か"
                                     "サービスファイルに書きます。"),
                      QStringLiteral("名前がまちがっているときの終了状態は 2、記録のファイルや"
                                     "サーバーを使えないときは 1 です。")},
            .maximumArguments = 1};
}

void print(FILE *stream, const QString &line)
{
    std::fputs(qPrintable(line + u'\n'), stream);
}

int refuse(const QString &why)
{
    print(stderr, Program + QStringLiteral(": ") + why);
    return CommandLine::UsageError;
}

int storeFailed(const RecordStore &store)
{
    print(stderr, Program + QStringLiteral(": ") + store.failure()->message());
    return StoreFailed;
}

int addLearner(RecordStore &store, const QString &name, const CommandLine &commandLine)
{
    if (const auto problem = LearnerName::problem(name))
        return refuse(*problem);
    int mark = LearnerName::firstFreeMark(store.learners());
    if (commandLine.isSet(QStringLiteral("mark"))) {
        bool isNumber = false;
        mark = commandLine.value(QStringLiteral("mark")).toInt(&isNumber);
        if (const auto problem = LearnerName::markProblem(isNumber ? mark : 0))
            return refuse(*problem);
    }
    switch (store.addLearner(name, mark)) {
    case LearnerChange::Done:
        print(stdout, QStringLiteral("「%1」を、しるし %2 で加えました。").arg(name).arg(mark));
        return 0;
    case LearnerChange::Taken:
        return refuse(QStringLiteral("名前「%1」はもう使われています。").arg(name));
    default:
        return storeFailed(store);
    }
}

int renameLearner(RecordStore &store, const QString &name, const QString &newName)
{
    if (const auto problem = LearnerName::problem(newName))
        return refuse(*problem);
    switch (store.renameLearner(name, newName)) {
    case LearnerChange::Done:
        print(stdout, QStringLiteral("「%1」を「%2」にしました。").arg(name, newName));
        return 0;
    case LearnerChange::Taken:
        return refuse(QStringLiteral("名前「%1」はもう使われています。").arg(newName));
    case LearnerChange::Missing:
        return refuse(QStringLiteral("「%1」という学習者はいません。").arg(name));
    default:
        return storeFailed(store);
    }
}

int removeLearner(RecordStore &store, const QString &name)
{
    int erased = 0;
    switch (store.removeLearner(name, erased)) {
    case LearnerChange::Done:
        print(stdout,
              QStringLiteral("「%1」と、その答え %2 件を消しました。").arg(name).arg(erased));
        return 0;
    case LearnerChange::Missing:
        return refuse(QStringLiteral("「%1」という学習者はいません。").arg(name));
    default:
        return storeFailed(store);
    }
}

int listLearners(RecordStore &store)
{
    const QList<Learner> learners = store.learners();
    if (store.failure())
        return storeFailed(store);
    if (learners.isEmpty())
        print(stdout, QStringLiteral("学習者はまだいません: %1").arg(store.path()));
    for (const Learner &learner : learners) {
        const int answers = store.answerCount(learner.id);
        if (store.failure())
            return storeFailed(store);
        print(stdout, QStringLiteral("%1\tしるし %2\t答え %3 件")
                          .arg(learner.name)
                          .arg(learner.mark)
                          .arg(answers));
    }
    return 0;
}

// Makes the tables and the two roles on a server.
int initServer(RecordStore &store)
{
    if (!store.changeAll(ServerRoles::statements()))
        return storeFailed(store);
    print(stdout,
          QStringLiteral("%1 に記録の表と、ロール %2（子どもの機械）と %3（先生）を用意しました。"
                         "ログインするロールは、たとえば CREATE ROLE pc LOGIN IN ROLE %2; で"
                         "作ります。")
              .arg(store.path(), ServerRoles::Machine, ServerRoles::Teacher));
    return 0;
}

// The CSV written whole into a new file that then takes the name, or to
// standard output for "-".
int writeCsv(RecordStore *store, const QString &target)
{
    const bool toStdout = target == u'-';
    QFile out;
    QSaveFile file(target);
    QIODevice &device = toStdout ? static_cast<QIODevice &>(out) : file;
    const bool opened =
        toStdout ? out.open(stdout, QIODevice::WriteOnly) : file.open(QIODevice::WriteOnly);
    bool written = opened && (store ? AnswerCsv::write(*store, device)
                                    : device.write(AnswerCsv::header()) >= 0);
    if (store && store->failure())
        return storeFailed(*store);
    written = written && (toStdout ? out.flush() : file.commit());
    if (!written) {
        print(stderr, Program + QStringLiteral(": CSV を %1 に書けません（%2）。")
                                    .arg(target, device.errorString()));
        return StoreFailed;
    }
    return 0;
}

// The one action the command line asks for, or none with its usage error.
std::optional<QString> chosenAction(const CommandLine &commandLine, int &status)
{
    QStringList chosen;
    for (const QString &action : Actions)
        if (commandLine.isSet(action))
            chosen << action;
    status = 0;
    if (chosen.size() > 1)
        status = commandLine.usageError(
            QStringLiteral("--%1 と --%2 は一緒に使えません。").arg(chosen.at(0), chosen.at(1)));
    else if (commandLine.isSet(QStringLiteral("mark")) &&
             chosen != QStringList{QStringLiteral("add")})
        status = commandLine.usageError(QStringLiteral("--mark は --add と使います。"));
    else if (!chosen.isEmpty() && (chosen.first() == QStringLiteral("rename")) !=
                                      (commandLine.positionalArguments().size() == 1))
        status = commandLine.usageError(chosen.first() == QStringLiteral("rename")
                                            ? QStringLiteral("新しい名前を書いてください。")
                                            : QStringLiteral("余分な引数があります: %1")
                                                  .arg(commandLine.positionalArguments().first()));
    if (status != 0 || chosen.isEmpty())
        return std::nullopt;
    return chosen.first();
}

int run(const CommandLine &commandLine, const QString &action)
{
    const QString path =
        StoreLocation::requestedStore(commandLine).value_or(StoreLocation::defaultStore());
    const auto value = [&](const QString &option) {
        return LearnerName::normalized(commandLine.value(option));
    };
    const bool onServer = ServerAddress::isServer(path);
    if (action == QStringLiteral("init") && !onServer)
        return refuse(QStringLiteral("--init はサーバーの記録（--records=postgresql://…）に"
                                     "だけ使います。"));
    // Reading a store that is not there makes none.
    const bool onlyReads = action == QStringLiteral("list") || action == QStringLiteral("csv");
    if (onlyReads && !onServer && !QFileInfo::exists(path)) {
        if (action == QStringLiteral("csv"))
            return writeCsv(nullptr, commandLine.value(action));
        print(stdout, QStringLiteral("学習者はまだいません: %1").arg(path));
        return 0;
    }
    const std::unique_ptr<RecordStore> store = RecordStore::open(path);
    if (store->failure())
        return storeFailed(*store);
    if (action == QStringLiteral("init"))
        return initServer(*store);
    if (action == QStringLiteral("add"))
        return addLearner(*store, value(action), commandLine);
    if (action == QStringLiteral("rename"))
        return renameLearner(*store, value(action),
                             LearnerName::normalized(commandLine.positionalArguments().first()));
    if (action == QStringLiteral("remove"))
        return removeLearner(*store, value(action));
    if (action == QStringLiteral("list"))
        return listLearners(*store);
    return writeCsv(store.get(), commandLine.value(action));
}

} // namespace

// hana-records: adds, lists, renames and removes the learners of a store of
// records and exports their answers as CSV; with no action, opens the
// teacher's view of the store.
int main(int argc, char *argv[])
{
    CommandLine commandLine(commandLineSpec());
    if (const auto status = commandLine.parse(CommandLine::arguments(argc, argv)))
        return *status;
    int status = 0;
    const std::optional<QString> action = chosenAction(commandLine, status);
    if (status != 0)
        return status;
    if (!action)
        return runTeacherView(
            argc, argv,
            StoreLocation::requestedStore(commandLine).value_or(StoreLocation::defaultStore()));
    QCoreApplication app(argc, argv);
    return run(commandLine, *action);
}
