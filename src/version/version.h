#ifndef VERSION_H
#define VERSION_H

#include <QString>

// The version of every program, as "1.2.0".
QString versionNumber();

// The copyright and the licence, the one text every program gives: on
// --version after the version and in the editor's About box. Lines are
// ended by line ends; the licence's address stands in angle brackets.
QString licenceText();

// What every program prints for --version after its own name: the version,
// then the copyright and the licence. It is set as the application version,
// which QCommandLineParser's version option prints after the program's name.
QString versionText();

#endif
