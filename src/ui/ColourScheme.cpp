#include "ColourScheme.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

std::optional<ColourScheme::Choice> ColourScheme::parse(const QString& name) {
    const QString word = name.trimmed().toLower();
    if (word == u"system"_s)
        return Choice::System;
    if (word == u"light"_s)
        return Choice::Light;
    if (word == u"dark"_s)
        return Choice::Dark;
    return std::nullopt;
}

QPalette ColourScheme::darkPalette() {
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(235, 235, 235);
    const QColor disabled(128, 128, 128);
    const QColor highlight(42, 130, 218);
    QPalette dark;
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, disabled);
    dark.setColor(QPalette::Light, window.lighter(150));
    dark.setColor(QPalette::Midlight, window.lighter(125));
    dark.setColor(QPalette::Mid, window.darker(120));
    dark.setColor(QPalette::Dark, window.darker(160));
    dark.setColor(QPalette::Shadow, Qt::black);
    // A link of a dark theme: light enough to read on the window and on the fields.
    dark.setColor(QPalette::Link, QColor(100, 170, 240));
    dark.setColor(QPalette::LinkVisited, QColor(170, 140, 240));
    dark.setColor(QPalette::Highlight, highlight);
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        dark.setColor(QPalette::Disabled, role, disabled);
    dark.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    return dark;
}

void ColourScheme::apply(Choice choice) {
    if (choice == Choice::System)
        return;
    // Fusion draws every control from the palette; the platform's style may not.
    if (QStyle* fusion = QStyleFactory::create(u"Fusion"_s))
        QApplication::setStyle(fusion);
    QApplication::setPalette(choice == Choice::Dark ? darkPalette()
                                                    : QApplication::style()->standardPalette());
}

} // namespace powerball::ui
