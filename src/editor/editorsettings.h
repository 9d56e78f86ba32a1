#ifndef EDITORSETTINGS_H
#define EDITORSETTINGS_H

#include <QByteArray>
#include <QString>

// What the editor remembers between runs: the last folder, where the last
// photograph came from, the window's place, and for each folder the pack
// name last used and the entry the teacher was at.
namespace EditorSettings {

QString lastFolder();
void setLastFolder(const QString &folder);
QString photoFolder();
void setPhotoFolder(const QString &folder);
QByteArray geometry();
void setGeometry(const QByteArray &geometry);
QString packName(const QString &folder, const QString &otherwise);
void setPackName(const QString &folder, const QString &name);
int lastEntry(const QString &folder);
void setLastEntry(const QString &folder, int entry);

} // namespace EditorSettings

#endif
