#ifndef MENUSCREEN_H
#define MENUSCREEN_H

#include "screen.h"

class MenuScreen : public Screen
{
    Q_OBJECT

public:
    explicit MenuScreen(Program &program);

protected:
    void connectHandlers(Form &form) override;
    void load() override;
};

#endif
