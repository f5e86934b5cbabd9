// Writes the chromatogram file that chromdump's end-to-end test reads: every field set, Cyrillic, escapes,
// extreme numbers, and a channel without a table.

#include <cstdio>
#include <limits>

#include "tools/chromwriter/chrom_writer.h"

namespace {

ChromFileSpec FixtureSpec() {
    ChromFileSpec spec;
    Passport& p = spec.passport;
    p.assayid = L"0b7d3c1a-5e2f-4a9b-8c6d-1f0e2d3c4b5a";
    p.series = L"Серия №7 \"осень\"";
    p.andate = 1700000000;
    p.duration = 1200.25;
    p.sample = L"осуш. анализ";
    p.method = L"Расчёт-462\r\nвторая строка\\";
    p.graduation = false;
    p.date = -1;
    p.defect = true;
    p.mixture = L"<H2O> & масло";
    ColumnRecord column;
    column.channel = 2;
    column.name = L"Колонка";
    column.brand = L"b";
    column.type = 3;
    column.diameter = 0.53;
    column.length = 2;
    column.carrier = L"N2";
    column.phase = L"Porapak Q";
    column.percent = 100;
    column.unit = -7;
    column.fraction0 = 0.1;
    column.fraction1 = 1e-5;
    column.film = 5e-324;
    column.part = L"p";
    column.serial = L"s\tn";
    p.columns = {column};
    p.extras = {{L"operator", L"Оператор", L"Петров"}, {L"Sample", L"", L"𝄞"}};

    ChannelRecord first;
    first.number = 2;
    first.samples = {0.0f,
                     1.0f,
                     -2.5f,
                     0.1f,
                     std::numeric_limits<float>::max(),
                     std::numeric_limits<float>::infinity(),
                     std::numeric_limits<float>::denorm_min()};
    first.blockValueA = 0.5;
    first.blockValueB = std::numeric_limits<double>::lowest();
    PeakTableItem water;
    water.front = 10.5;
    water.back = 11.75;
    water.time = 11.125;
    water.area = 12345.678;
    water.height = 987.5;
    water.concent = 0.3;
    water.name = L"вода";
    water.reference = true;
    water.left = 105;
    water.right = 117;
    water.flags = 4294967295u;
    water.front_base_height = -0.0;
    water.back_base_height = 1e21;
    water.index = 2.0 / 3.0;
    first.table = {water, PeakTableItem{}};

    ChannelRecord second;
    second.number = 3;
    second.samples = {3.0f};
    second.blockValueA = -0.0;
    second.blockValueB = 1e-300;

    ChannelRecord third;
    third.number = 0;
    third.blockValueA = std::numeric_limits<double>::quiet_NaN();
    third.blockValueB = -std::numeric_limits<double>::infinity();
    spec.channels = {first, second, third};
    return spec;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_fixture FILE\n", stderr);
        return 2;
    }
    return SaveBytes(argv[1], WriteChromFile(FixtureSpec())) ? 0 : 1;
}
