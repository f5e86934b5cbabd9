#include "tools/chromdump/chrom_dump_json.h"

#include "chromfile/veltrox_file4.h"
#include "tools/json/json_writer.h"

namespace {

void WriteColumn(JsonWriter& json, const ColumnRecord& column) {
    json.BeginObject();
    json.Key("channel"), json.Int(column.channel);
    json.Key("name"), json.String(column.name);
    json.Key("brand"), json.String(column.brand);
    json.Key("type"), json.Int(column.type);
    json.Key("diameter"), json.Double(column.diameter);
    json.Key("length"), json.Double(column.length);
    json.Key("carrier"), json.String(column.carrier);
    json.Key("phase"), json.String(column.phase);
    json.Key("percent"), json.Double(column.percent);
    json.Key("unit"), json.Int(column.unit);
    json.Key("fraction0"), json.Double(column.fraction0);
    json.Key("fraction1"), json.Double(column.fraction1);
    json.Key("film"), json.Double(column.film);
    json.Key("part"), json.String(column.part);
    json.Key("serial"), json.String(column.serial);
    json.EndObject();
}

void WriteExtra(JsonWriter& json, const ExtraItem& extra) {
    json.BeginObject();
    json.Key("name"), json.String(extra.name);
    json.Key("title"), json.String(extra.title);
    json.Key("value"), json.String(extra.value);
    json.EndObject();
}

void WritePassport(JsonWriter& json, const Passport& passport) {
    json.BeginObject();
    json.Key("path"), json.String(passport.path);
    json.Key("assayid"), json.String(passport.assayid);
    json.Key("series"), json.String(passport.series);
    json.Key("andate"), json.Int(passport.andate);
    json.Key("duration"), json.Double(passport.duration);
    json.Key("sample"), json.String(passport.sample);
    json.Key("method"), json.String(passport.method);
    json.Key("graduation"), json.Bool(passport.graduation);
    json.Key("date"), json.Int(passport.date);
    json.Key("defect"), json.Bool(passport.defect);
    json.Key("mixture"), json.String(passport.mixture);
    json.Key("columns"), json.BeginArray();
    for (const ColumnRecord& column : passport.columns) WriteColumn(json, column);
    json.EndArray();
    json.Key("extras"), json.BeginArray();
    for (const ExtraItem& extra : passport.extras) WriteExtra(json, extra);
    json.EndArray();
    json.EndObject();
}

void WriteItem(JsonWriter& json, const PeakTableItem& item) {
    json.BeginObject();
    json.Key("front"), json.Double(item.front);
    json.Key("back"), json.Double(item.back);
    json.Key("time"), json.Double(item.time);
    json.Key("area"), json.Double(item.area);
    json.Key("height"), json.Double(item.height);
    json.Key("concent"), json.Double(item.concent);
    json.Key("name"), json.String(item.name);
    json.Key("reference"), json.Bool(item.reference);
    json.Key("left"), json.Int(item.left);
    json.Key("right"), json.Int(item.right);
    json.Key("flags"), json.UInt(item.flags);
    json.Key("front_base_height"), json.Double(item.front_base_height);
    json.Key("back_base_height"), json.Double(item.back_base_height);
    json.Key("index"), json.Double(item.index);
    json.EndObject();
}

void WriteChannel(JsonWriter& json, const ChannelRecord& channel, bool withSamples) {
    json.BeginObject();
    json.Key("number"), json.UInt(channel.number);
    json.Key("count"), json.UInt(channel.samples.size());
    json.Key("blockValueA"), json.Double(channel.blockValueA);
    json.Key("blockValueB"), json.Double(channel.blockValueB);
    json.Key("table"), json.BeginArray();
    for (const PeakTableItem& item : channel.table) WriteItem(json, item);
    json.EndArray();
    if (withSamples) {
        json.Key("samples"), json.BeginArray();
        for (float sample : channel.samples) json.Double(sample);
        json.EndArray();
    }
    json.EndObject();
}

}  // namespace

std::string ChromDumpJson(int32_t result, const CVeltroxFile4& file, bool withSamples) {
    JsonWriter json;
    json.BeginObject();
    json.Key("result"), json.Int(result);
    json.Key("version"), json.UInt(file.version);
    json.Key("passport"), WritePassport(json, file.passport);
    json.Key("channels"), json.BeginArray();
    for (const ChannelRecord& channel : file.channels) WriteChannel(json, channel, withSamples);
    json.EndArray();
    json.EndObject();
    return json.Text();
}
