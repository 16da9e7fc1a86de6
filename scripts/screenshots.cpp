// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window, with a few status lines of a typical session and its status bar, and the
// about window into PNG files for the documentation. scripts/screenshots builds and runs it.
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <iostream>

#include "app/StationSummary.h"
#include "app/WidgetStatusBar.h"
#include "app/WidgetTextBox.h"
#include "app/frmMain.h"
#include "base/ProgramInfo.h"
#include "setup/DesktopUrlOpener.h"
#include "setup/ProgramCopyright.h"
#include "setup/frmAbout.h"

namespace {

using namespace brevio;

constexpr const char* kStatusLines[] = {
    "07:00:01 getting station-id from uiview32.ini",
    "07:00:01  -> station-id = N0CALL-10",
    "07:00:01 getting station position form uiview32.ini",
    "07:00:01 checking if remote commands from ANYBODY are allowed",
    "07:00:01 checking if the Message option 'Don't show from me' is unchecked",
    "07:00:01 Get DEFAULT_PORT from [MESSAGES] in UIVIEW32.INI",
    "07:00:01 DEFAULT_PORT = 1",
    "07:00:01 loading BRV topic definition from /home/pi/brevio/brv.txt",
    "07:00:01 loading BRV object definitions from /home/pi/uiview/overlays/brv.pos",
    "07:12:40 = begin query ========================================",
    "07:12:40  from [N0CALL-7]",
    "07:12:40  message = [?WX]",
    "07:12:40  digipath = WIDE1-1",
    "07:12:40  reversed digipath = WIDE",
    "07:12:40  honored",
    "07:12:40 Send msg : Dry, 12 C, wind SW 3 Bft (len=24, digipath = WIDE1-1message type = A)",
    "07:12:40 Table = /",
    "07:12:40 Symbol = _",
    "07:12:40 Create object WX0",
    "07:12:40 CreateObject() returned 0",
    "07:12:40 = end query ========================================",
};

constexpr const char* kTrafficLines[] = {
    "07:12:31 N0CALL-9>APDR16,WIDE1-1,WIDE2-1 <UI>\r\n=5224.10N/00457.35E>Mobile\r\n",
    "07:12:40 N0CALL-7>APRS,WIDE1-1 <UI>\r\n:N0CALL-10:?WX{7\r\n",
};

bool Save(QWidget& widget, const QString& path) {
  if (!widget.grab().save(path)) {
    std::cerr << "cannot write " << path.toStdString() << "\n";
    return false;
  }
  std::cout << path.toStdString() << "\n";
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(".");
  const std::string title = MakeProgramTitle();

  frmMain window;
  window.setWindowTitle(QString::fromStdString(title));
  WidgetTextBox txtStatus(*window.txtStatus());
  WidgetTextBox txtAPRS(*window.txtAPRS());
  const std::string date = "06/12/2026 ";
  txtStatus.Append(date + "07:00:01 start of " + title + "\r\n");
  for (const char* line : kStatusLines) txtStatus.Append(date + line + "\r\n");
  for (const char* line : kTrafficLines) txtAPRS.Append(date + line);
  StationSummary summary;
  WidgetStatusBar bar(window, summary);
  summary.LinkChanged({"kiss://127.0.0.1:8001", LinkState::Connected, "", {}});
  for (int i = 0; i < 312; ++i) summary.FrameHeard();
  for (int i = 0; i < 9; ++i) summary.ReplySent();
  window.resize(760, 560);
  window.show();

  DesktopUrlOpener opener;
  auto* about = new frmAbout(title, kProgramCopyright, opener, &window);
  about->show();

  // Let the windows be laid out and painted once before they are drawn.
  QTimer::singleShot(500, &app, [&] {
    const bool saved =
        Save(window, folder + "/main-window.png") && Save(*about, folder + "/about-window.png");
    QCoreApplication::exit(saved ? 0 : 1);
  });
  return app.exec();
}
