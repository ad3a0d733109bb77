// Draws the application's images and writes them, with their .qrc files, under the
// resources folder. Run by hand once after a change to a drawing:
//   imagegen <resources folder> [contact sheet prefix]
// The contact sheets, for a person to look at, are written as <prefix>-1.png and on.
#include "ImageSet.h"
#include "Trees.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: imagegen <resources folder> [contact sheet prefix]\n");
        return 2;
    }
    ImageSet set(QString::fromLocal8Bit(argv[1]));
    const bool drawn =
        addWidgetImages(set) && addSymbolImages(set) && addGraphicImages(set) && addApplicationImages(set);
    if (!drawn || !set.writeQrcFiles() || !writeDesktopIcons(set.root())) {
        std::fprintf(stderr, "imagegen: could not write under %s\n", argv[1]);
        return 1;
    }
    constexpr int kSheetImages = 30;
    for (int first = 0; argc > 2 && first < set.count(); first += kSheetImages) {
        const QString sheet = QString("%1-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(first / kSheetImages + 1);
        if (!set.contactSheet(first, kSheetImages).save(sheet, "PNG")) {
            std::fprintf(stderr, "imagegen: could not write %s\n", qPrintable(sheet));
            return 1;
        }
    }
    std::printf("imagegen: %d images\n", set.count());
    return 0;
}
