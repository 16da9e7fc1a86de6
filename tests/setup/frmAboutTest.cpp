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
  static QString LabelText(const QWidget& window, const char* name) {
    const auto* label = window.findChild<QLabel*>(name);
    return label == nullptr ? QString("(no %1)").arg(name) : label->text();
  }
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
  void showsItsTextsAndCaption() {
    frmAbout about(title_, kProgramCopyright, opener_);
    QCOMPARE(about.windowTitle(), "About " + QString::fromStdString(title_));
    const std::pair<const char*, QString> labels[] = {
        {"Label1", QString::fromStdString(title_)},
        {"Label2", "Written by the Brevio team"},
        {"Label3", "This UI-View32 add-on implements a so called Brevio server."},
        {"Label8", "More information on this website"},
        {"Label4", "Legal"},
        {"Label5", kProgramCopyright},
        {"Label6", frmAbout::kDisclaimer}};
    for (const auto& [name, text] : labels) QCOMPARE(LabelText(about, name), text);
    QCOMPARE(about.URLLink1()->Text(), std::string("https://brevio.example.org"));
    QCOMPARE(about.URLLink1()->URL(), std::string("https://brevio.example.org"));
    QVERIFY(!about.URLLink1()->ShowToolTip());
    QCOMPARE(about.Command1()->text(), QString("&OK"));
  }

  void emptyCopyrightShowsNotSetInProject() {
    frmAbout about(title_, "", opener_);
    QCOMPARE(LabelText(about, "Label5"), QString("Not set in Project!"));
    QCOMPARE(LabelText(about, "Label4"), QString("Legal"));
  }

  void layoutIsConvertedFromTwipsAtScreenResolution() {
    frmAbout about(title_, kProgramCopyright, opener_);
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    const auto px = [dpi](int twips) { return qRound(twips * dpi / 1440); };
    QCOMPARE(about.size(), QSize(px(6360), px(4020)));
    QCOMPARE(about.URLLink1()->geometry(), QRect(px(840), px(2040), px(5295), px(255)));
    QCOMPARE(about.Command1()->geometry(), QRect(px(5280), px(3480), px(975), px(375)));
    QCOMPARE(about.findChild<QLabel*>("Label6")->geometry(),
             QRect(px(840), px(3000), px(4095), px(855)));
    QVERIFY(about.findChild<QLabel*>("Label1")->font().bold());
    QVERIFY(!about.findChild<QLabel*>("Label3")->font().bold());
  }

  void staysOnTopAtCentreOfScreenWithoutBlocking() {
    frmAbout about(title_, kProgramCopyright, opener_);
    QVERIFY(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(about.isWindow());
    QCOMPARE(about.windowModality(), Qt::NonModal);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(about.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(about.frameGeometry().center().y() - screen.center().y()) <= 1);
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

  void helpOpensHelpDocumentAndIgnoresFailure() {
    frmMain window;
    ProgramInfo info;
    info.ProgramTitle = title_;
    info.HelpDocumentPath = "/opt/brevio/bin/brevio.html";
    HelpMenu menu(window, info, opener_);
    QVERIFY(window.mnuHelpHelp()->isEnabled());
    window.mnuHelpHelp()->trigger();
    opener_.failure = UrlOpenFailed(2, "The system cannot find the file specified.");
    window.mnuHelpHelp()->trigger();
    QCOMPARE(opener_.opened, (std::vector<std::string>{"/opt/brevio/bin/brevio.html",
                                                       "/opt/brevio/bin/brevio.html"}));
    QVERIFY(AboutWindows().isEmpty());
  }

  void secondAboutNeitherOpensAnotherWindowNorReloads() {
    frmMain window;
    ProgramInfo info;
    info.ProgramTitle = title_;
    HelpMenu menu(window, info, opener_);
    QVERIFY(window.mnuHelpAbout()->isEnabled());
    window.mnuHelpAbout()->trigger();
    QCOMPARE(AboutWindows().size(), 1);
    frmAbout* first = menu.About();
    QVERIFY(first != nullptr && first->isVisible());
    QVERIFY(first->isWindow() && first->parentWidget() == &window);
    first->URLLink1()->SetText("changed while open");

    window.mnuHelpAbout()->trigger();
    QCOMPARE(AboutWindows(), QList<frmAbout*>{first});
    QCOMPARE(first->URLLink1()->Text(), std::string("changed while open"));

    // Once closed, the command loads a fresh window.
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
