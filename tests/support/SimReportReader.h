// Reads input reports from an SDK handle the way the I/O thread does
// (non-blocking reads, short sleeps), for tests that talk to the simulated
// keyboard directly.
#ifndef LUMTAR_TESTS_SIM_REPORT_READER_H
#define LUMTAR_TESTS_SIM_REPORT_READER_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct SimReadReport {
    int count = 0;                 // what the read returned
    std::array<uint8_t, 64> bytes{};
};

class SimReportReader {
public:
    // Every report that arrives within timeoutMs (reading stops early once
    // `expected` reports came, when expected > 0).
    static std::vector<SimReadReport> collect(int handle, int timeoutMs, std::size_t expected = 0);
    // The first report with this command byte within timeoutMs; count 0
    // when none came. Reports of other commands are skipped.
    static SimReadReport waitFor(int handle, uint8_t command, int timeoutMs = 2000);
    // Builds a 64-byte output report.
    static std::array<uint8_t, 64> report(std::initializer_list<std::pair<int, int>> bytes);
};

#endif
