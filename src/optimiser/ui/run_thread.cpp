#include "optimiser/ui/run_thread.h"

#include "shell/ui/qt_text.h"

#include <QThread>
#include <chrono>

namespace zep {
namespace {

// Forwards what the run reports as signals of the RunThread; Qt queues them to the window's thread.
class SignalListener : public RunListener {
public:
    SignalListener(RunThread& owner, int index, int count) : owner_(owner), index_(index), count_(count) {}
    void task_started(const std::string& code, const std::string& line) override {
        emit owner_.taskStarted(index_, count_, qs(code), qs(line));
    }
    void task_finished(const std::string& code, const std::string& line) override {
        emit owner_.taskFinished(index_, qs(code), qs(line));
    }
    void report_line(ReportLine line, const std::string& text) override {
        emit owner_.reportLine(static_cast<int>(line), qs(text));
    }
    void error_line(const std::string& text) override { emit owner_.errorLine(qs(text)); }
    // The cycle count goes to line 4 at most four times a second.
    void cycle_progress(const RunPosition&, std::int32_t cycle) override {
        const auto now = std::chrono::steady_clock::now();
        if (now - lastCycle_ < std::chrono::milliseconds(250))
            return;
        lastCycle_ = now;
        emit owner_.reportLine(static_cast<int>(ReportLine::RunTotal), qs(report_line4_cycles(cycle)));
    }
    bool stop_requested() override { return owner_.stopRequested(); }
    void work_done(std::int64_t done, std::int64_t total) override { emit owner_.workDone(done, total); }

private:
    RunThread& owner_;
    int index_;
    int count_;
    std::chrono::steady_clock::time_point lastCycle_ = std::chrono::steady_clock::now();
};

} // namespace

RunThread::RunThread(QObject* parent) : QObject(parent) {}

RunThread::~RunThread() {
    if (thread_) {
        stop_ = true;
        thread_->wait();
        delete thread_;
    }
}

bool RunThread::running() const {
    return thread_ && !thread_->isFinished();
}

void RunThread::start(RunSetup setup, std::vector<std::string> codes) {
    if (running())
        return;
    if (thread_) {
        thread_->wait();
        delete thread_;
    }
    stop_ = false;
    thread_ =
        QThread::create([this, setup = std::move(setup), codes = std::move(codes)] { work(setup, codes); });
    thread_->start();
}

void RunThread::work(const RunSetup& setup, const std::vector<std::string>& codes) {
    const int count = static_cast<int>(codes.size());
    bool stopped = false;
    for (int k = 0; k < count && !stopped; ++k) {
        const std::string& code = codes[static_cast<std::size_t>(k)];
        if (stop_) {
            stopped = true;
            break;
        }
        SignalListener listener(*this, k, count);
        try {
            const TaskRunOutcome out = run_task(setup, code, &listener);
            if (out.skipped)
                emit taskFailed(k, qs(code), QString::fromStdString(out.message));
        } catch (const RunStopped&) {
            stopped = true;
            emit taskStopped(k, qs(code));
        } catch (const std::exception& e) {
            emit taskFailed(k, qs(code), QString::fromUtf8(e.what()));
        }
    }
    emit finished(stopped);
}

} // namespace zep
