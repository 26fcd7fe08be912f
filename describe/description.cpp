// The construction description: each line's words read again, with the names of the construction
// followed from line to line, so that a sentence can say what a name stood for when the line ran.
#include "describe/description.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "document/constructiondocument.h"
#include "geometry/tobjlist.h"
#include "geometry/tpunkt.h"
#include "parser/commandwords.h"
#include "text/asciicase.h"

namespace {

enum class Kind { Point, Segment, Ray, Line, Perpendicular, Parallel, Circle, Angle };

// A new object of a line: its name (empty for an auxiliary point) and kind, in the order the line
// creates them.
struct Created {
    std::string name;
    Kind kind;
};

std::string_view TokenText(std::string_view text, const LineToken& token) {
    const std::size_t end = std::min<std::size_t>(token.end, text.size());
    const std::size_t begin = std::min<std::size_t>(token.begin, end);
    return text.substr(begin, end - begin);
}

// The words and numbers of one line after its command word.
class Arguments {
public:
    Arguments(std::string_view text, const TokenList& tokens) {
        for (const LineToken& token : tokens) {
            if (token.kind == LineToken::Kind::Command) continue;
            words_.push_back({token.kind, std::string(TokenText(text, token))});
        }
    }
    int Count() const { return static_cast<int>(words_.size()); }
    bool IsNumber(int i) const { return i < Count() && words_[At(i)].kind == LineToken::Kind::Number; }
    // The word as typed; empty past the end.
    std::string Word(int i) const { return i < Count() ? words_[At(i)].text : std::string(); }
    // A name as the command keeps it: its first length characters.
    std::string Name(int i, std::size_t length) const { return Word(i).substr(0, length); }
    // A number in school form; fallback when the line has none there.
    std::string Number(int i, const char* fallback = "0") const {
        return IsNumber(i) ? NumberWording(Word(i)) : std::string(fallback);
    }

private:
    static std::size_t At(int i) { return static_cast<std::size_t>(i); }
    struct Entry {
        LineToken::Kind kind;
        std::string text;
    };
    std::vector<Entry> words_;
};

constexpr std::size_t kFull = kMaxNameLength;
constexpr std::size_t kShort = kShortNameLength;

const char* PolygonWord(std::size_t corners) {
    static constexpr const char* kWords[] = {"Dreieck",   "Viereck", "F\xFCnfeck", "Sechseck",
                                             "Siebeneck", "Achteck", "Neuneck",    "Zehneck"};
    if (corners >= 3 && corners <= 10) return kWords[corners - 3];
    return "Vieleck";
}

// What one line says and does to the names of the construction.
struct LineResult {
    std::optional<std::vector<DescriptionRun>> sentence;
    std::vector<Created> created;
};

// The kind of an object of the construction by its kind word.
std::optional<Kind> KindOfObject(const TPunkt& object) {
    static constexpr std::pair<std::string_view, Kind> kKinds[] = {
        {"Punkt", Kind::Point},
        {"Strecke", Kind::Segment},
        {"Strahl", Kind::Ray},
        {"Gerade", Kind::Line},
        {"Senkrechte", Kind::Perpendicular},
        {"Parallele", Kind::Parallel},
        {"Kreis", Kind::Circle},
        {"Winkel", Kind::Angle},
    };
    for (const auto& [word, kind] : kKinds)
        if (object.KindName() == word) return kind;
    return std::nullopt;
}

class Describer {
public:
    explicit Describer(const TObjList& objects) : objects_(objects) {}

    // Describes an executed line; the names follow what it did, also when it was rejected.
    std::optional<std::vector<DescriptionRun>> Line(std::string_view text, const LineState& state) {
        if (state.tokens.empty() || state.tokens.front().kind != LineToken::Kind::Command)
            return std::nullopt;
        const std::optional<CommandId> command = FindCommand(TokenText(text, state.tokens.front()));
        if (!command) return std::nullopt;
        const Arguments args(text, state.tokens);
        firstObject_ = state.firstObject;
        LineResult result = Describe(*command, args, state);
        // A rejected line keeps the objects it made before its error.
        const std::size_t made = static_cast<std::size_t>(std::max(0, state.objectCount));
        for (std::size_t i = 0; i < result.created.size() && i < made; ++i)
            if (!result.created[i].name.empty()) names_[result.created[i].name] = result.created[i].kind;
        if (!state.accepted) return std::nullopt;
        return std::move(result.sentence);
    }

private:
    std::optional<Kind> KindOf(const std::string& name) const {
        const auto found = names_.find(name);
        if (found != names_.end()) return found->second;
        // What a rejected typed line made before its error stays in the construction without a line;
        // such an object older than this line was there when it ran.
        const TPunkt* object = objects_.FindByName(name);
        const int index = objects_.IndexOf(object);
        if (index < 0 || index >= firstObject_) return std::nullopt;
        return KindOfObject(*object);
    }
    bool IsAngle(const std::string& name) const { return KindOf(name) == Kind::Angle; }
    // A name that may be an angle's: then it is written in Greek.
    void Named(SentenceBuilder& sentence, const std::string& name) const {
        if (IsAngle(name))
            sentence.Greek(name);
        else
            sentence.Text(name);
    }
    NamedThing Thing(const std::string& name) const { return {name, IsAngle(name)}; }

    LineResult Describe(CommandId command, const Arguments& args, const LineState& state) {
        SentenceBuilder s;
        LineResult r;
        switch (command) {
            case CommandId::Punkt: {
                const std::string name = args.Name(0, kFull);
                s.Text("Zeichne den Punkt ").Text(name).Text("(").Text(args.Number(1)).Text("|");
                s.Text(args.Number(2)).Text(").");
                r.created = {{name, Kind::Point}};
                break;
            }
            case CommandId::Strecke:
                Strecke(s, r, args);
                break;
            case CommandId::Gerade: {
                const std::string name = args.Name(0, kShort);
                s.Text("Zeichne die Gerade ").Text(name).Text(" durch ").Text(args.Name(1, kShort));
                s.Text(" und ").Text(args.Name(2, kShort)).Text(".");
                r.created = {{name, Kind::Line}};
                break;
            }
            case CommandId::Strahl: {
                const std::string name = args.Name(0, kShort);
                s.Text("Zeichne den Strahl ").Text(name).Text(" von ").Text(args.Name(1, kShort));
                s.Text(" durch ").Text(args.Name(2, kShort)).Text(".");
                r.created = {{name, Kind::Ray}};
                break;
            }
            case CommandId::Mittelpunkt: {
                const std::string name = args.Name(0, kShort);
                const std::string of = args.Name(1, kShort);
                s.Text("Konstruiere den Mittelpunkt ").Text(name);
                if (KindOf(of) == Kind::Segment)
                    s.Text(" der Strecke ").Text(of).Text(".");
                else
                    s.Text(" zwischen ").Text(of).Text(" und ").Text(args.Name(2, kShort)).Text(".");
                r.created = {{name, Kind::Point}};
                break;
            }
            case CommandId::Senkrechte: {
                const std::string name = args.Name(0, kShort);
                s.Text("Zeichne die Senkrechte ").Text(name).Text(" zu ").Text(args.Name(1, kShort));
                s.Text(" durch ").Text(args.Name(2, kShort)).Text(".");
                r.created = {{name, Kind::Perpendicular}};
                break;
            }
            case CommandId::Parallele: {
                const std::string name = args.Name(0, kShort);
                s.Text("Zeichne die Parallele ").Text(name).Text(" zu ").Text(args.Name(1, kShort));
                if (args.IsNumber(2)) {
                    s.Text(" im Abstand ").Text(args.Number(2)).Text(".");
                    r.created = {{"", Kind::Point}, {name, Kind::Parallel}};
                } else {
                    s.Text(" durch ").Text(args.Name(2, kShort)).Text(".");
                    r.created = {{name, Kind::Parallel}};
                }
                break;
            }
            case CommandId::Kreis: {
                const std::string name = args.Name(0, kFull);
                s.Text("Zeichne den Kreis ").Text(name).Text(" um ").Text(args.Name(1, kFull));
                const std::string third = args.Name(2, kFull);
                if (args.IsNumber(2))
                    s.Text(" mit dem Radius ").Text(args.Number(2)).Text(".");
                else if (KindOf(third) == Kind::Segment)
                    s.Text(" mit der L\xE4nge der Strecke ").Text(third).Text(" als Radius.");
                else
                    s.Text(" durch ").Text(third).Text(".");
                r.created = {{name, Kind::Circle}};
                break;
            }
            case CommandId::Winkel:
                Winkel(s, r, args);
                break;
            case CommandId::Bezeichne:
                Bezeichne(s, r, args, state);
                break;
            case CommandId::Polygon: {
                std::vector<std::string> corners;
                for (int i = 0; i < args.Count(); ++i)
                    corners.push_back(args.Name(i, kFull));
                s.Text("Zeichne das ").Text(PolygonWord(corners.size())).Text(" ");
                for (const std::string& corner : corners)
                    s.Text(corner);
                s.Text(".");
                // The sides bear the lower-case corner names; a triangle's side faces its corner.
                const std::size_t n = corners.size();
                for (std::size_t k = 0; k < n; ++k)
                    r.created.push_back({LowerAscii(corners[n == 3 ? (k + 2) % 3 : k]), Kind::Segment});
                break;
            }
            case CommandId::Loesche:
                Loesche(s, args);
                break;
            case CommandId::Drehe:
                s.Text("Drehe die Konstruktion um ").Text(args.Number(0)).Text("\xB0 um den Ursprung.");
                break;
            case CommandId::Farbe:
            case CommandId::Wert:
                return r;
        }
        r.sentence = s.Take();
        return r;
    }

    void Strecke(SentenceBuilder& s, LineResult& r, const Arguments& args) const {
        const std::string name = args.Name(0, kFull);
        const std::string first = args.Name(1, kFull);
        const std::string second = args.Name(2, kFull);
        const std::optional<Kind> firstKind = KindOf(first);
        if (firstKind == Kind::Ray) {
            // A length laid off on a ray from its start; the new point ends the segment.
            s.Text("Trage auf dem Strahl ").Text(first).Text(" vom Anfangspunkt aus die Strecke ").Text(name);
            s.Text(" der L\xE4nge ")
                .Text(args.Number(3))
                .Text(" ab; ihr Endpunkt ist ")
                .Text(second)
                .Text(".");
            r.created = {{second, Kind::Point}, {name, Kind::Segment}};
        } else if (firstKind) {
            s.Text("Zeichne die Strecke ").Text(name).Text(" von ").Text(first).Text(" nach ").Text(second);
            s.Text(".");
            r.created = {{name, Kind::Segment}};
        } else if (KindOf(second)) {
            // A new first point at the origin, to an existing second one; a length would not be used.
            s.Text("Zeichne den Punkt ").Text(first).Text("(0|0) und die Strecke ").Text(name).Text(" von ");
            s.Text(first).Text(" nach ").Text(second).Text(".");
            r.created = {{first, Kind::Point}, {name, Kind::Segment}};
        } else {
            s.Text("Zeichne die Strecke ").Text(name).Text(" von ").Text(first).Text(" nach ").Text(second);
            s.Text(" mit der L\xE4nge ").Text(args.Number(3, "5")).Text(".");
            r.created = {{second, Kind::Point}, {first, Kind::Point}, {name, Kind::Segment}};
        }
    }

    void Winkel(SentenceBuilder& s, LineResult& r, const Arguments& args) const {
        if (IsBisectorKeyword(args.Word(0))) {
            const std::string ray = args.Name(1, kShort);
            s.Text("Halbiere den Winkel ");
            Named(s, args.Name(2, kShort));
            s.Text("; die Winkelhalbierende ist der Strahl ").Text(ray).Text(".");
            r.created = {{"", Kind::Point}, {ray, Kind::Ray}};
            return;
        }
        const std::string angle = args.Name(0, kShort);
        const std::string ray = args.Name(3, kShort);
        s.Text("Trage in ").Text(args.Name(2, kShort)).Text(" an ").Text(args.Name(1, kShort));
        s.Text(" den Winkel ")
            .Greek(angle)
            .Text(" = ")
            .Text(args.Number(4))
            .Text("\xB0 an; der freie Schenkel ist ");
        s.Text("der Strahl ").Text(ray).Text(".");
        r.created = {{"", Kind::Point}, {ray, Kind::Ray}, {angle, Kind::Angle}};
    }

    void Bezeichne(SentenceBuilder& s, LineResult& r, const Arguments& args, const LineState& state) const {
        if (IsAngleKeyword(args.Word(0))) {
            const std::string vertex = args.Name(2, kFull);
            const std::string angle = args.Name(4, kFull);
            const std::string first = args.Name(1, kFull);
            const std::string second = args.Name(3, kFull);
            const bool firstPoint = KindOf(first) == Kind::Point;
            const bool secondPoint = KindOf(second) == Kind::Point;
            s.Text("Bezeichne den Winkel ");
            if (firstPoint && secondPoint) {
                s.Text(first).Text(vertex).Text(second);
            } else {
                // A point as a leg stands for the segment from the vertex to it.
                const auto leg = [&](const std::string& name, bool point) {
                    if (point)
                        s.Text("[").Text(vertex).Text(name).Text("]");
                    else
                        s.Text(name);
                };
                s.Text("zwischen ");
                leg(first, firstPoint);
                s.Text(" und ");
                leg(second, secondPoint);
            }
            s.Text(" mit ").Greek(angle).Text(".");
            r.created = {{angle, Kind::Angle}};
            return;
        }
        const std::string one = args.Name(3, kFull);
        const std::string two = args.Name(4, kFull);
        const bool both = state.objectCount >= 2;
        s.Text(both ? "Bezeichne die Schnittpunkte von " : "Bezeichne den Schnittpunkt von ");
        Named(s, args.Name(1, kFull));
        s.Text(" und ");
        Named(s, args.Name(2, kFull));
        s.Text(" mit ").Text(one);
        if (both) s.Text(" und ").Text(two);
        s.Text(".");
        r.created = {{one, Kind::Point}, {two, Kind::Point}};
    }

    void Loesche(SentenceBuilder& s, const Arguments& args) {
        const bool labels = IsLabelKeyword(args.Word(0));
        // The names it took: each names an object, up to the first that names none.
        std::vector<NamedThing> taken;
        for (int i = labels ? 1 : 0; i < args.Count(); ++i) {
            const std::string name = args.Name(i, kFull);
            if (!KindOf(name)) break;
            taken.push_back(Thing(name));
            names_.erase(name);
        }
        if (taken.empty()) taken.push_back({args.Name(labels ? 1 : 0, kFull), false});
        if (labels)
            s.Text(taken.size() == 1 ? "Entferne die Bezeichnung von " : "Entferne die Bezeichnungen von ");
        else
            s.Text("L\xF6sche ");
        AppendList(s, taken);
        s.Text(".");
    }

    const TObjList& objects_;
    int firstObject_ = 0;  // of the line being described
    std::unordered_map<std::string, Kind> names_;
};

}  // namespace

std::vector<DescriptionSentence> DescribeConstruction(const ConstructionDocument& document) {
    std::vector<DescriptionSentence> sentences;
    Describer describer(document.Parser().Objects);
    for (int i = 0; i < document.LineCount(); ++i) {
        const LineState& state = document.State(i);
        if (!state.executed) continue;
        if (auto runs = describer.Line(document.Line(i), state)) sentences.push_back({i, std::move(*runs)});
    }
    return sentences;
}
