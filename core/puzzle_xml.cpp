#include "core/puzzle_xml.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "core/puzzle_text.h"

namespace ga {

namespace {

constexpr std::string_view kRootName = "opensudoku";

bool isXmlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameCharacter(char c, bool first) {
    const auto u = static_cast<unsigned char>(c);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':' || u >= 0x80)
        return true;
    return !first && ((c >= '0' && c <= '9') || c == '-' || c == '.');
}

void appendUtf8(std::string& out, uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The root's children (or attributes) that tell about the collection.
struct InfoField {
    std::string_view name;
    std::string PuzzleFileInfo::*field;
};
constexpr InfoField kInfoFields[] = {{"name", &PuzzleFileInfo::name},
                                     {"author", &PuzzleFileInfo::author},
                                     {"description", &PuzzleFileInfo::description},
                                     {"comment", &PuzzleFileInfo::comment},
                                     {"source", &PuzzleFileInfo::source},
                                     {"level", &PuzzleFileInfo::level}};

struct Attribute {
    std::string_view name;
    std::string value;
};

// The reader walks the text once, keeping the line it is on for the errors.
class XmlCollectionReader {
  public:
    explicit XmlCollectionReader(std::string_view text) : text_(text) {}

    PuzzleFileContent read();

  private:
    bool fail(std::string what) {
        if (error_.what.empty()) error_ = {line_, std::move(what)};
        return false;
    }
    bool atEnd() const { return at_ >= text_.size(); }
    bool startsWith(std::string_view prefix) const {
        return text_.substr(at_, prefix.size()) == prefix;
    }
    void advance(std::size_t count) {
        for (std::size_t i = 0; i < count && at_ < text_.size(); ++i, ++at_) {
            if (text_[at_] == '\n') ++line_;
        }
    }
    void skipSpace() {
        while (!atEnd() && isXmlSpace(text_[at_])) advance(1);
    }
    // Moves past `end`; the text before it goes to `inside` when given.
    bool skipPast(std::string_view end, const char* what, std::string* inside = nullptr) {
        const std::size_t found = text_.find(end, at_);
        if (found == std::string_view::npos)
            return fail(std::string("the file ends inside ") + what);
        if (inside) inside->append(text_.substr(at_, found - at_));
        advance(found - at_ + end.size());
        return true;
    }
    // Comments, processing instructions and white space between elements.
    bool skipMisc();
    bool readName(std::string_view& name);
    bool readEntity(std::string& out);
    bool readAttributes(std::vector<Attribute>& attributes, bool& empty);
    bool readText(std::string* out);
    bool startElement();
    bool endElement();
    bool takeGame(const std::vector<Attribute>& attributes);
    void takeInfo(const std::vector<Attribute>& attributes);
    std::string* infoField(std::string_view name);

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    FormatError error_;
    std::vector<std::string_view> open_;  // the names of the elements open, outermost first
    std::string* collecting_ = nullptr;   // the field a root child's text goes to
    PuzzleFileContent content_;
};

bool XmlCollectionReader::skipMisc() {
    while (true) {
        skipSpace();
        if (startsWith("<!--")) {
            advance(4);
            if (!skipPast("-->", "a comment")) return false;
        } else if (startsWith("<?")) {
            advance(2);
            if (!skipPast("?>", "a processing instruction")) return false;
        } else if (startsWith("<!")) {
            return fail("a document type or other declaration, which is not read");
        } else {
            return true;
        }
    }
}

bool XmlCollectionReader::readName(std::string_view& name) {
    const std::size_t start = at_;
    if (atEnd() || !isNameCharacter(text_[at_], true)) return fail("a name was expected");
    while (!atEnd() && isNameCharacter(text_[at_], false)) advance(1);
    name = text_.substr(start, at_ - start);
    return true;
}

bool XmlCollectionReader::readEntity(std::string& out) {
    const std::size_t end = text_.find(';', at_);
    if (end == std::string_view::npos || end - at_ > 12)
        return fail("an '&' that starts no known entity");
    const std::string_view entity = text_.substr(at_ + 1, end - at_ - 1);
    static const std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [name, c] : kNamed) {
        if (entity == name) {
            out += c;
            advance(end - at_ + 1);
            return true;
        }
    }
    if (entity.size() >= 2 && entity[0] == '#') {
        const bool hex = entity[1] == 'x';
        const std::string_view digits = entity.substr(hex ? 2 : 1);
        uint32_t code = 0;
        bool good = !digits.empty() && digits.size() <= 8;
        for (char c : digits) {
            int value = -1;
            if (c >= '0' && c <= '9') value = c - '0';
            if (hex && c >= 'a' && c <= 'f') value = c - 'a' + 10;
            if (hex && c >= 'A' && c <= 'F') value = c - 'A' + 10;
            good = good && value >= 0;
            if (good) code = code * (hex ? 16 : 10) + static_cast<uint32_t>(value);
        }
        good = good && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (good) {
            appendUtf8(out, code);
            advance(end - at_ + 1);
            return true;
        }
    }
    return fail("&" + std::string(entity) + "; is no entity this reader knows");
}

bool XmlCollectionReader::readAttributes(std::vector<Attribute>& attributes, bool& empty) {
    while (true) {
        const std::size_t before = at_;
        skipSpace();
        if (atEnd()) return fail("the file ends inside a tag");
        if (startsWith("/>")) {
            advance(2);
            empty = true;
            return true;
        }
        if (text_[at_] == '>') {
            advance(1);
            empty = false;
            return true;
        }
        if (at_ == before) return fail("white space was expected between attributes");
        Attribute attribute;
        if (!readName(attribute.name)) return false;
        skipSpace();
        if (atEnd() || text_[at_] != '=') return fail("an attribute without '='");
        advance(1);
        skipSpace();
        if (atEnd() || (text_[at_] != '"' && text_[at_] != '\''))
            return fail("an attribute's value must stand in quotes");
        const char quote = text_[at_];
        advance(1);
        while (true) {
            if (atEnd()) return fail("the file ends inside an attribute's value");
            const char c = text_[at_];
            if (c == quote) break;
            if (c == '<') return fail("a '<' inside an attribute's value");
            if (c == '&') {
                if (!readEntity(attribute.value)) return false;
                continue;
            }
            attribute.value += c;
            advance(1);
        }
        advance(1);
        for (const Attribute& earlier : attributes) {
            if (earlier.name == attribute.name)
                return fail("the attribute " + std::string(attribute.name) + " stands twice");
        }
        attributes.push_back(std::move(attribute));
    }
}

bool XmlCollectionReader::readText(std::string* out) {
    while (!atEnd() && text_[at_] != '<') {
        if (text_[at_] == '&') {
            std::string decoded;
            if (!readEntity(decoded)) return false;
            if (out) *out += decoded;
            continue;
        }
        if (out) *out += text_[at_];
        advance(1);
    }
    return true;
}

std::string* XmlCollectionReader::infoField(std::string_view name) {
    for (const InfoField& info : kInfoFields) {
        if (info.name == name) return &(content_.info.*info.field);
    }
    return nullptr;
}

void XmlCollectionReader::takeInfo(const std::vector<Attribute>& attributes) {
    for (const Attribute& attribute : attributes) {
        std::string* field = infoField(attribute.name);
        if (field && field->empty()) *field = attribute.value;
    }
}

bool XmlCollectionReader::takeGame(const std::vector<Attribute>& attributes) {
    const Attribute* data = nullptr;
    for (const Attribute& attribute : attributes) {
        if (attribute.name == "data") data = &attribute;
    }
    if (!data) return fail("a <game> without its data");
    const std::string& cells = data->value;
    for (std::size_t at = 0; at < cells.size() && at < static_cast<std::size_t>(kCells); ++at) {
        const char c = cells[at];
        if ((c < '0' || c > '9') && c != '.') {
            char text[96];
            std::snprintf(text, sizeof text,
                          "character %zu of the game's data is not a digit 0-9 or '.'", at + 1);
            return fail(text);
        }
    }
    if (cells.size() != static_cast<std::size_t>(kCells)) {
        return fail("the game's data has " + std::to_string(cells.size()) +
                    " characters, a puzzle has 81 cells");
    }
    if (content_.puzzles.size() == static_cast<std::size_t>(kMostFilePuzzles)) {
        return fail("more than " + std::to_string(kMostFilePuzzles) +
                    " games, the most a collection holds");
    }
    PuzzleRecord record;
    readPuzzleText(cells, record);
    content_.puzzles.push_back(record);
    content_.lines.push_back(line_);
    return true;
}

bool XmlCollectionReader::startElement() {
    advance(1);  // '<'
    const int tagLine = line_;
    std::string_view name;
    if (!readName(name)) return false;
    if (open_.empty() && name != kRootName) {
        return fail("the root element is <" + std::string(name) + ">, a collection's is <" +
                    std::string(kRootName) + ">");
    }
    if (static_cast<int>(open_.size()) >= kMostXmlDepth) {
        return fail("elements nested deeper than " + std::to_string(kMostXmlDepth));
    }
    std::vector<Attribute> attributes;
    bool empty = false;
    if (!readAttributes(attributes, empty)) return false;
    const int savedLine = line_;
    line_ = tagLine;
    if (open_.empty() || name == "folder") takeInfo(attributes);
    if (name == "game" && !takeGame(attributes)) return false;
    line_ = savedLine;
    collecting_ = nullptr;
    if (empty) return true;
    if (open_.size() == 1) {
        collecting_ = infoField(name);
        if (collecting_) collecting_->clear();
    }
    open_.push_back(name);
    return true;
}

bool XmlCollectionReader::endElement() {
    advance(2);  // "</"
    std::string_view name;
    if (!readName(name)) return false;
    skipSpace();
    if (atEnd() || text_[at_] != '>') return fail("an end tag without its '>'");
    advance(1);
    if (name != open_.back()) {
        return fail("</" + std::string(name) + "> ends <" + std::string(open_.back()) + ">");
    }
    open_.pop_back();
    collecting_ = nullptr;
    return true;
}

PuzzleFileContent XmlCollectionReader::read() {
    content_.format = PuzzleFormat::kXml;
    if (startsWith("\xEF\xBB\xBF")) advance(3);
    bool good = skipMisc();
    if (good && (atEnd() || text_[at_] != '<')) good = fail("no XML element");
    if (good) good = startElement();
    while (good && !open_.empty()) {
        if (atEnd()) {
            good = fail("the file ends inside <" + std::string(open_.back()) + ">");
        } else if (startsWith("</")) {
            good = endElement();
        } else if (startsWith("<!--")) {
            advance(4);
            good = skipPast("-->", "a comment");
        } else if (startsWith("<![CDATA[")) {
            advance(9);
            good = skipPast("]]>", "a CDATA section", collecting_);
        } else if (startsWith("<?")) {
            advance(2);
            good = skipPast("?>", "a processing instruction");
        } else if (startsWith("<!")) {
            good = fail("a declaration inside an element");
        } else if (text_[at_] == '<') {
            good = startElement();
        } else {
            good = readText(collecting_);
        }
    }
    if (good) good = skipMisc();
    if (good && !atEnd()) good = fail("more after the end of <" + std::string(kRootName) + ">");
    if (good && content_.puzzles.empty()) {
        line_ = 0;
        good = fail("the collection holds no game");
    }
    if (!good) {
        PuzzleFileContent refused;
        refused.format = PuzzleFormat::kXml;
        refused.error = error_;
        return refused;
    }
    return std::move(content_);
}

void appendEscaped(std::string& out, const std::string& text) {
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
                break;
        }
    }
}

void appendElement(std::string& out, std::string_view name, const std::string& text) {
    if (text.empty()) return;
    out += "  <";
    out += name;
    out += '>';
    appendEscaped(out, text);
    out += "</";
    out += name;
    out += ">\n";
}

}  // namespace

PuzzleFileContent readXmlCollection(std::string_view text) {
    return XmlCollectionReader(text).read();
}

std::string writeXmlCollection(const std::vector<PuzzleRecord>& puzzles,
                               const PuzzleFileInfo& info) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<";
    out += kRootName;
    out += ">\n";
    for (const InfoField& field : kInfoFields) appendElement(out, field.name, info.*field.field);
    for (const PuzzleRecord& record : puzzles) {
        std::string cells = clueLine(record);
        for (char& c : cells) c = c == '.' ? '0' : c;
        out += "  <game data=\"" + cells + "\"/>\n";
    }
    out += "</";
    out += kRootName;
    out += ">\n";
    return out;
}

}  // namespace ga
