#include "TestRegistry.h"

#include <QApplication>
#include <QtTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int echecs = 0;
    for (const auto& fabrique : testsInscrits()) {
        const auto test = fabrique();
        echecs += QTest::qExec(test.get(), argc, argv);
    }
    return echecs == 0 ? 0 : 1;
}
