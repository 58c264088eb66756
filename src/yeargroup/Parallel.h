#pragma once

#include <QtGlobal>

#include <functional>

namespace tamb::check {

// Runs work(i, worker) for every i in [first, end) on up to `workers`
// threads, the calling thread (worker 0) among them.
void inParallel(qsizetype first, qsizetype end, int workers,
                const std::function<void(qsizetype, int)> &work);

// Threads for reading a year group: one per core, at most 8.
int readingWorkers();

} // namespace tamb::check
