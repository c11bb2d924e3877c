#pragma once

#include "generator/NumberListBoxes.h"
#include "generator/NumberPicker.h"
#include "generator/RandomSource.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;
class QTimer;

namespace powerball::ui {

// The list dialog of the 69 white numbers in rows of seven: each box with its tick, its
// colour (button face or yellow) and its weight as the hint. The generator shows its pool
// in it ("&Rechnen" in view); the row editor chooses a row's numbers in it, with the
// animated random picker "&Zufall" in view instead.
class NumberListDialog : public QDialog {
    Q_OBJECT

public:
    enum class Use { Pool, Row };

    static constexpr int kPickerIntervalMs = 25;

    NumberListDialog(Use use, const NumberListBoxes& boxes, RandomSource& random,
                     QWidget* parent = nullptr);

    const NumberListBoxes& boxes() const { return m_boxes; }
    // How the dialog was left, for the generator's use.
    PoolListAnswer poolAnswer() const { return m_poolAnswer; }
    bool pickerRunning() const { return m_picker.running(); }
    // The random picker's idle caption and the word it shows while it runs.
    void setPickerCaptions(const QString& caption, const QString& stopWord);

    void done(int result) override;

private:
    QWidget* buildButtons(Use use);
    void showBoxes();
    void boxToggled(int number, bool on);
    void pickerPressed();
    void pickerTicked();
    void stopPicker();
    void saveList();
    void loadList();

    NumberListBoxes m_boxes;
    RandomSource& m_random;
    NumberPicker m_picker;
    PoolListAnswer m_poolAnswer = PoolListAnswer::Abort;
    std::array<QCheckBox*, NumberListBoxes::kHighest> m_checks{};
    QPushButton* m_pickerButton = nullptr;
    QTimer* m_timer = nullptr;
    QString m_pickerCaption = QStringLiteral("Zufall");
    QString m_stopWord = QStringLiteral("Stop");
};

} // namespace powerball::ui
