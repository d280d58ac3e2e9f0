#pragma once

#include <QtGlobal>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

/// Runs the player's jobs one after another, in the order posted, on a thread of its own: a state change that waits
/// on a sound server holds that thread and never the one that posts. Made without a thread, for an output that cannot
/// wait on anything, it runs each job at once instead.
class PipelineWorker {
    Q_DISABLE_COPY_MOVE(PipelineWorker)

public:
    using Job = std::function<void()>;
    /// How long the destructor waits for the jobs still to run.
    static constexpr std::chrono::milliseconds ExitWait{2000};

    explicit PipelineWorker(bool ownThread);
    /// Runs the jobs still posted; a job stuck beyond ExitWait is left to finish on its own, and its thread with it.
    ~PipelineWorker();

    /// Runs \a job after those posted before it; its captures are released on the worker's thread too.
    void post(Job job);

private:
    struct Queue;
    static void serve(const std::shared_ptr<Queue> &queue);

    std::shared_ptr<Queue> m_queue;
    std::thread m_thread;
};
