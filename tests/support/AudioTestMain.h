#pragma once

#include "SinkRecorder.h"

#include <QApplication>
// <QTest> is left to the test, which may need to define QTEST_QPA_MOUSE_HANDLING first.

// QTEST_MAIN for test programs that listen to the sink: after the last test it ends the
// recording, so that no recorder process outlives the test.
#define TRIVANE_AUDIO_TEST_MAIN(TestObject)                                                                            \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        int status = 0;                                                                                                \
        {                                                                                                              \
            TestObject tc;                                                                                             \
            QTEST_SET_MAIN_SOURCE_PATH                                                                                 \
            status = QTest::qExec(&tc, argc, argv);                                                                    \
        }                                                                                                              \
        SinkRecorder::finish();                                                                                        \
        return status;                                                                                                 \
    }
