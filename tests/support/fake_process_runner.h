// A process runner for tests: records every request and plays back scripted outcomes, so
// code that runs an external program is tested without one.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "presentation/process_runner.h"

namespace qelvo::ui::testing {

class FakeProcessRunner : public ProcessRunner {
public:
    using Respond = std::function<ProcessOutcome(const ProcessRequest&, const std::function<bool()>& cancelled)>;

    // Installed while it lives.
    FakeProcessRunner() : previous_(setProcessRunner(this)) {}
    ~FakeProcessRunner() override { setProcessRunner(previous_); }
    FakeProcessRunner(const FakeProcessRunner&) = delete;
    FakeProcessRunner& operator=(const FakeProcessRunner&) = delete;

    // The next outcomes, in order. When none is left: `respond`, else Finished with exit 0.
    void script(ProcessOutcome outcome)
    {
        std::lock_guard lock(mutex_);
        outcomes_.push_back(std::move(outcome));
    }
    void setRespond(Respond respond)
    {
        std::lock_guard lock(mutex_);
        respond_ = std::move(respond);
    }
    std::vector<ProcessRequest> calls() const
    {
        std::lock_guard lock(mutex_);
        return calls_;
    }

    ProcessOutcome run(const ProcessRequest& request, const std::function<bool()>& cancelled = {}) override
    {
        Respond respond;
        {
            std::lock_guard lock(mutex_);
            calls_.push_back(request);
            if (!outcomes_.empty()) {
                ProcessOutcome next = std::move(outcomes_.front());
                outcomes_.pop_front();
                return next;
            }
            respond = respond_;
        }
        if (respond) return respond(request, cancelled);
        ProcessOutcome finished;
        finished.status = ProcessOutcome::Status::Finished;
        finished.exitCode = 0;
        return finished;
    }

private:
    ProcessRunner* previous_;
    mutable std::mutex mutex_;
    std::vector<ProcessRequest> calls_;
    std::deque<ProcessOutcome> outcomes_;
    Respond respond_;
};

}  // namespace qelvo::ui::testing
