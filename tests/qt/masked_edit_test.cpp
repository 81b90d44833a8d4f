// The operator's editing of a masked field, key by key.
#include <QtTest>

#include "qt/widgets/masked_edit.h"

using np72::qt::MaskedEdit;

Q_DECLARE_METATYPE(QList<QKeyCombination>)

class MaskedEditTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void editing_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QList<QKeyCombination>>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QString>("shown");
    using K = QList<QKeyCombination>;
    const auto shift = [](Qt::Key key) { return QKeyCombination(Qt::ShiftModifier, key); };
    QTest::newRow("digits type over from the start") << "2000" << K{Qt::Key_Home} << "12" << "1200" << "1200";
    QTest::newRow("the last position takes a digit") << "100 " << K{Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << "5" << "1005" << "1005";
    QTest::newRow("past the fourth position nothing goes in") << "100 " << K{Qt::Key_End} << "9" << "100 " << "100_";
    QTest::newRow("letters and signs are refused") << "2000" << K{Qt::Key_Home} << "a-+ " << "2000" << "2000";
    QTest::newRow("backspace empties the position before the caret") << "2000" << K{Qt::Key_End, Qt::Key_Backspace} << "" << "200 " << "200_";
    QTest::newRow("delete empties the position at the caret") << "2000" << K{Qt::Key_Home, Qt::Key_Delete} << "" << " 000" << "_000";
    QTest::newRow("a digit replaces a selection") << "2000" << K{QKeyCombination(Qt::ControlModifier, Qt::Key_A)} << "7" << "7   " << "7___";
    QTest::newRow("backspace empties a selection") << "2000" << K{Qt::Key_Home, shift(Qt::Key_Right), shift(Qt::Key_Right), Qt::Key_Backspace} << "" << "  00" << "__00";
    QTest::newRow("an emptied field takes digits again") << "    " << K{Qt::Key_Home} << "42" << "42  " << "42__";
  }
  void editing() {
    QFETCH(QString, start);
    QFETCH(QList<QKeyCombination>, keys);
    QFETCH(QString, typed);
    QFETCH(QString, readBack);
    QFETCH(QString, shown);
    MaskedEdit edit(nullptr);
    edit.setText(start);
    edit.show();
    for (const QKeyCombination key : keys) QTest::keyClick(&edit, key.key(), key.keyboardModifiers());
    QTest::keyClicks(&edit, typed);
    QCOMPARE(edit.text(), readBack);
    QCOMPARE(edit.displayText(), shown);
  }

  void clickPutsTheCaretBetweenPositions() {
    MaskedEdit edit(nullptr);
    edit.resize(44, 24);
    edit.setText("2000");
    edit.show();
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(1, 12));
    QCOMPARE(edit.cursorPosition(), 0);
    QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(43, 12));
    QCOMPARE(edit.cursorPosition(), 4);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("200 "));
  }
};

QTEST_MAIN(MaskedEditTest)
#include "masked_edit_test.moc"
