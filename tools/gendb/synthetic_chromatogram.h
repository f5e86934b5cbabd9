#pragma once
// Chromatogram files made up for tests, benchmarks and the demo: per channel a noisy, slightly drifting
// baseline with Gaussian peaks, and the peak table that lists them. The noise comes from our own generator,
// so that a seed gives the same samples on every target.

#include "chromfile/records.h"

#include <cstdint>
#include <string>
#include <vector>

// A Gaussian peak: retention time and width (standard deviation) in seconds, height above the baseline.
struct SyntheticPeak {
    std::wstring name;
    double time = 0.0;
    double height = 0.0;
    double sigma = 1.0;
};

struct SyntheticChannel {
    uint32_t number = 1;
    double baseline = 0.0;
    // Half the range of the uniform-sum noise added to every sample.
    double noise = 0.0;
    std::vector<SyntheticPeak> peaks;
};

struct SyntheticChromatogram {
    Passport passport;
    std::vector<SyntheticChannel> channels;
    uint32_t sampleCount = 50000;
    // Seconds between samples.
    double interval = 0.01;
    uint64_t seed = 1;
};

// The area of a Gaussian peak: height x sigma x sqrt(2 pi).
double GaussianArea(double height, double sigma);

// The samples and peak table of every channel.
std::vector<ChannelRecord> SynthesizeChannels(const SyntheticChromatogram& chromatogram);

// The file's bytes in the host's format.
std::string SynthesizeFile(const SyntheticChromatogram& chromatogram);
