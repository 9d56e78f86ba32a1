#include "records/serverroles.h"

namespace ServerRoles {

namespace {

QString createRole(const QString &role)
{
    return QStringLiteral("DO $$ BEGIN"
                          " IF NOT EXISTS (SELECT FROM pg_catalog.pg_roles WHERE rolname = '%1')"
                          " THEN CREATE ROLE %1 NOLOGIN; END IF; END $$")
        .arg(role);
}

} // namespace

QStringList statements()
{
    return {
        createRole(Machine),
        createRole(Teacher),
        QStringLiteral("DO $$ BEGIN EXECUTE format('GRANT USAGE ON SCHEMA %I TO %1, %2',"
                       " current_schema()); END $$")
            .arg(Machine, Teacher),
        QStringLiteral("GRANT SELECT ON schema_version, learners, name_states TO %1").arg(Machine),
        QStringLiteral("GRANT INSERT ON answers TO %1").arg(Machine),
        QStringLiteral("GRANT INSERT, UPDATE ON name_states TO %1").arg(Machine),
        QStringLiteral("GRANT SELECT ON schema_version TO %1").arg(Teacher),
        QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON learners, answers, name_states"
                       " TO %1")
            .arg(Teacher),
        QStringLiteral("DO $$ BEGIN EXECUTE format('GRANT USAGE ON SEQUENCE %s TO %1',"
                       " pg_get_serial_sequence('learners', 'id')); END $$")
            .arg(Teacher),
    };
}

} // namespace ServerRoles
