#pragma once

#include "app/decimal_separator_scope.h"
#include "batch/csv_reader.h"
#include "batch/list_columns.h"
#include "batch/text_encoding.h"
#include "calculation/pane_fields.h"
#include "calculation/pane_solution.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// How a list is read and written.
struct ListOptions {
    std::optional<TextEncoding> encoding;  // told from the list when not given
    char decimalSeparator = '.';           // of the numbers read and written
    int decimals = 3;                      // of lengths and degrees; radians take one more
};

// The columns a list gives its panes' field texts in, each with its field.
struct ListQuantity {
    ListColumn column;
    PaneField field;
};

inline constexpr ListQuantity kListQuantities[] = {
    {ListColumn::Arc, PaneField::Arc},         {ListColumn::Chord, PaneField::Chord},
    {ListColumn::Radius, PaneField::Radius},   {ListColumn::Rise, PaneField::Rise},
    {ListColumn::Degrees, PaneField::Degrees}, {ListColumn::Radians, PaneField::Radians},
    {ListColumn::Glass, PaneField::Glass},     {ListColumn::CutLength, PaneField::CutLength},
    {ListColumn::Spacer, PaneField::Spacer},   {ListColumn::PieceGlass, PaneField::PieceGlass},
};

// A row as it was computed, for whoever makes more of it than the list.
struct ListRow {
    long long number;                  // 1 for the first row after the header
    std::string mark;                  // UTF-8; empty when the list has no marks
    std::optional<PieceKind> piece;
    const PaneSolution* solution;      // none when the row named no piece it knows
    std::string message;               // why the row failed, UTF-8; empty when ok
};

// Where the completed list goes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

// Completes an order list as its bytes arrive: every record after the header
// is computed as the window computes a pane from the same field texts, and
// written out at once in the list's own encoding, byte-order mark, delimiter
// and line ends, with the results and the added columns, so memory does not
// grow with the number of rows. Every record gives exactly one record out.
class OrderList {
public:
    OrderList(const ListOptions& options, ByteSink& output);
    ~OrderList();
    OrderList(const OrderList&) = delete;
    OrderList& operator=(const OrderList&) = delete;

    // Both throw EOrderListError for a list that cannot be read at all.
    void Feed(std::string_view bytes);
    void Finish();

    long long Rows() const { return rows_; }
    long long FailedRows() const { return failedRows_; }

    // Called with every row once it is computed.
    void WatchRows(std::function<void(const ListRow&)> watcher) { watcher_ = std::move(watcher); }

private:
    void Start(std::string_view bytes);
    void TakeRecord(std::span<const std::string> fields);
    void TakeHeader(std::span<const std::string> names);
    void TakeRow(std::span<const std::string> cells);
    void Flush(bool always);

    ListOptions options_;
    ByteSink& output_;
    const DecimalSeparatorScope separator_;
    std::string prelude_;  // what arrives before the list's form is known
    std::optional<TextCodec> codec_;
    std::unique_ptr<CsvReader> reader_;
    char delimiter_ = ',';
    std::string lineEnd_ = "\n";
    std::optional<ListLayout> layout_;
    std::string pending_;  // written out in large pieces
    ResultPatterns patterns_;
    std::vector<std::string> record_;  // the record written, its strings used again
    std::function<void(const ListRow&)> watcher_;
    long long rows_ = 0;
    long long failedRows_ = 0;
};
