// The Qt tests on the offscreen platform, one test object per window.

#include <QApplication>

#include "qt/skin.h"

int runDesignWindowViewTests(int argc, char** argv);
int runNotebookWindowViewTests(int argc, char** argv);
int runPrinterBackEndTests(int argc, char** argv);
int runParametricWindowViewTests(int argc, char** argv);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    vexa::skin::apply(application);
    int failures = runDesignWindowViewTests(argc, argv);
    failures += runNotebookWindowViewTests(argc, argv);
    failures += runPrinterBackEndTests(argc, argv);
    failures += runParametricWindowViewTests(argc, argv);
    return failures;
}
