#ifndef SCREENS_H
#define SCREENS_H

#include "app/program.h"

#include <QString>
#include <vector>

// The program's screens, each with the name it is reached by and how its one
// instance is made. The program, the tests and the benchmarks all take the
// screens from here.
struct ScreenKind
{
    QString name;
    Program::ScreenFactory create;
};

const std::vector<ScreenKind> &screenKinds();

// Makes every screen kind known to the program.
void addScreens(Program &program);

#endif
