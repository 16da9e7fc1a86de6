// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <map>
#include <optional>

#include "app/HelpMenu.h"
#include "app/frmMain.h"
#include "platform/AnsiQString.h"
#include "setup/ProgramCopyright.h"
#include "setup/PropertyStore.h"
#include "setup/URLLink.h"
#include "setup/UrlOpener.h"
#include "setup/frmAbout.h"
#include "setup/frmNewStation.h"
#include "support/CoreHarness.h"

namespace brevio {
namespace {

// Saved control properties in memory; a value equal to its default is not kept.
class MemoryPropertyStore : public PropertyStore {
 public:
  std::map<std::string, std::string> saved;
  // Makes every read fail, as a damaged saved state would.
  bool damaged = false;

  std::string ReadProperty(const std::string& key, const std::string& fallback) override {
    if (damaged) throw PropertyReadFailed("saved state is damaged");
    const auto found = saved.find(key);
    return found == saved.end() ? fallback : found->second;
  }

  void WriteProperty(const std::string& key, const std::string& value,
                     const std::string& standard) override {
    if (value == standard) {
      saved.erase(key);
    } else {
      saved[key] = value;
    }
  }
};

// Records what would be opened instead of starting a browser.
class RecordingUrlOpener : public UrlOpener {
 public:
  std::vector<std::string> opened;
  // Called inside Open, to look at the program's state while the desktop is busy.
  std::function<void()> whileOpening;
  // Thrown by Open after recording, when set.
  std::optional<UrlOpenFailed> failure;

  void Open(const std::string& address) override {
    opened.push_back(address);
    if (whileOpening) whileOpening();
    if (failure) throw *failure;
  }
};

}  // namespace

// The hyperlink label (one in a holder for each test), the About window and the new-station
// dialog.
class SetupWindowsTest : public QObject {
  Q_OBJECT

 private:
  QLabel* Label() const { return link_->findChild<QLabel*>("lblURL"); }
  static Qt::CursorShape Pointer() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor == nullptr ? Qt::ArrowCursor : cursor->shape();
  }
  bool IsNewControl() const {
    return link_->Text() == URLLink::kDefaultText && link_->URL() == URLLink::kDefaultURL &&
           !link_->ShowToolTip() && Label()->toolTip().isEmpty();
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

  RecordingUrlOpener opener_;
  test::RecordingMessageDialog dialog_;
  std::vector<std::string> offered_;  // the addresses the GotoURL handler was offered
  std::string replacement_;           // the handler's address in their place, if any
  bool cancel_ = false;               // whether the handler cancels the press
  std::vector<Qt::CursorShape> whileOpening_;
  QWidget* holder_ = nullptr;
  URLLink* link_ = nullptr;
  QTemporaryDir config_;
  const std::string title_ = "UI-View32 add-on Brevio Server V1.2.3";

 private slots:
  void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }

  void init() {
    opener_ = {};
    opener_.whileOpening = [this] { whileOpening_.push_back(Pointer()); };
    dialog_.shown.clear();
    offered_.clear();
    replacement_.clear();
    cancel_ = false;
    whileOpening_.clear();
    holder_ = new QWidget;
    holder_->resize(400, 60);
    link_ = new URLLink(opener_, dialog_, holder_);
    link_->setGeometry(10, 10, 353, 17);
    link_->SetURL("https://one.example.org");
    connect(link_, &URLLink::GotoURL, this, [this](std::string& address, bool& cancelled) {
      offered_.push_back(address);
      if (!replacement_.empty()) address = replacement_;
      cancelled = cancel_;
    });
  }

  void cleanup() {
    delete holder_;
    while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
  }

  // Other buttons open nothing and show the default pointer. A double click is a press, a
  // release and a double-click press: it opens once, under the hourglass, and the default pointer
  // follows.
  void linkOpensTheAddressOnceUnderTheHourglassOnALeftPressOnly() {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
      QTest::mouseClick(Label(), button);
      QCOMPARE(Pointer(), Qt::ArrowCursor);
    }
    QVERIFY(offered_.empty());
    QTest::mouseClick(Label(), Qt::LeftButton);
    QTest::mouseDClick(Label(), Qt::LeftButton);
    QCOMPARE(opener_.opened, std::vector<std::string>{"https://one.example.org"});
    QCOMPARE(whileOpening_, std::vector<Qt::CursorShape>{Qt::WaitCursor});
    QCOMPARE(Pointer(), Qt::ArrowCursor);
    QVERIFY(dialog_.shown.empty());
  }

  // A handler that cancels stops the press before the pointer changes; one that replaces the
  // address has the replacement opened, while URL keeps the stored one.
  void linkHandlerMayCancelOrReplaceThePress() {
    cancel_ = true;
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    QTest::mouseClick(Label(), Qt::LeftButton);
    QVERIFY(opener_.opened.empty());
    QCOMPARE(Pointer(), Qt::CrossCursor);
    cancel_ = false;
    replacement_ = "https://two.example.org/page";
    QTest::mouseClick(Label(), Qt::LeftButton);
    QCOMPARE(offered_, std::vector<std::string>(2, "https://one.example.org"));
    QCOMPARE(opener_.opened, std::vector<std::string>{"https://two.example.org/page"});
    QCOMPARE(link_->URL(), std::string("https://one.example.org"));
  }

  void linkShowsAFailedOpenWithoutIconUnderTheApplicationsCaption() {
    link_->SetURL("https://caf\xe9.example.org");
    opener_.failure = UrlOpenFailed(5, "Access is denied.");
    QTest::mouseClick(Label(), Qt::LeftButton);
    QCOMPARE(dialog_.shown.size(), std::size_t{1});
    QCOMPARE(dialog_.shown[0].icon, MessageIcon::None);
    QCOMPARE(dialog_.shown[0].title, ToAnsi(QGuiApplication::applicationDisplayName()));
    QCOMPARE(dialog_.shown[0].body, std::string("Unable to load 'https://caf\xe9.example.org' : "
                                                "Access is denied. (Error 5)"));
    QCOMPARE(Pointer(), Qt::ArrowCursor);
  }

  void linkToolTipFollowsShowToolTipAndURL() {
    QSignalSpy changed(link_, &URLLink::PropertyChanged);
    QCOMPARE(Label()->toolTip(), QString());
    link_->SetShowToolTip(true);
    QCOMPARE(Label()->toolTip(), QString("https://one.example.org"));
    link_->SetURL("https://two.example.org");
    QCOMPARE(Label()->toolTip(), QString("https://two.example.org"));
    link_->SetShowToolTip(false);
    link_->SetText("Brevio");
    QCOMPARE(Label()->toolTip(), QString());
    QStringList names;
    for (const QList<QVariant>& emitted : changed) names << emitted.at(0).toString();
    QCOMPARE(names, QStringList({"ShowToolTip", "URL", "ShowToolTip", "Text"}));
  }

  // The text looks like a link, the label fits it, and only the text reacts to a press.
  void linkLabelFitsItsTextAndOnlyItReactsToPresses() {
    link_->SetText("Brevio, the APRS query server, on the web");
    const int longWidth = Label()->width();
    link_->SetText("Brevio");
    QVERIFY(Label()->width() < longWidth);
    QCOMPARE(Label()->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(link_->Text(), std::string("Brevio"));
    QVERIFY(Label()->font().underline());
    QCOMPARE(Label()->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(Label()->palette().color(QPalette::WindowText),
             Label()->palette().color(QPalette::Highlight));
    holder_->show();
    QVERIFY(QTest::qWaitForWindowExposed(holder_));
    for (const int x : {Label()->width() + 4, 2}) {
      QTest::mouseClick(holder_->windowHandle(), Qt::LeftButton, {},
                        link_->mapTo(holder_, QPoint(x, 5)));
    }
    QCOMPARE(opener_.opened.size(), std::size_t{1});
  }

  // Only values that differ from a new control's are saved; what is not saved, or cannot be
  // read, comes back as a new control has it (the text too, though read before the flag).
  void linkSavesWhatDiffersFromANewControlAndRestoresIt() {
    MemoryPropertyStore store;
    URLLink fresh(opener_, dialog_);
    fresh.WriteProperties(store);
    QVERIFY(store.saved.empty());
    fresh.SetShowToolTip(true);
    fresh.WriteProperties(store);
    QCOMPARE(store.saved, (std::map<std::string, std::string>{{"ShowToolTip", "True"}}));

    MemoryPropertyStore empty;
    link_->SetShowToolTip(true);
    link_->ReadProperties(empty);
    QVERIFY(IsNewControl());
    store.saved = {
        {"Text", "Our club"}, {"URL", "https://club.example.org"}, {"ShowToolTip", "True"}};
    link_->ReadProperties(store);
    QCOMPARE(link_->Text() + " " + link_->URL(), std::string("Our club https://club.example.org"));
    QCOMPARE(Label()->toolTip(), QString("https://club.example.org"));
    store.damaged = true;
    link_->ReadProperties(store);
    QVERIFY(IsNewControl());
    store.damaged = false;
    store.saved["ShowToolTip"] = "Yes";
    link_->ReadProperties(store);
    QVERIFY(IsNewControl());
  }

  // Closing the window restores the default pointer and deletes it.
  void aboutShowsTitleCopyrightAndLinkAboveOtherWindowsAtTheCentre() {
    auto* about = new frmAbout(title_, kProgramCopyright, opener_);
    QPointer<frmAbout> watched = about;
    QCOMPARE(about->windowTitle(), "About " + QString::fromStdString(title_));
    QCOMPARE(about->findChild<QLabel*>("Label1")->text(), QString::fromStdString(title_));
    QCOMPARE(about->findChild<QLabel*>("Label5")->text(), QString(kProgramCopyright));
    QCOMPARE(about->URLLink1()->URL(), std::string("https://brevio.example.org"));
    QVERIFY(about->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(about->windowModality(), Qt::NonModal);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(about->frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(about->frameGeometry().center().y() - screen.center().y()) <= 1);
    about->show();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTest::mouseClick(about->Command1(), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    QTRY_VERIFY(watched.isNull());

    frmAbout unset(title_, "", opener_);
    QCOMPARE(unset.findChild<QLabel*>("Label5")->text(), QString("Not set in Project!"));
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

  // A refused value keeps the dialog open with the whole reason; a good one writes the station
  // and keeps its folders, so that the next plain start of the program serves it.
  void newStationIsWrittenOnceItsValuesPassAndServedByTheNextStart() {
    QTemporaryDir host;
    frmNewStation dialog(host.path().toStdString());
    QCOMPARE(dialog.findChild<QLineEdit*>("txtFolder")->text(), host.path());
    dialog.show();
    const auto enter = [&dialog](const char* call, const char* position) {
      dialog.findChild<QLineEdit*>("txtCall")->setText(call);
      dialog.findChild<QLineEdit*>("txtPosition")->setText(position);
      dialog.findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->click();
    };
    auto* problem = dialog.findChild<QLabel*>("lblProblem");
    enter("NOCALL", "nowhere");
    QVERIFY(dialog.isVisible());
    QVERIFY(problem->text().startsWith("call sign 'NOCALL' is refused"));
    enter("n0dlg-7", "nowhere");
    QVERIFY(
        problem->text().endsWith("a Maidenhead locator of 4, 6 or 8 characters such as FN29bb"));
    QCoreApplication::processEvents();
    QVERIFY(problem->height() >= problem->heightForWidth(problem->width()));
    QVERIFY(!QFile::exists(host.filePath("uiview32.ini")));

    enter("n0dlg-7", "FN29bb");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Written(), std::optional<std::string>(host.path().toStdString()));
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, "Peak Systems", "UI-View32");
    QCOMPARE(settings.value("Program Folder").toString(), host.path());

    QTemporaryDir tmp;
    QProcess next;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TMPDIR", tmp.path());
    next.setProcessEnvironment(env);
    next.start(BREVIO_BINARY, {"--headless", "--tnc", "stdio"});
    next.write("N0CALL>APRS::N0DLG-7:?CLUB{3\n");
    next.closeWriteChannel();
    QVERIFY(next.waitForFinished(20000));
    QCOMPARE(next.exitCode(), 0);
    QVERIFY(next.readAllStandardOutput().contains(":N0DLG-7 club station: ask ?NET{1\n"));
  }
};

}  // namespace brevio

QTEST_MAIN(brevio::SetupWindowsTest)
#include "SetupWindowsTest.moc"
