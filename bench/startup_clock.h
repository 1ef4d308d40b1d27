#pragma once
// Start-up timing shared by the two start-up benchmarks (bench_startup and
// bench_bare): both stop the clock the same way, so only what they do at
// start differs.
//
// Time is taken from the launch of the process to the moment the main window
// has been exposed and painted once. The launcher (tools/bench-startup) puts
// its wall clock at exec time into BENCH_LAUNCH_US (microseconds since the
// epoch, as bash's EPOCHREALTIME gives it), which also counts loading the
// shared libraries before main. Without it, the kernel's start time of the
// process is used, which has only clock-tick (10 ms) resolution.
#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace bench {

inline double realtime_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Processor time the process has used so far, dynamic loading included: on a
// busy machine it varies far less from run to run than the wall clock.
inline double cpu_ms()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Milliseconds since the process started, by the kernel's reckoning.
inline double since_process_start_ms()
{
    std::ifstream in("/proc/self/stat");
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Fields after the command name (which may hold blanks) start behind ')'.
    std::size_t pos = stat.rfind(')');
    if (pos == std::string::npos)
        return -1.0;
    // starttime is field 22; the field after ')' is number 3.
    int field = 2;
    ++pos;
    while (field < 22 && pos < stat.size()) {
        if (stat[pos] == ' ')
            ++field;
        ++pos;
    }
    const double ticks = std::strtod(stat.c_str() + pos, nullptr);
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double now_ms = static_cast<double>(boot.tv_sec) * 1e3 + static_cast<double>(boot.tv_nsec) / 1e6;
    return now_ms - ticks * 1e3 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Milestones of one start, in milliseconds since launch.
class StartClock {
public:
    StartClock()
        : main_realtime_(realtime_ms()), main_since_start_(since_process_start_ms())
    {
        if (const char* launch = std::getenv("BENCH_LAUNCH_US"); launch && *launch)
            launch_ms_ = std::strtod(launch, nullptr) / 1e3;
    }

    double elapsed() const
    {
        if (launch_ms_ > 0)
            return realtime_ms() - launch_ms_;
        return main_since_start_ + (realtime_ms() - main_realtime_);
    }

    void mark(const char* name) { marks_.push_back({name, elapsed(), cpu_ms()}); }

    // The run also waits, after the first paint, for the work the program
    // leaves until then: `ready` marks its end among the milestones. The
    // figure itself stays the first paint.
    void awaitReady() { ++awaited_; }
    void ready()
    {
        mark("ready");
        if (--awaited_ == 0 && painted_)
            report();
    }

    // Ends the run after the first paint of `window` has been finished, and
    // prints "<label> <wall ms> <cpu ms> <peak memory KiB>" and the
    // milestones (wall/cpu) on one line. The peak is the process's largest
    // resident size until then, the work left until after the paint included.
    void stopAfterFirstPaint(QWidget* window, const char* label)
    {
        label_ = label;
        window_ = window;
        QApplication::instance()->installEventFilter(&filter_);
        filter_.clock = this;
    }

private:
    struct Filter : QObject {
        StartClock* clock = nullptr;
        bool fired = false;
        bool eventFilter(QObject* obj, QEvent* event) override
        {
            if (!fired && event->type() == QEvent::Paint) {
                auto* w = qobject_cast<QWidget*>(obj);
                if (w && w->window() == clock->window_) {
                    fired = true;
                    clock->mark("first-paint-begins");
                    // Runs once the whole window's paint, begun here, is done.
                    QMetaObject::invokeMethod(this, [c = clock] { c->finish(); }, Qt::QueuedConnection);
                }
            }
            return false;
        }
    };

    void finish()
    {
        painted_ = true;
        paintedWall_ = elapsed();
        paintedCpu_ = cpu_ms();
        if (awaited_ == 0)
            report();
    }

    void report()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("%s %.3f %.3f %ld", label_, paintedWall_, paintedCpu_, usage.ru_maxrss);
        std::printf(" | main %.1f/%.1f", launch_ms_ > 0 ? main_realtime_ - launch_ms_ : main_since_start_, main_cpu_);
        for (const Mark& m : marks_)
            std::printf(" %s %.1f/%.1f", m.name, m.wall, m.cpu);
        std::printf("\n");
        std::fflush(stdout);
        QApplication::exit(0);
    }

    struct Mark {
        const char* name;
        double wall;
        double cpu;
    };

    double main_cpu_ = cpu_ms();
    double main_realtime_;
    double main_since_start_;
    double launch_ms_ = 0;
    int awaited_ = 0;
    bool painted_ = false;
    double paintedWall_ = 0;
    double paintedCpu_ = 0;
    const char* label_ = "";
    QWidget* window_ = nullptr;
    Filter filter_;
    std::vector<Mark> marks_;
};

} // namespace bench
