#include "NumberListDialog.h"
#include "ReadableColours.h"

#include "Conversions.h"
#include "rules/generator/NumberListFile.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <system_error>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kColumns = 7;

FileQuestion listFileQuestion(const char* caption) {
    return {.caption = caption,
            .filter = "Werteliste (*.vlw)",
            .defaultExtension = std::string(NumberListFile::kExtension),
            .proposedName = NumberListFile::proposedName(
                QDate::currentDate().toString(u"yyyyMMdd"_s).toStdString()),
            .folder = {}};
}

} // namespace

NumberListDialog::NumberListDialog(RandomSource& random, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_random(random), m_prompts(prompts) {
    setObjectName(u"numberListDialog"_s);
    setWindowTitle(u"Welche Zahlen für die Berechnung"_s);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    layout->addLayout(grid);
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
        auto* check = new QCheckBox(QString::number(n), this);
        check->setObjectName(u"CheckBox%1"_s.arg(n));
        check->setAutoFillBackground(true);
        check->setBackgroundRole(QPalette::Window);
        connect(check, &QCheckBox::toggled, this, [this, n](bool on) { boxToggled(n, on); });
        grid->addWidget(check, (n - 1) / kColumns, (n - 1) % kColumns);
        m_checks[NumberListBoxes::index(n)] = check;
    }
    layout->addWidget(buildButtons());

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"pickerTimer"_s);
    m_timer->setInterval(kPickerIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &NumberListDialog::pickerTicked);
    setUse(Use::Pool);
    showBoxes();
}

void NumberListDialog::setUse(Use use) {
    m_pickerButton->setVisible(use == Use::Row);
    m_calculateButton->setVisible(use == Use::Pool);
    // OK stays the default button in both uses; under "&Rechnen" it is covered, not gone.
    m_okButton->setDefault(true);
    m_calculateButton->raise();
}

void NumberListDialog::setBoxes(const NumberListBoxes& boxes) {
    m_boxes = boxes;
    m_poolAnswer = PoolListAnswer::Abort;
    showBoxes();
}

QWidget* NumberListDialog::buildButtons() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 6, 0, 0);

    auto* save = new QPushButton(u"Speichern"_s, panel);
    save->setObjectName(u"saveListButton"_s);
    save->setToolTip(u"Speichern der Liste"_s);
    connect(save, &QPushButton::clicked, this, &NumberListDialog::saveList);
    row->addWidget(save);
    auto* load = new QPushButton(u"Laden"_s, panel);
    load->setObjectName(u"loadListButton"_s);
    load->setToolTip(u"Laden der Liste"_s);
    connect(load, &QPushButton::clicked, this, &NumberListDialog::loadList);
    row->addWidget(load);
    row->addStretch(1);

    m_pickerButton = new QPushButton(u"&Zufall"_s, panel);
    m_pickerButton->setObjectName(u"pickerButton"_s);
    m_pickerButton->setAutoDefault(false);
    connect(m_pickerButton, &QPushButton::clicked, this, &NumberListDialog::pickerPressed);
    row->addWidget(m_pickerButton);

    auto* abort = new QPushButton(u"Abbrechen"_s, panel);
    abort->setObjectName(u"abortButton"_s);
    abort->setAutoDefault(false);
    connect(abort, &QPushButton::clicked, this, [this] {
        m_poolAnswer = PoolListAnswer::Abort;
        reject();
    });
    row->addWidget(abort);

    // OK and "&Rechnen" share one place; in the generator's use "&Rechnen" lies on top.
    auto* place = new QGridLayout;
    place->setContentsMargins(0, 0, 0, 0);
    m_okButton = new QPushButton(u"OK"_s, panel);
    m_okButton->setObjectName(u"okButton"_s);
    connect(m_okButton, &QPushButton::clicked, this, [this] {
        m_poolAnswer = PoolListAnswer::Keep;
        accept();
    });
    place->addWidget(m_okButton, 0, 0);
    m_calculateButton = new QPushButton(u"&Rechnen"_s, panel);
    m_calculateButton->setObjectName(u"calculateButton"_s);
    m_calculateButton->setAutoDefault(false);
    connect(m_calculateButton, &QPushButton::clicked, this, [this] {
        m_poolAnswer = PoolListAnswer::Rebuild;
        accept();
    });
    place->addWidget(m_calculateButton, 0, 0);
    row->addLayout(place);
    return panel;
}

void NumberListDialog::showBoxes() {
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
        QCheckBox* check = m_checks[NumberListBoxes::index(n)];
        {
            const QSignalBlocker quiet(check);
            check->setChecked(m_boxes.isTicked(n));
        }
        // A marked box is yellow with black or white text, whichever reads on it.
        const QColor colour =
            m_boxes.isMarked(n) ? QColor(Qt::yellow) : palette().color(QPalette::Button);
        const QColor text = m_boxes.isMarked(n) ? ReadableColours::textOn(colour)
                                                : palette().color(QPalette::ButtonText);
        QPalette boxPalette = check->palette();
        if (boxPalette.color(QPalette::Window) != colour ||
            boxPalette.color(QPalette::WindowText) != text) {
            boxPalette.setColor(QPalette::Window, colour);
            boxPalette.setColor(QPalette::WindowText, text);
            check->setPalette(boxPalette);
        }
        const QString weight = qs(m_boxes.weight(n));
        if (check->toolTip() != weight)
            check->setToolTip(weight);
    }
}

void NumberListDialog::boxToggled(int number, bool on) {
    m_boxes.setTicked(number, on);
}

void NumberListDialog::pickerPressed() {
    m_picker.press(m_boxes);
    if (m_picker.running()) {
        if (!m_timer->isActive())
            m_timer->start();
    } else {
        m_timer->stop();
        m_pickerButton->setText(m_pickerCaption);
    }
    showBoxes();
}

void NumberListDialog::pickerTicked() {
    m_pickerButton->setText(qs(m_picker.runningCaption(m_stopWord.toStdString())));
    m_picker.tick(m_boxes, m_random);
    showBoxes();
}

void NumberListDialog::setPickerCaptions(const QString& caption, const QString& stopWord) {
    m_pickerCaption = caption;
    m_stopWord = stopWord;
    if (!m_picker.running())
        m_pickerButton->setText(caption);
}

void NumberListDialog::stopPicker() {
    m_timer->stop();
    m_picker.stop();
    m_pickerButton->setText(m_pickerCaption);
}

void NumberListDialog::done(int result) {
    // Leaving the dialog in any way stops the picker.
    stopPicker();
    QDialog::done(result);
}

void NumberListDialog::saveList() {
    const auto file = m_prompts.askSaveFile(listFileQuestion("Speichern der Liste"));
    if (!file)
        return;
    // A list that cannot be written leaves the boxes as they were, weights included.
    NumberListBoxes written = m_boxes;
    try {
        NumberListFile::save(*file, written);
        m_boxes = written;
    } catch (const std::system_error& error) {
        m_prompts.showWarning(toStd(windowTitle()), error.what());
    }
    showBoxes();
}

void NumberListDialog::loadList() {
    const auto file = m_prompts.askOpenFile(listFileQuestion("Laden der Liste"));
    if (!file)
        return;
    try {
        NumberListFile::load(*file, m_boxes);
    } catch (const std::runtime_error& error) {
        m_prompts.showWarning(toStd(windowTitle()), error.what());
    }
    showBoxes();
}

} // namespace powerball::ui
