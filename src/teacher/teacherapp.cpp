#include "teacher/teacherapp.h"
#include "records/recordstore.h"
#include "teacher/storewatch.h"
#include "teacher/teacherwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>

int runTeacherView(int &argc, char **argv, const QString &storePath)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("花の図鑑のきろく"));
    QApplication::setDesktopFileName(QStringLiteral("net.hanazukan.Hana.Records"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("net.hanazukan.Hana")));
    // The toolkit's own words (buttons, file dialogs) in Japanese, as the rest.
    QTranslator toolkit;
    if (toolkit.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkit);

    const std::unique_ptr<RecordStore> store = RecordStore::open(storePath);
    if (store->failure()) {
        const QString message = store->failure()->message();
        std::fputs(qPrintable(QStringLiteral("hana-records: %1\n").arg(message)), stderr);
        QMessageBox::critical(nullptr, QStringLiteral("記録を開けません"), message);
        return 1;
    }
    TeacherWindow window(*store, StoreWatch::DefaultInterval);
    window.show();
    return QApplication::exec();
}
