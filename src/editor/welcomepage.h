#ifndef WELCOMEPAGE_H
#define WELCOMEPAGE_H

#include <QWidget>

class QPushButton;

// What the editor shows before a folder is open: a new folder for the
// photographs and texts in the home folder, an existing one, or the one
// opened last time.
class WelcomePage : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomePage(QWidget *parent = nullptr);

    // The folder a new one is made as; the last one, empty when none.
    void setFolders(const QString &newFolder, const QString &lastFolder);

signals:
    void makeFolder();
    void chooseFolder();
    void openLastFolder();

private:
    QPushButton *m_make;
    QPushButton *m_open;
    QPushButton *m_last;
};

#endif
