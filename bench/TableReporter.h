#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// Collects the medians of all benchmarks (progress on stderr) and prints
// one table at the end: measurement, median, target, whether it is met.
class TableReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &context) override;
    void ReportRuns(const std::vector<Run> &runs) override;
    void Finalize() override;

private:
    struct Result
    {
        double seconds = -1; // median time of one iteration
        std::map<std::string, double> counters;
        std::string error;
    };

    const Result *find(const std::string &name) const;

    std::map<std::string, Result> m_results;
    int m_cpus = 0;
    double m_loadAtStart = -1;
};

} // namespace bench
