// Time of EDIDGetMandatoryInfo on the sample images, one benchmark per image
// and one over all of them in turn.

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "edid.h"

namespace {

struct Sample {
    std::string name;
    std::array<Byte, 256> image;
};

std::vector<Sample> loadSamples()
{
    std::vector<Sample> samples;
    const std::string dir = VOZEVU_TEST_DATA;
    DIR* d = opendir(dir.c_str());
    if (!d)
        return samples;
    while (const dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name.size() < 5 || name.compare(name.size() - 4, 4, ".bin") != 0)
            continue;
        Sample s{ name.substr(0, name.size() - 4), {} };
        if (FILE* f = fopen((dir + "/" + name).c_str(), "rb")) {
            const size_t n = fread(s.image.data(), 1, s.image.size(), f);
            fclose(f);
            if (n >= 128)
                samples.push_back(s);
        }
    }
    closedir(d);
    std::sort(samples.begin(), samples.end(),
              [](const Sample& a, const Sample& b) { return a.name < b.name; });
    return samples;
}

void decodeOne(benchmark::State& state, const Sample* sample)
{
    _EDID_MANDATORY_INFO info;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EDIDGetMandatoryInfo(sample->image.data(), &info));
        benchmark::DoNotOptimize(info);
    }
}

void decodeAll(benchmark::State& state, const std::vector<Sample>* samples)
{
    _EDID_MANDATORY_INFO info;
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EDIDGetMandatoryInfo((*samples)[i].image.data(), &info));
        benchmark::DoNotOptimize(info);
        if (++i == samples->size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

int main(int argc, char** argv)
{
    static const std::vector<Sample> samples = loadSamples();
    if (samples.empty()) {
        fprintf(stderr, "no sample image in %s\n", VOZEVU_TEST_DATA);
        return 1;
    }
    for (const Sample& s : samples)
        benchmark::RegisterBenchmark(("EDIDGetMandatoryInfo/" + s.name).c_str(), decodeOne, &s);
    benchmark::RegisterBenchmark("EDIDGetMandatoryInfo/all", decodeAll, &samples);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
