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

    // Offers a new folder and the last one, if it can still be opened.
    void offerFolders(const QString &bundled);

signals:
    void makeFolder(const QString &folder);
    void chooseFolder();
    void openFolder(const QString &folder);

private:
    QString m_newFolder;
    QString m_lastFolder;
    QPushButton *m_make;
    QPushButton *m_open;
    QPushButton *m_last;
};

#endif
