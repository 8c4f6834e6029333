#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>

// The fields a calculation reads and writes, as the calculator window lays
// them out: the single pane's quantities, results and glass thickness, then
// the piece panel's two inputs and five results.
enum class PaneField {
    Arc,
    Chord,
    Radius,
    Rise,
    Degrees,
    Radians,
    CutLength,
    Glass,
    Spacer,
    PieceGlass,
    PieceArc,
    PieceChord,
    PieceRadius,
    PieceRise,
    PieceCutLength,
};
inline constexpr std::size_t kPaneFieldCount = 15;

// Where a calculation finds its field texts (UTF-8): the window's edit
// fields, or the cells of a row of an order list.
class PaneFields {
public:
    virtual ~PaneFields() = default;
    virtual std::string Text(PaneField field) const = 0;
    virtual void SetText(PaneField field, const std::string& text) = 0;
};

// Field texts held in memory.
class PaneTexts : public PaneFields {
public:
    std::string Text(PaneField field) const override { return texts_[static_cast<std::size_t>(field)]; }
    void SetText(PaneField field, const std::string& text) override { texts_[static_cast<std::size_t>(field)] = text; }
    void SetText(PaneField field, std::string&& text) { texts_[static_cast<std::size_t>(field)] = std::move(text); }
    const std::string& operator[](PaneField field) const { return texts_[static_cast<std::size_t>(field)]; }

private:
    std::array<std::string, kPaneFieldCount> texts_;
};

// The patterns results are written with: lengths and degrees, and radians,
// which take one decimal more.
struct ResultPatterns {
    std::string length = "0.000";
    std::string radians = "0.0000";

    // Lengths and degrees with `decimals` decimals, radians with one more.
    static ResultPatterns WithDecimals(int decimals);
};
