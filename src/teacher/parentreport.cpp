#include "teacher/parentreport.h"
#include "content/contentpack.h"
#include "teacher/stampcard.h"
#include "teacher/teachercharts.h"

#include <QChart>
#include <QDateTime>
#include <QGraphicsScene>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace ParentReport {

namespace {

constexpr int Resolution = 150; // dots per inch

// Paper is white whatever the screen's palette.
QPalette paperPalette()
{
    QPalette palette(Qt::black, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Mid, QColor(0x9E, 0x9E, 0x9E));
    palette.setColor(QPalette::Highlight, QColor(0x15, 0x65, 0xC0));
    return palette;
}

void setPixelFont(QPainter &painter, int pixels, bool bold)
{
    QFont font = painter.font();
    font.setPixelSize(pixels);
    font.setBold(bold);
    painter.setFont(font);
}

// Draws the lines one below the other from top; the height they took.
qreal drawLines(QPainter &painter, const QRectF &area, const QStringList &lines)
{
    const qreal height = painter.fontMetrics().height() * 1.4;
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRectF(area.left(), area.top() + i * height, area.width(), height),
                         Qt::AlignLeft | Qt::AlignVCenter, lines.at(i));
    return lines.size() * height;
}

void firstPage(QPainter &painter, const QRectF &page, const ReportContent &content)
{
    setPixelFont(painter, Resolution / 3, true);
    qreal top = page.top();
    top += drawLines(painter, page,
                     {QStringLiteral("花の図鑑のきろく　%1 さん").arg(content.learner.name)});
    setPixelFont(painter, Resolution / 6, false);
    const int rate = content.answers == 0
                         ? 0
                         : (100 * content.rightAnswers + content.answers / 2) / content.answers;
    top += drawLines(painter, page.adjusted(0, top - page.top(), 0, 0),
                     {QStringLiteral("%1 現在").arg(
                          QDate::currentDate().toString(QStringLiteral("yyyy年M月d日"))),
                      QStringLiteral("答えた数 %1、正しかった数 %2（%3%）")
                          .arg(content.answers)
                          .arg(content.rightAnswers)
                          .arg(rate),
                      QStringLiteral("おぼえた花 %1 / %2")
                          .arg(Leitner::learnedCount(content.states))
                          .arg(ContentPack::EntryCount)});
    top += Resolution / 6;
    StampCard::paint(painter, QRectF(page.left(), top, page.width(), page.width() * 1.1),
                     content.states, paperPalette());
}

void secondPage(QPainter &painter, const QRectF &page, const ReportContent &content)
{
    QChart *chart = TeacherCharts::learnedChart(content.days);
    TeacherCharts::applyPalette(*chart, paperPalette());
    QGraphicsScene scene;
    scene.addItem(chart);
    const QRectF chartArea(page.left(), page.top(), page.width(), page.height() * 0.45);
    chart->resize(chartArea.width() / 2, chartArea.height() / 2);
    scene.setSceneRect(chart->rect());
    scene.render(&painter, chartArea, chart->rect());

    setPixelFont(painter, Resolution / 5, true);
    painter.setPen(Qt::black);
    QRectF rest = page.adjusted(0, chartArea.height() + Resolution / 4, 0, 0);
    rest.setTop(rest.top() + drawLines(painter, rest, {QStringLiteral("よくまちがえる名前")}));
    setPixelFont(painter, Resolution / 6, false);
    QStringList lines;
    for (const MissedName &missed : content.missed)
        lines << QStringLiteral("%1　まちがい %2 回、正しく %3 回")
                     .arg(ContentPack::BoardNames[missed.entry - 1].toString())
                     .arg(missed.wrongCount)
                     .arg(missed.rightCount);
    if (lines.isEmpty())
        lines << QStringLiteral("まちがえた名前はありません。");
    drawLines(painter, rest, lines);
}

} // namespace

ReportContent contentOf(RecordStore &store, const LearnerBoxes &row)
{
    const auto [answers, right] = ClassRecords::answerCounts(store, row.learner.id);
    return {row.learner,
            row.states,
            answers,
            right,
            ClassRecords::learnedOverTime(store, row.learner.id),
            ClassRecords::missedMost(row.states, MissedNamesShown)};
}

std::optional<QString> write(const ReportContent &content, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 に書けません（%2）。").arg(path, file.errorString());
    {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(Resolution);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setTitle(QStringLiteral("花の図鑑のきろく %1").arg(content.learner.name));
        pdf.setCreator(QStringLiteral("hana-records"));
        QPainter painter;
        if (!painter.begin(&pdf))
            return QStringLiteral("%1 に PDF を書けません。").arg(path);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF page(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
        firstPage(painter, page, content);
        pdf.newPage();
        secondPage(painter, page, content);
        painter.end();
    }
    if (!file.commit())
        return QStringLiteral("%1 に書けません（%2）。").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace ParentReport
