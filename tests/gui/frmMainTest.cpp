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

 private slots:
  void controlsCarryTheirNamesAndCaptions_data();
  void controlsCarryTheirNamesAndCaptions();
  void menusHoldTheirItemsInOrder();
  void commandsStayDisabledUntilConnected();
  void textBoxCountsCrLfAndTrimsLikeTheServer();

 private:
  frmMain window_;
};

void frmMainTest::controlsCarryTheirNamesAndCaptions_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  QTest::newRow("lblLog") << "lblLog"
                          << "Logging";
  QTest::newRow("lblAPRSdata") << "lblAPRSdata"
                               << "APRS data";
  QTest::newRow("mnuFileXTR") << "mnuFileXTR"
                              << "Create XTR file";
  QTest::newRow("mnuFileExit") << "mnuFileExit"
                               << "E&xit";
  QTest::newRow("mnuOptionsScan") << "mnuOptionsScan"
                                  << "Scan for QDOS";
  QTest::newRow("mnuOptionsReloadDefinition") << "mnuOptionsReloadDefinition"
                                              << "Reload definition";
  QTest::newRow("mnuHelpHelp") << "mnuHelpHelp"
                               << "&Help";
  QTest::newRow("mnuHelpAbout") << "mnuHelpAbout"
                                << "&About";
  QTest::newRow("mnuFile") << "mnuFile"
                           << "&File";
  QTest::newRow("mnuOptions") << "mnuOptions"
                              << "Options";
  QTest::newRow("mnuHelp") << "mnuHelp"
                           << "&Help";
}

void frmMainTest::controlsCarryTheirNamesAndCaptions() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  QCOMPARE(window_.objectName(), QString("frmMain"));
  QObject* control = window_.findChild<QObject*>(name);
  QVERIFY2(control != nullptr, qPrintable(name));
  if (auto* label = qobject_cast<QLabel*>(control)) {
    QCOMPARE(label->text(), caption);
  } else if (auto* action = qobject_cast<QAction*>(control)) {
    QCOMPARE(action->text(), caption);
  } else {
    auto* menu = qobject_cast<QMenu*>(control);
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->title(), caption);
  }
}

void frmMainTest::menusHoldTheirItemsInOrder() {
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

void frmMainTest::commandsStayDisabledUntilConnected() {
  for (QAction* item :
       {window_.mnuFileXTR(), window_.mnuFileExit(), window_.mnuOptionsScan(),
        window_.mnuOptionsReloadDefinition(), window_.mnuHelpHelp(), window_.mnuHelpAbout()}) {
    QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
  }
}

void frmMainTest::textBoxCountsCrLfAndTrimsLikeTheServer() {
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

}  // namespace brevio

QTEST_MAIN(brevio::frmMainTest)
#include "frmMainTest.moc"
