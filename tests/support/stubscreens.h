#ifndef STUBSCREENS_H
#define STUBSCREENS_H

#include <QString>
#include <QStringList>

class Program;

// Makes the program's screens known with only the one under test real; the
// others, which it leads to, are empty windows of the same names: only
// whether they open matters to that test.
void addScreensStubbingAllBut(Program &program, const QString &real);
void addScreensStubbingAllBut(Program &program, const QStringList &real);

#endif
