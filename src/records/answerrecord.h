#ifndef ANSWERRECORD_H
#define ANSWERRECORD_H

#include <QDateTime>
#include <QString>
#include <QUuid>

enum class GameKind
{
    Full,
    Review
};

// One judged answer as the store keeps it.
struct AnswerRecord
{
    QUuid id;
    qint64 learner = 0;
    int entry = 0;  // the entry asked
    int answer = 0; // the entry of the tile answered
    bool correct = false;
    QDateTime answeredAt; // UTC
    QString pack;
    QUuid game;
    GameKind kind = GameKind::Full;
    QString machine;
};

// The words a kind has in the store and in its CSV.
QString kindName(GameKind kind);

#endif
