#include "chromfile/file_document.h"

#include <new>
#include <string_view>
#include <unordered_map>

#include <pugixml.hpp>

namespace {

using PeakTable = std::vector<PeakTableItem>;

// Every scalar of the document is the attribute "value" of an element of its own.
pugi::xml_attribute ValueOf(pugi::xml_node parent, const wchar_t* name) {
    return parent.child(name).attribute(L"value");
}

ColumnRecord ReadColumn(pugi::xml_node column) {
    ColumnRecord record;
    record.channel = ValueOf(column, L"channel").as_int();
    record.name = ValueOf(column, L"name").as_string();
    record.brand = ValueOf(column, L"brand").as_string();
    record.type = ValueOf(column, L"type").as_int();
    record.diameter = ValueOf(column, L"diameter").as_double();
    record.length = ValueOf(column, L"length").as_double();
    record.carrier = ValueOf(column, L"carrier").as_string();
    record.phase = ValueOf(column, L"phase").as_string();
    record.percent = ValueOf(column, L"percent").as_double();
    record.unit = ValueOf(column, L"unit").as_int();
    record.fraction0 = ValueOf(column, L"fraction0").as_double();
    record.fraction1 = ValueOf(column, L"fraction1").as_double();
    record.film = ValueOf(column, L"film").as_double();
    record.part = ValueOf(column, L"part").as_string();
    record.serial = ValueOf(column, L"serial").as_string();
    return record;
}

PeakTableItem ReadItem(pugi::xml_node item) {
    PeakTableItem peak;
    peak.front = ValueOf(item, L"front").as_double();
    peak.back = ValueOf(item, L"back").as_double();
    peak.time = ValueOf(item, L"time").as_double();
    peak.area = ValueOf(item, L"area").as_double();
    peak.height = ValueOf(item, L"height").as_double();
    peak.concent = ValueOf(item, L"concent").as_double();
    peak.name = ValueOf(item, L"name").as_string();
    peak.reference = ValueOf(item, L"reference").as_bool();
    // A peak without a boundary index is marked by -1, not by the first sample.
    peak.left = ValueOf(item, L"left").as_int(-1);
    peak.right = ValueOf(item, L"right").as_int(-1);
    peak.flags = ValueOf(item, L"flags").as_uint();
    peak.front_base_height = ValueOf(item, L"front_base_height").as_double();
    peak.back_base_height = ValueOf(item, L"back_base_height").as_double();
    peak.index = ValueOf(item, L"index").as_double();
    return peak;
}

// Fields met again take the later value; columns and unknown elements accumulate in document order. Any
// other child node, text included, is kept as an extra under its name (empty for text).
void ReadPassport(pugi::xml_node element, Passport& passport) {
    passport.columns.clear();
    passport.extras.clear();
    for (pugi::xml_node node : element.children()) {
        const std::wstring_view name = node.name();
        const pugi::xml_attribute value = node.attribute(L"value");
        if (name == L"assayid")
            passport.assayid = value.as_string();
        else if (name == L"series")
            passport.series = value.as_string();
        else if (name == L"sample")
            passport.sample = value.as_string();
        else if (name == L"method")
            passport.method = value.as_string();
        else if (name == L"mixture")
            passport.mixture = value.as_string();
        else if (name == L"andate")
            passport.andate = value.as_llong();
        else if (name == L"date")
            passport.date = value.as_llong();
        else if (name == L"duration")
            passport.duration = value.as_double();
        else if (name == L"graduation")
            passport.graduation = value.as_bool();
        else if (name == L"defect")
            passport.defect = value.as_bool();
        else if (name == L"column")
            passport.columns.push_back(ReadColumn(node));
        else
            passport.extras.push_back({node.name(), node.attribute(L"title").as_string(), value.as_string()});
    }
}

// Fills tables[i], the peak table of channels[i]. A "channel" element goes to the first record with its
// number; one that repeats a number replaces the earlier table.
void ReadChannels(pugi::xml_node element, const std::vector<ChannelRecord>& channels, std::vector<PeakTable>& tables) {
    std::unordered_map<uint32_t, size_t> firstWithNumber;
    for (size_t i = 0; i < channels.size(); ++i) firstWithNumber.emplace(channels[i].number, i);

    for (pugi::xml_node channel : element.children(L"channel")) {
        const pugi::xml_attribute number = ValueOf(channel, L"number");
        if (number.empty() || number.as_int() < 0) continue;
        const auto found = firstWithNumber.find(static_cast<uint32_t>(number.as_int()));
        if (found == firstWithNumber.end()) continue;
        PeakTable& table = tables[found->second];
        table.clear();
        for (pugi::xml_node item : channel.child(L"table").children(L"item")) table.push_back(ReadItem(item));
    }
}

}  // namespace

bool ReadFileDocument(const char* bytes, size_t size, Passport& passport, std::vector<ChannelRecord>& channels) {
    try {
        pugi::xml_document document;
        if (!document.load_buffer(bytes, size, pugi::parse_default, pugi::encoding_utf8)) return false;
        const pugi::xml_node root = document.child(L"root");

        // Read into copies first, so that running out of memory halfway leaves the targets as they were.
        Passport readPassport = passport;
        ReadPassport(root.child(L"passport"), readPassport);
        std::vector<PeakTable> tables(channels.size());
        for (size_t i = 0; i < channels.size(); ++i) tables[i] = channels[i].table;
        ReadChannels(root.child(L"channels"), channels, tables);

        passport = std::move(readPassport);
        for (size_t i = 0; i < channels.size(); ++i) channels[i].table = std::move(tables[i]);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
