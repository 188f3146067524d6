#include "CustomObject.h"
#include "ObjectFactory.h"
#include "Skin.h"
#include "SkinSource.h"
#include "SourceValues.h"
#include "WindowFrameObjects.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <set>

namespace {
bool SameValue(const PropertyEntry& a, const PropertyEntry& b) {
    if (a.type == PropLongText)
        return *static_cast<const std::string*>(a.value) == *static_cast<const std::string*>(b.value);
    return a.size == b.size && std::memcmp(a.value, b.value, static_cast<size_t>(a.size)) == 0;
}

std::string Indent(int depth) {
    return std::string(static_cast<size_t>(depth) * 4, ' ');
}

class StockObjects;
void WriteBody(std::string& out, const SkinObject& object, const SkinObject& defaults, StockObjects& stock,
               int depth);

// Stock objects to compare against, one per type for a whole dump: building
// one per written object doubled the cost of a dump.
class StockObjects {
public:
    const SkinObject& For(int typeCode) {
        auto& slot = stock_[typeCode];
        if (!slot) slot = CreateSkinObject(typeCode);
        return *slot;
    }

private:
    std::map<int, std::unique_ptr<SkinObject>> stock_;
};

void WriteObject(std::string& out, const SkinObject& object, StockObjects& stock, int depth) {
    out += Indent(depth) + "object " + std::to_string(object.TypeCode()) + " " +
           QuoteSourceText(NameKey(object.name, sizeof object.name)) + " {\n";
    WriteBody(out, object, stock.For(object.TypeCode()), stock, depth + 1);
    out += Indent(depth) + "}\n";
}

void WriteBody(std::string& out, const SkinObject& object, const SkinObject& defaults, StockObjects& stock,
               int depth) {
    std::set<const void*> printed;
    for (const PropertyEntry& e : object.Properties()) {
        // Appended piece by piece: no temporary string per line.
        out += Indent(depth);
        out += e.key;
        out += " = ";
        out += FormatValue(e);
        out += '\n';
        printed.insert(e.value);
    }
    const auto& stored = object.StoredFields();
    const auto& stockFields = defaults.StoredFields();
    for (size_t i = 0; i < stored.size(); ++i) {
        if (printed.count(stored[i].value) ||
            (i < stockFields.size() && SameValue(stored[i], stockFields[i])))
            continue;
        out += Indent(depth);
        out += '@';
        out += stored[i].key;
        out += " = ";
        out += FormatValue(stored[i]);
        out += '\n';
    }
    if (const auto* custom = dynamic_cast<const CustomObject*>(&object)) {
        for (const CustomProperty& p : custom->CustomProperties()) {
            out += Indent(depth) + "property(" + QuoteSourceText(NameKey(p.key, sizeof p.key)) + ", " +
                   std::to_string(p.type) + ", " +
                   QuoteSourceText(NameKey(p.defaultText, sizeof p.defaultText)) + ", " +
                   HexBytes(p.value.data(), p.value.size()) + ", " +
                   (p.text.empty() ? std::string("none")
                                   : QuoteSourceText(NameKey(p.text.data(), p.text.size()))) +
                   ")\n";
        }
    }
    if (const auto* frame = dynamic_cast<const FrameWindowObject*>(&object)) {
        const MenuBarObject stockBar;
        out +=
            Indent(depth) + "menubar " + QuoteSourceText(NameKey(frame->menuBar->name, kTextField)) + " {\n";
        WriteBody(out, *frame->menuBar, stockBar, stock, depth + 1);
        out += Indent(depth) + "}\n";
    }
    for (const auto& [name, child] : object.Children()) WriteObject(out, *child, stock, depth);
}

const char* FormatName(int format) {
    return format == kImageFormatBmp ? "bmp" : format == kImageFormatTga ? "tga" : "unknown";
}

std::string FileNameFor(const std::string& name, int format) {
    std::string file;
    for (const char c : name)
        file += (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') ? c : '_';
    if (file.empty()) file = "image";
    return file + (format == kImageFormatTga ? ".tga" : ".bmp");
}
} // namespace

std::string DumpSkinSource(const Skin& skin, const DumpOptions& options) {
    std::string out =
        "skin " + std::to_string(skin.Version().major) + "." + std::to_string(skin.Version().minor) + "\n";
    StockObjects stock;
    for (const auto& [name, object] : skin.Objects()) {
        out += "\n";
        WriteObject(out, *object, stock, 0);
    }
    if (!skin.Images().empty()) out += "\n";
    std::set<std::string> files;
    for (const auto& [name, image] : skin.Images()) {
        const DibImage& dib = image->Image();
        const int format = image->FormatCode() == kImageFormatTga ? kImageFormatTga : kImageFormatBmp;
        std::string file = "none";
        if (dib.IsValid()) {
            std::string fileName = FileNameFor(name, format);
            while (!files.insert(fileName).second) fileName = "x" + fileName;
            file = QuoteSourceText(fileName);
            if (!options.imageFolder.empty()) {
                std::vector<uint8_t> bytes;
                if (dib.Encode(format, &bytes)) {
                    std::ofstream f(options.imageFolder / fileName, std::ios::binary);
                    f.write(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<std::streamsize>(bytes.size()));
                }
            }
        }
        out += "image " + QuoteSourceText(name) + " " + file + " format " + FormatName(image->FormatCode()) +
               " width " + std::to_string(dib.Width()) + " height " + std::to_string(dib.Height()) + " bpp " +
               std::to_string(dib.BitsPerPixel()) + "\n";
    }
    if (!skin.Auxiliaries().empty()) out += "\n";
    for (const auto& [name, aux] : skin.Auxiliaries()) {
        out += "auxiliary " + QuoteSourceText(name) + " {\n";
        WriteBody(out, *aux, stock.For(19), stock, 1);
        out += "}\n";
    }
    return out;
}
