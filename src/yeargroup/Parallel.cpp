#include "yeargroup/Parallel.h"

#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

namespace tamb::check {

void inParallel(qsizetype first, qsizetype end, int workers,
                const std::function<void(qsizetype, int)> &work)
{
    std::atomic<qsizetype> next = first;
    const auto loop = [&](int worker) {
        for (qsizetype i = next++; i < end; i = next++)
            work(i, worker);
    };
    std::vector<std::unique_ptr<QThread>> helpers;
    for (int k = 1; k < workers && k < end - first; ++k) {
        std::unique_ptr<QThread> helper(QThread::create(loop, k));
        helper->start();
        helpers.push_back(std::move(helper));
    }
    loop(0);
    for (const std::unique_ptr<QThread> &helper : helpers)
        helper->wait();
}

int readingWorkers()
{
    constexpr int MaxWorkers = 8;
    return qBound(1, QThread::idealThreadCount(), MaxWorkers);
}

} // namespace tamb::check
