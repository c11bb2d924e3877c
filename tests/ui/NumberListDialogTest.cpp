#include "NumberListDialog.h"
#include "QtUserPrompts.h"

#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::NumberListBoxes;
using powerball::RandomSource;
using powerball::ui::NumberListDialog;
using powerball::ui::QtUserPrompts;
using Asked = QtUserPrompts::Asked;

class NumberListDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void savedListLoadsIntoAnotherDialog();
    void unwritableListLeavesTheBoxes();
    void enterKeepsThePoolUnderCalculate();

private:
    static QCheckBox* box(const NumberListDialog& dialog, int number) {
        return dialog.findChild<QCheckBox*>(u"CheckBox%1"_s.arg(number));
    }

    QTemporaryDir m_folder;
    RandomSource m_random;
    powerball::MessageTable m_messages;
    // The file dialogs and warnings are answered in advance through the prompts.
    std::unique_ptr<QtUserPrompts> m_prompts;
};

void NumberListDialogTest::init() {
    m_prompts = std::make_unique<QtUserPrompts>(nullptr, m_random, m_messages);
}

void NumberListDialogTest::savedListLoadsIntoAnotherDialog() {
    NumberListBoxes boxes;
    boxes.setTicked(5, true);
    boxes.setWeight(5, "3");
    boxes.setTicked(9, true);
    NumberListDialog saving(m_random, *m_prompts);
    saving.setBoxes(boxes);
    saving.show();
    QCOMPARE(box(saving, 5)->toolTip(), u"3"_s);

    m_prompts->setNextAnswer(m_folder.filePath(u"chosen"_s));
    // The proposed name is the day of the click: the days before and after it bracket it,
    // so a run across midnight passes too.
    const QString dayBefore = QDate::currentDate().toString(u"yyyyMMdd"_s) + u".vlw"_s;
    saving.findChild<QPushButton*>(u"saveListButton"_s)->click();
    const QString dayAfter = QDate::currentDate().toString(u"yyyyMMdd"_s) + u".vlw"_s;
    QCOMPARE(m_prompts->asked().size(), 1u);
    const Asked& save = m_prompts->asked().front();
    QCOMPARE(save.kind, Asked::Kind::SaveFile);
    QVERIFY2(save.text == dayBefore || save.text == dayAfter, qPrintable(save.text));
    // The default suffix completes the name; a ticked box without weight is saved as 1.
    QCOMPARE(save.defaultText, u"vlw"_s);
    QFile file(m_folder.filePath(u"chosen.vlw"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 69);
    QVERIFY(bytes.startsWith("\r\n\r\n\r\n\r\n3\r\n\r\n\r\n\r\n1\r\n"));
    QCOMPARE(box(saving, 9)->toolTip(), u"1"_s);

    NumberListDialog loading(m_random, *m_prompts);
    loading.setUse(NumberListDialog::Use::Row);
    loading.show();
    box(loading, 40)->click();
    m_prompts->setNextAnswer(m_folder.filePath(u"chosen.vlw"_s));
    loading.findChild<QPushButton*>(u"loadListButton"_s)->click();
    QCOMPARE(m_prompts->asked().back().kind, Asked::Kind::OpenFile);
    QVERIFY(box(loading, 5)->isChecked());
    QVERIFY(box(loading, 9)->isChecked());
    QVERIFY(!box(loading, 40)->isChecked());
    QCOMPARE(box(loading, 5)->toolTip(), u"3"_s);
    QCOMPARE(box(loading, 40)->toolTip(), u"1"_s);
    QCOMPARE(loading.boxes().weight(5), "3");
}

void NumberListDialogTest::unwritableListLeavesTheBoxes() {
    NumberListBoxes boxes;
    boxes.setTicked(12, true);
    NumberListDialog dialog(m_random, *m_prompts);
    dialog.setUse(NumberListDialog::Use::Row);
    dialog.setBoxes(boxes);
    dialog.show();
    // A file in place of the folder: the error box comes and is closed, the boxes stay.
    QFile plain(m_folder.filePath(u"plain"_s));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString target = m_folder.filePath(u"plain/list.vlw"_s);
    m_prompts->setNextAnswer(target);
    m_prompts->setNextAnswer(); // the error box's OK
    dialog.findChild<QPushButton*>(u"saveListButton"_s)->click();
    QCOMPARE(m_prompts->asked().size(), 2u);
    QCOMPARE(m_prompts->asked().back().kind, Asked::Kind::Warning);
    QCOMPARE(m_prompts->asked().back().format, Qt::PlainText);
    QVERIFY(box(dialog, 12)->isChecked());
    QCOMPARE(dialog.boxes(), boxes);
    QCOMPARE(box(dialog, 12)->toolTip(), QString());
}

// In the generator's use "&Rechnen" covers OK; Enter still closes with OK, keeping the pool.
void NumberListDialogTest::enterKeepsThePoolUnderCalculate() {
    NumberListDialog dialog(m_random, *m_prompts);
    dialog.setBoxes(NumberListBoxes{});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* ok = dialog.findChild<QPushButton*>(u"okButton"_s);
    auto* calculate = dialog.findChild<QPushButton*>(u"calculateButton"_s);
    QVERIFY(calculate->isVisible());
    QCOMPARE(ok->geometry(), calculate->geometry());
    QCOMPARE(ok->parentWidget()->childAt(ok->geometry().center()), calculate);

    box(dialog, 30)->setFocus();
    QTest::keyClick(box(dialog, 30), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.poolAnswer(), powerball::PoolListAnswer::Keep);

    // The row editor's use shows OK itself.
    dialog.setUse(NumberListDialog::Use::Row);
    dialog.show();
    QVERIFY(!calculate->isVisible());
    QVERIFY(ok->isVisible());
    QVERIFY(dialog.findChild<QPushButton*>(u"pickerButton"_s)->isVisible());
}

QTEST_MAIN(NumberListDialogTest)
#include "NumberListDialogTest.moc"
