#ifndef STOREFAILURE_H
#define STOREFAILURE_H

#include <QString>

// Why a store cannot be used.
enum class StoreProblem
{
    Corrupt,     // SQLite does not read it as a database, or finds it damaged
    Newer,       // a later version of the program made it
    Foreign,     // a database, but not one of records
    ReadOnly,    // the file or its folder may not be written
    NoFolder,    // its folder cannot be made
    DiskFull,    // there is no room to write
    Unavailable, // anything else SQLite reports
    // A store on a server:
    BadAddress, // the address cannot be used as it is written
    Away,       // the server does not answer
    Refused,    // the server answers but lets the role in to no such database
    NotAllowed, // the role may not do what was asked
};

// A store that cannot be used: the problem, the file or the server's
// address, and what the system, SQLite or the server said, as a sentence an
// adult understands.
struct StoreFailure
{
    StoreProblem problem = StoreProblem::Unavailable;
    QString path;
    QString detail;

    QString message() const;
};

#endif
