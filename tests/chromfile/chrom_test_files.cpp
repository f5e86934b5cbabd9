#include "tests/chromfile/chrom_test_files.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <tuple>

#include "text/utf8_text.h"

namespace {

auto Fields(const PeakTableItem& p) {
    return std::tie(p.front, p.back, p.time, p.area, p.height, p.concent, p.name, p.reference, p.left, p.right, p.flags,
                    p.front_base_height, p.back_base_height, p.index);
}

auto Fields(const ChannelRecord& c) {
    return std::tie(c.number, c.samples, c.blockValueA, c.blockValueB, c.table);
}

auto Fields(const ColumnRecord& c) {
    return std::tie(c.channel, c.name, c.brand, c.type, c.diameter, c.length, c.carrier, c.phase, c.percent, c.unit,
                    c.fraction0, c.fraction1, c.film, c.part, c.serial);
}

auto Fields(const ExtraItem& e) {
    return std::tie(e.name, e.title, e.value);
}

auto Fields(const Passport& p) {
    return std::tie(p.path, p.assayid, p.series, p.andate, p.duration, p.sample, p.method, p.graduation, p.date,
                    p.defect, p.mixture, p.columns, p.extras);
}

}  // namespace

TempFile::TempFile(const std::wstring& suffix) {
    static std::atomic<int> counter{0};
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : name)
        if (c == '/') c = '_';
    // Through UTF-8, which the path class converts to the native file name on every target.
    const std::string utf8 = name + "_" + std::to_string(counter++) + Utf8FromWide(suffix);
    path_ = std::filesystem::temp_directory_path() / std::u8string(utf8.begin(), utf8.end());
}

std::wstring TempFile::WidePath() const {
    const std::u8string utf8 = path_.u8string();
    return WideFromUtf8(std::string(utf8.begin(), utf8.end()));
}

TempFile::~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

void TempFile::Write(const std::string& bytes) const {
    ASSERT_TRUE(SaveBytes(path_, bytes));
}

int32_t LoadBytes(CVeltroxFile4& file, const std::string& bytes) {
    const TempFile temp;
    temp.Write(bytes);
    return file.Load(temp.WidePath().c_str());
}

ChannelRecord MakeChannel(uint32_t number, std::vector<float> samples) {
    ChannelRecord channel;
    channel.number = number;
    channel.samples = std::move(samples);
    channel.blockValueA = 0.25 * number + 0.1;
    channel.blockValueB = -1e300 / (number + 1);
    return channel;
}

PeakTableItem MakePeak(double time, const std::wstring& name) {
    PeakTableItem peak;
    peak.front = time - 0.05;
    peak.back = time + 0.07;
    peak.time = time;
    peak.area = time * 1234.5;
    peak.height = time * 77.125;
    peak.concent = 0.1;
    peak.name = name;
    peak.reference = true;
    peak.left = 10;
    peak.right = 2147483647;
    peak.flags = 4294967295u;
    peak.front_base_height = -3.5e-7;
    peak.back_base_height = 1.0 / 3.0;
    peak.index = 812.75;
    return peak;
}

ChromFileSpec FullSpec() {
    ChromFileSpec spec;
    Passport& p = spec.passport;
    p.assayid = L"6f1c2b9e-0d4a-4a51-9c1e-3b7f8e2d5a10";
    p.series = L"Серия \"А\" <1> & 2";
    p.andate = -9223372036854775807LL - 1;
    p.duration = 1800.5;
    p.sample = L"Градуировка 1";
    p.method = L"Метод\tс\nпереносом";
    p.graduation = true;
    p.date = 1700000000123LL;
    p.defect = true;
    p.mixture = L"смесь 𝄞";
    ColumnRecord column;
    column.channel = 1;
    column.name = L"HP-5";
    column.brand = L"Марка";
    column.type = -2;
    column.diameter = 0.32;
    column.length = 30;
    column.carrier = L"He";
    column.phase = L"фаза";
    column.percent = 5e-324;
    column.unit = 2147483647;
    column.fraction0 = 0.1;
    column.fraction1 = 1e21;
    column.film = 0.25;
    column.part = L"part";
    column.serial = L"SN-1";
    p.columns = {column, ColumnRecord{}};
    p.extras = {{L"operator", L"Оператор", L"Иванова"}};

    spec.channels = {MakeChannel(1, {0.0f, -0.0f, 1.5f, 3.4028235e38f, 1e-45f}), MakeChannel(255, {})};
    spec.channels[0].table = {MakePeak(1.25, L"вода"), MakePeak(2.5, L"")};
    spec.channels[1].table = {MakePeak(7.0, L"азот")};
    return spec;
}

std::string DocumentWith(const std::string& inner) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<root version=\"1\">" + inner + "</root>\n";
}

std::vector<uint32_t> Numbers(const CVeltroxFile4& file) {
    std::vector<uint32_t> numbers;
    for (const ChannelRecord& channel : file.channels) numbers.push_back(channel.number);
    return numbers;
}

bool AnyTable(const CVeltroxFile4& file) {
    for (const ChannelRecord& channel : file.channels)
        if (!channel.table.empty()) return true;
    return false;
}

bool operator==(const PeakTableItem& a, const PeakTableItem& b) {
    return Fields(a) == Fields(b);
}
bool operator==(const ChannelRecord& a, const ChannelRecord& b) {
    return Fields(a) == Fields(b);
}
bool operator==(const ColumnRecord& a, const ColumnRecord& b) {
    return Fields(a) == Fields(b);
}
bool operator==(const ExtraItem& a, const ExtraItem& b) {
    return Fields(a) == Fields(b);
}
bool operator==(const Passport& a, const Passport& b) {
    return Fields(a) == Fields(b);
}

void PrintTo(const ChannelRecord& channel, std::ostream* out) {
    *out << "channel " << channel.number << " with " << channel.samples.size() << " samples and "
         << channel.table.size() << " peaks";
}

void PrintTo(const Passport& passport, std::ostream* out) {
    *out << "passport of " << Utf8FromWide(passport.path) << " sample \"" << Utf8FromWide(passport.sample) << "\", "
         << passport.columns.size() << " columns, " << passport.extras.size() << " extras";
}

void PrintTo(const PeakTableItem& item, std::ostream* out) {
    *out << "peak \"" << Utf8FromWide(item.name) << "\" at " << item.time << " left " << item.left << " right "
         << item.right << " flags " << item.flags;
}
