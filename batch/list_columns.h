#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The columns of an order list that the program knows: the quantities it
// reads, and the results it adds.
enum class ListColumn {
    Mark,
    Quantity,
    Arc,
    Chord,
    Radius,
    Rise,
    Degrees,
    Radians,
    Glass,
    CutLength,
    Piece,
    Spacer,
    PieceGlass,
    PieceArc,
    PieceChord,
    PieceRadius,
    PieceRise,
    PieceCutLength,
    Status,
    Message,
};
inline constexpr std::size_t kListColumnCount = 20;

// A column's name in English and in Chinese (UTF-8).
const char* EnglishName(ListColumn column);
const char* ChineseName(ListColumn column);

// Where each known column stands in a list and in the completed list. The
// completed list keeps the list's columns in their places; the result
// columns the list lacks follow (the six arc quantities and the cut length,
// then the piece's results, the status and the message), named in the
// language of the list's header.
class ListLayout {
public:
    // From the header's names (UTF-8), matched without regard to case or to
    // the spaces around them. Throws EOrderListError when two names mean the
    // same column, or when no arc quantity has a column.
    static ListLayout FromHeader(const std::vector<std::string>& names);

    bool Chinese() const { return chinese_; }
    std::optional<std::size_t> InputIndex(ListColumn column) const { return input_[Index(column)]; }
    std::size_t OutputIndex(ListColumn column) const { return output_[Index(column)]; }
    std::size_t InputWidth() const { return inputWidth_; }
    std::size_t OutputWidth() const { return outputWidth_; }
    // The columns the completed list adds after the list's own, in order.
    const std::vector<ListColumn>& AddedColumns() const { return added_; }

private:
    static std::size_t Index(ListColumn column) { return static_cast<std::size_t>(column); }

    bool chinese_ = false;
    std::array<std::optional<std::size_t>, kListColumnCount> input_{};
    std::array<std::size_t, kListColumnCount> output_{};
    std::size_t inputWidth_ = 0;
    std::size_t outputWidth_ = 0;
    std::vector<ListColumn> added_;
};
