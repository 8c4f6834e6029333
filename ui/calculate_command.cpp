// The calculate command: read the single-piece fields, apply the two-input
// rule, refresh the notice line, solve, write the results back, and in a
// piece mode compute the second pane of the unit.
#include "app/errors.h"
#include "app/qt/application.h"
#include "calculation/pane_calculation.h"
#include "notice/notice_client.h"
#include "ui/calculator_window.h"
#include "ui_calculator_window.h"

#include <QGuiApplication>
#include <QUrl>

namespace {

constexpr char kQuestionCaption[] = "提示";
constexpr char kTooManyQuestion[] = "只要两个条件就行，请先清0再计算，是否现在清0？";
constexpr char kInnerPieceCaption[] = "内片";

// The window's edit fields as the calculation reads and writes them.
class WindowFields : public PaneFields {
public:
    explicit WindowFields(Ui::TForm1& ui)
        : edits_{ui.hcedit,  ui.xcedit,    ui.bjedit,  ui.ggedit,  ui.jdedit,  ui.hdedit,  ui.xlledit, ui.blhdedit,
                 ui.ltEdit, ui.blhdedit2, ui.hcedit2, ui.xcedit2, ui.bjedit2, ui.ggedit2, ui.xlledit2}
    {
    }

    std::string Text(PaneField field) const override { return Edit(field)->text().toStdString(); }
    void SetText(PaneField field, const std::string& text) override { Edit(field)->setText(QString::fromStdString(text)); }

private:
    QLineEdit* Edit(PaneField field) const { return edits_[static_cast<std::size_t>(field)]; }

    std::array<QLineEdit*, kPaneFieldCount> edits_;
};

// The pointer shows that the window is waiting, for as long as it waits.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

void TForm1::Button1Click(QObject*)
{
    WindowFields fields(*ui);
    const ResultPatterns patterns;
    ReadSinglePane(fields, values_);

    // Two arc quantities fix the arc; with more, the user is asked to clear
    // the form and the command stops.
    if (CountGivenArcQuantities(values_) > 2) {
        if (application_.MessageBox(kTooManyQuestion, kQuestionCaption, MessageFlags::YesNo) == MessageResult::Yes)
            ui->Button2->click();
        throw EAbort();
    }

    // A notice that cannot be fetched leaves the line as it was.
    std::optional<QString> notice;
    {
        const BusyCursor waiting;
        notice = IdHTTP1.Get(QUrl(QString::fromLatin1(kNoticeUrl)));
    }
    if (notice)
        ui->Label11->setText(*notice);

    SolveBend(values_, *this);
    WriteSinglePane(values_, fields, patterns);

    if (!ui->nwpGroupBox->isHidden()) {
        const bool inner = ui->nwpGroupBox->title() == QString::fromUtf8(kInnerPieceCaption);
        CalculatePiece(fields, inner ? PieceKind::Inner : PieceKind::Outer, values_, *this, patterns);
    }
}
