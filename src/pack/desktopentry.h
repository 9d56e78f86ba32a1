#ifndef DESKTOPENTRY_H
#define DESKTOPENTRY_H

#include <QByteArray>
#include <QString>
#include <optional>

// The menu entry of an installed pack, a desktop entry file that starts the
// program on the pack: 「花の図鑑（校庭）」.
namespace DesktopEntry {

// The entry's file name for a pack: a desktop file name holds only ASCII
// letters, digits, "-", "_" and ".", so the pack's name is written in hex.
QString fileName(const QString &packName);

// What the menu shows for the pack.
QString title(const QString &packName);

// The file's text; program is the command that starts the program.
QByteArray contents(const QString &packName, const QString &program, const QString &packFolder);

// An argument of the Exec line, quoted as desktop entries want it.
QString execArgument(const QString &argument);

// What desktop-file-validate finds wrong with an entry's file; nothing when
// it finds nothing, or is not installed.
std::optional<QString> complaints(const QString &path);

} // namespace DesktopEntry

#endif
