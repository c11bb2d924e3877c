#include "OptionControls.h"

#include "StatisticHints.h"

#include "ClickableLabel.h"
#include "Conversions.h"
#include "OptionSpinBox.h"
#include "ReadableColours.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

QString latin1(const char* text) {
    return QString::fromLatin1(text);
}

// A small bar chart: the picture on the statistic buttons.
QIcon chartIcon() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const int heights[] = {6, 11, 8, 14};
    const QColor colours[] = {QColor(0, 0, 192), QColor(192, 0, 0), QColor(0, 128, 0),
                              QColor(192, 128, 0)};
    for (int bar = 0; bar < 4; ++bar)
        painter.fillRect(1 + 4 * bar, 16 - heights[bar], 3, heights[bar], colours[bar]);
    return QIcon(picture);
}

// The described link blue, kept readable on a dark palette.
constexpr QColor kLinkColour(0, 0, 192);

void colourLikeLink(QLabel* label) {
    ReadableColours::markText(label, kLinkColour);
    label->setCursor(Qt::PointingHandCursor);
}

} // namespace

void OptionControls::addHint(QWidget* control, const char* hintName) {
    const QString text = qs(std::string(CalculationSettings::hint(hintName)));
    if (text.isEmpty())
        control->installEventFilter(this);
    else
        control->setToolTip(text); // the hint relay passes it on to the status bar
}

QCheckBox* OptionControls::checkBox(const char* control, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(latin1(control));
    addHint(box, control);
    connect(box, &QCheckBox::toggled, this,
            [this, box](bool checked) { Q_EMIT optionSet(box->objectName(), checked ? 1 : 0); });
    m_checkBoxes.push_back(box);
    return box;
}

OptionSpinBox* OptionControls::spin(const char* control, const char* edit, QWidget* parent) {
    auto* field = new OptionSpinBox(parent);
    field->setObjectName(latin1(control));
    field->setAccessibleName(latin1(edit));
    field->setAlignment(Qt::AlignRight);
    addHint(field, edit);
    connect(field, &QSpinBox::valueChanged, this,
            [this, field](int value) { Q_EMIT optionSet(field->objectName(), value); });
    connect(field, &OptionSpinBox::stepPressed, this,
            [this, field] { Q_EMIT spinPressed(field->objectName()); });
    connect(field, &OptionSpinBox::stepReleased, this,
            [this, field] { Q_EMIT spinReleased(field->objectName()); });
    m_spins.push_back(field);
    return field;
}

QRadioButton* OptionControls::radioButton(const char* control, const QString& caption,
                                          QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(latin1(control));
    addHint(button, control);
    connect(button, &QRadioButton::clicked, this, [this, button](bool checked) {
        if (checked)
            Q_EMIT optionSet(button->objectName(), 1);
    });
    m_radioButtons.push_back(button);
    return button;
}

QToolButton* OptionControls::chartButton(const QString& name, StatisticKind kind, bool onChartPage,
                                         QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(chartIcon());
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(statisticHint(kind));
    connect(button, &QToolButton::clicked, this,
            [this, kind, onChartPage] { Q_EMIT statisticRequested(kind, onChartPage); });
    return button;
}

ClickableLabel* OptionControls::statisticText(const QString& name, const QString& text,
                                              StatisticKind kind, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    colourLikeLink(label);
    connect(label, &ClickableLabel::clicked, this,
            [this, kind] { Q_EMIT statisticRequested(kind, true); });
    return label;
}

QLabel* OptionControls::statisticTexts(const QString& name,
                                       std::initializer_list<StatisticPart> parts,
                                       QWidget* parent) {
    QString html = u"<span style=\"white-space: pre-wrap\">"_s;
    std::vector<StatisticKind> kinds;
    for (const StatisticPart& part : parts) {
        html += u"<a href=\"%1\" style=\"color: #0000c0; text-decoration: none\">%2</a>"_s
                    .arg(kinds.size())
                    .arg(part.text.toHtmlEscaped());
        kinds.push_back(part.kind);
    }
    html += u"</span>"_s;
    auto* label = new QLabel(html, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    // The links' inline colour, in this text and in every translation, follows the palette.
    ReadableColours::markText(label, kLinkColour);
    connect(label, &QLabel::linkActivated, this, [this, kinds](const QString& link) {
        const auto part = link.toULongLong();
        if (part < kinds.size())
            Q_EMIT statisticRequested(kinds[part], true);
    });
    return label;
}

ClickableLabel* OptionControls::captionTail(const QString& text, QCheckBox* box, QWidget* parent,
                                            const QString& nameSuffix) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(box->objectName() + nameSuffix);
    shareHint(label, box);
    connect(label, &ClickableLabel::clicked, box, &QCheckBox::click);
    return label;
}

QLabel* OptionControls::captionPart(const QString& name, const QString& text, QWidget* owner,
                                    QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    shareHint(label, owner);
    return label;
}

// Part of a control's caption points like the control: its hint, or a cleared panel.
void OptionControls::shareHint(QWidget* part, const QWidget* owner) {
    if (owner->toolTip().isEmpty())
        part->installEventFilter(this);
    else
        part->setToolTip(owner->toolTip());
}

QLabel* OptionControls::heading(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QLabel* OptionControls::note(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    ReadableColours::markText(label, QColor(0, 0, 128));
    return label;
}

QHBoxLayout* OptionControls::line(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    layout->setSpacing(4);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch(1);
    return layout;
}

void OptionControls::showSettings(const CalculationSettings& settings) {
    for (QCheckBox* box : m_checkBoxes) {
        const QSignalBlocker quiet(box);
        const bool checked = settings.value(toStd(box->objectName())).value_or(0) != 0;
        if (box->isChecked() != checked)
            box->setChecked(checked);
    }
    for (QRadioButton* button : m_radioButtons) {
        const QSignalBlocker quiet(button);
        // Checking one clears the others of its group.
        if (settings.value(toStd(button->objectName())).value_or(0) != 0)
            button->setChecked(true);
    }
    for (OptionSpinBox* field : m_spins) {
        const QSignalBlocker quiet(field);
        const SpinValue* spin = settings.spin(toStd(field->objectName()));
        if (spin == nullptr)
            continue;
        // A spin the user is typing into keeps its text while nothing changes.
        if (field->minimum() != spin->minimum() || field->maximum() != spin->maximum())
            field->setRange(spin->minimum(), spin->maximum());
        if (field->value() != spin->value())
            field->setValue(spin->value());
    }
}

bool OptionControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter)
        Q_EMIT hint(QString());
    return QObject::eventFilter(watched, event);
}

} // namespace powerball::ui
