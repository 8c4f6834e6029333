#include "batch/order_list.h"

#include "batch/list_error.h"
#include "calculation/pane_solution.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// How much of a list is read before its encoding is told from it.
constexpr std::size_t kPreludeSize = 1 << 20;
constexpr std::size_t kFlushSize = 1 << 16;

constexpr ListQuantity kResultColumns[] = {
    {ListColumn::Arc, PaneField::Arc},
    {ListColumn::Chord, PaneField::Chord},
    {ListColumn::Radius, PaneField::Radius},
    {ListColumn::Rise, PaneField::Rise},
    {ListColumn::Degrees, PaneField::Degrees},
    {ListColumn::Radians, PaneField::Radians},
    {ListColumn::CutLength, PaneField::CutLength},
    {ListColumn::PieceArc, PaneField::PieceArc},
    {ListColumn::PieceChord, PaneField::PieceChord},
    {ListColumn::PieceRadius, PaneField::PieceRadius},
    {ListColumn::PieceRise, PaneField::PieceRise},
    {ListColumn::PieceCutLength, PaneField::PieceCutLength},
};

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// What a piece cell asks for: a single pane when empty, the second pane of
// a unit, or nothing known.
enum class PieceAsked { Single, Inner, Outer, Unknown };

PieceAsked PieceNamed(const std::string& cell)
{
    std::string name = Trimmed(cell);
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) {
        return c < 0x80 ? static_cast<char>(std::tolower(c)) : static_cast<char>(c);
    });
    if (name.empty())
        return PieceAsked::Single;
    if (name == "inner" || name == "内片")
        return PieceAsked::Inner;
    if (name == "outer" || name == "外片")
        return PieceAsked::Outer;
    return PieceAsked::Unknown;
}

std::optional<PieceKind> KindOf(PieceAsked asked)
{
    if (asked == PieceAsked::Inner)
        return PieceKind::Inner;
    if (asked == PieceAsked::Outer)
        return PieceKind::Outer;
    return std::nullopt;
}

std::string UnknownPieceMessage(const std::string& cell, bool chinese)
{
    if (chinese)
        return "内外片“" + cell + "”不明：应为内片或外片";
    return "'" + cell + "' is no piece: inner or outer";
}

} // namespace

OrderList::OrderList(const ListOptions& options, ByteSink& output)
    : options_(options),
      output_(output),
      separator_(options.decimalSeparator),
      patterns_(ResultPatterns::WithDecimals(options.decimals))
{
}

OrderList::~OrderList() = default;

void OrderList::Feed(std::string_view bytes)
{
    if (reader_) {
        reader_->Feed(bytes);
        Flush(false);
        return;
    }
    prelude_.append(bytes);
    if (prelude_.size() >= kPreludeSize)
        Start(prelude_);
}

void OrderList::Finish()
{
    if (!reader_)
        Start(prelude_);
    reader_->Finish();
    if (!layout_)
        throw EOrderListError("not a CSV: the list is empty");
    Flush(true);
}

// The list's encoding, byte-order mark, delimiter and line ends are told
// from its beginning, and kept in the completed list.
void OrderList::Start(std::string_view bytes)
{
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (marked) {
        bytes.remove_prefix(kByteOrderMark.size());
        pending_ += kByteOrderMark;
    }
    codec_.emplace(marked ? TextEncoding::Utf8 : options_.encoding.value_or(DetectEncoding(bytes)));
    const std::string_view firstLine = FirstLine(bytes);
    if (firstLine.find('\0') != std::string_view::npos)
        throw EOrderListError("not a CSV: the list holds binary data");
    delimiter_ = DetectDelimiter(firstLine);
    if (delimiter_ == ',' && options_.decimalSeparator == ',')
        throw EOrderListError("the decimal separator \",\" cannot be read in a list whose delimiter is \",\"");
    lineEnd_ = firstLine.ends_with("\r\n") ? "\r\n" : "\n";
    reader_ = std::make_unique<CsvReader>(delimiter_, [this](std::span<const std::string> fields) { TakeRecord(fields); });
    const std::string start(bytes);
    prelude_.clear();
    prelude_.shrink_to_fit();
    reader_->Feed(start);
    Flush(false);
}

void OrderList::TakeRecord(std::span<const std::string> fields)
{
    if (!layout_)
        TakeHeader(fields);
    else
        TakeRow(fields);
}

void OrderList::TakeHeader(std::span<const std::string> names)
{
    std::vector<std::string> decoded;
    for (const std::string& name : names)
        decoded.push_back(codec_->Decode(name));
    layout_ = ListLayout::FromHeader(decoded);
    record_.assign(names.begin(), names.end());
    for (const ListColumn column : layout_->AddedColumns())
        record_.push_back(codec_->Encode(layout_->Chinese() ? ChineseName(column) : EnglishName(column)));
    AppendCsvRecord(pending_, record_, delimiter_, lineEnd_, true);
}

void OrderList::TakeRow(std::span<const std::string> cells)
{
    ++rows_;
    const ListLayout& layout = *layout_;
    static const std::string kEmpty;
    const auto cell = [&](ListColumn column) -> const std::string& {
        const auto index = layout.InputIndex(column);
        return index && *index < cells.size() ? cells[*index] : kEmpty;
    };

    PaneTexts texts;
    for (const ListQuantity& quantity : kListQuantities)
        texts.SetText(quantity.field, codec_->Decode(cell(quantity.column)));
    const std::string pieceCell = codec_->Decode(cell(ListColumn::Piece));
    const PieceAsked piece = PieceNamed(pieceCell);

    std::string message;
    PaneSolution solution;
    if (piece == PieceAsked::Unknown) {
        message = UnknownPieceMessage(pieceCell, layout.Chinese());
    } else {
        solution = SolvePane(std::move(texts), KindOf(piece), patterns_);
        if (solution.outcome == PaneSolution::Outcome::TooManyGiven)
            message = layout.Chinese() ? kTooManyGivenChinese : kTooManyGivenEnglish;
        else if (solution.outcome == PaneSolution::Outcome::Failed)
            message = solution.message;
    }
    const bool solved = piece != PieceAsked::Unknown && solution.outcome == PaneSolution::Outcome::Solved;

    // Short rows are filled up to the header; cells beyond it follow the
    // added columns.
    const std::size_t kept = std::min(cells.size(), layout.InputWidth());
    record_.resize(layout.OutputWidth() + (cells.size() - kept));
    std::copy(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(kept), record_.begin());
    for (std::size_t at = kept; at < layout.OutputWidth(); ++at)
        record_[at].clear();
    std::copy(cells.begin() + static_cast<std::ptrdiff_t>(kept), cells.end(),
              record_.begin() + static_cast<std::ptrdiff_t>(layout.OutputWidth()));
    if (solved) {
        for (const ListQuantity& result : kResultColumns) {
            const bool pieceResult = result.column >= ListColumn::PieceArc;
            std::string& shown = record_[layout.OutputIndex(result.column)];
            if (pieceResult && piece == PieceAsked::Single)
                shown.clear();
            else
                shown = solution.fields[result.field];
        }
    } else {
        // A row that fails keeps what it was given; the columns added stay empty.
        ++failedRows_;
    }
    if (watcher_)
        watcher_({rows_, codec_->Decode(cell(ListColumn::Mark)), KindOf(piece),
                  piece == PieceAsked::Unknown ? nullptr : &solution, message});
    record_[layout.OutputIndex(ListColumn::Status)] = solved ? "ok" : "error";
    record_[layout.OutputIndex(ListColumn::Message)] = codec_->Encode(message);
    AppendCsvRecord(pending_, record_, delimiter_, lineEnd_);
}

void OrderList::Flush(bool always)
{
    if (pending_.empty() || (!always && pending_.size() < kFlushSize))
        return;
    output_.Write(pending_);
    pending_.clear();
}
