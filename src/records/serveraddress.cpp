#include "records/serveraddress.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

const QString PasswordKey = QStringLiteral("password");
const QString TimeoutKey = QStringLiteral("connect_timeout");
// How long connecting may take, in seconds.
constexpr int ConnectTimeout = 2;
// How a connection over the network notices a server gone without a word:
// data unacknowledged for 10 s, or a silent line probed after 10 s.
const QString GoneAfter =
    QStringLiteral("tcp_user_timeout=10000;keepalives=1;keepalives_idle=10;keepalives_interval=5;"
                   "keepalives_count=2");

// A value as libpq reads it in its key=value form.
QString quoted(QString value)
{
    value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + value + u'\'';
}

// Whether a query's key is the password's, however it is written.
bool isPasswordKey(const QString &key)
{
    return QUrl::fromPercentEncoding(key.toUtf8()).compare(PasswordKey, Qt::CaseInsensitive) == 0;
}

// A character that libpq would cut the address at, or that no name has.
bool hasControl(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    return false;
}

} // namespace

bool ServerAddress::isServer(const QString &location)
{
    return location.startsWith(QStringLiteral("postgresql://")) ||
           location.startsWith(QStringLiteral("postgres://"));
}

std::optional<ServerAddress> ServerAddress::parse(const QString &uri, QString &problem)
{
    // scheme://[user@]host[:port][/database][?key=value&...], each part
    // percent-encoded, so that a host may be a socket's folder.
    static const QRegularExpression Form(
        QStringLiteral("^postgres(?:ql)?://(?:([^@/?:]*)(:[^@/]*)?@)?(\\[[^\\]/?]*\\]|[^:/?]*)"
                       "(?::(\\d{1,5}))?(?:/([^?]*))?(?:\\?(.*))?$"));
    const QRegularExpressionMatch match = Form.match(uri);
    if (!match.hasMatch()) {
        problem = QStringLiteral("postgresql://ユーザー@ホスト:ポート/データベース の形では"
                                 "ありません");
        return std::nullopt;
    }
    const QUrlQuery query(match.captured(6));
    if (match.hasCaptured(2) || query.hasQueryItem(PasswordKey)) {
        problem = QStringLiteral("パスワードはアドレスに書かず、~/.pgpass かサービスファイルに"
                                 "書いてください");
        return std::nullopt;
    }
    const auto decoded = [&](int part) {
        return QUrl::fromPercentEncoding(match.captured(part).toUtf8());
    };
    ServerAddress address;
    address.m_uri = uri;
    address.m_user = decoded(1);
    address.m_host = decoded(3);
    if (address.m_host.startsWith(u'['))
        address.m_host = address.m_host.mid(1, address.m_host.size() - 2);
    address.m_port = match.hasCaptured(4) ? match.captured(4).toInt() : -1;
    address.m_database = decoded(5);
    for (const QString &part : {address.m_user, address.m_host, address.m_database})
        if (hasControl(part)) {
            problem = QStringLiteral("制御文字は使えません");
            return std::nullopt;
        }
    if (address.m_port > 65535) {
        problem = QStringLiteral("ポート %1 はありません").arg(address.m_port);
        return std::nullopt;
    }
    static const QRegularExpression Key(QStringLiteral("^[a-z_]+$"));
    for (const auto &[key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (!Key.match(key).hasMatch() || value.contains(u';') || hasControl(value)) {
            problem = QStringLiteral("「%1」という設定は使えません").arg(key);
            return std::nullopt;
        }
        if (key != TimeoutKey)
            address.m_options << std::pair(key, value);
    }
    return address;
}

QString ServerAddress::shown(const QString &uri)
{
    // As libpq reads it, a user's part runs to an @ before any slash.
    static const QRegularExpression UserPassword(QStringLiteral("^([a-z]+://[^@/:]*):[^@/]*@"));
    QString shown = QString(uri).replace(UserPassword, QStringLiteral("\\1:***@"));
    const qsizetype query = shown.indexOf(u'?');
    if (query < 0)
        return shown;
    QStringList items = shown.mid(query + 1).split(u'&');
    for (QString &item : items) {
        const QString key = item.section(u'=', 0, 0);
        if (item.contains(u'=') && isPasswordKey(key))
            item = key + QStringLiteral("=***");
    }
    return shown.left(query + 1) + items.join(u'&');
}

QString ServerAddress::connectOptions() const
{
    QStringList options{TimeoutKey + u'=' + QString::number(ConnectTimeout), GoneAfter};
    for (const auto &[key, value] : m_options)
        options << key + u'=' + quoted(value);
    return options.join(u';');
}
