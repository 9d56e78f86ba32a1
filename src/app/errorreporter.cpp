#include "app/errorreporter.h"

#include <QMessageBox>
#include <cstdio>

void DialogErrorReporter::report(const QString &message)
{
    std::fprintf(stderr, "hana: error: %s\n", qPrintable(QString(message).replace('\n', ' ')));
    QMessageBox::critical(
        nullptr, QStringLiteral("花の図鑑 - エラー"),
        QStringLiteral("エラーが起きたため、プログラムを終了します。\n\n%1").arg(message));
}
