// Renders the main window with the sample roster loaded and a bot chosen,
// for the README, and optionally the About dialog, at the desktop's font or
// a font given as "family,points". Build the target, then
//   QT_QPA_PLATFORM=offscreen build/screenshot samples/CovertstrikeUser.ini docs/screenshot.png
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/screenshot samples/CovertstrikeUser.ini docs/screenshot@2x.png
//   QT_QPA_PLATFORM=offscreen build/screenshot samples/CovertstrikeUser.ini main.png about.png "DejaVu Sans,9"
// and, as a fifth argument, the roster overview (Roster, Overview) with three
// rows selected ("-" and "" skip the About dialog and keep the font):
//   QT_QPA_PLATFORM=offscreen build/screenshot samples/CovertstrikeUser.ini main.png - "" docs/overview.png
// "--lang CODE" first renders them in that language (English without it):
//   QT_QPA_PLATFORM=offscreen build/screenshot --lang de samples/CovertstrikeUser.ini docs/screenshot-de.png

#include "about/frm_about.h"
#include "app/frm_main.h"
#include "app/language.h"
#include "tools/remembering_platform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QItemSelectionModel>
#include <QRadioButton>
#include <QTableView>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--lang") {
        app::useLanguage(QString::fromLocal8Bit(argv[2]));
        argc -= 2;
        argv += 2; // the program's name is not used below
    }
    if (argc < 3)
        return 2;
    if (argc > 4 && *argv[4]) {
        QFont font;
        if (!font.fromString(QString::fromLocal8Bit(argv[4])))
            return 2;
        QApplication::setFont(font);
    }
    RememberingPlatform platform(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    frmMain window(platform);
    window.Form_Load();
    window.show();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    combo->setCurrentIndex(5);
    emit combo->activated(5);
    app.processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[2])))
        return 1;
    if (argc > 3 && QByteArray(argv[3]) != "-") {
        frmAbout about(platform, &window);
        about.show();
        app.processEvents();
        if (!about.grab().save(QString::fromLocal8Bit(argv[3])))
            return 1;
    }
    if (argc > 5) {
        window.findChild<QAction*>(QStringLiteral("mnuOverview"))->trigger();
        auto* table = window.findChild<QTableView*>(QStringLiteral("grdRoster"));
        for (int row : {2, 3, 4})
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QWidget* overview = table->window();
        app.processEvents();
        if (!overview->grab().save(QString::fromLocal8Bit(argv[5])))
            return 1;
        // A sixth argument: the Set Values dialog, random values, Accuracy ticked.
        if (argc > 6) {
            QMetaObject::invokeMethod(overview, "setValues");
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return 1;
            dialog->findChild<QRadioButton*>(QStringLiteral("optRandom"))->setChecked(true);
            dialog->findChild<QCheckBox*>(QStringLiteral("IncludeSlider3"))->setChecked(true);
            app.processEvents();
            if (!dialog->grab().save(QString::fromLocal8Bit(argv[6])))
                return 1;
        }
    }
    return 0;
}
