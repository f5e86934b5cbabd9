#include "tools/chromwriter/chrom_writer.h"

#include <cstring>
#include <fstream>

#include "text/number_text.h"
#include "text/utf8_text.h"

namespace {

template <typename T>
void AppendField(std::string& out, T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof value);
}

// Attribute text: the five markup characters as entities and control characters as character references,
// so that a tab or line end comes back as it was instead of as a blank.
std::string EscapedUtf8(std::wstring_view text) {
    std::string out;
    ForEachCodePoint(text, [&out](uint32_t codePoint) {
        switch (codePoint) {
        case '&':
            out += "&amp;";
            return;
        case '<':
            out += "&lt;";
            return;
        case '>':
            out += "&gt;";
            return;
        case '"':
            out += "&quot;";
            return;
        default:
            break;
        }
        if (codePoint < 0x20)
            out += "&#" + std::to_string(codePoint) + ";";
        else
            AppendUtf8(out, codePoint);
    });
    return out;
}

// The document's elements, one a line, indented by depth.
class XmlOut {
public:
    void Open(std::string_view name, std::string_view attributes = {}) {
        Indent();
        // Appended piece by piece: "<" + std::string(...) trips GCC 12's -Wrestrict at -O2 (a false alarm).
        text_.append("<").append(name).append(attributes).append(">\n");
        ++depth_;
    }
    void Close(std::string_view name) {
        --depth_;
        Indent();
        text_.append("</").append(name).append(">\n");
    }
    void Value(std::string_view name, const std::string& value) {
        Indent();
        text_.append("<").append(name).append(" value=\"").append(value).append("\"/>\n");
    }
    void Text(std::string_view name, std::wstring_view value) { Value(name, EscapedUtf8(value)); }
    void Number(std::string_view name, double value) { Value(name, FormatDouble17g(value)); }
    void Integer(std::string_view name, int64_t value) { Value(name, std::to_string(value)); }
    void Boolean(std::string_view name, bool value) { Value(name, value ? "true" : "false"); }
    void Raw(const std::string& line) {
        Indent();
        text_ += line + "\n";
    }
    std::string& Result() { return text_; }

private:
    void Indent() { text_.append(static_cast<size_t>(depth_) * 2, ' '); }

    std::string text_ = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    int depth_ = 0;
};

void WriteColumn(XmlOut& xml, const ColumnRecord& column) {
    xml.Open("column");
    xml.Integer("channel", column.channel);
    xml.Text("name", column.name);
    xml.Text("brand", column.brand);
    xml.Integer("type", column.type);
    xml.Number("diameter", column.diameter);
    xml.Number("length", column.length);
    xml.Text("carrier", column.carrier);
    xml.Text("phase", column.phase);
    xml.Number("percent", column.percent);
    xml.Integer("unit", column.unit);
    xml.Number("fraction0", column.fraction0);
    xml.Number("fraction1", column.fraction1);
    xml.Number("film", column.film);
    xml.Text("part", column.part);
    xml.Text("serial", column.serial);
    xml.Close("column");
}

void WriteExtra(XmlOut& xml, const ExtraItem& extra) {
    if (extra.name.empty()) {
        xml.Raw("<![CDATA[]]>");
        return;
    }
    std::string element("<");
    element.append(Utf8FromWide(extra.name)).append(" title=\"").append(EscapedUtf8(extra.title));
    element.append("\" value=\"").append(EscapedUtf8(extra.value)).append("\"/>");
    xml.Raw(element);
}

void WritePassport(XmlOut& xml, const Passport& passport) {
    xml.Open("passport", " version=\"1\"");
    xml.Text("assayid", passport.assayid);
    xml.Text("series", passport.series);
    xml.Integer("andate", passport.andate);
    xml.Number("duration", passport.duration);
    xml.Text("sample", passport.sample);
    xml.Text("method", passport.method);
    xml.Boolean("graduation", passport.graduation);
    xml.Integer("date", passport.date);
    xml.Boolean("defect", passport.defect);
    xml.Text("mixture", passport.mixture);
    for (const ColumnRecord& column : passport.columns) WriteColumn(xml, column);
    for (const ExtraItem& extra : passport.extras) WriteExtra(xml, extra);
    xml.Close("passport");
}

void WriteItem(XmlOut& xml, const PeakTableItem& item) {
    xml.Open("item");
    xml.Number("front", item.front);
    xml.Number("back", item.back);
    xml.Number("time", item.time);
    xml.Number("area", item.area);
    xml.Number("height", item.height);
    xml.Number("concent", item.concent);
    xml.Text("name", item.name);
    xml.Boolean("reference", item.reference);
    xml.Integer("left", item.left);
    xml.Integer("right", item.right);
    xml.Integer("flags", item.flags);
    xml.Number("front_base_height", item.front_base_height);
    xml.Number("back_base_height", item.back_base_height);
    xml.Number("index", item.index);
    xml.Close("item");
}

void WriteChannels(XmlOut& xml, const std::vector<ChannelRecord>& channels) {
    xml.Open("channels", " version=\"1\"");
    for (const ChannelRecord& channel : channels) {
        xml.Open("channel");
        xml.Integer("number", channel.number);
        xml.Open("table");
        for (const PeakTableItem& item : channel.table) WriteItem(xml, item);
        xml.Close("table");
        xml.Close("channel");
    }
    xml.Close("channels");
}

}  // namespace

std::string WriteChromHeader(uint8_t version, uint64_t documentOffset) {
    std::string out = "STG";
    out += static_cast<char>(version);
    AppendField<uint32_t>(out, 0);
    AppendField(out, documentOffset);
    return out;
}

std::string WriteChannelBlock(const ChannelRecord& channel) {
    return WriteChannelBlock(channel, channel.samples.size());
}

std::string WriteChannelBlock(const ChannelRecord& channel, uint64_t storedCount) {
    std::string out(8, '\0');
    out[0] = static_cast<char>(channel.number & 0xFF);
    AppendField(out, channel.blockValueA);
    AppendField(out, channel.blockValueB);
    AppendField(out, storedCount);
    for (float sample : channel.samples) AppendField(out, sample);
    return out;
}

std::string WriteChromDocument(const Passport& passport, const std::vector<ChannelRecord>& channels) {
    XmlOut xml;
    xml.Open("root", " version=\"1\"");
    WritePassport(xml, passport);
    WriteChannels(xml, channels);
    xml.Close("root");
    return std::move(xml.Result());
}

std::string WriteChromFile(const ChromFileSpec& spec) {
    std::string blocks;
    for (const ChannelRecord& channel : spec.channels) blocks += WriteChannelBlock(channel);
    const uint64_t offset = spec.documentOffset.value_or(16 + blocks.size());
    return WriteChromHeader(spec.version, offset) + blocks +
           (spec.document ? *spec.document : WriteChromDocument(spec.passport, spec.channels));
}

bool SaveBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}
