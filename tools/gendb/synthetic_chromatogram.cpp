#include "tools/gendb/synthetic_chromatogram.h"

#include "tools/chromwriter/chrom_writer.h"
#include "tools/gendb/split_mix.h"

#include <cmath>

namespace {

// Noise from a seed: the same samples on every target.
class NoiseSource {
public:
    explicit NoiseSource(uint64_t seed) : random_(seed) {}

    // Roughly normal: the mean of four uniforms.
    double Noise() { return (random_.Uniform() + random_.Uniform() + random_.Uniform() + random_.Uniform()) * 0.25; }

private:
    SplitMix64 random_;
};

ChannelRecord SynthesizeChannel(const SyntheticChannel& spec, uint32_t sampleCount, double interval,
                                NoiseSource& noise) {
    ChannelRecord channel;
    channel.number = spec.number;
    channel.blockValueA = interval;
    channel.blockValueB = spec.baseline;
    channel.samples.resize(sampleCount);
    const double duration = sampleCount * interval;
    for (uint32_t i = 0; i < sampleCount; ++i) {
        const double t = i * interval;
        // A drift of one noise range over the run.
        double value = spec.baseline + spec.noise * (t / duration) + spec.noise * noise.Noise();
        for (const SyntheticPeak& peak : spec.peaks) {
            const double z = (t - peak.time) / peak.sigma;
            if (z > -8.0 && z < 8.0) value += peak.height * std::exp(-0.5 * z * z);
        }
        channel.samples[i] = static_cast<float>(value);
    }
    for (const SyntheticPeak& peak : spec.peaks) {
        PeakTableItem item;
        item.front = peak.time - 4.0 * peak.sigma;
        item.back = peak.time + 4.0 * peak.sigma;
        item.time = peak.time;
        item.area = GaussianArea(peak.height, peak.sigma);
        item.height = peak.height;
        item.name = peak.name;
        item.left = static_cast<int32_t>(item.front / interval);
        item.right = static_cast<int32_t>(item.back / interval);
        item.front_base_height = spec.baseline;
        item.back_base_height = spec.baseline;
        channel.table.push_back(item);
    }
    return channel;
}

}  // namespace

double GaussianArea(double height, double sigma) {
    return height * sigma * 2.5066282746310002;
}

std::vector<ChannelRecord> SynthesizeChannels(const SyntheticChromatogram& chromatogram) {
    NoiseSource noise(chromatogram.seed);
    std::vector<ChannelRecord> channels;
    for (const SyntheticChannel& spec : chromatogram.channels)
        channels.push_back(SynthesizeChannel(spec, chromatogram.sampleCount, chromatogram.interval, noise));
    return channels;
}

std::string SynthesizeFile(const SyntheticChromatogram& chromatogram) {
    ChromFileSpec spec;
    spec.passport = chromatogram.passport;
    spec.channels = SynthesizeChannels(chromatogram);
    return WriteChromFile(spec);
}
