// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
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
  void commandsStayDisabledUntilConnectedAndTheBoxTrimsLikeTheServer() {
    for (QAction* item :
         {window_.mnuFileXTR(), window_.mnuFileExit(), window_.mnuOptionsScan(),
          window_.mnuOptionsReloadDefinition(), window_.mnuHelpHelp(), window_.mnuHelpAbout()}) {
      QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
    }
    QVERIFY(window_.mnuOptionsScan()->isCheckable());
    QVERIFY(window_.txtStatus()->isReadOnly());
    // The box counts a CR LF as two characters, as the status log does when it trims.
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
