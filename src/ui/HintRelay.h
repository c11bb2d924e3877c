#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class QWidget;

namespace powerball::ui {

// Passes the tooltip of the control under the mouse on as a hint for the status bar, and
// says when the mouse leaves that control again.
class HintRelay : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Watches every control below `root` that carries a tooltip.
    void watch(QWidget* root);

    // After the texts changed (another language): when `shown` is the last hint, that hint as
    // its control now says it, so the status bar need not keep the old language's words.
    std::optional<QString> renewedHint(const QString& shown);

Q_SIGNALS:
    void hint(const QString& text);
    // The pointer left the control whose hint is `text`.
    void left(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_last;
    QString m_lastHint;
};

} // namespace powerball::ui
