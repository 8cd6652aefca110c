#pragma once
// Figures kept across the benchmarks of one run, so a benchmark can weigh its cost against
// another's measured on the same machine under the same load: CPU seconds by name, the
// median of every repetition kept.
#include <time.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

class cSameRun {
public:
    // The process's CPU time over the laps between start and stop.
    class cClock {
    public:
        void start() { m_started = now(); }
        void stop() { m_seconds += now() - m_started; }
        double seconds() const { return m_seconds; }

    private:
        static double now()
        {
            timespec time{};
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &time);
            return double(time.tv_sec) + double(time.tv_nsec) * 1e-9;
        }
        double m_started = 0;
        double m_seconds = 0;
    };

    static void keep(const std::string& _name, double _seconds) { figures()[_name].push_back(_seconds); }
    // The median of what was kept under _name; 0 when nothing was.
    static double seconds(const std::string& _name)
    {
        std::vector<double> kept = figures()[_name];
        if (kept.empty())
            return 0;
        std::nth_element(kept.begin(), kept.begin() + long(kept.size() / 2), kept.end());
        return kept[kept.size() / 2];
    }
    // _seconds as a share of what was kept under _name; 0 when nothing was.
    static double ratio(double _seconds, const std::string& _name)
    {
        const double base = seconds(_name);
        return base > 0 ? _seconds / base : 0;
    }

private:
    static std::map<std::string, std::vector<double>>& figures()
    {
        static std::map<std::string, std::vector<double>> s_figures;
        return s_figures;
    }
};
