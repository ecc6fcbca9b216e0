// SPDX-License-Identifier: GPL-3.0-or-later
// A task posted from a worker thread runs on the Qt interface thread, in its event loop.
#include "platform/ui/QtInterfaceThread.h"
#include "platform/SingleWorker.h"

#include <QThread>
#include <QtTest>

#include <memory>

class QtInterfaceThreadTest : public QObject {
    Q_OBJECT
private slots:
    void aWorkersResultRunsOnTheInterfaceThread() {
        rekko::SingleWorker worker(std::make_shared<rekko::QtInterfaceThread>());
        QThread* jobThread = nullptr;
        QThread* resultThread = nullptr;
        QVERIFY(worker.start([&] {
            jobThread = QThread::currentThread();
            return [&] { resultThread = QThread::currentThread(); };
        }));
        QVERIFY(worker.busy());
        QTRY_VERIFY(!worker.busy());
        QCOMPARE(resultThread, QThread::currentThread());
        QVERIFY(jobThread != QThread::currentThread());
    }
};

QTEST_MAIN(QtInterfaceThreadTest)
#include "QtInterfaceThreadTest.moc"
