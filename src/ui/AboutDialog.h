#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;

namespace powerball::ui {

// "Über Velmars Lumero…": the version, the program folder, the stored draws with their age,
// the settings file and the licence, each a line the window puts together.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);

    void setLines(const QStringList& lines);
    QString text() const;

private:
    QLabel* m_text = nullptr;
};

} // namespace powerball::ui
