// The main window as the control table defines it, and the window
// operations acting on its widgets.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include "control_text.h"
#include "qt/main_window.h"
#include "qt/widgets/chart.h"
#include "qt/widgets/indicator.h"
#include "qt/widgets/masked_edit.h"
#include "qt/widgets/panel.h"
#include "qt/window_ops.h"
#include "window/control_table.h"

using namespace np72;
using namespace np72::qt;

namespace {

bool KindMatches(ControlKind kind, const QWidget* widget) {
  switch (kind) {
    case ControlKind::Panel: return qobject_cast<const Panel*>(widget) != nullptr;
    case ControlKind::GroupBox: return qobject_cast<const QGroupBox*>(widget) != nullptr;
    case ControlKind::Label: return qobject_cast<const QLabel*>(widget) != nullptr;
    case ControlKind::ReadOnlyEdit: {
      auto* edit = qobject_cast<const QLineEdit*>(widget);
      return edit != nullptr && edit->isReadOnly();
    }
    case ControlKind::MaskedField: return qobject_cast<const MaskedEdit*>(widget) != nullptr;
    case ControlKind::Button: return qobject_cast<const QAbstractButton*>(widget) != nullptr;
    case ControlKind::Memo: return qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
    case ControlKind::Image: return qobject_cast<const Indicator*>(widget) != nullptr;
    case ControlKind::Chart: return qobject_cast<const Chart*>(widget) != nullptr;
    case ControlKind::Window: break;
  }
  return false;
}

QColor PixelAt(QWidget* widget, QPoint at) {
  return widget->grab().toImage().pixelColor(at);
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    window_ = std::make_unique<MainWindow>();
    ops_ = std::make_unique<QtWindowOps>(*window_);
  }
  void cleanup() {
    ops_.reset();
    window_.reset();
  }

  void windowHasTitleFramePositionAndNoMaximiseButton() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("НП72"));
    QCOMPARE(window_->pos(), QPoint(kMainWindow.left, kMainWindow.top));
    // Offscreen there is no frame: the outer size is the client size.
    QCOMPARE(window_->size(), QSize(kMainWindow.width, kMainWindow.height));
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!window_->windowIcon().isNull());
  }

  void everyControlHasItsRow() {
    for (const ControlRow& row : ControlTable()) {
      const QString name = QString::fromLatin1(ControlName(row.id));
      auto* widget = window_->findChild<QWidget*>(name);
      QVERIFY2(widget != nullptr, qPrintable(name));
      QVERIFY2(KindMatches(row.kind, widget), qPrintable(name));
      QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(ControlName(row.parent)));
      QCOMPARE(TextOf(widget), QString::fromUtf8(row.text));
      QCOMPARE(widget->isHidden(), !row.visibleAtStart);
      QCOMPARE(widget->font().pixelSize(), row.font.pixelHeight);
      const QString family = widget->font().family();
      QVERIFY2(family == QString::fromUtf8(row.font.family) || family == "Liberation Sans", qPrintable(family));
      if (row.kind == ControlKind::Label) {
        // A label takes the size of its text and grows to the right of its place.
        auto* label = static_cast<QLabel*>(widget);
        QCOMPARE(widget->pos(), QPoint(row.left, row.top));
        QCOMPARE(widget->size(), label->sizeHint());
        QVERIFY(!label->wordWrap());
      } else {
        QCOMPARE(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
      }
    }
  }

  void onlyTheConnectionGroupShowsAtStart() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QStringList shown;
    for (const ControlRow& row : ControlTable()) {
      if (window_->widget(row.id)->isVisible()) shown << ControlName(row.id);
    }
    QCOMPARE(shown, (QStringList{"GroupBox6", "Label10", "Image1"}));
  }

  void resizingMovesNoControl() {
    window_->show();
    window_->resize(600, 400);
    window_->resize(1200, 900);
    for (const ControlRow& row : ControlTable()) {
      QCOMPARE(window_->widget(row.id)->pos(), QPoint(row.left, row.top));
    }
  }

  void labelGrowsToTheRightWithItsText() {
    QWidget* label = window_->widget(Control::Label6);
    const QRect before = label->geometry();
    ops_->SetText(Control::Label6, "5D 02 10 27 E8 03 00 B7");
    QCOMPARE(label->pos(), before.topLeft());
    QVERIFY(label->width() > before.width());
    QCOMPARE(label->height(), before.height());
    QCOMPARE(label->width(), label->fontMetrics().horizontalAdvance("5D 02 10 27 E8 03 00 B7"));
  }

  void setTextReachesEveryKindThatHasOne() {
    for (const Control control : {Control::Label10, Control::FlagPorog1, Control::Edit2, Control::Button8}) {
      ops_->SetText(control, "Проверка ПО выполнена");
      QCOMPARE(TextOf(window_->widget(control)), QStringLiteral("Проверка ПО выполнена"));
    }
    ops_->Clear(Control::Edit13);
    QCOMPARE(TextOf(window_->widget(Control::Edit13)), QString());
  }

  void maskedFieldPlacesCutsAndClears_data() {
    QTest::addColumn<QString>("placed");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<QString>("shown");
    QTest::newRow("five digits are cut at four") << "12345" << "1234" << "1234";
    QTest::newRow("one digit leaves three positions empty") << "7" << "7   " << "7___";
    QTest::newRow("a minus sign is not checked") << "-5" << "-5  " << "-5__";
    QTest::newRow("a space is an empty position") << "100 " << "100 " << "100_";
  }
  void maskedFieldPlacesCutsAndClears() {
    QFETCH(QString, placed);
    QFETCH(QString, readBack);
    QFETCH(QString, shown);
    ops_->SetMaskText(Control::MaskEdit2, placed.toStdString());
    QCOMPARE(QString::fromStdString(ops_->MaskText(Control::MaskEdit2)), readBack);
    QCOMPARE(static_cast<MaskedEdit*>(window_->widget(Control::MaskEdit2))->displayText(), shown);
    ops_->Clear(Control::MaskEdit2);
    QCOMPARE(QString::fromStdString(ops_->MaskText(Control::MaskEdit2)), QStringLiteral("    "));
  }

  void panelPaintsItsOwnColour() {
    window_->widget(Control::Panel2)->show();
    ops_->SetColour(Control::FlagPorog3, Colour::Red);
    QWidget* panel = window_->widget(Control::FlagPorog3);
    QCOMPARE(PixelAt(panel, {3, 3}), QColor(255, 0, 0));
    QCOMPARE(PixelAt(panel, {0, 0}).red() < 255 || PixelAt(panel, {0, 0}).green() > 0, true);  // the bevel
    ops_->SetColour(Control::FlagPorog3, Colour::ButtonFace);
    QCOMPARE(PixelAt(panel, {3, 3}), window_->palette().color(QPalette::Button));
  }

  void indicatorHasBlackOutlineAndKeepsItsBrush() {
    ops_->PaintImage(Control::Image1, Colour::Green);
    QCOMPARE(ops_->ImageBrush(Control::Image1), Colour::Green);
    QWidget* image = window_->widget(Control::Image1);
    QCOMPARE(PixelAt(image, {0, 0}), QColor(Qt::black));
    QCOMPARE(PixelAt(image, {9, 9}), QColor(Qt::black));
    QCOMPARE(PixelAt(image, {5, 5}), QColor(0, 128, 0));
    ops_->PaintImage(Control::Image1, Colour::Red);
    QCOMPARE(ops_->ImageBrush(Control::Image1), Colour::Red);
    QCOMPARE(PixelAt(image, {5, 5}), QColor(255, 0, 0));
  }

  void memoAppendsAndClearsWithAVerticalScrollBar() {
    auto* memo = static_cast<QPlainTextEdit*>(window_->widget(Control::LogMemo));
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    ops_->AppendLine(Control::LogMemo, "7---32768");
    ops_->AppendLine(Control::LogMemo, "Подкл.");
    QCOMPARE(memo->toPlainText(), QStringLiteral("7---32768\nПодкл."));
    ops_->ClearLines(Control::LogMemo);
    QCOMPARE(memo->toPlainText(), QString());
  }

  void chartKeepsPointsAndRepaintsOncePerReading() {
    window_->widget(Control::Panel2)->show();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    auto* chart = static_cast<Chart*>(window_->widget(Control::Chart1));
    QCOMPARE(&chart->setup(), &kChart1);
    int paints = 0;
    PaintCounter counter(paints);
    chart->installEventFilter(&counter);
    QCoreApplication::processEvents();
    paints = 0;

    ops_->ClearSeries(Control::Series1);
    for (int x = 1; x <= 200; ++x) ops_->AddPoint(Control::Series1, x, 1250, Colour::Red);
    QCOMPARE(paints, 0);  // adding only stores
    QTRY_COMPARE(paints, 1);
    QCoreApplication::processEvents();
    QCOMPARE(paints, 1);
    QCOMPARE(chart->points().size(), std::size_t{200});
    QCOMPARE(chart->points().back().x, 200);

    // The line runs through the middle of the fixed Y range, in red.
    const QImage picture = chart->grab().toImage();
    int red = 0;
    for (int x = 0; x < picture.width(); ++x) {
      for (int y = picture.height() / 3; y < 2 * picture.height() / 3; ++y) {
        const QColor c = picture.pixelColor(x, y);
        red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
      }
    }
    QVERIFY2(red > 200, qPrintable(QString::number(red)));
    ops_->ClearSeries(Control::Series1);
    QVERIFY(chart->points().empty());
  }

 private:
  class PaintCounter : public QObject {
   public:
    explicit PaintCounter(int& count) : count_(count) {}
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++count_;
      return false;
    }

   private:
    int& count_;
  };

  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<QtWindowOps> ops_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
