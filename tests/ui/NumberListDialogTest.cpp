#include "NumberListDialog.h"

#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using powerball::NumberListBoxes;
using powerball::RandomSource;
using powerball::ui::NumberListDialog;

class NumberListDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedListLoadsIntoAnotherDialog();
    void unwritableListLeavesTheBoxes();
    void enterKeepsThePoolUnderCalculate();

private:
    // Answers the next file dialog with `name` inside the temporary folder, after noting the
    // name it proposed.
    void answerFileDialog(const QString& name, QString& proposed) {
        auto* poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [this, poll, name, &proposed] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                proposed = dialog->selectedFiles().value(0).section(u'/', -1);
                // Typed as a user does: the open dialog takes a name only once it sees the file.
                dialog->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(m_folder.filePath(name));
                static_cast<QDialog*>(dialog)->accept();
            }
        });
        poll->start(10);
    }

    static QCheckBox* box(const NumberListDialog& dialog, int number) {
        return dialog.findChild<QCheckBox*>(u"CheckBox%1"_s.arg(number));
    }

    QTemporaryDir m_folder;
    RandomSource m_random;
};

void NumberListDialogTest::savedListLoadsIntoAnotherDialog() {
    NumberListBoxes boxes;
    boxes.setTicked(5, true);
    boxes.setWeight(5, "3");
    boxes.setTicked(9, true);
    NumberListDialog saving(m_random);
    saving.setBoxes(boxes);
    saving.show();
    QCOMPARE(box(saving, 5)->toolTip(), u"3"_s);

    QString proposed;
    answerFileDialog(u"chosen"_s, proposed);
    saving.findChild<QPushButton*>(u"saveListButton"_s)->click();
    QCOMPARE(proposed, QDate::currentDate().toString(u"yyyyMMdd"_s) + u".vlw"_s);
    // The default suffix completes the name; a ticked box without weight is saved as 1.
    QFile file(m_folder.filePath(u"chosen.vlw"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.count("\r\n"), 69);
    QVERIFY(bytes.startsWith("\r\n\r\n\r\n\r\n3\r\n\r\n\r\n\r\n1\r\n"));
    QCOMPARE(box(saving, 9)->toolTip(), u"1"_s);

    NumberListDialog loading(m_random);
    loading.setUse(NumberListDialog::Use::Row);
    loading.show();
    box(loading, 40)->click();
    answerFileDialog(u"chosen.vlw"_s, proposed);
    loading.findChild<QPushButton*>(u"loadListButton"_s)->click();
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
    NumberListDialog dialog(m_random);
    dialog.setUse(NumberListDialog::Use::Row);
    dialog.setBoxes(boxes);
    dialog.show();
    // A file in place of the folder: the error box comes and is closed, the boxes stay.
    QFile plain(m_folder.filePath(u"plain"_s));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString target = m_folder.filePath(u"plain/list.vlw"_s);
    bool errorShown = false;
    auto* closer = new QTimer(this);
    connect(closer, &QTimer::timeout, this, [closer, &errorShown, &target] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(target);
            static_cast<QDialog*>(files)->accept();
        } else if (modal && modal->inherits("QMessageBox")) {
            errorShown = true;
            closer->stop();
            closer->deleteLater();
            modal->close();
        }
    });
    closer->start(10);
    dialog.findChild<QPushButton*>(u"saveListButton"_s)->click();
    QVERIFY(errorShown);
    QVERIFY(box(dialog, 12)->isChecked());
    QCOMPARE(dialog.boxes(), boxes);
    QCOMPARE(box(dialog, 12)->toolTip(), QString());
}

// In the generator's use "&Rechnen" covers OK; Enter still closes with OK, keeping the pool.
void NumberListDialogTest::enterKeepsThePoolUnderCalculate() {
    NumberListDialog dialog(m_random);
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
