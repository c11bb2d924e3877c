#include "ReadableColours.h"

#include "base/ColourContrast.h"

#include <QEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

Rgb rgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

QColor qColour(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

ReadableColours* keeperOf(const QWidget* widget) {
    return widget->findChild<ReadableColours*>(QString(), Qt::FindDirectChildrenOnly);
}

// The inline colours of a rich text: "color: #0000c0" and the like.
const QRegularExpression& inlineColour() {
    static const QRegularExpression pattern(u"color:\\s*#[0-9a-fA-F]{6}"_s);
    return pattern;
}

} // namespace

ReadableColours::ReadableColours(QWidget* widget, const QColor& accent)
    : QObject(widget), m_accent(accent) {
    widget->installEventFilter(this);
}

void ReadableColours::markText(QWidget* widget, std::optional<QColor> accent) {
    ReadableColours* keeper = keeperOf(widget);
    if (!accent) {
        if (keeper) {
            delete keeper;
            widget->setPalette(QPalette()); // every role follows the parent again
        }
        return;
    }
    if (!keeper)
        keeper = new ReadableColours(widget, *accent);
    keeper->m_accent = *accent;
    keeper->recolour(widget);
}

void ReadableColours::fillField(QWidget* field, std::optional<QColor> background) {
    if (!background) {
        if (field->testAttribute(Qt::WA_SetPalette))
            field->setPalette(QPalette());
        return;
    }
    const QColor text = textOn(*background);
    const QPalette shown = field->palette();
    if (field->testAttribute(Qt::WA_SetPalette) && shown.color(QPalette::Base) == *background &&
        shown.color(QPalette::Text) == text)
        return;
    QPalette palette;
    palette.setColor(QPalette::Base, *background);
    palette.setColor(QPalette::Text, text);
    field->setPalette(palette);
}

QColor ReadableColours::accentOn(const QColor& accent, const QColor& background) {
    return qColour(readableAccent(rgb(accent), rgb(background)));
}

QColor ReadableColours::textOn(const QColor& background) {
    return qColour(textColourOn(rgb(background)));
}

std::optional<QColor> ReadableColours::accentOf(const QWidget* widget) {
    if (const ReadableColours* keeper = keeperOf(widget))
        return keeper->m_accent;
    return std::nullopt;
}

// The window colour behind the text comes from the parent; the widget's own palette has it
// too, as only the text roles are set here.
void ReadableColours::recolour(QWidget* widget) const {
    const QColor shown = accentOn(m_accent, widget->palette().color(QPalette::Window));
    if (widget->palette().color(QPalette::WindowText) != shown ||
        !widget->testAttribute(Qt::WA_SetPalette)) {
        QPalette palette;
        palette.setColor(QPalette::WindowText, shown);
        palette.setColor(QPalette::Link, shown);
        widget->setPalette(palette);
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->textFormat() == Qt::RichText) {
        QString text = label->text();
        text.replace(inlineColour(), u"color: "_s + shown.name());
        if (text != label->text())
            label->setText(text);
    }
}

bool ReadableColours::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
    case QEvent::Polish:
    case QEvent::Paint: // the language pass may have written the text anew
        if (auto* widget = qobject_cast<QWidget*>(watched))
            recolour(widget);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace powerball::ui
