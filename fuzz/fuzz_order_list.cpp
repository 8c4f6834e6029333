// libFuzzer target for the order lists: the CSV reading and the computation
// of every row, on lists as they come.
//
// Input: a control byte, then the bytes of a list. Bit 0 of the control byte
// reads and writes numbers with the decimal separator ","; bits 1 to 4 give
// the decimals (1 to 9); bits 5 and 6 force UTF-8 or GBK (neither: told from
// the list).
//
// Properties, each checked on every input:
//  1. Nothing crashes, hangs or makes a sanitizer report; a list that cannot
//     be read at all raises EOrderListError and nothing else.
//  2. The completed list holds one record for every record of the list, the
//     header included, each as wide as its header or wider.
//  3. Every row's status is "ok" or "error", and the count of "error" rows is
//     the count of failed rows.
#include "batch/csv_reader.h"
#include "batch/list_error.h"
#include "batch/order_list.h"
#include "batch/string_sink.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Fail(const char* property)
{
    std::fprintf(stderr, "property failed: %s\n", property);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t control = data[0];
    const std::string_view list(reinterpret_cast<const char*>(data + 1), size - 1);
    ListOptions options;
    options.decimalSeparator = (control & 1) != 0 ? ',' : '.';
    options.decimals = 1 + ((control >> 1) & 0x0F) % 9;
    if ((control & 0x20) != 0)
        options.encoding = TextEncoding::Utf8;
    else if ((control & 0x40) != 0)
        options.encoding = TextEncoding::Gbk;

    StringSink completed;
    long long rows = 0;
    long long failed = 0;
    try {
        OrderList orders(options, completed);
        // In two pieces, as a file arrives.
        orders.Feed(list.substr(0, list.size() / 2));
        orders.Feed(list.substr(list.size() / 2));
        orders.Finish();
        rows = orders.Rows();
        failed = orders.FailedRows();
    } catch (const EOrderListError&) {
        return 0;
    }

    // Read back with the delimiter the completed list starts with, its names
    // in the list's encoding.
    std::string_view output = completed.Bytes();
    const bool marked = output.starts_with("\xEF\xBB\xBF");
    if (marked)
        output.remove_prefix(3);
    const TextCodec codec(marked ? TextEncoding::Utf8 : options.encoding.value_or(DetectEncoding(list)));
    const char delimiter = DetectDelimiter(FirstLine(output));
    long long records = 0;
    long long errors = 0;
    std::size_t width = 0;
    std::size_t status = 0;
    CsvReader reader(delimiter, [&](std::span<const std::string> fields) {
        if (records++ == 0) {
            width = fields.size();
            const auto named = std::find_if(fields.begin(), fields.end(), [&](const std::string& name) {
                std::string plain = codec.Decode(name);
                plain.erase(0, plain.find_first_not_of(" \t"));
                plain.erase(plain.find_last_not_of(" \t") + 1);
                std::transform(plain.begin(), plain.end(), plain.begin(),
                               [](unsigned char c) { return c < 0x80 ? static_cast<char>(std::tolower(c)) : c; });
                return plain == "status" || plain == "状态";
            });
            status = static_cast<std::size_t>(named - fields.begin());
            return;
        }
        if (fields.size() < width)
            Fail("a completed row narrower than its header");
        if (fields[status] != "ok" && fields[status] != "error")
            Fail("a status that is neither ok nor error");
        errors += fields[status] == "error";
    });
    reader.Feed(output);
    reader.Finish();
    if (records != rows + 1)
        Fail("not one record out for every record in");
    if (errors != failed)
        Fail("error rows and failed rows disagree");
    return 0;
}
