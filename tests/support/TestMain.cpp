#include "TestRegistry.h"

#include <QApplication>
#include <QtTest>

// `tst_x [Classe] [QtTest options]`: with a class name first, only that class runs.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<char*> arguments(argv, argv + argc);
    QString seule;
    if (argc > 1 && argv[1][0] != '-') {
        seule = QString::fromLocal8Bit(argv[1]);
        arguments.erase(arguments.begin() + 1);
    }
    int echecs = 0;
    bool trouvee = seule.isEmpty();
    for (const auto& fabrique : testsInscrits()) {
        const auto test = fabrique();
        if (!seule.isEmpty() && seule != QLatin1String(test->metaObject()->className())) continue;
        trouvee = true;
        echecs += QTest::qExec(test.get(), static_cast<int>(arguments.size()), arguments.data());
    }
    return (echecs == 0 && trouvee) ? 0 : 1;
}
