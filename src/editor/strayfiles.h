#ifndef STRAYFILES_H
#define STRAYFILES_H

#include "content/contentproblem.h"

#include <QLabel>

// Under the list of entries: the files of the folder that belong to no
// entry and so go into no pack, each with why, in a colour that reads on
// the palette. Hidden while there are none.
class StrayFiles : public QLabel
{
    Q_OBJECT

public:
    explicit StrayFiles(QWidget *parent = nullptr);

    void showFiles(const ContentProblems &files);

protected:
    void changeEvent(QEvent *event) override;

private:
    void showShown();

    QStringList m_files;
};

#endif
