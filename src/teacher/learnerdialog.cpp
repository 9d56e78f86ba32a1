#include "teacher/learnerdialog.h"
#include "content/contentpack.h"
#include "records/learnername.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LearnerDialog::LearnerDialog(const QString &title, const QString &name, int mark, QWidget *parent)
    : QDialog(parent), m_name(new QLineEdit(name)), m_mark(new QComboBox), m_problem(new QLabel),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(title);
    for (int entry = 1; entry <= ContentPack::EntryCount; ++entry)
        m_mark->addItem(ContentPack::BoardNames[entry - 1].toString(), entry);
    m_mark->setCurrentIndex(std::clamp(mark, 1, ContentPack::EntryCount) - 1);
    m_name->setAccessibleName(QStringLiteral("名前"));
    m_mark->setAccessibleName(QStringLiteral("しるしの花"));
    m_problem->setAccessibleName(QStringLiteral("名前について"));
    m_problem->setWordWrap(true);

    auto *form = new QFormLayout(this);
    auto *nameLabel = new QLabel(QStringLiteral("名前(&N)"));
    nameLabel->setBuddy(m_name);
    auto *markLabel = new QLabel(QStringLiteral("しるしの花(&M)"));
    markLabel->setBuddy(m_mark);
    form->addRow(nameLabel, m_name);
    form->addRow(markLabel, m_mark);
    form->addRow(m_problem);
    form->addRow(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &LearnerDialog::checkName);
    checkName();
}

QString LearnerDialog::name() const
{
    return LearnerName::normalized(m_name->text());
}

int LearnerDialog::mark() const
{
    return m_mark->currentData().toInt();
}

void LearnerDialog::checkName()
{
    const std::optional<QString> problem = LearnerName::problem(name());
    m_problem->setText(problem.value_or(QString()));
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!problem);
}
