// The two piece check boxes: single mode, inner-piece mode (the entered pane
// is the outer one) and outer-piece mode (the entered pane is the inner one).
#include "ui/calculator_window.h"
#include "ui_calculator_window.h"

namespace {

// Outer window heights: with the piece panel between the single-piece group
// and the command bar, and without it.
constexpr int kPieceModeHeight = 446;
constexpr int kSingleModeHeight = 332;

} // namespace

void TForm1::CheckBox1Click(QObject*)
{
    SwitchPieceMode(ui->CheckBox1, ui->CheckBox2, QStringLiteral("内片"), QStringLiteral("外片"));
}

void TForm1::CheckBox2Click(QObject*)
{
    SwitchPieceMode(ui->CheckBox2, ui->CheckBox1, QStringLiteral("外片"), QStringLiteral("内片"));
}

void TForm1::SwitchPieceMode(QCheckBox* box, QCheckBox* otherBox, const QString& piece, const QString& enteredPane)
{
    if (box->isChecked()) {
        SetHeight(kPieceModeHeight);
        ui->nwpGroupBox->setVisible(true);
        ui->nwpGroupBox->setTitle(piece);
        ui->Label18->setText(ui->nwpGroupBox->title() + QStringLiteral("玻璃厚度"));
        ui->Label19->setText(ui->nwpGroupBox->title() + QStringLiteral("下料量"));
        ui->GroupBox1->setTitle(enteredPane);
        ui->Label9->setText(enteredPane + QStringLiteral("下料量"));
        // Only the other box's tick changes; its click operation does not run.
        otherBox->setChecked(false);
        return;
    }
    ui->GroupBox1->setTitle(QStringLiteral("单片"));
    ui->Label9->setText(QStringLiteral("下料量"));
    ui->nwpGroupBox->setVisible(false);
    SetHeight(kSingleModeHeight);
}
