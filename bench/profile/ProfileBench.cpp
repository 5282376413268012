// Times the start-up profile reads on a full TzView.ini (four matrices, 255 names each, port
// maps: some three thousand keys): readMatrices plus readSystem twice, once key by key through
// the private-profile functions and once through the section reader the program uses.
// Usage: profile_bench [rounds]   (writes its TzView.ini into .\profile_bench_data)
#include "app/core/profile/ProfilePaths.h"
#include "app/core/profile/ProfileReader.h"
#include "app/core/profile/ProfileStore.h"
#include "tests/unit/profile/FullViewProfile.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Processor time of this process in milliseconds: the machine that runs the benchmarks is
// often shared, and the wall clock then measures the neighbours as much as the reads.
double cpuMilliseconds()
{
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
#else
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

struct Times {
    std::vector<double> wall, cpu;
};

void measure(Times& times, const std::function<void()>& work)
{
    const double cpuStart = cpuMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    work();
    times.wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    times.cpu.push_back(cpuMilliseconds() - cpuStart);
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* name, const Times& times)
{
    std::printf("%-42s wall min %8.2f median %8.2f ms   cpu median %8.2f ms\n", name,
                *std::min_element(times.wall.begin(), times.wall.end()), median(times.wall), median(times.cpu));
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const CString folder = ".\\profile_bench_data";
    ensureFolder(folder);
    const ProfileStore store(folder);
    const std::string text = profiletest::fullViewProfile();
    {
        CString host = store.viewProfilePath();
#ifndef _WIN32
        host.Replace('\\', '/');
#endif
        std::FILE* f = std::fopen(host, "wb");
        if (!f) {
            std::fprintf(stderr, "cannot write %s\n", host.GetString());
            return 1;
        }
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    std::printf("TzView.ini: %zu bytes\n", text.size());

    auto matrices = std::make_unique<MatrixConfig>();
    SystemConfig configured, working;
    Times direct, sectioned, parseOnly;
    for (int round = 0; round < rounds; ++round) {
        measure(direct, [&] {
            DirectProfileReader reader(store.viewProfilePath());
            ProfileStore::readSystemFrom(reader, configured);
            ProfileStore::readMatricesFrom(reader, *matrices);
            ProfileStore::readSystemFrom(reader, working);
        });
        measure(sectioned, [&] {
            store.readSystem(configured);
            store.readMatrices(*matrices);
            store.readSystem(working);
        });
        // The file's share: natively the reader parses the whole file when it is made; on
        // Windows it asks the platform for a section when a key of it is first wanted, so one
        // key of each section read at start-up is asked here.
        measure(parseOnly, [&] {
            for (int i = 0; i < 3; ++i) {
                SectionProfileReader reader(store.viewProfilePath());
                for (const char* section : {"application", "CVBS_Matrix", "VGA_Matrix", "DVI_Matrix", "COMMON_Matrix"})
                    reader.readInt(section, "devno", 0);
            }
        });
    }
    report("key by key (private-profile functions)", direct);
    report("section reader (ProfileStore)", sectioned);
    report("  of which reading the sections three times", parseOnly);
    return 0;
}
