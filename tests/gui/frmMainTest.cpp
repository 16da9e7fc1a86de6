#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/WidgetTextBox.h"
#include "app/frmMain.h"

namespace brevio {

class frmMainTest : public QObject {
  Q_OBJECT

 private:
  frmMain window_;

 private slots:
  void controlsCarryTheirNamesAndCaptions() {
    QCOMPARE(window_.objectName(), QString("frmMain"));
    const std::pair<const char*, const char*> controls[] = {
        {"lblLog", "Logging"},
        {"lblAPRSdata", "APRS data"},
        {"mnuFileXTR", "Create XTR file"},
        {"mnuFileExit", "E&xit"},
        {"mnuOptionsScan", "Scan for QDOS"},
        {"mnuOptionsReloadDefinition", "Reload definition"},
        {"mnuHelpHelp", "&Help"},
        {"mnuHelpAbout", "&About"},
        {"mnuFile", "&File"},
        {"mnuOptions", "Options"},
        {"mnuHelp", "&Help"}};
    for (const auto& [name, caption] : controls) {
      QObject* control = window_.findChild<QObject*>(name);
      QVERIFY2(control != nullptr, name);
      if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), QString(caption));
      } else if (auto* action = qobject_cast<QAction*>(control)) {
        QCOMPARE(action->text(), QString(caption));
      } else {
        auto* menu = qobject_cast<QMenu*>(control);
        QVERIFY2(menu != nullptr, name);
        QCOMPARE(menu->title(), QString(caption));
      }
    }
  }

  void menusHoldTheirItemsInOrder() {
    auto* help = window_.findChild<QMenu*>("mnuHelp");
    QVERIFY(help != nullptr);
    const QList<QAction*> items = help->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->objectName(), QString("mnuHelpHelp"));
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->objectName(), QString("mnuHelpAbout"));
    QVERIFY(window_.mnuOptionsScan()->isCheckable());
    const auto boxes = window_.findChildren<QPlainTextEdit*>();
    QCOMPARE(boxes.size(), 2);
    QVERIFY(window_.findChild<QPlainTextEdit*>("txtStatus") == window_.txtStatus());
    QVERIFY(window_.findChild<QPlainTextEdit*>("txtAPRS") == window_.txtAPRS());
    QVERIFY(window_.txtStatus()->isReadOnly());
  }

  void commandsStayDisabledUntilConnected() {
    for (QAction* item :
         {window_.mnuFileXTR(), window_.mnuFileExit(), window_.mnuOptionsScan(),
          window_.mnuOptionsReloadDefinition(), window_.mnuHelpHelp(), window_.mnuHelpAbout()}) {
      QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
    }
  }

  void textBoxCountsCrLfAndTrimsLikeTheServer() {
    WidgetTextBox box(*window_.txtStatus());
    QCOMPARE(box.Name(), std::string("txtStatus"));
    box.Append("first line\r\n");
    box.Append("second \xe9\r\n");
    QCOMPARE(box.Length(), std::size_t{22});
    QCOMPARE(window_.txtStatus()->toPlainText(), QString::fromUtf8("first line\nsecond \u00e9\n"));
    box.KeepLast(10);
    QCOMPARE(box.Length(), std::size_t{10});
    QCOMPARE(window_.txtStatus()->toPlainText(), QString::fromUtf8("second \u00e9\n"));
  }
};

}  // namespace brevio

QTEST_MAIN(brevio::frmMainTest)
#include "frmMainTest.moc"
