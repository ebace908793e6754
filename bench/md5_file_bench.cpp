// Digests one file with the program's MD5 code, the way the digest listing reads it, and prints
// the time the digest took, the throughput and the peak memory of the process.
//   md5_file_bench FILE
#include <chrono>
#include <cstdio>
#include <memory>

#include "digest/digest_listing.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>

#include "framework/file_stream.h"

namespace {
std::unique_ptr<TStream> OpenFile(const char* name) {
    return std::make_unique<TFileStream>(name, fmOpenRead);
}
double PeakMemoryMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1 << 20);
}
}  // namespace
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

#include "framework/buffered_stream.h"

namespace {
// The same buffering as the Windows file stream, over a POSIX descriptor.
class PosixFileStream final : public TBufferedReadStream {
  public:
    explicit PosixFileStream(const char* name) : fd_(open(name, O_RDONLY)) {
        if (fd_ < 0)
            throw std::runtime_error(std::string("cannot open ") + name);
    }
    ~PosixFileStream() override { close(fd_); }
    std::int64_t Size() const override {
        struct stat st {};
        fstat(fd_, &st);
        return st.st_size;
    }

  private:
    void SeekSource(std::int64_t offset) override { lseek(fd_, offset, SEEK_SET); }
    std::int32_t ReadSource(char* dest, std::int32_t count) override {
        const ssize_t n = read(fd_, dest, static_cast<std::size_t>(count));
        if (n < 0)
            RaiseReadError(0);
        return static_cast<std::int32_t>(n);
    }
    int fd_;
};
std::unique_ptr<TStream> OpenFile(const char* name) {
    return std::make_unique<PosixFileStream>(name);
}
double PeakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}
}  // namespace
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: md5_file_bench FILE\n");
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        const std::unique_ptr<TStream> stream = OpenFile(argv[1]);
        const std::int64_t size = stream->Size();
        const std::string hex = Md5HexOfStream(*stream);
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        std::printf("%s seconds=%.4f MiB/s=%.1f peak_MiB=%.1f\n", hex.c_str(), seconds.count(),
                    static_cast<double>(size) / (1 << 20) / seconds.count(), PeakMemoryMiB());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
