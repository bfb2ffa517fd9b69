#pragma once
// Wall-clock time for benchmarks from the performance counter; <chrono> does not compile under
// the CP932 execution character set.
#include <windows.h>

namespace porutena {

class TStopwatch {
public:
    TStopwatch() {
        QueryPerformanceFrequency(&FFrequency);
        QueryPerformanceCounter(&FStart);
    }

    double ElapsedMs() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - FStart.QuadPart) * 1000.0 /
               static_cast<double>(FFrequency.QuadPart);
    }

private:
    LARGE_INTEGER FFrequency;
    LARGE_INTEGER FStart;
};

} // namespace porutena
