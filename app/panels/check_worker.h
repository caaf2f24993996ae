// SPDX-License-Identifier: GPL-3.0-or-later
// The check of a learner's recitation, run on a thread of its own so that the window stays with the
// learner while a long aya is aligned. Only the latest check counts: a check started while another is
// under way leaves that one's result unheard.
#pragma once

#include "recitation_check.h"

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class QThread;

class CheckWorker : public QObject
{
    Q_OBJECT
  public:
    struct Job {
        std::string key; // the aya checked
        std::shared_ptr<const std::vector<char>> reference, learner;
        std::vector<listen::SimilarRecitation> similar;
    };
    struct Outcome {
        std::string key;
        bool checked = false; // false: error says why
        listen::CheckResult result;
        std::string error;
    };

    explicit CheckWorker(QObject* parent = nullptr);
    // Waits for the checks under way: their threads hold nothing of the window's.
    ~CheckWorker() override;

    // Checks job on a thread of its own; Finished tells the outcome, unless another check is started
    // first.
    void Start(Job job);

  signals:
    void Finished(const CheckWorker::Outcome& outcome);

  private:
    std::vector<QThread*> threads_;
    unsigned started_ = 0; // checks started so far
    unsigned wanted_ = 0;  // the one whose outcome is wanted
};
