#ifndef PICTUREBOOKSCREEN_H
#define PICTUREBOOKSCREEN_H

#include "screen.h"

class PictureBookScreen : public Screen
{
    Q_OBJECT

public:
    explicit PictureBookScreen(Program &program);

protected:
    void connectHandlers(Form &form) override;
    void load() override;
};

#endif
