#ifndef SERVERADDRESS_H
#define SERVERADDRESS_H

#include <QList>
#include <QString>
#include <optional>
#include <utility>

// The address of a store on a PostgreSQL server, written as libpq's URI:
// postgresql://[user@]host[:port]/dbname[?key=value&...]. An empty host or
// database is libpq's default (PGHOST, PGDATABASE and the local socket). A
// password is refused wherever it is written: it belongs in ~/.pgpass or a
// service file, not in a settings file or a desktop entry.
class ServerAddress
{
public:
    // Whether the store's location is a server's address rather than a file.
    static bool isServer(const QString &location);
    // The address, or none with the reason in problem.
    static std::optional<ServerAddress> parse(const QString &uri, QString &problem);
    // The address as a message may show it: a password written in it
    // is hidden.
    static QString shown(const QString &uri);

    QString uri() const { return m_uri; }
    QString host() const { return m_host; }
    int port() const { return m_port; }
    QString user() const { return m_user; }
    QString database() const { return m_database; }
    // The options for Qt's driver: the query's keys, a timeout for
    // connecting that no key lengthens, and a connection that finds out
    // within seconds that the server has gone.
    QString connectOptions() const;

private:
    QString m_uri;
    QString m_host;
    int m_port = -1;
    QString m_user;
    QString m_database;
    QList<std::pair<QString, QString>> m_options;
};

#endif
