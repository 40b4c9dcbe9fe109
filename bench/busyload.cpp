// Busy shells for the loaded drift run, and their CPU time read from /proc.
#include "busyload.h"

#include <QFile>
#include <QStringList>

#include <sched.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace bench {

BusyLoad::BusyLoad(int processes, int cpuSecondsLimit)
{
    for (int i = 0; i < processes; ++i) {
        auto process = std::make_unique<QProcess>();
        process->setProgram(QStringLiteral("sh"));
        process->setArguments({QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        const auto limit = static_cast<rlim_t>(cpuSecondsLimit);
        // Runs in the child between fork and exec: only async-signal-safe calls.
        process->setChildProcessModifier([limit] {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const rlimit cpu{limit, limit};
            setrlimit(RLIMIT_CPU, &cpu);
        });
        process->start();
        if (process->waitForStarted())
            m_processes.push_back(std::move(process));
    }
}

BusyLoad::~BusyLoad()
{
    for (auto &process : m_processes)
        process->kill();
    for (auto &process : m_processes)
        process->waitForFinished(5000);
}

int BusyLoad::running() const
{
    int count = 0;
    for (const auto &process : m_processes)
        count += process->state() == QProcess::Running ? 1 : 0;
    return count;
}

double BusyLoad::cpuSeconds() const
{
    static const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    double total = 0;
    for (const auto &process : m_processes) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(process->processId()));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // The command name may hold blanks; the fields are counted from after its closing bracket,
        // where field 3 (the state) comes first, so utime and stime (14, 15) are at 11 and 12.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            total += static_cast<double>(fields[11].toLongLong() + fields[12].toLongLong()) / ticksPerSecond;
    }
    return total;
}

int UsableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0)
        return static_cast<int>(sysconf(_SC_NPROCESSORS_ONLN));
    return CPU_COUNT(&set);
}

} // namespace bench
