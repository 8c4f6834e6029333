#pragma once

#include "app/application_title.h"
#include "app/number_settings.h"
#include "app/qt/application.h"
#include "support/fake_notice_fetcher.h"
#include "support/recording_boxes.h"
#include "support/recording_link_opener.h"
#include "ui/calculator_window.h"

#include <QtTest>
#include <QtWidgets>

// A calculator window on the screen whose boxes the test answers, whose links
// are recorded, and whose notice comes from a fake client unless the test
// gives it another one.
struct CalculatorFixture {
    explicit CalculatorFixture(NoticeFetcher* notices = nullptr) : form(application, links, notices ? *notices : http)
    {
        application.SetTitle(kApplicationTitle);
        http.notice = QStringLiteral("欢迎使用");
        form.show();
    }

    template <class Control = QWidget>
    Control* Find(const QString& name)
    {
        auto* found = form.findChild<Control*>(name);
        if (found == nullptr)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    QLineEdit* Field(const QString& name) { return Find<QLineEdit>(name); }

    // Types a text into a field key by key, through the key filter.
    void Type(const QString& name, const QString& text)
    {
        Field(name)->setFocus();
        QTest::keyClicks(Field(name), text);
    }

    // Types the fields of a table "name=text name=text ..." (%20 stands for a
    // space); a text that cannot be typed (a sign, a letter, a read-only
    // field) is put there as a paste would.
    void Enter(const QString& entries)
    {
        const QString separator = QRegularExpression::escape(QString(QChar(DecimalSeparator())));
        const QRegularExpression untypable("[^0-9. " + separator + "]");
        for (const QString& entry : entries.split(' ', Qt::SkipEmptyParts)) {
            const QString name = entry.section('=', 0, 0);
            const QString text = entry.section('=', 1).replace("%20", " ");
            if (Field(name)->isReadOnly() || text.contains(untypable))
                Field(name)->setText(text);
            else
                Type(name, text);
        }
    }

    void Click(const QString& name) { QTest::mouseClick(Find(name), Qt::LeftButton); }

    QString Texts(const QStringList& names)
    {
        QStringList shown;
        for (const QString& name : names)
            shown << Field(name)->text();
        return shown.join(' ');
    }

    QString Caption(const QString& name)
    {
        if (auto* group = form.findChild<QGroupBox*>(name))
            return group->title();
        return Find<QLabel>(name)->text();
    }

    // The number of "请输入数字" refusals shown, all of them checked to be the
    // window's own box; -1 when another box was shown.
    int Refusals() const
    {
        for (const auto& box : display.boxes) {
            if (box.owner != &form || box.text != "请输入数字" || box.caption != "输入错误" ||
                box.flags != MessageFlags::Information)
                return -1;
        }
        return static_cast<int>(display.boxes.size());
    }

    RecordingBoxes display;
    TApplication application{display};
    RecordingLinkOpener links;
    FakeNoticeFetcher http;
    TForm1 form;
};
