#include "TipSheetView.h"
#include "LanguagePass.h"
#include "ReadableColours.h"

#include "ClickableLabel.h"
#include "Conversions.h"
#include "SizedLabel.h"
#include "TipFieldEdit.h"

#include <QApplication>
#include <QGridLayout>
#include <QToolButton>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

enum Column {
    Caption,
    FirstWhite,
    EditButton = FirstWhite + TipRow::kWhiteCount,
    Powerball,
    Hidden,
    Hits,
    CrossSum
};

// A hit field's described colour; an unmarked field takes the palette's.
std::optional<QColor> fieldColor(FieldColor color) {
    switch (color) {
    case FieldColor::Lime:
        return QColor(0, 255, 0);
    case FieldColor::Red:
        return QColor(255, 0, 0);
    case FieldColor::Window:
        break;
    }
    return std::nullopt;
}

// Red text where the row says so, readable on the palette in use; else the theme's text
// colour, so that a plain text stays readable on a dark theme too.
void markRed(QWidget* widget, bool red) {
    const bool marked = ReadableColours::accentOf(widget).has_value();
    if (red) {
        if (!marked)
            ReadableColours::markText(widget, QColor(Qt::red));
        return;
    }
    if (marked)
        ReadableColours::markText(widget, std::nullopt);
    const QColor text = QApplication::palette().color(QPalette::WindowText);
    if (widget->palette().color(QPalette::WindowText) != text) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, text);
        widget->setPalette(palette);
    }
}

void setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

QString editButtonHint(int row) {
    // The rows 5 to 8 have always had a hint of their own.
    if (row >= 4 && row <= 7)
        return u"Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per "
               u"Zufallsgenerator erzeugen wollen"_s;
    return u"Klicken Sie hier um den Tipp zu ändern oder per Zufallsgenerator erzeugen wollen"_s;
}

} // namespace

TipSheetView::TipSheetView(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        buildRow(r);

    // Keyboard order row by row: five white numbers, Powerball, hidden field.
    QWidget* previous = nullptr;
    for (const RowWidgets& row : m_rows) {
        for (TipFieldEdit* field : row.fields) {
            if (previous)
                setTabOrder(previous, field);
            previous = field;
        }
    }
}

void TipSheetView::buildRow(int r) {
    auto* grid = static_cast<QGridLayout*>(layout());
    RowWidgets& row = m_rows[static_cast<std::size_t>(r)];

    row.caption = new ClickableLabel(qs(TipSheet::caption(r)), this);
    row.caption->setObjectName(qs(TipSheet::captionName(r)));
    row.caption->setToolTip(u"Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"_s);
    row.caption->setCursor(Qt::PointingHandCursor);
    connect(row.caption, &ClickableLabel::clicked, this, [this, r] { Q_EMIT captionClicked(r); });
    grid->addWidget(row.caption, r, Caption);

    for (int f = 0; f < TipRow::kFieldCount; ++f) {
        auto* field = new TipFieldEdit(this);
        field->setObjectName(qs(TipSheet::fieldName(r, f)));
        LanguagePass::keepText(field);
        connect(field, &QLineEdit::textEdited, this,
                [this, r, f](const QString& text) { Q_EMIT fieldEdited(r, f, text); });
        connect(field, &TipFieldEdit::left, this, &TipSheetView::fieldLeft);
        row.fields[static_cast<std::size_t>(f)] = field;
    }
    for (int f = 0; f < TipRow::kWhiteCount; ++f)
        grid->addWidget(row.fields[static_cast<std::size_t>(f)], r, FirstWhite + f);
    grid->addWidget(row.fields[TipRow::kPowerballField], r, Powerball);
    // The extra field travels with the row but is never shown.
    row.fields[TipRow::kHiddenField]->setVisible(false);
    grid->addWidget(row.fields[TipRow::kHiddenField], r, Hidden);

    row.editButton = new QToolButton(this);
    row.editButton->setObjectName(u"Tipp%1Edit"_s.arg(r + 1));
    row.editButton->setText(u"…"_s);
    row.editButton->setToolTip(editButtonHint(r));
    row.editButton->setFocusPolicy(Qt::NoFocus);
    row.editButton->setAutoRaise(true);
    connect(row.editButton, &QToolButton::clicked, this, [this, r] { Q_EMIT editRequested(r); });
    grid->addWidget(row.editButton, r, EditButton);

    row.hits = new SizedLabel(u"0 + PB"_s, this);
    row.hits->setObjectName(qs(TipSheet::hitsLabelName(r)));
    // The results of the check are values, not captions.
    LanguagePass::keepText(row.hits);
    grid->addWidget(row.hits, r, Hits);

    row.crossSum = new SizedLabel(u"000"_s, this);
    row.crossSum->setObjectName(qs(TipSheet::crossSumLabelName(r)));
    LanguagePass::keepText(row.crossSum);
    row.crossSum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(row.crossSum, r, CrossSum);
}

void TipSheetView::showSheet(const TipSheet& sheet) {
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        showRow(m_rows[static_cast<std::size_t>(r)], sheet.row(r));
}

void TipSheetView::showRow(const RowWidgets& widgets, const TipRow& row) {
    for (std::size_t f = 0; f < widgets.fields.size(); ++f) {
        TipFieldEdit* field = widgets.fields[f];
        const QString text = qs(row.fields[f]);
        // Only a real change is written back, so the cursor stays where the user types.
        if (field->text() != text)
            field->setText(text);
        ReadableColours::fillField(field, fieldColor(row.colors[f]));
        // A field that makes the row no tip is framed where it stands.
        const QString frame =
            row.faulty[f] ? u"QLineEdit { border: 2px solid red; background: palette(base); }"_s
                          : QString();
        if (field->styleSheet() != frame)
            field->setStyleSheet(frame);
    }
    markRed(widgets.caption, row.locked);
    setTextIfChanged(widgets.hits, qs(row.hitText));
    if (const QString hint = qs(row.hitHint); widgets.hits->toolTip() != hint)
        widgets.hits->setToolTip(hint);
    // A plain hit count takes the theme's text colour, so it stays readable on a dark one.
    markRed(widgets.hits, row.hitColor == HitColor::Red);
    setTextIfChanged(widgets.crossSum, qs(row.crossSumText));
}

} // namespace powerball::ui
