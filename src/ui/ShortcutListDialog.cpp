#include "ShortcutListDialog.h"

#include "Conversions.h"
#include "LanguagePass.h"
#include "base/MessageTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QRegularExpression>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// "&Drucken…" reads "Drucken…", "打印(&D)…" reads "打印…".
QString withoutAccelerator(QString text) {
    static const QRegularExpression marked(u"\\s*\\(&[^)]\\)"_s);
    text.remove(marked);
    text.replace(u"&&"_s, u"\x01"_s);
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

QString keysOf(const QList<QKeySequence>& keys) {
    QStringList texts;
    for (const QKeySequence& key : keys)
        texts << key.toString(QKeySequence::NativeText);
    return texts.join(u", "_s);
}

} // namespace

std::vector<ShortcutListDialog::Entry> ShortcutListDialog::entries(const QWidget* window,
                                                                   const MessageTable& messages) {
    std::vector<Entry> result;
    for (const QAction* action : window->findChildren<QAction*>()) {
        // A dialog's own keys are not the window's.
        const auto* owner = qobject_cast<const QWidget*>(action->parent());
        if (action->shortcuts().isEmpty() || (owner && owner->window() != window))
            continue;
        result.push_back({keysOf(action->shortcuts()), withoutAccelerator(action->text())});
    }
    // The window's plain shortcuts have no text of their own; the one there is stops a run.
    for (const QShortcut* shortcut : window->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly))
        if (!shortcut->key().isEmpty())
            result.push_back({shortcut->key().toString(QKeySequence::NativeText),
                              qs(messages.text(Msg::StopShortcut))});
    return result;
}

ShortcutListDialog::ShortcutListDialog(const std::vector<Entry>& entries,
                                       const MessageTable& messages, QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"shortcutDialog"_s);
    setWindowTitle(u"Tastenkürzel"_s);

    m_table = new QTableWidget(static_cast<int>(entries.size()), 2, this);
    m_table->setObjectName(u"shortcutTable"_s);
    m_table->setHorizontalHeaderLabels(
        {qs(messages.text(Msg::ShortcutKey)), qs(messages.text(Msg::ShortcutCommand))});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < static_cast<int>(entries.size()); ++row) {
        m_table->setItem(row, 0, new QTableWidgetItem(entries[row].keys));
        m_table->setItem(row, 1, new QTableWidgetItem(entries[row].command));
    }
    LanguagePass::keepText(m_table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Qt's own texts speak the language in use.
    for (QAbstractButton* button : buttons->buttons())
        LanguagePass::keepText(button);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(520, 360);
}

} // namespace powerball::ui
