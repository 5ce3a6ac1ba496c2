#pragma once
// The optimisation run of the module's window on a worker thread: the tasks of the run one after the
// other through run_task, with everything the run reports delivered to the window's thread as signals.
// A stop asked for ends the run at the next path boundary; the task under way then writes nothing.
#include "optimiser/run_control.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <vector>

class QThread;

namespace zep {

class RunThread : public QObject {
    Q_OBJECT
public:
    explicit RunThread(QObject* parent = nullptr);
    // Waits for the worker after asking it to stop.
    ~RunThread() override;

    // Starts the run of `codes` in order; the setup's shell must stay unchanged until finished().
    void start(RunSetup setup, std::vector<std::string> codes);
    bool running() const;
    // Ends the run at the next path boundary; the remaining tasks are not started.
    void requestStop() { stop_ = true; }
    bool stopRequested() const { return stop_; }

signals:
    void taskStarted(int index, int count, const QString& code, const QString& line);
    void reportLine(int line, const QString& text);
    void errorLine(const QString& text);
    void workDone(qint64 done, qint64 total);
    // The solution file of the task was written.
    void taskFinished(int index, const QString& code, const QString& endLine);
    // The task was stopped: nothing of it was written.
    void taskStopped(int index, const QString& code);
    // The input could not be read or the solution not written.
    void taskFailed(int index, const QString& code, const QString& message);
    void finished(bool stopped);

private:
    void work(const RunSetup& setup, const std::vector<std::string>& codes);

    QThread* thread_ = nullptr;
    std::atomic<bool> stop_{false};
};

} // namespace zep
