#ifndef SERVERROLES_H
#define SERVERROLES_H

#include <QString>
#include <QStringList>

// The two roles a school's server gives its users, as group roles that
// login roles join: the children's machines, which may add answers and
// read the learners and their names' states, and the teacher, who may
// also read the answers and change the learners.
namespace ServerRoles {

const QString Machine = QStringLiteral("hana_machine");
const QString Teacher = QStringLiteral("hana_teacher");

// The statements that make the roles where they are missing and grant them
// what they may do on the store's tables; run again, they change nothing.
QStringList statements();

} // namespace ServerRoles

#endif
