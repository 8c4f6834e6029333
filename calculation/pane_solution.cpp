#include "calculation/pane_solution.h"

#include "app/errors.h"

namespace {

// Keeps the first message shown and closes every box with OK.
class FirstMessage : public MessageOwner {
public:
    int MessageBox(const std::string& text, const std::string&, int) override
    {
        if (!shown)
            shown = text;
        return MessageResult::Ok;
    }

    std::optional<std::string> shown;
};

} // namespace

PaneSolution SolvePane(PaneTexts fields, std::optional<PieceKind> piece, const ResultPatterns& patterns)
{
    PaneSolution solution;
    solution.fields = std::move(fields);
    FirstMessage messages;
    try {
        BendValues values;
        ReadSinglePane(solution.fields, values);
        if (CountGivenArcQuantities(values) > 2) {
            solution.outcome = PaneSolution::Outcome::TooManyGiven;
            return solution;
        }
        SolveBend(values, messages);
        WriteSinglePane(values, solution.fields, patterns);
        solution.single = values;
        if (piece) {
            CalculatePiece(solution.fields, *piece, values, messages, patterns);
            solution.piece = values;
        }
    } catch (const EAbort&) {
        // The solver has shown its message.
    } catch (const Exception& error) {
        if (!messages.shown)
            messages.shown = ErrorReportText(error.Message());
    }
    if (messages.shown) {
        solution.outcome = PaneSolution::Outcome::Failed;
        solution.message = *messages.shown;
    } else {
        solution.outcome = PaneSolution::Outcome::Solved;
    }
    return solution;
}
