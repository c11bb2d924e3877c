#pragma once

#include "rules/sheet/TipSheet.h"

#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QTest>

#include <array>

namespace powerball::testing {

// The control of that name below `root`; a test cannot go on without it.
template <class T> T* control(const QObject* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

inline QLineEdit* tipField(const QObject* window, int row, int field) {
    return control<QLineEdit>(window, QString::fromStdString(TipSheet::fieldName(row, field)));
}

// Types a row the way a user does, field by field, and leaves it with Tab.
inline void typeTipRow(const QObject* window, int row, const std::array<QString, 6>& texts) {
    for (int f = 0; f < 6; ++f) {
        QLineEdit* edit = tipField(window, row, f);
        edit->setFocus();
        QTest::keyClicks(edit, texts[static_cast<std::size_t>(f)]);
    }
    QTest::keyClick(tipField(window, row, 5), Qt::Key_Tab);
}

} // namespace powerball::testing
