#ifndef VERSION_H
#define VERSION_H

#include <QString>

// What every program prints for --version after its own name: the version,
// the copyright and the licence. It is set as the application version,
// which QCommandLineParser's version option prints after the program's name.
QString versionText();

#endif
