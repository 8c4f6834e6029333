#pragma once

#include <csv.h>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reads CSV records as their bytes arrive, with libcsv: fields quoted or not,
// doubled quotes, delimiters and line breaks inside quotes, CR LF or LF line
// ends, a last record without a line end. A field keeps every byte as it
// stands, spaces included; a blank line is no record.
class CsvReader {
public:
    // Called with each record's fields.
    using RecordHandler = std::function<void(std::span<const std::string> fields)>;

    CsvReader(char delimiter, RecordHandler handler);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Throws EOrderListError when a field outgrows the memory.
    void Feed(std::string_view bytes);
    // Ends the last record.
    void Finish();

private:
    static void EndField(void* bytes, size_t size, void* reader);
    static void EndRecord(int terminator, void* reader);

    csv_parser parser_;
    RecordHandler handler_;
    std::vector<std::string> fields_;
    std::size_t count_ = 0;
};

// The first record's line, up to its first line feed outside a quoted
// field, which is what the delimiter is told from.
std::string_view FirstLine(std::string_view bytes);

// The delimiter a list uses: of ",", ";" and tab, the one that stands most
// often outside quotes in its first line ("," when none does).
char DetectDelimiter(std::string_view firstLine);

// Appends one record: a field is quoted, its quotes doubled, when it holds
// the delimiter, a quote or a line break, and in the first line any of the
// three delimiters.
void AppendCsvRecord(std::string& out, const std::vector<std::string>& fields, char delimiter,
                     std::string_view lineEnd, bool firstLine = false);
