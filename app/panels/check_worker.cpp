// SPDX-License-Identifier: GPL-3.0-or-later
#include "check_worker.h"

#include <QThread>
#include <algorithm>

CheckWorker::CheckWorker(QObject* parent) : QObject(parent) {}

CheckWorker::~CheckWorker()
{
    for (QThread* thread : threads_) {
        thread->wait();
        delete thread;
    }
}

void CheckWorker::Start(Job job)
{
    const unsigned number = ++started_;
    wanted_ = number;
    auto outcome = std::make_shared<Outcome>();
    outcome->key = job.key;
    QThread* thread = QThread::create([job = std::move(job), outcome] {
        if (!job.reference || !job.learner) {
            outcome->error = "a recording cannot be read";
            return;
        }
        outcome->checked =
            listen::Check(*job.reference, *job.learner, &outcome->result, &outcome->error, job.similar);
    });
    threads_.push_back(thread);
    // Told on this object's thread once the check's thread has ended.
    connect(thread, &QThread::finished, this, [this, thread, outcome, number] {
        threads_.erase(std::find(threads_.begin(), threads_.end(), thread));
        thread->deleteLater();
        if (number == wanted_)
            emit Finished(*outcome);
    });
    thread->start(QThread::LowPriority);
}
