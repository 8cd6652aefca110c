#pragma once
// Figures kept across the benchmarks of one run, so a benchmark can weigh its cost against
// another's measured on the same machine under the same load: CPU seconds a frame by name,
// the median of every repetition kept.
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
        // The lap's seconds.
        double stop()
        {
            const double lap = now() - m_started;
            m_seconds += lap;
            return lap;
        }
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

    // Seconds a frame over frames that took _seconds each, as the median of blocks of 100
    // frames: a block in which the machine was busy elsewhere does not decide.
    static double typical(const std::vector<double>& _seconds)
    {
        std::vector<double> blocks;
        for (size_t at = 0; at + 100 <= _seconds.size(); at += 100) {
            double block = 0;
            for (size_t i = at; i < at + 100; ++i)
                block += _seconds[i];
            blocks.push_back(block / 100);
        }
        return median(blocks);
    }
    static double median(std::vector<double> _values)
    {
        if (_values.empty())
            return 0;
        std::nth_element(_values.begin(), _values.begin() + long(_values.size() / 2), _values.end());
        return _values[_values.size() / 2];
    }

    static void keep(const std::string& _name, double _seconds) { figures()[_name].push_back(_seconds); }
    // The median of what was kept under _name; 0 when nothing was.
    static double seconds(const std::string& _name) { return median(figures()[_name]); }
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
