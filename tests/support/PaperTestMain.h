#pragma once

#include <QApplication>
#include <QtTest>

// QTEST_MAIN for suites that may start the web engine. The application is
// made as the program makes it: without shared GL contexts, which the
// browser module does without.
#define TESSALY_PAPER_TEST_MAIN(TestObject)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
