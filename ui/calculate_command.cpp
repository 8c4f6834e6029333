// The calculate command: read the single-piece fields, apply the two-input
// rule, refresh the notice line, solve, write the results back, and in a
// piece mode compute the second pane of the unit.
#include "app/errors.h"
#include "app/fp_environment.h"
#include "app/number_text.h"
#include "app/qt/application.h"
#include "notice/notice_client.h"
#include "ui/calculator_window.h"
#include "ui_calculator_window.h"

#include <QGuiApplication>
#include <QUrl>

namespace {

constexpr char kLengthPattern[] = "0.000";
constexpr char kRadiansPattern[] = "0.0000";
constexpr char kQuestionCaption[] = "提示";
constexpr char kTooManyQuestion[] = "只要两个条件就行，请先清0再计算，是否现在清0？";
constexpr char kInnerPieceCaption[] = "内片";

// The number a field's text denotes, in extended precision. A text that is
// not a number ends the command with the conversion error.
long double NumberIn(const QLineEdit* field)
{
    return StrToFloat(field->text().toStdString());
}

// The value a field gives the record: 0 (not given) for an empty text,
// otherwise its number stored as a double.
double ValueOf(const QLineEdit* field)
{
    if (field->text().isEmpty())
        return 0;
    // Only a fault of this store counts, not one left by earlier work.
    ClearFloatingPointFlags();
    return StoreToDouble(NumberIn(field));
}

void ShowValue(QLineEdit* field, const char* pattern, double value)
{
    field->setText(QString::fromStdString(FormatFloat(pattern, value)));
}

// The pointer shows that the window is waiting, for as long as it waits.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

int CountGivenArcQuantities(const BendValues& values)
{
    int given = 0;
    for (const double quantity : {values.hc, values.xc, values.bj, values.gg, values.jd, values.hd})
        given += quantity != 0.0;
    return given;
}

} // namespace

void TForm1::Button1Click(QObject*)
{
    values_.hc = ValueOf(ui->hcedit);
    values_.xc = ValueOf(ui->xcedit);
    values_.bj = ValueOf(ui->bjedit);
    values_.gg = ValueOf(ui->ggedit);
    values_.jd = ValueOf(ui->jdedit);
    values_.hd = ValueOf(ui->hdedit);
    values_.xll = ValueOf(ui->xlledit);
    values_.blhd = ValueOf(ui->blhdedit);

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

    ShowValue(ui->hcedit, kLengthPattern, values_.hc);
    ShowValue(ui->xcedit, kLengthPattern, values_.xc);
    ShowValue(ui->bjedit, kLengthPattern, values_.bj);
    ShowValue(ui->ggedit, kLengthPattern, values_.gg);
    ShowValue(ui->jdedit, kLengthPattern, values_.jd);
    ShowValue(ui->hdedit, kRadiansPattern, values_.hd);
    ShowValue(ui->xlledit, kLengthPattern, values_.xll);

    if (!ui->nwpGroupBox->isHidden())
        CalculatePiece();
}

// The second pane shares the centre and the angle of the first, as shown in
// the fields; its radius differs by the spacer and the single pane's glass.
void TForm1::CalculatePiece()
{
    for (QLineEdit* field : {ui->ltEdit, ui->blhdedit, ui->blhdedit2}) {
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
    }

    values_.hc = 0;
    values_.xc = 0;
    values_.gg = 0;
    values_.jd = ValueOf(ui->jdedit);
    values_.hd = 0;
    values_.xll = 0;
    values_.blhd = ValueOf(ui->blhdedit2);

    ClearFloatingPointFlags();
    const long double radius = NumberIn(ui->bjedit);
    const long double spacer = NumberIn(ui->ltEdit);
    const long double glass = NumberIn(ui->blhdedit);
    const bool inner = ui->nwpGroupBox->title() == QString::fromUtf8(kInnerPieceCaption);
    values_.bj = StoreToDouble(inner ? (radius - spacer) - glass : (radius + spacer) + glass);

    SolveBend(values_, *this);

    ShowValue(ui->hcedit2, kLengthPattern, values_.hc);
    ShowValue(ui->xcedit2, kLengthPattern, values_.xc);
    ShowValue(ui->bjedit2, kLengthPattern, values_.bj);
    ShowValue(ui->ggedit2, kLengthPattern, values_.gg);
    ShowValue(ui->xlledit2, kLengthPattern, values_.xll);
}
