#ifndef EDITORSETTINGS_H
#define EDITORSETTINGS_H

#include <QByteArray>
#include <QString>

// What the editor remembers between runs: the last folder, where the last
// photograph and sound file came from, the window's place, the microphone
// recorded with,
// and for each folder the pack name last used and the entry the teacher
// was at.
namespace EditorSettings {

QString lastFolder();
void setLastFolder(const QString &folder);
QString photoFolder();
void setPhotoFolder(const QString &folder);
QString voiceFolder();
void setVoiceFolder(const QString &folder);
QByteArray voiceInput();
void setVoiceInput(const QByteArray &device);
QByteArray geometry();
void setGeometry(const QByteArray &geometry);
QString packName(const QString &folder, const QString &otherwise);
void setPackName(const QString &folder, const QString &name);
int lastEntry(const QString &folder);
void setLastEntry(const QString &folder, int entry);

} // namespace EditorSettings

#endif
