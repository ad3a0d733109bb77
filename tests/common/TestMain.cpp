// Entry of every test executable: one Qt application object for the process and a
// private working folder, so tests never write into the source tree.
#include "TempWorkDir.h"

#include <gtest/gtest.h>

#ifdef KELVORA_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    TestSupport::TempWorkDir workDir;
    return RUN_ALL_TESTS();
}
