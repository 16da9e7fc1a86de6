#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "app/HelpMenu.h"
#include "app/frmMain.h"
#include "setup/ProgramCopyright.h"
#include "setup/URLLink.h"
#include "setup/frmAbout.h"
#include "support/RecordingUrlOpener.h"

namespace brevio {

class frmAboutTest : public QObject {
  Q_OBJECT

 private:
  static QList<frmAbout*> AboutWindows() {
    QList<frmAbout*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* about = qobject_cast<frmAbout*>(widget); about != nullptr && about->isVisible()) {
        found.append(about);
      }
    }
    return found;
  }

  const std::string title_ = "UI-View32 add-on Brevio Server V1.2.3";
  test::RecordingUrlOpener opener_;

 private slots:
  void showsTitleCopyrightAndLinkAboveOtherWindowsAtTheCentre() {
    frmAbout about(title_, kProgramCopyright, opener_);
    QCOMPARE(about.windowTitle(), "About " + QString::fromStdString(title_));
    QCOMPARE(about.findChild<QLabel*>("Label1")->text(), QString::fromStdString(title_));
    QCOMPARE(about.findChild<QLabel*>("Label5")->text(), QString(kProgramCopyright));
    QCOMPARE(about.URLLink1()->URL(), std::string("https://brevio.example.org"));
    QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(about.windowModality(), Qt::NonModal);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(about.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(about.frameGeometry().center().y() - screen.center().y()) <= 1);

    frmAbout unset(title_, "", opener_);
    QCOMPARE(unset.findChild<QLabel*>("Label5")->text(), QString("Not set in Project!"));
  }

  void closingRestoresDefaultPointer() {
    auto* about = new frmAbout(title_, kProgramCopyright, opener_);
    QPointer<frmAbout> watched = about;
    about->show();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTest::mouseClick(about->Command1(), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QTRY_VERIFY(watched.isNull());
  }

  // Help opens the help document, whatever the desktop says; a second About neither opens
  // another window nor reloads the open one, and once that is closed a fresh one is loaded.
  void helpOpensTheDocumentAndAboutOneWindowAtATime() {
    frmMain window;
    ProgramInfo info;
    info.HelpDocumentPath = "/opt/brevio/bin/brevio.html";
    info.ProgramTitle = title_;
    HelpMenu menu(window, info, opener_);
    opener_.failure = UrlOpenFailed(2, "The system cannot find the file specified.");
    for (int i = 0; i < 2; ++i) window.mnuHelpHelp()->trigger();
    QCOMPARE(opener_.opened, std::vector<std::string>(2, info.HelpDocumentPath));
    QVERIFY(AboutWindows().isEmpty());

    window.mnuHelpAbout()->trigger();
    frmAbout* first = menu.About();
    QCOMPARE(AboutWindows(), QList<frmAbout*>{first});
    QVERIFY(first->parentWidget() == &window);
    first->URLLink1()->SetText("changed while open");
    window.mnuHelpAbout()->trigger();
    QCOMPARE(AboutWindows(), QList<frmAbout*>{first});
    QCOMPARE(first->URLLink1()->Text(), std::string("changed while open"));
    first->close();
    window.mnuHelpAbout()->trigger();
    QCOMPARE(AboutWindows().size(), 1);
    QVERIFY(menu.About() != first);
    QCOMPARE(menu.About()->URLLink1()->Text(), std::string("https://brevio.example.org"));
  }
};

}  // namespace brevio

QTEST_MAIN(brevio::frmAboutTest)
#include "frmAboutTest.moc"
