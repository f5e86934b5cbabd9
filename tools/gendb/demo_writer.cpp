#include "tools/gendb/demo_writer.h"

#include "text/utf8_text.h"
#include "tools/chromwriter/chrom_writer.h"
#include "tools/gendb/host_database.h"
#include "tools/gendb/synthetic_chromatogram.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

const wchar_t kWaterName[] = L"вода";
const wchar_t kForeignName[] = L"метан";
const wchar_t kWaterNameId[] = L"{6F0E52B1-3C4D-4A8E-9B17-2D5C8E4F0A61}";
const wchar_t kMixture[] = L"Вода в трансформаторном масле";
const wchar_t kMethod[] = L"ЗЮЛК-04-04";
// The water peak of the thermal conductivity detector (channel 1), seconds.
constexpr double kWaterTime = 118.4;
constexpr double kWaterSigma = 2.1;
// The second detector sees the water later and weaker; the host integrates only the first channel.
constexpr double kSecondDelay = 3.2;
constexpr double kSecondScale = 0.45;

bool IsCalibration(DemoRole role) {
    return role != DemoRole::DriedAnalysis && role != DemoRole::Sample;
}

std::wstring AssayGuid(int32_t id) {
    std::wstring digits = std::to_wstring(static_cast<uint32_t>(id));
    digits.insert(0, 12 - std::min<std::size_t>(12, digits.size()), L'0');
    return L"{A55A0000-0000-4000-8000-" + digits + L"}";
}

SyntheticChromatogram Chromatogram(const DemoAssay& assay, const DemoFiles& files, const std::wstring& stored) {
    SyntheticChromatogram chromatogram;
    Passport& passport = chromatogram.passport;
    passport.path = stored;
    passport.assayid = AssayGuid(assay.id);
    passport.series = L"Определение 17";
    passport.andate = assay.date;
    passport.date = assay.date;
    passport.duration = files.samplesPerChannel * chromatogram.interval;
    passport.sample = assay.sample;
    passport.method = kMethod;
    passport.graduation = IsCalibration(assay.role);
    passport.mixture = kMixture;
    chromatogram.sampleCount = files.samplesPerChannel;
    chromatogram.seed = files.seed * 1000003u + static_cast<uint32_t>(assay.id);
    chromatogram.channels = {
        {1, 0.85, 0.02, {{kWaterName, kWaterTime, assay.height, kWaterSigma}}},
        {2, 1.30, 0.01, {{kWaterName, kWaterTime + kSecondDelay, assay.height * kSecondScale, kWaterSigma * 1.2}}},
    };
    return chromatogram;
}

HostAssay Row(const DemoAssay& assay, const std::wstring& stored, bool foreignPeak) {
    HostAssay row;
    row.id = assay.id;
    row.date = assay.date;
    row.filename = stored;
    row.sample = assay.sample;
    row.mixture = kMixture;
    row.method = kMethod;
    row.iscalibration = IsCalibration(assay.role) ? 1 : 0;
    HostPeak water;
    water.nameid = kWaterNameId;
    water.name = foreignPeak ? kForeignName : kWaterName;
    water.area = GaussianArea(assay.height, kWaterSigma);
    water.time = kWaterTime;
    water.height = assay.height;
    water.channel = 1;
    water.front = kWaterTime - 4.0 * kWaterSigma;
    water.back = kWaterTime + 4.0 * kWaterSigma;
    row.peaks.push_back(water);
    return row;
}

}  // namespace

std::wstring StoredPath(const std::wstring& storedFolder, const std::wstring& fileName) {
    if (storedFolder.empty()) return fileName;
    const bool windows =
        storedFolder.find(L'\\') != std::wstring::npos || (storedFolder.size() >= 2 && storedFolder[1] == L':');
    const wchar_t separator = windows ? L'\\' : L'/';
    return storedFolder.back() == separator ? storedFolder + fileName : storedFolder + separator + fileName;
}

void WriteDemo(const DemoDetermination& determination, const DemoFiles& files) {
    std::filesystem::create_directories(files.folder);
    std::vector<HostAssay> rows;
    for (const DemoAssay& assay : determination.assays) {
        const std::wstring name = L"assay" + std::to_wstring(assay.id) + L".stg";
        const std::wstring stored = StoredPath(files.storedFolder, name);
        const std::filesystem::path path = files.folder / name;
        if (!SaveBytes(path, SynthesizeFile(Chromatogram(assay, files, stored))))
            throw std::runtime_error("cannot write " + Utf8FromWide(path.wstring()));
        rows.push_back(Row(assay, stored, assay.id == files.foreignPeakAssay));
    }
    WriteHostDatabase(files.database, rows);
}
