// The Scan & Decode window of a wireless converter, shown on its own with
// the real engine: the results are saved to M_Bus.xml in the folder given.
//
//   scan_demo FOLDER
#include "app/AppState.h"
#include "app/Language.h"
#include "scan/dialogs/ScanDecodeDialog.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: scan_demo FOLDER\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(folder);
    app::languageTable().Load_Default_Texts();
    app::state().Project_Dir = folder;
    app::state().File_ParGen = folder + QStringLiteral("/ParGen.xml");
    app::state().File_M_Bus = folder + QStringLiteral("/M_Bus.xml");

    scan::TFScanDecode window;
    window.XML_Code_Dev = 14;
    window.FileName_MBus = app::state().File_M_Bus;
    window.Form_Type = 1;
    window.exec();
    return 0;
}
