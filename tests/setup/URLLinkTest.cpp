#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

#include "platform/AnsiQString.h"
#include "setup/URLLink.h"
#include "support/MemoryPropertyStore.h"
#include "support/RecordingMessageDialog.h"
#include "support/RecordingUrlOpener.h"

namespace brevio {

class URLLinkTest : public QObject {
  Q_OBJECT

 private:
  QLabel* Label() const { return link_->findChild<QLabel*>("lblURL"); }
  static Qt::CursorShape Pointer() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor == nullptr ? Qt::ArrowCursor : cursor->shape();
  }
  // A GotoURL handler that records the address offered and may replace it or cancel the press.
  void OnGotoURL(const std::string& replacement, bool cancel) {
    disconnect(link_, &URLLink::GotoURL, this, nullptr);
    connect(link_, &URLLink::GotoURL, this, [=, this](std::string& address, bool& cancelled) {
      offered_.push_back(address);
      if (!replacement.empty()) address = replacement;
      cancelled = cancel;
    });
  }
  bool IsNewControl() const {
    return link_->Text() == URLLink::kDefaultText && link_->URL() == URLLink::kDefaultURL &&
           !link_->ShowToolTip() && Label()->toolTip().isEmpty();
  }

  test::RecordingUrlOpener opener_;
  test::RecordingMessageDialog dialog_;
  std::vector<std::string> offered_;
  std::vector<Qt::CursorShape> whileOpening_;
  QWidget* holder_ = nullptr;
  URLLink* link_ = nullptr;

 private slots:
  void init() {
    opener_ = {};
    opener_.whileOpening = [this] { whileOpening_.push_back(Pointer()); };
    dialog_.shown.clear();
    offered_.clear();
    whileOpening_.clear();
    holder_ = new QWidget;
    holder_->resize(400, 60);
    link_ = new URLLink(opener_, dialog_, holder_);
    link_->setGeometry(10, 10, 353, 17);
    link_->SetURL("https://one.example.org");
  }

  void cleanup() {
    delete holder_;
    while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
  }

  // A double click is a press, a release and a double-click press: it opens once, under the
  // hourglass, and the default pointer follows.
  void leftPressOpensTheAddressOnceUnderTheHourglass() {
    QTest::mouseClick(Label(), Qt::LeftButton);
    QTest::mouseDClick(Label(), Qt::LeftButton);
    QCOMPARE(opener_.opened, std::vector<std::string>{"https://one.example.org"});
    QCOMPARE(whileOpening_, std::vector<Qt::CursorShape>{Qt::WaitCursor});
    QCOMPARE(Pointer(), Qt::ArrowCursor);
    QVERIFY(dialog_.shown.empty());
  }

  // A handler that cancels stops the press before the pointer changes; one that replaces the
  // address has the replacement opened, while URL keeps the stored one.
  void gotoURLHandlerMayCancelOrReplaceThePress() {
    OnGotoURL("", true);
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    QTest::mouseClick(Label(), Qt::LeftButton);
    QVERIFY(opener_.opened.empty());
    QCOMPARE(Pointer(), Qt::CrossCursor);
    OnGotoURL("https://two.example.org/page", false);
    QTest::mouseClick(Label(), Qt::LeftButton);
    QCOMPARE(offered_, std::vector<std::string>(2, "https://one.example.org"));
    QCOMPARE(opener_.opened, std::vector<std::string>{"https://two.example.org/page"});
    QCOMPARE(link_->URL(), std::string("https://one.example.org"));
  }

  void otherButtonsOpenNothingAndShowTheDefaultPointer() {
    OnGotoURL("", false);
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
      QGuiApplication::setOverrideCursor(Qt::WaitCursor);
      QTest::mouseClick(Label(), button);
      QCOMPARE(Pointer(), Qt::ArrowCursor);
    }
    QVERIFY(opener_.opened.empty() && offered_.empty());
  }

  void failedOpenIsShownWithoutIconUnderTheApplicationsCaption() {
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

  void toolTipFollowsShowToolTipAndURL() {
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
  void labelFitsItsTextAndOnlyItReactsToPresses() {
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
  void savesWhatDiffersFromANewControlAndRestoresIt() {
    test::MemoryPropertyStore store;
    URLLink fresh(opener_, dialog_);
    fresh.WriteProperties(store);
    QVERIFY(store.saved.empty());
    fresh.SetShowToolTip(true);
    fresh.WriteProperties(store);
    QCOMPARE(store.saved, (std::map<std::string, std::string>{{"ShowToolTip", "True"}}));

    test::MemoryPropertyStore empty;
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
};

}  // namespace brevio

QTEST_MAIN(brevio::URLLinkTest)
#include "URLLinkTest.moc"
