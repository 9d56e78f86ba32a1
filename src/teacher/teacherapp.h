#ifndef TEACHERAPP_H
#define TEACHERAPP_H

#include <QString>

// Runs the teacher's view on the store at storePath, made when missing, until
// its window closes; the program's exit status. A store that cannot be used
// is told on stderr and in a dialog, and ends it with status 1.
int runTeacherView(int &argc, char **argv, const QString &storePath);

#endif
