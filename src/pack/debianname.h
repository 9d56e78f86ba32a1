#ifndef DEBIANNAME_H
#define DEBIANNAME_H

#include <QString>

// The name of the Debian package that holds a pack. A Debian package name
// has only small letters, digits, "+", "-" and ".", so a pack's name is
// written in that alphabet by the method of internationalised domain names
// (Punycode, RFC 3492), with the small letters a-z and the digits 0-9 as
// the characters that stand as they are: "school" stays "school", "2年1組"
// becomes "21-" and the rest encoded, "校庭" becomes "-" and the encoding.
// Every other character, capitals, spaces and "-" too, is encoded, so two
// packs never share a package name and a name always gives the same one.
namespace DebianName {

// The encoded pack name: [a-z0-9]*, then "-" and [a-z0-9]+ when the name
// has any other character.
QString encoded(const QString &packName);

// "hana-pack-" and the encoded name.
QString packageName(const QString &packName);

} // namespace DebianName

#endif
