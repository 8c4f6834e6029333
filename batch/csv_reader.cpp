#include "batch/csv_reader.h"

#include "batch/list_error.h"

#include <algorithm>
#include <array>

namespace {

// libcsv trims spaces and tabs around an unquoted field unless told that
// nothing is a space; the calculator reads spaces itself.
int NoSpaces(unsigned char)
{
    return 0;
}

} // namespace

CsvReader::CsvReader(char delimiter, RecordHandler handler) : handler_(std::move(handler))
{
    csv_init(&parser_, 0);
    csv_set_delim(&parser_, static_cast<unsigned char>(delimiter));
    csv_set_space_func(&parser_, NoSpaces);
}

CsvReader::~CsvReader()
{
    csv_free(&parser_);
}

void CsvReader::Feed(std::string_view bytes)
{
    if (csv_parse(&parser_, bytes.data(), bytes.size(), EndField, EndRecord, this) != bytes.size())
        throw EOrderListError(csv_strerror(csv_error(&parser_)));
}

void CsvReader::Finish()
{
    csv_fini(&parser_, EndField, EndRecord, this);
}

void CsvReader::EndField(void* bytes, size_t size, void* reader)
{
    auto& self = *static_cast<CsvReader*>(reader);
    // The strings of the last record are used again, without allocating.
    if (self.count_ < self.fields_.size())
        self.fields_[self.count_].assign(static_cast<const char*>(bytes), size);
    else
        self.fields_.emplace_back(static_cast<const char*>(bytes), size);
    ++self.count_;
}

void CsvReader::EndRecord(int, void* reader)
{
    auto& self = *static_cast<CsvReader*>(reader);
    self.handler_(std::span<const std::string>(self.fields_.data(), self.count_));
    self.count_ = 0;
}

namespace {

constexpr std::array<char, 3> kDelimiters = {',', ';', '\t'};

bool IsDelimiter(char c)
{
    return std::find(kDelimiters.begin(), kDelimiters.end(), c) != kDelimiters.end();
}

// Calls `take` for every byte of the first record's line that stands outside
// quotes, up to its first line feed there. As the reader does, a quote opens
// a quoted field only at the start of a field; elsewhere it is a character
// like any other.
template <class Take>
std::size_t ScanFirstLine(std::string_view bytes, Take take)
{
    bool quoted = false;
    bool fieldStart = true;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (quoted) {
            if (c == '"' && at + 1 < bytes.size() && bytes[at + 1] == '"')
                ++at;
            else if (c == '"')
                quoted = false;
            continue;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
            fieldStart = false;
            continue;
        }
        if (c == '\n')
            return at + 1;
        take(c);
        fieldStart = IsDelimiter(c) || c == '\r';
    }
    return bytes.size();
}

} // namespace

std::string_view FirstLine(std::string_view bytes)
{
    return bytes.substr(0, ScanFirstLine(bytes, [](char) {}));
}

char DetectDelimiter(std::string_view firstLine)
{
    std::array<int, kDelimiters.size()> counts{};
    ScanFirstLine(firstLine, [&](char c) {
        for (std::size_t i = 0; i < kDelimiters.size(); ++i)
            counts[i] += c == kDelimiters[i];
    });
    std::size_t best = 0;
    for (std::size_t i = 1; i < kDelimiters.size(); ++i) {
        if (counts[i] > counts[best])
            best = i;
    }
    return kDelimiters[best];
}

void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields, char delimiter,
                     std::string_view lineEnd, bool firstLine)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += delimiter;
        const std::string& field = fields[i];
        // In the first line any of the three delimiters is quoted, so that
        // it tells the list's own delimiter again.
        const bool quoted = std::any_of(field.begin(), field.end(), [&](char c) {
            return c == delimiter || (firstLine && IsDelimiter(c)) || c == '"' || c == '\r' || c == '\n';
        });
        if (!quoted) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += lineEnd;
}
