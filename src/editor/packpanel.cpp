#include "editor/packpanel.h"
#include "editor/editormessage.h"
#include "editor/shownpath.h"
#include "editor/sourcedocument.h"
#include "editor/statuscolours.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>

namespace {

QString htmlLines(const QStringList &lines)
{
    QStringList escaped;
    for (const QString &line : lines)
        escaped << line.toHtmlEscaped();
    return escaped.join(QStringLiteral("<br>"));
}

} // namespace

PackPanel::PackPanel(const PackPlace &place, const QString &program, QWidget *parent)
    : QWidget(parent), m_place(place), m_program(program), m_step(new QLabel(this)),
      m_bar(new QProgressBar(this)), m_stop(new QPushButton(QStringLiteral("止める"), this))
{
    m_step->setMinimumWidth(m_step->fontMetrics().averageCharWidth() * 44);
    m_bar->setMaximumWidth(200);
    m_stop->setObjectName(QStringLiteral("cancelPack"));
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_step);
    row->addWidget(m_bar);
    row->addWidget(m_stop);
    connect(m_stop, &QPushButton::clicked, this, &PackPanel::cancel);
    connect(&m_run, &PackRun::progress, this, &PackPanel::showStep);
    connect(&m_run, &PackRun::finished, this, &PackPanel::done);
    hide();
}

void PackPanel::askToMake(const QStringList &unmended, const QString &name)
{
    if (unmended.isEmpty()) {
        askForName(name);
        return;
    }
    auto *warning = new QMessageBox(QMessageBox::Warning, QStringLiteral("パックを作る"),
                                    EditorMessage::unmended(unmended),
                                    QMessageBox::Yes | QMessageBox::No, window());
    warning->setObjectName(QStringLiteral("unmendedWarning"));
    warning->setAttribute(Qt::WA_DeleteOnClose);
    warning->setDefaultButton(QMessageBox::No);
    connect(warning->button(QMessageBox::Yes), &QPushButton::clicked, this,
            [this, name] { askForName(name); });
    warning->open();
}

void PackPanel::askForName(const QString &name)
{
    bool chosen = false;
    const QString given = QInputDialog::getText(
        window(), QStringLiteral("パックを作る"),
        QStringLiteral("パックの名前を決めてください。メニューには「花の図鑑（名前）」と出ます。\n"
                       "同じ名前のパックがあれば、新しく作ったものに置き換わります。"),
        QLineEdit::Normal, name, &chosen);
    if (chosen)
        emit nameChosen(given.trimmed());
}

bool PackPanel::make(const QString &name, SourceDocument &source, const QString &bundled)
{
    if (isRunning())
        return false;
    if (const auto refused = PackInstaller::nameProblem(name)) {
        emit problem(*refused);
        return false;
    }
    if (!source.saveAll()) {
        emit problem(QStringLiteral("保存できない説明があるので、パックは作りません。\n%1")
                         .arg(source.saveProblem()));
        return false;
    }
    PackOptions options;
    options.source = source.folder();
    options.bundled = bundled;
    start(name, options);
    return true;
}

void PackPanel::start(const QString &name, const PackOptions &options)
{
    m_source = options.source;
    m_stopped = false;
    m_hadPack = isInstalled(name);
    showStep(QStringLiteral("パックを作り始めます…"), 0, 0);
    show();
    m_run.start(name, options, m_place, m_program);
}

bool PackPanel::isInstalled(const QString &name) const
{
    return QFileInfo(m_place.folderOf(name)).isSymLink();
}

void PackPanel::view(const QString &name)
{
    const QString folder = m_place.folderOf(name);
    if (!QFileInfo::exists(folder))
        emit problem(QStringLiteral("パック「%1」はまだ入っていません。"
                                    "先に「パックを作る」で作ってください。")
                         .arg(name));
    else if (!QProcess::startDetached(m_program, {QStringLiteral("--content"), folder}))
        emit problem(QStringLiteral("花の図鑑を始められません（%1）。").arg(m_program));
}

void PackPanel::cancel()
{
    m_stopped = m_run.isRunning();
    m_run.cancel();
}

void PackPanel::showStep(const QString &step, int done, int total)
{
    m_step->setText(step);
    m_bar->setRange(0, total);
    m_bar->setValue(done);
}

void PackPanel::done(const PackResult &result)
{
    hide();
    showResult(result);
    emit finished(result);
}

// The source's files named from the folder, as the rest of the window
// names them.
QString PackPanel::problemsText(const PackResult &result) const
{
    QStringList problems;
    for (const QString &line : texts(result.problems))
        problems << (line.startsWith(m_source + u'/') ? line.mid(m_source.size() + 1) : line);
    QStringList summary;
    for (const QString &line : result.summary.lines())
        summary << withHomeShortened(line);
    QString words = htmlLines(summary);
    if (!problems.isEmpty())
        words = coloured(htmlLines(problems), problemColour(palette())) +
                QStringLiteral("<br><br>") + words;
    return words;
}

void PackPanel::showResult(const PackResult &result)
{
    if (m_summary) {
        m_summary->close();
        m_summary->deleteLater();
    }
    m_summary = new QMessageBox(window());
    m_summary->setObjectName(QStringLiteral("packSummary"));
    m_summary->setWindowTitle(QStringLiteral("パックを作る"));
    m_summary->setIcon(result.summary.clean() ? QMessageBox::Information : QMessageBox::Warning);
    if (result.summary.made)
        m_summary->setText(
            QStringLiteral("パック「%1」を作って、メニューに入れました。").arg(result.name));
    else if (m_stopped)
        m_summary->setText(m_hadPack ? EditorMessage::stoppedKeepingOld(result.name)
                                     : EditorMessage::stoppedWithoutPack(result.name));
    else
        m_summary->setText(QStringLiteral("パック「%1」は作りませんでした。").arg(result.name));
    m_summary->setInformativeText(problemsText(result));
    m_summary->setStandardButtons(QMessageBox::Close);
    if (result.summary.made) {
        QPushButton *view =
            m_summary->addButton(QStringLiteral("図鑑で見る"), QMessageBox::AcceptRole);
        connect(view, &QPushButton::clicked, this,
                [this, name = result.name] { this->view(name); });
        m_summary->setDefaultButton(view);
    }
    m_summary->open();
}
