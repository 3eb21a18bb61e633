#include "export/template_package.h"

#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

namespace trevalo::workbook {

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::size_t kLocalSize = 30;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kEndSize = 22;
constexpr const char* kContentTypes = "[Content_Types].xml";
constexpr const char* kChartPrefix = "xl/charts/chart";
constexpr std::string_view kWorkbookType = "spreadsheetml.sheet.main+xml";
constexpr std::string_view kTemplateType = "spreadsheetml.template.main+xml";

std::uint32_t read(const Bytes& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(k)];
    return value;
}

void put(Bytes& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int k = 0; k < size; ++k)
        bytes[at + static_cast<std::size_t>(k)] = static_cast<unsigned char>(value >> (8 * k));
}

std::optional<std::string> inflated(const unsigned char* data, std::size_t size, std::size_t plainSize)
{
    std::string plain(plainSize, '\0');
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = const_cast<unsigned char*>(data);
    stream.avail_in = static_cast<uInt>(size);
    stream.next_out = reinterpret_cast<unsigned char*>(plain.data());
    stream.avail_out = static_cast<uInt>(plain.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.total_out != plainSize)
        return std::nullopt;
    return plain;
}

struct Entry {
    Bytes central;  // its central directory record
    std::size_t local = 0;
    std::size_t localEnd = 0;  // where the next entry or the directory starts
};

// The entry's text, unpacked.
std::optional<std::string> entryText(const Bytes& zip, const Entry& entry)
{
    const std::size_t local = entry.local;
    if (read(zip, local, 4) != kLocalSignature)
        return std::nullopt;
    const std::size_t dataAt = local + kLocalSize + read(zip, local + 26, 2) + read(zip, local + 28, 2);
    const std::size_t packed = read(entry.central, 20, 4);
    const std::uint32_t method = read(entry.central, 10, 2);
    if (dataAt + packed > entry.localEnd || (method != 0 && method != Z_DEFLATED))
        return std::nullopt;
    return method == 0 ? std::string(reinterpret_cast<const char*>(&zip[dataAt]), packed)
                       : inflated(&zip[dataAt], packed, read(entry.central, 24, 4));
}

// The [Content_Types].xml text with the workbook part declared a template.
std::optional<std::string> templateTypes(std::string text)
{
    const std::size_t type = text.find(kWorkbookType);
    if (type == std::string::npos)
        return std::nullopt;
    text.replace(type, kWorkbookType.size(), kTemplateType);
    return text;
}

// A chart names only the Latin face of its texts; Chinese is drawn in the East Asian
// face, which otherwise falls to the spreadsheet's default. Each Latin face is named
// again as the East Asian one, in the place the schema gives it (right after it).
std::string withEastAsianFaces(std::string xml)
{
    static const std::string kLatin = "<a:latin typeface=\"";
    for (std::size_t at = xml.find(kLatin); at != std::string::npos; at = xml.find(kLatin, at + 1)) {
        const std::size_t close = xml.find("/>", at);
        if (close == std::string::npos)
            break;
        const std::string face = xml.substr(at + kLatin.size(), close - at - kLatin.size());
        xml.insert(close + 2, "<a:ea typeface=\"" + face + "/>");
    }
    return xml;
}

bool isChart(const std::string& name) { return name.rfind(kChartPrefix, 0) == 0; }

// The entry stored uncompressed with its sizes in the header, no data descriptor.
void storeEntry(Bytes& out, const Bytes& zip, Entry& entry, const std::string& name, const std::string& text)
{
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const unsigned char*>(text.data()), static_cast<uInt>(text.size())));
    const auto size = static_cast<std::uint32_t>(text.size());
    Bytes header(zip.begin() + static_cast<std::ptrdiff_t>(entry.local),
                 zip.begin() + static_cast<std::ptrdiff_t>(entry.local + kLocalSize));
    put(header, 6, read(header, 6, 2) & ~0x8u, 2);
    put(header, 8, 0, 2);
    put(header, 14, crc, 4);
    put(header, 18, size, 4);
    put(header, 22, size, 4);
    put(header, 26, static_cast<std::uint32_t>(name.size()), 2);
    put(header, 28, 0, 2);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), name.begin(), name.end());
    out.insert(out.end(), text.begin(), text.end());
    Bytes& central = entry.central;
    put(central, 8, read(central, 8, 2) & ~0x8u, 2);
    put(central, 10, 0, 2);
    put(central, 16, crc, 4);
    put(central, 20, size, 4);
    put(central, 24, size, 4);
}

std::optional<Bytes> withTemplateType(const Bytes& zip, bool declareTemplate)
{
    // libxlsxwriter writes no archive comment, so the end record closes the file.
    if (zip.size() < kEndSize || read(zip, zip.size() - kEndSize, 4) != kEndSignature)
        return std::nullopt;
    const std::size_t end = zip.size() - kEndSize;
    const std::size_t count = read(zip, end + 10, 2);
    const std::size_t directory = read(zip, end + 16, 4);
    std::vector<Entry> entries;
    for (std::size_t at = directory; entries.size() < count;) {
        if (at + kCentralSize > end || read(zip, at, 4) != kCentralSignature)
            return std::nullopt;
        const std::size_t length =
            kCentralSize + read(zip, at + 28, 2) + read(zip, at + 30, 2) + read(zip, at + 32, 2);
        if (at + length > end)
            return std::nullopt;
        Entry entry;
        entry.central.assign(zip.begin() + static_cast<std::ptrdiff_t>(at),
                             zip.begin() + static_cast<std::ptrdiff_t>(at + length));
        entry.local = read(zip, at + 42, 4);
        entries.push_back(std::move(entry));
        at += length;
    }
    for (Entry& entry : entries) {
        entry.localEnd = directory;
        for (const Entry& other : entries) {
            if (other.local > entry.local && other.local < entry.localEnd)
                entry.localEnd = other.local;
        }
        if (entry.localEnd > directory || entry.local >= entry.localEnd)
            return std::nullopt;
    }

    Bytes out;
    Bytes central;
    bool replaced = false;
    for (Entry& entry : entries) {
        const std::string name(reinterpret_cast<const char*>(&entry.central[kCentralSize]),
                               read(entry.central, 28, 2));
        const auto offset = static_cast<std::uint32_t>(out.size());
        if (name == kContentTypes || isChart(name)) {
            std::optional<std::string> text = entryText(zip, entry);
            if (text && name == kContentTypes) {
                if (declareTemplate)
                    text = templateTypes(std::move(*text));
                replaced = text.has_value();
            } else if (text) {
                text = withEastAsianFaces(std::move(*text));
            }
            if (!text)
                return std::nullopt;
            storeEntry(out, zip, entry, name, *text);
        } else {
            out.insert(out.end(), zip.begin() + static_cast<std::ptrdiff_t>(entry.local),
                       zip.begin() + static_cast<std::ptrdiff_t>(entry.localEnd));
        }
        put(entry.central, 42, offset, 4);
        central.insert(central.end(), entry.central.begin(), entry.central.end());
    }
    if (!replaced)
        return std::nullopt;
    Bytes trailer(zip.begin() + static_cast<std::ptrdiff_t>(end), zip.end());
    put(trailer, 12, static_cast<std::uint32_t>(central.size()), 4);
    put(trailer, 16, static_cast<std::uint32_t>(out.size()), 4);
    out.insert(out.end(), central.begin(), central.end());
    out.insert(out.end(), trailer.begin(), trailer.end());
    return out;
}

}  // namespace

bool markAsTemplate(const std::string& path)
{
    return finishPackage(path, true);
}

bool finishPackage(const std::string& path, bool declareTemplate)
{
    std::ifstream input(path, std::ios::binary);
    const Bytes zip{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
    if (!input.good() && !input.eof())
        return false;
    input.close();
    const std::optional<Bytes> rewritten = withTemplateType(zip, declareTemplate);
    if (!rewritten)
        return false;
    std::ofstream output(path, std::ios::binary | std::ios::trunc);
    output.write(reinterpret_cast<const char*>(rewritten->data()), static_cast<std::streamsize>(rewritten->size()));
    output.close();
    return output.good();
}

}  // namespace trevalo::workbook
