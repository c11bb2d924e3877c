#include "DrawTableDialog.h"

#include "Conversions.h"
#include "DrawTableModel.h"
#include "LanguagePass.h"
#include "app/draws/DrawMaintenance.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

DrawTableDialog::DrawTableDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(u"drawTableDialog"_s);
    // Its texts come from the message table, in the language in use.
    LanguagePass::keepText(this);
    setModal(false);

    m_model = new DrawTableModel(this);
    m_proxy = new DrawFilterProxy(this);
    m_proxy->setSourceModel(m_model);
    m_proxy->setSortRole(DrawTableModel::kSortRole);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(u"drawTableFilter"_s);
    LanguagePass::keepText(m_filter);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_proxy->setFilterWords(text);
        showCount();
    });
    top->addWidget(m_filter, 1);
    m_count = new QLabel(this);
    m_count->setObjectName(u"drawTableCount"_s);
    LanguagePass::keepText(m_count);
    top->addWidget(m_count);
    layout->addLayout(top);

    m_view = new QTableView(this);
    m_view->setObjectName(u"drawTableView"_s);
    LanguagePass::keepText(m_view);
    m_view->setModel(m_proxy);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->hide();
    // Every row is one line: the view never measures the rows, so it opens at once however
    // long the history is.
    m_view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_view->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->horizontalHeader()->setStretchLastSection(true);
    const int digit = fontMetrics().horizontalAdvance(u"00"_s) + 16;
    m_view->setColumnWidth(DrawTableModel::Date,
                           fontMetrics().horizontalAdvance(u"00.00.0000"_s) + 16);
    m_view->setColumnWidth(DrawTableModel::Weekday,
                           fontMetrics().horizontalAdvance(u"Mon."_s) + 24);
    for (int column = DrawTableModel::FirstWhite; column < DrawTableModel::Powerball; ++column)
        m_view->setColumnWidth(column, digit);
    m_view->setColumnWidth(DrawTableModel::Powerball,
                           fontMetrics().horizontalAdvance(u"Powerball"_s) + 16);
    m_view->setColumnWidth(DrawTableModel::PowerPlay,
                           fontMetrics().horizontalAdvance(u"Power Play"_s) + 16);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(DrawTableModel::Date, Qt::DescendingOrder);
    connect(m_view, &QTableView::doubleClicked, this, [this] { pickCurrent(); });
    layout->addWidget(m_view, 1);

    auto* pick =
        new QShortcut(QKeySequence(Qt::Key_Return), m_view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(pick, &QShortcut::activated, this, &DrawTableDialog::pickCurrent);
    auto* pickEnter =
        new QShortcut(QKeySequence(Qt::Key_Enter), m_view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(pickEnter, &QShortcut::activated, this, &DrawTableDialog::pickCurrent);
    auto* remove =
        new QShortcut(QKeySequence::Delete, m_view, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, this, &DrawTableDialog::deleteCurrent);

    auto* buttons = new QHBoxLayout;
    m_delete = new QPushButton(this);
    m_delete->setObjectName(u"drawTableDeleteButton"_s);
    LanguagePass::keepText(m_delete);
    // Enter in the filter never deletes: no button of the table is the default one.
    m_delete->setAutoDefault(false);
    connect(m_delete, &QPushButton::clicked, this, &DrawTableDialog::deleteCurrent);
    buttons->addWidget(m_delete);
    m_undo = new QPushButton(this);
    m_undo->setObjectName(u"drawTableUndoButton"_s);
    LanguagePass::keepText(m_undo);
    m_undo->setAutoDefault(false);
    connect(m_undo, &QPushButton::clicked, this, &DrawTableDialog::undoRequested);
    buttons->addWidget(m_undo);
    buttons->addStretch(1);
    m_close = new QPushButton(this);
    m_close->setObjectName(u"drawTableCloseButton"_s);
    LanguagePass::keepText(m_close);
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(m_close);
    layout->addLayout(buttons);

    resize(620, 480);
}

void DrawTableDialog::showState(const AppState& state) {
    const MessageTable& m = state.messages;
    setWindowTitle(qs(m.text(Msg::DrawTableTitle)));
    m_filter->setPlaceholderText(qs(m.text(Msg::DrawTableFilter)));
    m_filter->setToolTip(qs(m.text(Msg::DrawTableFilter)));
    m_view->setToolTip(qs(m.text(Msg::DrawTableHint)));
    m_delete->setText(qs(m.text(Msg::DrawTableDelete)));
    m_delete->setToolTip(qs(m.text(Msg::DrawTableHint)));
    m_undo->setText(qs(m.text(Msg::UndoCaption)));
    m_undo->setToolTip(qs(DrawMaintenance::undoText(state)));
    m_close->setText(qs(m.text(Msg::DrawTableClose)));
    m_countPattern = qs(m.text(Msg::DrawTableCount));
    m_model->setCaptions({qs(m.text(Msg::DrawTableDate)), qs(m.text(Msg::DrawTableWeekday)),
                          qs(m.text(Msg::DrawTablePowerball)), qs(m.text(Msg::DrawTablePowerPlay)),
                          qs(m.text(Msg::DrawTableCrossSum))});
    m_model->setTextFormat(state.textFormat());

    const bool idle = !state.updateRunning();
    m_delete->setEnabled(idle);
    m_undo->setEnabled(idle && !state.drawChanges.empty());

    m_model->setFile(state.drawHistory().path());
    const bool reread = m_model->refresh();
    // The row of the draw the window shows is the current one, as the arrows move it.
    if (reread || state.panelDrawDate != m_shownDraw) {
        m_shownDraw = state.panelDrawDate;
        selectDraw(m_shownDraw);
    }
    showCount();
}

std::optional<double> DrawTableDialog::currentDate() const {
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->dateAt(m_proxy->mapToSource(current).row());
}

void DrawTableDialog::pickCurrent() {
    if (const auto date = currentDate())
        Q_EMIT drawPicked(*date);
}

void DrawTableDialog::deleteCurrent() {
    if (!m_delete->isEnabled())
        return;
    if (const auto date = currentDate())
        Q_EMIT deleteRequested(*date);
}

void DrawTableDialog::selectDraw(double date) {
    const int row = m_model->rowOf(date);
    if (row < 0)
        return;
    const QModelIndex shown = m_proxy->mapFromSource(m_model->index(row, DrawTableModel::Date));
    if (!shown.isValid())
        return;
    m_view->setCurrentIndex(shown);
    m_view->scrollTo(shown);
}

void DrawTableDialog::showCount() {
    QString text = m_countPattern;
    text.replace(u"%1"_s, QLocale().toString(m_proxy->rowCount()));
    text.replace(u"%2"_s, QLocale().toString(m_model->rowCount()));
    m_count->setText(text);
}

} // namespace powerball::ui
