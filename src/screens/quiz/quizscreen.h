#ifndef QUIZSCREEN_H
#define QUIZSCREEN_H

#include "screen.h"

class QuizScreen : public Screen
{
    Q_OBJECT

public:
    explicit QuizScreen(Program &program);

protected:
    void connectHandlers(Form &form) override;
    void load() override;
};

#endif
