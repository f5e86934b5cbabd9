#pragma once
// Builds determinations for the calculation tests and runs the calculation over them.

#include "calc/sample_set.h"
#include "calc/water_calculator.h"
#include "strings/texts.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace calctest {

// One chromatogram with a single water peak.
struct Injection {
    AssayRole role;
    double height;
};

inline PeakRecord NamedPeak(const std::wstring& name, double height) {
    PeakRecord peak;
    peak.name = name;
    peak.height = height;
    return peak;
}

// A sample name that gives each role, as the list refresh would assign it.
inline constexpr const wchar_t* kRoleSamples[] = {L"осуш. град", L"град1",       L"град2", L"град3",
                                                  L"град4",      L"проба осуш.", L"проба"};

inline SampleSet MakeSet(const std::vector<Injection>& injections) {
    SampleSet set;
    uint32_t id = 1;
    for (const Injection& injection : injections) {
        AssayEntry entry;
        entry.id = id;
        entry.filename = L"C:\\data\\assay" + std::to_wstring(id++) + L".stg";
        entry.sample = kRoleSamples[static_cast<int>(injection.role)];
        entry.role = injection.role;
        entry.peaks.push_back(NamedPeak(L"вода", injection.height));
        set.append(std::move(entry));
    }
    return set;
}

class RecordingReporter final : public NoWaterReporter {
public:
    void reportNoWater(std::wstring_view message) override { messages.emplace_back(message); }
    std::vector<std::wstring> messages;
};

struct Outcome {
    FormValues form;
    CalcResults results;
    std::vector<std::wstring> stops;
};

// Runs the calculation once, starting from the given form and results.
inline Outcome Calculate(const SampleSet& set, FormValues form, CalcResults results = {}) {
    RecordingReporter reporter;
    WaterCalculator calculator{&BuiltInText};
    calculator.bind(set, form, results, reporter);
    calculator.calculate();
    return {form, results, reporter.messages};
}

inline FormValues Masses(double m1, double m2, double m3, double m4, double portionMass, double sampleMass) {
    FormValues form;
    form.m1 = m1;
    form.m2 = m2;
    form.m3 = m3;
    form.m4 = m4;
    form.portionMass = portionMass;
    form.sampleMass = sampleMass;
    return form;
}

inline uint64_t Bits(double value) {
    return std::bit_cast<uint64_t>(value);
}

// Every number of CalcResults, in declaration order.
inline constexpr double CalcResults::*kResultNumbers[] = {
    &CalcResults::m1,          &CalcResults::m2,          &CalcResults::m3,         &CalcResults::m4,
    &CalcResults::c1,          &CalcResults::c2,          &CalcResults::c3,         &CalcResults::c4,
    &CalcResults::k1,          &CalcResults::k2,          &CalcResults::k3,         &CalcResults::k4,
    &CalcResults::kMean,       &CalcResults::spread1,     &CalcResults::spread2,    &CalcResults::spread3,
    &CalcResults::spread4,     &CalcResults::drySpread,   &CalcResults::kSpread,    &CalcResults::dryAnalysisSpread,
    &CalcResults::waterSpread, &CalcResults::portionMass, &CalcResults::sampleMass, &CalcResults::water,
};

inline constexpr const wchar_t* kMessages[] = {
    L"Проверка градуировочного раствора 1 не пройдена (11.1 4в)\r\n",
    L"Проверка градуировочного раствора 2 не пройдена (11.1 4в)\r\n",
    L"Проверка градуировочного раствора 3 не пройдена (11.1 4в)\r\n",
    L"Проверка градуировочного раствора 4 не пройдена (11.1 4в)\r\n",
    L"Проверка осушенного экстрагента в градуировке не пройдена (11.1 4а)\r\n",
    L"Проверка приемлемости градуировочного коэффициента не пройдена (11.2)\r\n",
    L"Проверка осушенного экстрагента в анализе не пройдена (11.1 4б)\r\n",
    L"Проверка воды в анализе не пройдена (11.1 4г)\r\n",
};

// The lines of an error text that report the method's checks, leaving out those that name an incomplete set.
inline std::wstring ChecksOnly(const std::wstring& errorText) {
    std::wstring checks;
    for (std::size_t start = 0; start < errorText.size();) {
        const std::size_t end = errorText.find(L"\r\n", start) + 2;
        if (errorText.compare(start, 9, L"Проверка ") == 0) checks += errorText.substr(start, end - start);
        start = end;
    }
    return checks;
}

}  // namespace calctest
