// The Qt tests on the offscreen platform, one test object per window. With a
// test object's class name as the first argument only that object runs; the
// arguments after it go to Qt Test (a test function's name, -v2, ...).

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <vector>

#include "qt/skin.h"

int runDesignWindowViewTests(int argc, char** argv);
int runNotebookWindowViewTests(int argc, char** argv);
int runPrinterBackEndTests(int argc, char** argv);
int runParametricWindowViewTests(int argc, char** argv);
int runNetworkWindowViewTests(int argc, char** argv);

namespace {

struct TestObject {
    const char* name;
    int (*run)(int argc, char** argv);
};

// CTest makes one entry of each line here (tests/CMakeLists.txt reads them).
constexpr TestObject kTestObjects[] = {
    {"DesignWindowViewTest", runDesignWindowViewTests},   {"NotebookWindowViewTest", runNotebookWindowViewTests},
    {"PrinterBackEndTest", runPrinterBackEndTests},       {"ParametricWindowViewTest", runParametricWindowViewTests},
    {"NetworkWindowViewTest", runNetworkWindowViewTests},
};

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the windows remember (their sizes) goes to a folder of this run.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication application(argc, argv);
    vexa::skin::apply(application);
    if (argc > 1 && argv[1][0] != '-') {
        for (const TestObject& object : kTestObjects) {
            if (std::strcmp(argv[1], object.name) != 0) continue;
            std::vector<char*> rest{argv[0]};
            rest.insert(rest.end(), argv + 2, argv + argc);
            return object.run(static_cast<int>(rest.size()), rest.data());
        }
        std::fprintf(stderr, "qt_tests: no test object %s\n", argv[1]);
        return 2;
    }
    int failures = 0;
    for (const TestObject& object : kTestObjects) failures += object.run(argc, argv);
    return failures;
}
