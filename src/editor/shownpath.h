#ifndef SHOWNPATH_H
#define SHOWNPATH_H

#include <QString>

// A text with every path in the home folder written from "~", as a
// teacher's file manager names them: "~/花の図鑑の内容/pictures/1.jpg".
QString withHomeShortened(const QString &text);

#endif
