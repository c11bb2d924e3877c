#pragma once

#include "app/stats/StatisticCommands.h"
#include "rules/generator/CalculationSettings.h"

#include <QObject>
#include <QString>

#include <initializer_list>
#include <vector>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;
class QToolButton;
class QWidget;

namespace powerball::ui {

class ClickableLabel;
class OptionSpinBox;

// Makes the controls of the "Berechnung" tab and keeps them in step with the settings. Every
// option control is named after the option it holds; what the user does to one is reported
// by name, and the controls are shown again from the settings afterwards.
class OptionControls : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    QCheckBox* checkBox(const char* control, const QString& caption, QWidget* parent);
    // A spin field together with the edit field that shows its value; the edit's hint is
    // the spin's.
    OptionSpinBox* spin(const char* control, const char* edit, QWidget* parent);
    QRadioButton* radioButton(const char* control, const QString& caption, QWidget* parent);
    // The small button beside an option that shows its statistic.
    QToolButton* chartButton(const QString& name, StatisticKind kind, bool onChartPage,
                             QWidget* parent);
    // An explanatory text that shows its statistic on the chart page when clicked.
    ClickableLabel* statisticText(const QString& name, const QString& text, StatisticKind kind,
                                  QWidget* parent);
    // One text made of parts that each show their statistic on the chart page when clicked.
    struct StatisticPart {
        QString text;
        StatisticKind kind;
    };
    QLabel* statisticTexts(const QString& name, std::initializer_list<StatisticPart> parts,
                           QWidget* parent);
    // The rest of a caption behind a spin in its gap; clicking it clicks the check box, and
    // pointing at it shows the box's hint.
    ClickableLabel* captionTail(const QString& text, QCheckBox* box, QWidget* parent,
                                const QString& nameSuffix = QStringLiteral("Tail"));
    // A text around a spin field that is part of its caption; pointing at it shows the
    // spin's hint.
    QLabel* captionPart(const QString& name, const QString& text, QWidget* owner, QWidget* parent);

    static QLabel* heading(const QString& name, const QString& text, QWidget* parent);
    static QLabel* note(const QString& name, const QString& text, QWidget* parent);
    // The widgets side by side, flush left.
    static QHBoxLayout* line(std::initializer_list<QWidget*> widgets);

    void showSettings(const CalculationSettings& settings);

Q_SIGNALS:
    void optionSet(const QString& control, int value);
    void spinPressed(const QString& control);
    void spinReleased(const QString& control);
    void statisticRequested(powerball::StatisticKind kind, bool onChartPage);
    // Pointing at an option without a hint clears the hint shown before.
    void hint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addHint(QWidget* control, const char* hintName);
    void shareHint(QWidget* part, const QWidget* owner);

    std::vector<QCheckBox*> m_checkBoxes;
    std::vector<OptionSpinBox*> m_spins;
    std::vector<QRadioButton*> m_radioButtons;
};

} // namespace powerball::ui
