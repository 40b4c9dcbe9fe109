// Side load for the drift figure: busy-looping shells, one per core by default. Each is bounded by
// a CPU-time limit and dies with the bench, so none can outlive a crashed or interrupted run.
#pragma once

#include <QProcess>

#include <memory>
#include <vector>

namespace bench {

class BusyLoad
{
public:
    explicit BusyLoad(int processes, int cpuSecondsLimit);
    ~BusyLoad();
    Q_DISABLE_COPY_MOVE(BusyLoad)

    int running() const;
    // CPU time the busy processes have used so far, in seconds.
    double cpuSeconds() const;

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

// The processors this process may run on, as `nproc` counts them.
int UsableCores();

} // namespace bench
