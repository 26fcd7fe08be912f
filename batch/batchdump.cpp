// The JSON dump of a construction after a batch run.
#include "batch/batchdump.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "drawing/drawstate.h"
#include "geometry/tkreis.h"
#include "geometry/twinkel.h"
#include "parser/tparser.h"
#include "text/cp1252.h"

namespace {

class JsonObjectWriter {
public:
    explicit JsonObjectWriter(std::ostream& out) : out_(out) { out_ << '{'; }
    ~JsonObjectWriter() { out_ << "}\n"; }
    JsonObjectWriter(const JsonObjectWriter&) = delete;
    JsonObjectWriter& operator=(const JsonObjectWriter&) = delete;

    void Raw(std::string_view key, std::string_view json) {
        out_ << (first_ ? "" : ",") << JsonString(key) << ':' << json;
        first_ = false;
    }
    void Number(std::string_view key, double value) { Raw(key, JsonNumber(value)); }
    void Bool(std::string_view key, bool value) { Raw(key, value ? "true" : "false"); }
    void Text(std::string_view key, std::string_view cp1252) { Raw(key, JsonString(Cp1252ToUtf8(cp1252))); }
    // The coordinates of a defining point, or null for a missing one.
    void PointCoordinates(std::string_view xKey, std::string_view yKey, const TPunkt* point) {
        Raw(xKey, point ? JsonNumber(point->GetX()) : "null");
        Raw(yKey, point ? JsonNumber(point->GetY()) : "null");
    }

private:
    std::ostream& out_;
    bool first_ = true;
};

}  // namespace

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 17);
    return std::string(buffer.data(), result.ptr);
}

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", byte);
            out += escape.data();
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

void WriteDump(std::ostream& out, TParser& parser) {
    for (int i = 0; i < parser.Objects.Count(); ++i) {
        TPunkt* object = parser.Objects.Item(i);
        const std::string_view kind = object->KindName();
        JsonObjectWriter json(out);
        json.Number("index", i);
        json.Text("kind", kind);
        json.Text("name", object->GetName());
        json.Bool("visible", object->Visible);
        json.Number("color", object->Color);
        json.Text("description", object->Describe());
        json.Number("x", object->GetX());
        json.Number("y", object->GetY());
        if (IsStraightKind(kind)) {
            const auto* straight = dynamic_cast<const TStrecke*>(object);
            json.PointCoordinates("x1", "y1", straight ? straight->StartPoint() : nullptr);
            json.PointCoordinates("x2", "y2", straight ? straight->EndPoint() : nullptr);
        } else if (kind == "Kreis") {
            const auto* circle = dynamic_cast<const TKreis*>(object);
            json.PointCoordinates("cx", "cy", circle ? circle->Center() : nullptr);
            json.Raw("r", circle ? JsonNumber(circle->Radius()) : "null");
        } else if (kind == "Winkel") {
            const auto* angle = dynamic_cast<const TWinkel*>(object);
            json.Raw("value", angle ? JsonNumber(angle->GetValue()) : "null");
            json.PointCoordinates("vx", "vy", angle ? angle->GetVertex() : nullptr);
        }
    }
    const DrawState& state = Drawing();
    out << "{\"window\":[" << JsonNumber(state.XMin) << ',' << JsonNumber(state.YMin) << ','
        << JsonNumber(state.XMax) << ',' << JsonNumber(state.YMax)
        << "],\"current_color\":" << parser.CurrentColor
        << ",\"axes\":" << (parser.Axes.Visible ? "true" : "false") << "}\n";
}
