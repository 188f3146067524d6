#include "CustomObject.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinSource.h"
#include "SourceValues.h"
#include "WindowFrameObjects.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {
constexpr int kMaxSourceDepth = 16;

class Parser {
public:
    Parser(const std::vector<SourceToken>& tokens, const std::filesystem::path& base, Skin& skin,
           std::string& error)
        : in_(tokens), base_(base), skin_(skin), error_(error) {}

    bool Run();

private:
    bool Version();
    bool Object(std::unique_ptr<SkinObject>& out, bool topLevel, int depth);
    bool Body(SkinObject& object, int depth);
    bool Assignment(SkinObject& object);
    bool Property(std::vector<CustomProperty>& list);
    bool Image();
    bool Auxiliary();
    bool Fail(const std::string& what) { return in_.Fail(what, error_); }

    TokenCursor in_;
    std::filesystem::path base_;
    Skin& skin_;
    std::string& error_;
};

bool Parser::Run() {
    if (in_.IsWord("skin") && !Version()) return false;
    while (in_.Peek().kind != SourceToken::End) {
        if (in_.IsWord("object")) {
            std::unique_ptr<SkinObject> object;
            if (!Object(object, true, 0)) return false;
            skin_.PutObject(std::move(object));
        } else if (in_.IsWord("image")) {
            if (!Image()) return false;
        } else if (in_.IsWord("auxiliary")) {
            if (!Auxiliary()) return false;
        } else {
            return Fail("expected object, image or auxiliary");
        }
    }
    return true;
}

bool Parser::Version() {
    in_.Next();
    int major = 0;
    int minor = -1;
    char tail = 0;
    if (in_.Peek().kind != SourceToken::Word ||
        std::sscanf(in_.Next().text.c_str(), "%d.%d%c", &major, &minor, &tail) != 2)
        return Fail("version must be 1.N");
    if (major != 1 || minor < 0 || minor > 255) return Fail("version must be 1.N");
    skin_.SetVersion(FormatVersion{1, static_cast<uint8_t>(minor)});
    return true;
}

bool Parser::Object(std::unique_ptr<SkinObject>& out, bool topLevel, int depth) {
    in_.Next();
    int64_t code = 0;
    std::string name;
    if (!in_.Integer(code, error_) || !in_.Text(name, error_)) return false;
    if (topLevel ? !IsTopLevelTypeCode(int(code)) : !IsChildTypeCode(int(code)))
        return Fail("type code " + std::to_string(code) + " is not allowed " +
                    (topLevel ? "at top level" : "as a child"));
    if (depth >= kMaxSourceDepth) return Fail("objects nested too deeply");
    if (name.size() >= kTextField) return Fail("name longer than 50 bytes");
    out = CreateSkinObject(int(code));
    out->SetName(name);
    return Body(*out, depth);
}

bool Parser::Body(SkinObject& object, int depth) {
    if (!in_.Symbol('{', error_)) return false;
    auto* custom = dynamic_cast<CustomObject*>(&object);
    std::vector<CustomProperty> customList;
    while (!in_.IsSymbol('}')) {
        if (in_.Peek().kind == SourceToken::End) return Fail("missing '}'");
        if (in_.IsWord("object")) {
            std::unique_ptr<SkinObject> child;
            if (!Object(child, false, depth + 1)) return false;
            const std::string childName = child->name;
            if (!object.AddChild(std::move(child))) return Fail("two children named \"" + childName + "\"");
        } else if (in_.IsWord("menubar")) {
            auto* frame = dynamic_cast<FrameWindowObject*>(&object);
            if (!frame) return Fail("only frame windows (type 1) have a menu bar");
            in_.Next();
            std::string name;
            if (!in_.Text(name, error_)) return false;
            frame->menuBar->SetName(name);
            if (!Body(*frame->menuBar, depth + 1)) return false;
        } else if (in_.IsWord("property")) {
            if (!custom) return Fail("only custom objects (type 100) have a property list");
            if (!Property(customList)) return false;
        } else if (!Assignment(object)) {
            return false;
        }
    }
    in_.Next();
    if (custom) custom->SetProperties(std::move(customList));
    return true;
}

bool Parser::Assignment(SkinObject& object) {
    if (in_.Peek().kind != SourceToken::Word) return Fail("expected a property key");
    const std::string key = in_.Next().text;
    if (!in_.Symbol('=', error_)) return false;
    const auto& list = key[0] == '@' ? object.StoredFields() : object.Properties();
    const std::string wanted = key[0] == '@' ? key.substr(1) : key;
    for (const PropertyEntry& e : list) {
        if (e.key == wanted) return ParseValue(in_, e, error_);
    }
    return Fail("object type " + std::to_string(object.TypeCode()) + " has no key " + key);
}

bool Parser::Property(std::vector<CustomProperty>& list) {
    in_.Next();
    CustomProperty p;
    int64_t type = 0;
    std::string key, def, text;
    if (!in_.Symbol('(', error_) || !in_.Text(key, error_) || !in_.Symbol(',', error_) ||
        !in_.Integer(type, error_) || !in_.Symbol(',', error_) || !in_.Text(def, error_) ||
        !in_.Symbol(',', error_) || !ParseBytes(in_, p.value, error_) || !in_.Symbol(',', error_))
        return false;
    if (key.size() >= sizeof p.key || def.size() >= sizeof p.defaultText)
        return Fail("property key or default text too long");
    if (in_.IsWord("none")) {
        in_.Next();
    } else {
        if (!in_.Text(text, error_)) return false;
        p.text.assign(text.begin(), text.end());
        p.text.push_back('\0');
    }
    if (!in_.Symbol(')', error_)) return false;
    p.type = static_cast<uint32_t>(type);
    std::copy(key.begin(), key.end(), p.key);
    std::copy(def.begin(), def.end(), p.defaultText);
    list.push_back(std::move(p));
    return true;
}

bool Parser::Image() {
    in_.Next();
    std::string name;
    if (!in_.Text(name, error_)) return false;
    if (name.size() >= kTextField) return Fail("image name longer than 50 bytes");
    auto image = std::make_unique<ImageObject>();
    image->SetName(name);
    std::string file;
    bool hasFile = true;
    if (in_.IsWord("none")) {
        in_.Next();
        hasFile = false;
    } else if (!in_.Text(file, error_)) {
        return false;
    }
    int format = -1;
    // Attributes as the dump prints them; only the format is used.
    while (in_.IsWord("format") || in_.IsWord("width") || in_.IsWord("height") || in_.IsWord("bpp")) {
        const std::string attribute = in_.Next().text;
        if (attribute == "format") {
            const std::string f = in_.Next().text;
            format = f == "bmp" ? kImageFormatBmp : f == "tga" ? kImageFormatTga : f == "unknown" ? 0 : -2;
            if (format == -2) return Fail("format must be bmp, tga or unknown");
        } else {
            int64_t ignored = 0;
            if (!in_.Integer(ignored, error_)) return false;
        }
    }
    if (hasFile) {
        const std::filesystem::path path = base_ / file;
        std::ifstream f(path, std::ios::binary);
        if (!f) return Fail("cannot read image file " + path.string());
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        if (format < 0) {
            const std::string ext = path.extension().string();
            format = (ext == ".tga" || ext == ".TGA")   ? kImageFormatTga
                     : (ext == ".bmp" || ext == ".BMP") ? kImageFormatBmp
                                                        : 0;
        }
        if (!image->SetEncoded(std::move(bytes), format))
            return Fail("image " + path.string() + ": " + image->Image().LastError());
    }
    skin_.PutImage(std::move(image));
    return true;
}

bool Parser::Auxiliary() {
    in_.Next();
    std::string name;
    if (!in_.Text(name, error_)) return false;
    if (name.size() >= kTextField) return Fail("name longer than 50 bytes");
    auto aux = CreateSkinObject(19);
    aux->SetName(name);
    if (!Body(*aux, 0)) return false;
    skin_.PutAuxiliary(std::move(aux));
    return true;
}
} // namespace

bool ParseSkinSource(const std::string& source, const std::filesystem::path& baseFolder, Skin& skin,
                     std::string& error) {
    std::vector<SourceToken> tokens;
    if (!TokenizeSource(source, tokens, error)) return false;
    Parser parser(tokens, baseFolder, skin, error);
    return parser.Run();
}
