#pragma once

#include <QColor>
#include <QObject>

#include <optional>

class QWidget;

namespace powerball::ui {

// Text that carries a colour of its own (a link, a hint, a warning, the banner) stays
// readable on whatever palette is in use: the colour is the described accent where it reads
// against the widget's window colour, else the nearest colour of the same hue that does.
// It follows every change of the palette, and a rich text's inline colours follow the accent
// too, also after the language pass has written the text anew.
class ReadableColours : public QObject {
    Q_OBJECT

public:
    // Marks the text of `widget` with `accent`; no accent gives it back to the palette.
    static void markText(QWidget* widget, std::optional<QColor> accent);
    // The colours a field shows when it is filled with `background`: the background and the
    // black or white text that reads on it; no background gives both back to the palette.
    static void fillField(QWidget* field, std::optional<QColor> background);

    // The accent as it reads on `background`.
    static QColor accentOn(const QColor& accent, const QColor& background);
    // Black or white, whichever reads on `background`.
    static QColor textOn(const QColor& background);

    // The accent a marked widget was given, if any.
    static std::optional<QColor> accentOf(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ReadableColours(QWidget* widget, const QColor& accent);
    void recolour(QWidget* widget) const;

    QColor m_accent;
};

} // namespace powerball::ui
