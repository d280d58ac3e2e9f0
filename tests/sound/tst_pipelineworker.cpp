#include "pipelineworker.h"

#include <QTest>

#include <chrono>
#include <future>
#include <vector>

class TestPipelineWorker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void post_whileAJobHangs_returnsAtOnceAndItsJobRunsAfter() {
        std::promise<void> started;
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        std::vector<int> ran;
        {
            PipelineWorker worker(true);
            worker.post([&, released] {
                started.set_value();
                released.wait();
                ran.push_back(1);
            });
            QVERIFY(started.get_future().wait_for(std::chrono::seconds(10)) == std::future_status::ready);
            // Posted from another thread, as the player's own posts would be: a worker that held its queue while the
            // job runs would keep this one waiting until the job ends.
            auto posted = std::async(std::launch::async, [&] { worker.post([&] { ran.push_back(2); }); });
            const bool returned = posted.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
            release.set_value();
            QVERIFY2(returned, "post() waited for the job that hangs");
        }
        QCOMPARE(ran, (std::vector<int>{1, 2}));
    }
};

QTEST_GUILESS_MAIN(TestPipelineWorker)
#include "tst_pipelineworker.moc"
