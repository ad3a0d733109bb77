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

// The sanitizers ask for their options before main; the build names them (tests/CMakeLists.txt).
// Options in the environment still take precedence.
extern "C" {
__attribute__((used)) const char* __asan_default_options()
{
    return ASAN_OPTIONS;
}
__attribute__((used)) const char* __ubsan_default_options()
{
    return UBSAN_OPTIONS;
}
__attribute__((used)) const char* __lsan_default_options()
{
    return LSAN_OPTIONS;
}
__attribute__((used)) const char* __tsan_default_options()
{
    return TSAN_OPTIONS;
}
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#if defined(__SANITIZE_THREAD__)
    // Programs a test starts are checked too, with the same suppressions.
    if (qEnvironmentVariableIsEmpty("TSAN_OPTIONS"))
        qputenv("TSAN_OPTIONS", TSAN_OPTIONS);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    TestSupport::TempWorkDir workDir;
    return RUN_ALL_TESTS();
}
