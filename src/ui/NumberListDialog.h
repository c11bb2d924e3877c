#pragma once

#include "base/RandomSource.h"
#include "ports/NumberListBoxes.h"
#include "ports/UserPrompts.h"
#include "rules/generator/NumberPicker.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QPushButton;
class QTimer;

namespace powerball::ui {

// The list dialog of the 69 white numbers in rows of seven: each box with its tick, its
// colour (button face or yellow) and its weight as the hint. One dialog serves the whole
// program run. The generator shows its pool in it: "&Rechnen" lies over OK, and Enter still
// closes with OK. The row editor chooses a row's numbers in it, with OK and the animated
// random picker "&Zufall" in view instead.
class NumberListDialog : public QDialog {
    Q_OBJECT

public:
    enum class Use { Pool, Row };

    static constexpr int kPickerIntervalMs = 25;

    // The file dialogs and warnings of saving and loading a list go through `prompts`.
    NumberListDialog(RandomSource& random, UserPrompts& prompts, QWidget* parent = nullptr);

    // Each caller sets up the buttons of its use and the boxes it needs before showing it.
    void setUse(Use use);
    void setBoxes(const NumberListBoxes& boxes);

    const NumberListBoxes& boxes() const { return m_boxes; }
    // How the dialog was left, for the generator's use.
    PoolListAnswer poolAnswer() const { return m_poolAnswer; }
    bool pickerRunning() const { return m_picker.running(); }
    // The random picker's idle caption and the word it shows while it runs.
    void setPickerCaptions(const QString& caption, const QString& stopWord);

    void done(int result) override;

private:
    QWidget* buildButtons();
    void showBoxes();
    void boxToggled(int number, bool on);
    void pickerPressed();
    void pickerTicked();
    void stopPicker();
    void saveList();
    void loadList();

    NumberListBoxes m_boxes;
    RandomSource& m_random;
    UserPrompts& m_prompts;
    NumberPicker m_picker;
    PoolListAnswer m_poolAnswer = PoolListAnswer::Abort;
    std::array<QCheckBox*, NumberListBoxes::kHighest> m_checks{};
    QPushButton* m_pickerButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_calculateButton = nullptr;
    QTimer* m_timer = nullptr;
    QString m_pickerCaption = QStringLiteral("Zufall");
    QString m_stopWord = QStringLiteral("Stop");
};

} // namespace powerball::ui
