// Memory bandwidth of this machine, single thread, for comparing a frame's bytes with what the
// machine can move (tools/bench-bandwidth, docs/performance.md).
//   qilo_bandwidth [MIB [REPEATS]]     buffer size, default 256 MiB; best of REPEATS, default 5
// Prints GB/s (10^9 bytes per second) for: copy (memcpy, counting the bytes read plus the bytes
// written), read (a sum over the buffer), write (memset). Each figure is the best of the repeats.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

double seconds() {
    using clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(clock::now().time_since_epoch()).count();
}

volatile uint64_t sink;

}  // namespace

int main(int argc, char** argv) {
    size_t mib = argc > 1 ? (size_t)std::atol(argv[1]) : 256;
    int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
    if (mib < 1 || repeats < 1) {
        std::fprintf(stderr, "usage: qilo_bandwidth [MIB [REPEATS]]\n");
        return 2;
    }
    size_t bytes = mib << 20;
    size_t words = bytes / sizeof(uint64_t);
    std::vector<uint64_t> a(words, 1), b(words, 2);  // touched, so no page faults are timed

    double copy = 0, read = 0, write = 0;
    for (int r = 0; r < repeats; ++r) {
        double t0 = seconds();
        std::memcpy(b.data(), a.data(), bytes);
        double t1 = seconds();
        uint64_t sum = 0;
        for (size_t i = 0; i < words; ++i)
            sum += a[i];
        double t2 = seconds();
        std::memset(a.data(), r & 0xff, bytes);
        double t3 = seconds();
        sink = sum + b[words / 2];
        copy = std::max(copy, 2.0 * (double)bytes / (t1 - t0) / 1e9);
        read = std::max(read, (double)bytes / (t2 - t1) / 1e9);
        write = std::max(write, (double)bytes / (t3 - t2) / 1e9);
    }
    std::printf(
        "buffer %zu MiB, best of %d: copy %.2f GB/s (read+written), read %.2f GB/s, "
        "write %.2f GB/s\n",
        mib, repeats, copy, read, write);
    return 0;
}
