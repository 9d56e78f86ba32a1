// recordwriter STORE NAME COUNT: plays COUNT answers as the learner NAME
// through the records, as the quiz hands them over, printing the number of
// answers judged after each, and says on stderr why records went off. Exit
// status 0 when every answer was kept.
#include "platform/clock.h"
#include "records/records.h"
#include "records/recordstore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4)
        return 2;
    SystemClock clock;
    const auto records =
        Records::open(RecordStore::openFile(arguments.at(1)), clock, QStringLiteral("hana"));
    for (const Learner &learner : records->learners())
        if (learner.name == arguments.at(2))
            records->choosePlayer(learner);
    if (!records->player())
        return 1;
    records->startGame(GameKind::Full);
    const int count = arguments.at(3).toInt();
    for (int i = 0; i < count && records->isAvailable(); ++i) {
        records->recordAnswer({i % 60 + 1, (i * 7) % 60 + 1, i % 3 != 0});
        std::printf("%d\n", i + 1);
        std::fflush(stdout);
    }
    return records->isAvailable() ? 0 : 1;
}
