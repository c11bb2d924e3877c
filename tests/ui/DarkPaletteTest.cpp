// Every text that carries a colour of its own reads on a light and on a dark palette: the
// walk takes whatever labels, buttons and fields the live window and its dialogs have, so it
// covers pages and dialogs added later without a change.

#include "CaptionIndex.h"
#include "ChartPage.h"
#include "ColourScheme.h"
#include "MainWindow.h"
#include "WindowControls.h"
#include "WindowFixture.h"
#include "base/ColourContrast.h"
#include "rules/sheet/TipSheet.h"

#include <QAbstractAxis>
#include <QAbstractBarSeries>
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QChart>
#include <QDialog>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::contrastRatio;
using powerball::kReadableTextContrast;
using powerball::Rgb;
using powerball::TipSheet;
using powerball::testing::WindowFixture;
using powerball::ui::MainWindow;

namespace {

Rgb rgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

// A dark desktop theme as people set it up for Fusion.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, Qt::white);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, Qt::white);
        dark.setColor(group, QPalette::ToolTipBase, base);
        dark.setColor(group, QPalette::ToolTipText, Qt::white);
        dark.setColor(group, QPalette::Link, QColor(42, 130, 218));
        dark.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    return dark;
}

struct Shortfall {
    QString where;
    double ratio;
};

// The colours a widget sets against the ground they stand on, with the widget's name.
void checkWidget(QWidget* widget, std::vector<Shortfall>& found, QStringList& checked) {
    const QString where = widget->window()->objectName() + u"/"_s + widget->objectName();
    const QPalette palette = widget->palette();
    const auto check = [&](const QColor& text, const QColor& ground, const QString& what) {
        const double ratio = contrastRatio(rgb(text), rgb(ground));
        if (ratio < kReadableTextContrast)
            found.push_back(
                {where + u" "_s + what + u" "_s + text.name() + u" on "_s + ground.name(), ratio});
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // Inline colours of a rich text.
        static const QRegularExpression inline_(u"color:\\s*(#[0-9a-fA-F]{6})"_s);
        for (auto match = inline_.globalMatch(label->text()); match.hasNext();)
            check(QColor(match.next().captured(1)), palette.color(QPalette::Window), u"inline"_s);
    }
    if (!widget->testAttribute(Qt::WA_SetPalette))
        return;
    checked << widget->objectName();
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget))
        check(palette.color(QPalette::Text), palette.color(QPalette::Base), u"text"_s);
    else if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget))
        check(palette.color(QPalette::WindowText), palette.color(QPalette::Window), u"text"_s);
}

// A bar, a line or any mark that is no text: 3 to 1 against its ground (WCAG 2, non-text).
constexpr double kReadableMarkContrast = 3.0;

// What the chart paints against the ground it stands on: the ground is the palette's, the
// labels read and the bars stand out.
QStringList chartShortfalls(const powerball::ui::ChartPage& page) {
    QStringList found;
    const QChart* chart = page.chart();
    const QColor ground = chart->backgroundBrush().color();
    if (ground != page.palette().color(QPalette::Base))
        found << u"ground %1 is not the palette's %2"_s.arg(
            ground.name(), page.palette().color(QPalette::Base).name());
    const auto check = [&](const QColor& colour, double least, const QString& what) {
        const double ratio = contrastRatio(rgb(colour), rgb(ground));
        if (ratio < least)
            found << u"%1 %2 on %3: contrast %4"_s.arg(what, colour.name(), ground.name())
                         .arg(ratio, 0, 'f', 2);
    };
    for (const QAbstractAxis* axis : chart->axes()) {
        check(axis->labelsColor(), kReadableTextContrast, u"axis labels"_s);
        check(axis->titleBrush().color(), kReadableTextContrast, u"axis title"_s);
        check(axis->linePenColor(), kReadableMarkContrast, u"axis line"_s);
    }
    check(chart->legend()->labelColor(), kReadableTextContrast, u"legend"_s);
    int bars = 0;
    for (const QAbstractSeries* series : chart->series())
        if (const auto* barSeries = qobject_cast<const QAbstractBarSeries*>(series);
            barSeries && barSeries->isVisible())
            for (QBarSet* set : barSeries->barSets()) {
                ++bars;
                check(set->color(), kReadableMarkContrast, u"bars"_s);
            }
    if (bars == 0)
        found << u"no bars shown"_s;
    return found;
}

} // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyColouredTextReads_data();
    void everyColouredTextReads();
    void theChartFollowsThePalette();
};

void DarkPaletteTest::everyColouredTextReads_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

void DarkPaletteTest::everyColouredTextReads() {
    QFETCH(bool, dark);
    struct PaletteBack {
        QPalette kept = QApplication::palette();
        ~PaletteBack() { QApplication::setPalette(kept); }
    } paletteBack;
    QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());

    WindowFixture fixture("2015-10-20", WindowFixture::Languages::Shipped);
    MainWindow& window = fixture.window();
    QVERIFY(fixture.showActive());
    QTRY_COMPARE(window.state().languageIndex, 2); // the language pass has run

    // Marked rows: the shown draw in full (lime fields, the red Powerball field, a red hit
    // count) and a locked row (a red caption).
    const powerball::DrawNumbers shown = window.state().currentDraw.numbers;
    std::array<QString, 6> hit;
    for (int k = 0; k < 5; ++k)
        hit[static_cast<std::size_t>(k)] = QString::number(shown.white(k + 1));
    hit[5] = QString::number(shown.powerball());
    powerball::testing::typeTipRow(&window, 0, hit);
    QTest::mouseClick(powerball::testing::control<QLabel>(
                          &window, QString::fromStdString(TipSheet::captionName(1))),
                      Qt::LeftButton);
    // The dialogs of the program and the table of draws.
    powerball::ui::addProgramDialogs(window);
    powerball::testing::control<QPushButton>(&window, u"drawTableButton"_s)->click();

    // What the user sees: every page and every sub-page brought to the front and painted
    // once, and every dialog.
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int page = 0; page < tabs->count(); ++page) {
            // The page in front of every tab widget it lies in.
            for (QWidget* child = tabs->widget(page); child->parentWidget();
                 child = child->parentWidget())
                if (auto* outer = qobject_cast<QTabWidget*>(child->parentWidget()->parentWidget());
                    outer && outer->indexOf(child) >= 0)
                    outer->setCurrentWidget(child);
            window.grab();
        }
    for (QDialog* dialog : window.findChildren<QDialog*>())
        dialog->grab();

    std::vector<Shortfall> found;
    QStringList checked;
    for (QWidget* widget : window.findChildren<QWidget*>())
        checkWidget(widget, found, checked);
    for (const Shortfall& shortfall : found)
        qWarning("%s: contrast %.2f", qPrintable(shortfall.where), shortfall.ratio);
    QVERIFY(found.empty());
    // The walk met the texts that carry colours of their own.
    for (const QString& name :
         {u"makerBanner"_s, u"productBanner"_s, QString::fromStdString(TipSheet::hitsLabelName(0)),
          QString::fromStdString(TipSheet::captionName(1)),
          QString::fromStdString(TipSheet::fieldName(0, 0)), u"powerballLabel"_s})
        QVERIFY2(checked.contains(name), qPrintable(name));
}

// Qt Charts keeps its light theme whatever the palette; the chart follows the palette it
// starts with and every change of it while it runs.
void DarkPaletteTest::theChartFollowsThePalette() {
    struct PaletteBack {
        QPalette kept = QApplication::palette();
        ~PaletteBack() { QApplication::setPalette(kept); }
    } paletteBack;
    const QPalette light = QApplication::style()->standardPalette();
    const QPalette dark = powerball::ui::ColourScheme::darkPalette();
    QApplication::setPalette(dark);

    WindowFixture fixture;
    QVERIFY(fixture.showActive());
    MainWindow& window = fixture.window();
    window.buildAllPages();
    auto* page = window.findChild<powerball::ui::ChartPage*>();
    QVERIFY(page);
    powerball::testing::control<QTabWidget>(&window, u"pages"_s)
        ->setCurrentWidget(page->parentWidget());
    window.findChild<QAction*>(u"actionNumberFrequency"_s)->trigger();
    page->grab();

    for (const QPalette& palette : {dark, light, dark}) {
        QApplication::setPalette(palette);
        QTRY_COMPARE(page->chart()->backgroundBrush().color(), palette.color(QPalette::Base));
        const QStringList found = chartShortfalls(*page);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
    }
}

QTEST_MAIN(DarkPaletteTest)
#include "DarkPaletteTest.moc"
