#include "editor/welcomepage.h"
#include "editor/editorsettings.h"
#include "editor/folderdialogs.h"
#include "editor/packsource.h"
#include "editor/shownpath.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton *bigButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setMinimumHeight(48);
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    button->setFont(font);
    return button;
}

} // namespace

WelcomePage::WelcomePage(QWidget *parent)
    : QWidget(parent), m_make(bigButton(this)), m_open(bigButton(this)), m_last(bigButton(this))
{
    auto *title = new QLabel(QStringLiteral("花の図鑑の内容づくり"), this);
    QFont large = title->font();
    large.setPointSizeF(large.pointSizeF() * 1.8);
    large.setBold(true);
    title->setFont(large);
    auto *words = new QLabel(
        QStringLiteral("自分で撮った写真と自分で書いた説明で、花の図鑑の内容を作れます。\n"
                       "写真と説明は一つのフォルダにまとめて入れます。"
                       "まず、そのフォルダを選んでください。"),
        this);
    words->setWordWrap(true);
    words->setMinimumWidth(words->fontMetrics().averageCharWidth() * 70);
    m_open->setText(QStringLiteral("前に作ったフォルダを開く…"));

    auto *column = new QVBoxLayout;
    column->addWidget(title);
    column->addSpacing(8);
    column->addWidget(words);
    column->addSpacing(16);
    column->addWidget(m_last);
    column->addWidget(m_make);
    column->addWidget(m_open);
    auto *centred = new QHBoxLayout(this);
    centred->addStretch();
    centred->addLayout(column);
    centred->addStretch();
    column->insertStretch(0);
    column->addStretch();

    connect(m_make, &QPushButton::clicked, this, [this] { emit makeFolder(m_newFolder); });
    connect(m_open, &QPushButton::clicked, this, &WelcomePage::chooseFolder);
    connect(m_last, &QPushButton::clicked, this, [this] { emit openFolder(m_lastFolder); });
}

void WelcomePage::offerFolders(const QString &bundled)
{
    m_newFolder = FolderDialogs::defaultNewFolder();
    const QString last = EditorSettings::lastFolder();
    m_lastFolder = last.isEmpty() || PackSource::refusal(last, bundled) ? QString() : last;
    m_make->setText(
        QStringLiteral("新しいフォルダを作る（%1）").arg(withHomeShortened(m_newFolder)));
    m_last->setText(
        QStringLiteral("前回のフォルダを開く（%1）").arg(withHomeShortened(m_lastFolder)));
    m_last->setVisible(!m_lastFolder.isEmpty());
    (m_lastFolder.isEmpty() ? m_make : m_last)->setDefault(true);
    (m_lastFolder.isEmpty() ? m_make : m_last)->setFocus();
}
