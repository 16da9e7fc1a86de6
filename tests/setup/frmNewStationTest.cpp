#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "setup/frmNewStation.h"

namespace brevio {

class frmNewStationTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir config_;

  static void Fill(frmNewStation& dialog, const char* name, const QString& text) {
    dialog.findChild<QLineEdit*>(name)->setText(text);
  }
  static void ClickOk(frmNewStation& dialog) {
    dialog.findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->click();
  }

 private slots:
  void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }

  // A refused value keeps the dialog open with the reason; a good one writes and keeps the folder.
  void writesTheStationOnceItsValuesPass() {
    QTemporaryDir host;
    frmNewStation dialog(host.path().toStdString());
    QCOMPARE(dialog.findChild<QLineEdit*>("txtFolder")->text(), host.path());
    dialog.show();
    Fill(dialog, "txtCall", "NOCALL");
    Fill(dialog, "txtPosition", "4903.50N 07201.75W");
    ClickOk(dialog);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.findChild<QLabel*>("lblProblem")
                ->text()
                .startsWith("call sign 'NOCALL' is refused"));
    QVERIFY(!QFile::exists(host.filePath("uiview32.ini")));

    Fill(dialog, "txtCall", "n0abc-7");
    ClickOk(dialog);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Written(), std::optional<std::string>(host.path().toStdString()));
    QVERIFY(QFile::exists(host.filePath("overlays/brv.pos")));
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32");
    QCOMPARE(settings.value("Program Folder").toString(), host.path());
  }
};

}  // namespace brevio

QTEST_MAIN(brevio::frmNewStationTest)
#include "frmNewStationTest.moc"
