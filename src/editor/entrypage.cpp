#include "editor/entrypage.h"
#include "editor/bookpreview.h"
#include "editor/editormessage.h"
#include "editor/entryreport.h"
#include "editor/roweditor.h"
#include "editor/statuscolours.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *wrappingLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QToolButton *buttonFor(QAction *action, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return button;
}

} // namespace

EntryPage::EntryPage(const QList<QAction *> &pictureActions, QAction *textAction,
                     QWidget *voicePanel, QWidget *parent)
    : QScrollArea(parent)
{
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    m_heading = new QLabel(panel);
    QFont large = m_heading->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    large.setBold(true);
    m_heading->setFont(large);
    auto *headingRow = new QHBoxLayout;
    headingRow->addWidget(m_heading);
    headingRow->addStretch();
    for (QAction *action : pictureActions)
        headingRow->addWidget(buttonFor(action, panel));
    layout->addLayout(headingRow);

    m_book = new BookPreview(panel);
    layout->addWidget(m_book, 0, Qt::AlignLeft);
    m_pictureStatus = wrappingLabel(panel);
    layout->addWidget(m_pictureStatus);
    voicePanel->setParent(panel);
    layout->addWidget(voicePanel);

    auto *textRow = new QHBoxLayout;
    textRow->addWidget(new QLabel(QStringLiteral("<b>説明の文</b>　1行が図鑑の一覧の1行です。"
                                                 "青い点線のところで一覧が終わります。"),
                                  panel),
                       1);
    textRow->addWidget(buttonFor(textAction, panel));
    layout->addLayout(textRow);
    m_editor = new RowEditor(panel);
    m_editor->setMinimumHeight(130);
    layout->addWidget(m_editor, 1);
    m_problems = wrappingLabel(panel);
    m_problems->setObjectName(QStringLiteral("problems"));
    layout->addWidget(m_problems);

    setWidget(panel);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
}

void EntryPage::showHeading(int entry, const QString &flower)
{
    m_heading->setText(QStringLiteral("%1　%2").arg(entry).arg(flower));
}

void EntryPage::showPicture(PictureSource source, const QString &photo)
{
    m_source = source;
    m_photo = photo;
    showShown();
}

void EntryPage::showReport(const EntryReport &report)
{
    m_found = report.problems();
    m_notes = report.notes();
    m_textKeptOut = report.textKeptOut();
    showShown();
}

QString EntryPage::problemsText() const
{
    return m_problems->text();
}

void EntryPage::changeEvent(QEvent *event)
{
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showShown();
}

void EntryPage::showShown()
{
    const QColor problem = problemColour(palette());
    switch (m_source) {
    case PictureSource::BeingMade:
        m_pictureStatus->setText(QStringLiteral("絵を作っています…"));
        break;
    case PictureSource::UnusablePhoto:
        m_pictureStatus->setText(
            coloured(QStringLiteral("この写真は使えないので、同梱の絵のままです。"), problem));
        break;
    case PictureSource::Photo:
        m_pictureStatus->setText(
            QStringLiteral("写真「%1」から作った絵です（図鑑の枠に合わせた大きさ、256色）。")
                .arg(m_photo.toHtmlEscaped()));
        break;
    case PictureSource::Bundled:
        m_pictureStatus->setText(QStringLiteral("同梱の絵です。写真をこの本か左の一覧の花に"
                                                "引いてくるか、「写真を選ぶ」で選ぶと、"
                                                "その写真に変わります。"));
        break;
    }
    QString text;
    if (m_found.isEmpty()) {
        text = coloured(QStringLiteral("✓ 直すところはありません。"), fineColour(palette()));
    } else {
        QStringList marked;
        for (const QString &found : std::as_const(m_found))
            marked << QStringLiteral("⚠ ") + found.toHtmlEscaped();
        text = coloured(marked.join(QStringLiteral("<br>")), problem);
        if (m_textKeptOut)
            text += QStringLiteral("<br>") + EditorMessage::textKeptOut().toHtmlEscaped();
    }
    for (const QString &note : std::as_const(m_notes))
        text += QStringLiteral("<br>・") + note.toHtmlEscaped();
    m_problems->setText(text);
}
