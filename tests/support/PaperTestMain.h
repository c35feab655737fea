#pragma once

#include <QApplication>
#include <QtTest>

// QTEST_MAIN for suites that may start the web engine: it is loaded from a
// module after the application exists, which needs shared contexts first.
#define TESSALY_PAPER_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
