#include "DrawEntryDialog.h"
#include "ReadableColours.h"

#include "Conversions.h"
#include "LanguageLocale.h"
#include "LanguagePass.h"
#include "draws/DrawEntryRules.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel* redLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    ReadableColours::markText(label, QColor(Qt::red));
    return label;
}

} // namespace

DrawEntryDialog::DrawEntryDialog(const DrawEntry& prefilled, const MessageTable& messages,
                                 QWidget* parent)
    : QDialog(parent), m_messages(messages) {
    setObjectName(u"drawEntryDialog"_s);
    setWindowTitle(u"Zahlen der Ziehung eingeben"_s);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    m_date = new QDateEdit(this);
    m_date->setObjectName(u"entryDatePicker"_s);
    m_date->setDisplayFormat(u"dd.MM.yyyy"_s);
    LanguageLocale::showDates(*m_date);
    m_date->setCalendarPopup(true);
    m_date->setMinimumDate(dateOfDay(DrawCalendar::kMinimumDate));
    m_date->setDate(dateOfDay(prefilled.date));
    row->addWidget(m_date);
    for (std::size_t i = 0; i < m_white.size(); ++i) {
        m_white[i] = spin(u"whiteSpin%1"_s.arg(i + 1), DrawEntry::kWhiteMin, DrawEntry::kWhiteMax,
                          prefilled.white[i]);
        row->addWidget(m_white[i]);
    }
    row->addWidget(redLabel(u"powerballLabel"_s, u"PB:"_s, this));
    m_powerball = spin(u"powerballSpin"_s, DrawEntry::kPowerballMin, DrawEntry::kPowerballMax,
                       prefilled.powerball);
    row->addWidget(m_powerball);
    row->addWidget(redLabel(u"powerPlayLabel"_s, u"PP:"_s, this));
    m_powerPlay = spin(u"powerPlaySpin"_s, DrawEntry::kPowerPlayMin, DrawEntry::kPowerPlayMax,
                       prefilled.powerPlay);
    row->addWidget(m_powerPlay);
    layout->addLayout(row);
    followEraOf(m_date->date());
    connect(m_date, &QDateEdit::dateChanged, this, &DrawEntryDialog::followEraOf);

    // Why OK did not take the values; empty until then.
    m_reason = new QLabel(this);
    m_reason->setObjectName(u"entryReasonLabel"_s);
    LanguagePass::keepText(m_reason);
    m_reason->setTextFormat(Qt::PlainText);
    m_reason->setWordWrap(true);
    ReadableColours::markText(m_reason, QColor(Qt::red));
    m_reason->setVisible(false);
    layout->addWidget(m_reason);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Abort | QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(u"okButton"_s);
    buttons->button(QDialogButtonBox::Abort)->setObjectName(u"abortButton"_s);
    buttons->setObjectName(u"entryButtons"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(QSize(kDesignedClientWidth, kDesignedClientHeight).expandedTo(sizeHint()));
}

QSpinBox* DrawEntryDialog::spin(const QString& name, int minimum, int maximum, int value) {
    auto* box = new QSpinBox(this);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

// The white and Powerball spins offer the numbers of the date's era: 1..49 and 1..42 in
// 1998, 1..69 and 1..26 since October 2015.
void DrawEntryDialog::followEraOf(const QDate& date) {
    const auto day = static_cast<DayNumber>(dayOfDate(date));
    for (QSpinBox* white : m_white)
        white->setMaximum(DrawEntry::highestWhiteOn(day));
    m_powerball->setMaximum(DrawEntry::highestPowerballOn(day));
}

QAbstractSpinBox* DrawEntryDialog::field(int index) const {
    if (index == 0)
        return m_date;
    if (index <= static_cast<int>(m_white.size()))
        return m_white[static_cast<std::size_t>(index - 1)];
    return index == 6 ? m_powerball : m_powerPlay;
}

// The refused field gets a light red ground; a style sheet would redraw the spin buttons.
void DrawEntryDialog::markField(int index) {
    for (int k = 0; k <= 7; ++k)
        ReadableColours::fillField(field(k),
                                   k == index ? std::optional(kRefusedColor) : std::nullopt);
    field(index)->setFocus();
    field(index)->selectAll();
}

void DrawEntryDialog::accept() {
    if (const std::optional<DrawEntryFault> fault = drawEntryFault(entry(), m_messages)) {
        markField(fault->field);
        m_reason->setText(qs(fault->reason));
        m_reason->setVisible(true);
        return;
    }
    QDialog::accept();
}

DrawEntry DrawEntryDialog::entry() const {
    DrawEntry values;
    values.date = static_cast<DayNumber>(dayOfDate(m_date->date()));
    for (std::size_t i = 0; i < m_white.size(); ++i)
        values.white[i] = m_white[i]->value();
    values.powerball = m_powerball->value();
    values.powerPlay = m_powerPlay->value();
    return values;
}

} // namespace powerball::ui
