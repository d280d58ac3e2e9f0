#include "pipelineworker.h"

#include <condition_variable>
#include <deque>
#include <mutex>

// Shared with the thread, which may outlive the worker.
struct PipelineWorker::Queue {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> jobs;
    bool closing = false;
    bool finished = false;
};

PipelineWorker::PipelineWorker(bool ownThread) {
    if (ownThread) {
        m_queue = std::make_shared<Queue>();
        m_thread = std::thread(&PipelineWorker::serve, m_queue);
    }
}

PipelineWorker::~PipelineWorker() {
    if (!m_thread.joinable()) {
        return;
    }
    std::unique_lock lock(m_queue->mutex);
    m_queue->closing = true;
    m_queue->changed.notify_all();
    const bool finished = m_queue->changed.wait_for(lock, ExitWait, [this] { return m_queue->finished; });
    lock.unlock();
    if (finished) {
        m_thread.join();
    } else {
        m_thread.detach();
    }
}

void PipelineWorker::post(Job job) {
    if (!m_queue) {
        job();
        return;
    }
    const std::lock_guard lock(m_queue->mutex);
    m_queue->jobs.push_back(std::move(job));
    m_queue->changed.notify_all();
}

void PipelineWorker::serve(const std::shared_ptr<Queue> &queue) {
    std::unique_lock lock(queue->mutex);
    for (;;) {
        queue->changed.wait(lock, [&] { return !queue->jobs.empty() || queue->closing; });
        if (queue->jobs.empty()) {
            break;
        }
        Job job = std::move(queue->jobs.front());
        queue->jobs.pop_front();
        lock.unlock();
        job();
        job = nullptr;
        lock.lock();
    }
    queue->finished = true;
    queue->changed.notify_all();
}
