#include "editor/helpwindows.h"
#include "version/version.h"

#include <QMessageBox>
#include <QTextBrowser>

HelpWindows::HelpWindows(QWidget *window) : QObject(window), m_window(window) {}

void HelpWindows::showHelp()
{
    if (!m_help) {
        m_help = new QTextBrowser(m_window);
        m_help->setWindowFlag(Qt::Window);
        m_help->setObjectName(QStringLiteral("help"));
        m_help->setWindowTitle(QStringLiteral("使い方"));
        m_help->setOpenExternalLinks(true);
        m_help->setSource(QUrl(QStringLiteral("qrc:/editor/help.html")));
        m_help->resize(680, 640);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

// The version alone stands in the heading; the licence follows as text,
// its address and all.
void HelpWindows::showAbout()
{
    auto *about = new QMessageBox(m_window);
    about->setObjectName(QStringLiteral("about"));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowTitle(QStringLiteral("花の図鑑の内容づくりについて"));
    about->setIconPixmap(m_window->windowIcon().pixmap(64));
    about->setTextFormat(Qt::RichText);
    about->setText(
        QStringLiteral("<h3>花の図鑑の内容づくり %1</h3>"
                       "<p>自分の写真と説明の文で、花の図鑑の内容のパックを作ります。</p>"
                       "<p>%2</p>")
            .arg(versionNumber().toHtmlEscaped(),
                 licenceText().toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"))));
    about->open();
}

void HelpWindows::close()
{
    if (m_help)
        m_help->close();
}
