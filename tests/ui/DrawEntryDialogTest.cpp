#include "DrawEntryDialog.h"
#include "Conversions.h"
#include "DialogWatch.h"
#include "QtUserPrompts.h"
#include "ReadableColours.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using powerball::DrawEntry;
using powerball::ui::DrawEntryDialog;

namespace {

const DrawEntry kPrefilled{
    powerball::DrawCalendar::dayNumber(2024, 1, 6), {7, 19, 40, 55, 66}, 9, 2};

template <class T> T* child(const QWidget& dialog, const QString& name) {
    T* found = dialog.findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// While it lives, answers each entry dialog that opens: sets the Powerball and presses the
// button.
std::unique_ptr<powerball::testing::DialogWatch<DrawEntryDialog>>
answerDialogs(QDialogButtonBox::StandardButton button, int powerball) {
    return std::make_unique<powerball::testing::DialogWatch<DrawEntryDialog>>(
        [button, powerball](DrawEntryDialog* dialog) {
            child<QSpinBox>(*dialog, u"powerballSpin"_s)->setValue(powerball);
            QTest::mouseClick(child<QDialogButtonBox>(*dialog, u"entryButtons"_s)->button(button),
                              Qt::LeftButton);
        });
}

} // namespace

class DrawEntryDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensFilledWithLimitedFields();
    void okReturnsTheValuesAbortNothing();
    void refusedValuesKeepTheDialogOpenWithTheFieldMarked();
};

void DrawEntryDialogTest::opensFilledWithLimitedFields() {
    const powerball::MessageTable messages;
    DrawEntryDialog dialog(kPrefilled, messages);
    QCOMPARE(dialog.windowTitle(), u"Zahlen der Ziehung eingeben"_s);
    QCOMPARE(dialog.entry(), kPrefilled);
    QCOMPARE(child<QDateEdit>(dialog, u"entryDatePicker"_s)->date(), QDate(2024, 1, 6));

    struct Field {
        QString name;
        int minimum;
        int maximum;
    };
    const Field fields[] = {{u"whiteSpin1"_s, 1, 69},
                            {u"whiteSpin5"_s, 1, 69},
                            {u"powerballSpin"_s, 1, 26},
                            {u"powerPlaySpin"_s, 0, 11}};
    for (const Field& field : fields) {
        auto* spin = child<QSpinBox>(dialog, field.name);
        QCOMPARE(spin->minimum(), field.minimum);
        QCOMPARE(spin->maximum(), field.maximum);
    }
    // The white and Powerball spins follow the date's era: 1..49 and 1..42 in 1998.
    child<QDateEdit>(dialog, u"entryDatePicker"_s)->setDate(QDate(1998, 1, 3));
    QCOMPARE(child<QSpinBox>(dialog, u"whiteSpin3"_s)->maximum(), 49);
    QCOMPARE(child<QSpinBox>(dialog, u"powerballSpin"_s)->maximum(), 42);
    child<QDateEdit>(dialog, u"entryDatePicker"_s)->setDate(QDate(2012, 6, 6));
    QCOMPARE(child<QSpinBox>(dialog, u"whiteSpin3"_s)->maximum(), 59);
    QCOMPARE(child<QSpinBox>(dialog, u"powerballSpin"_s)->maximum(), 35);

    for (const QString& name : {u"powerballLabel"_s, u"powerPlayLabel"_s}) {
        auto* label = child<QLabel>(dialog, name);
        QVERIFY(label->font().bold());
        // The described red, as dark as the window colour needs for the text to read.
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 powerball::ui::ReadableColours::accentOn(
                     QColor(Qt::red), label->palette().color(QPalette::Window)));
    }
    QCOMPARE(child<QLabel>(dialog, u"powerballLabel"_s)->text(), u"PB:"_s);
    QCOMPARE(child<QLabel>(dialog, u"powerPlayLabel"_s)->text(), u"PP:"_s);
}

void DrawEntryDialogTest::okReturnsTheValuesAbortNothing() {
    QWidget parent;
    parent.show();
    powerball::RandomSource random;
    const powerball::MessageTable messages;
    powerball::ui::QtUserPrompts prompts(&parent, random, messages);

    auto answer = answerDialogs(QDialogButtonBox::Ok, 23);
    DrawEntry expected = kPrefilled;
    expected.powerball = 23;
    QCOMPARE(prompts.askDrawNumbers(kPrefilled), std::optional<DrawEntry>(expected));

    answer = answerDialogs(QDialogButtonBox::Abort, 34);
    QCOMPARE(prompts.askDrawNumbers(kPrefilled), std::optional<DrawEntry>());
}

void DrawEntryDialogTest::refusedValuesKeepTheDialogOpenWithTheFieldMarked() {
    const powerball::MessageTable messages;
    DrawEntryDialog dialog(kPrefilled, messages);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* fourth = child<QSpinBox>(dialog, u"whiteSpin4"_s);
    fourth->setValue(19); // the second white number again
    auto* ok = child<QDialogButtonBox>(dialog, u"entryButtons"_s)->button(QDialogButtonBox::Ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    // Still open, with what was typed, the field marked and the reason beside it.
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), 0);
    QCOMPARE(dialog.entry().white, (std::array<int, 5>{7, 19, 40, 19, 66}));
    QCOMPARE(fourth->palette().color(QPalette::Base), DrawEntryDialog::kRefusedColor);
    QVERIFY(child<QSpinBox>(dialog, u"whiteSpin1"_s)->palette().color(QPalette::Base) !=
            DrawEntryDialog::kRefusedColor);
    auto* reason = child<QLabel>(dialog, u"entryReasonLabel"_s);
    QVERIFY(reason->isVisible());
    QCOMPARE(reason->text(), u"Die Zahl 19 steht zweimal in der Reihe"_s);

    fourth->setValue(20);
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(DrawEntryDialogTest)
#include "DrawEntryDialogTest.moc"
