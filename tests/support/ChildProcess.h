#pragma once

#include <QByteArray>
#include <QString>

// Runs this test program again as a child with "--child <scenario>", for paths
// that end the process. The child is started with the same environment.
struct ChildProcess
{
    int exitCode = -1;
    bool crashed = false;
    QByteArray standardOutput;
    QByteArray standardError;

    static ChildProcess run(const QString &scenario);
};

// main() for widget tests that need the program's own application object, and the child
// scenarios of TestClass::child(scenario) when asked for one.
#define APPLICATION_TEST_MAIN(TestClass)                                                                               \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        ZolvenarApplication app(argc, argv);                                                                           \
        if (argc == 3 && QByteArray(argv[1]) == "--child")                                                             \
            return TestClass::child(QByteArray(argv[2]));                                                              \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
