#include "editor/strayfiles.h"
#include "editor/editormessage.h"
#include "editor/statuscolours.h"

#include <QEvent>

StrayFiles::StrayFiles(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("strayFiles"));
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    hide();
}

void StrayFiles::showFiles(const ContentProblems &files)
{
    m_files = texts(files);
    showShown();
}

void StrayFiles::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        showShown();
}

void StrayFiles::showShown()
{
    const QString words = EditorMessage::strayFiles(m_files).toHtmlEscaped();
    setText(m_files.isEmpty() ? QString()
                              : coloured(QString(words).replace(u'\n', QStringLiteral("<br>")),
                                         problemColour(palette())));
    setVisible(!m_files.isEmpty());
}
