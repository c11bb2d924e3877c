#pragma once

#include <QLabel>

namespace powerball::ui {

// A label with an object name, so that a language file can reach its text.
inline QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace powerball::ui
