// Field entry and clearing: the numeric key filter of every field and the
// clear command.
#include "app/message_box.h"
#include "app/number_settings.h"
#include "ui/calculator_window.h"
#include "ui_calculator_window.h"

namespace {

// Backspace, space, the decimal point and the digits, and the decimal
// separator of the user's locale where it is not the point; nothing else may
// be typed into a field, so no sign, letter or full-width character.
bool IsNumericKey(char32_t Key)
{
    return Key == 8 || Key == 32 || Key == 46 || (Key >= 48 && Key <= 57) ||
           Key == static_cast<unsigned char>(DecimalSeparator());
}

} // namespace

void TForm1::RefuseNonNumericKey(char32_t& Key)
{
    if (IsNumericKey(Key))
        return;
    MessageBox("请输入数字", "输入错误", MessageFlags::Information);
    Key = 0;
}

void TForm1::hceditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

void TForm1::xceditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

void TForm1::bjeditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

void TForm1::ggeditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

void TForm1::jdeditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

void TForm1::hdeditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

void TForm1::xlleditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

void TForm1::blhdeditKeyPress(QObject*, char32_t& Key)
{
    RefuseNonNumericKey(Key);
}

// Editing a field computes nothing: the calculate command reads the fields.
void TForm1::hceditChange(QObject*) {}
void TForm1::xceditChange(QObject*) {}
void TForm1::bjeditChange(QObject*) {}
void TForm1::ggeditChange(QObject*) {}
void TForm1::jdeditChange(QObject*) {}
void TForm1::hdeditChange(QObject*) {}
void TForm1::xlleditChange(QObject*) {}

void TForm1::Button2Click(QObject*)
{
    // The quantities and results go, in this order; the glass and spacer
    // thicknesses stay for the next calculation.
    for (QLineEdit* field : {ui->hcedit, ui->xcedit, ui->bjedit, ui->ggedit, ui->jdedit, ui->hdedit, ui->xlledit,
                             ui->hcedit2, ui->xcedit2, ui->bjedit2, ui->ggedit2, ui->xlledit2})
        field->setText(QString());
}
