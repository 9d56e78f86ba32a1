#ifndef LEARNERDIALOG_H
#define LEARNERDIALOG_H

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Asks for a learner's name and flower mark, to add one or to rename one.
// OK stays off while the name breaks the rules, and the rule broken is shown.
class LearnerDialog : public QDialog
{
    Q_OBJECT

public:
    LearnerDialog(const QString &title, const QString &name, int mark, QWidget *parent = nullptr);

    QString name() const;
    int mark() const;
    QLineEdit *nameEdit() const { return m_name; }
    QComboBox *markBox() const { return m_mark; }

private:
    void checkName();

    QLineEdit *m_name;
    QComboBox *m_mark;
    QLabel *m_problem;
    QDialogButtonBox *m_buttons;
};

#endif
